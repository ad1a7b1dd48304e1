#pragma once

#include <QByteArray>
#include <QString>

namespace tvn {

// Text in the system's ANSI code page, the form the ANSI registry functions take and give. On
// Linux that code page is UTF-8, so nothing is lost; on Windows it is the active code page.
QByteArray ansiFromText(const QString& text);
QString textFromAnsi(const QByteArray& bytes);

} // namespace tvn
