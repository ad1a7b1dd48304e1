#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

namespace tvn {

// Data files are windows-1252, unless they start with the UTF-8 byte-order mark.
QString decodeDataFile(const QByteArray& bytes);

// windows-1252 when every character fits, otherwise UTF-8 with the byte-order mark, so that no
// path or name is mangled.
QByteArray encodeDataFile(const QString& text);

// The windows-1252 form of `text`, or nothing when a character does not fit.
std::optional<QByteArray> toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

} // namespace tvn
