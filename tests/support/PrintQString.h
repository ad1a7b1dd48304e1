#pragma once

#include <ostream>
#include <QString>

// Failure messages show texts rather than bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
