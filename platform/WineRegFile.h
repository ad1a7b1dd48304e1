#pragma once

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

// The text form in which Wine keeps a registry branch (user.reg, system.reg): a
// "WINE REGISTRY Version 2" line, then one section per key, "[Name\\Of\\Key] time", followed by
// its values, one a line: "name"="text", @= for the default value, dword:, str(N):, hex: and
// hex(N): with "\"-continued lines. Names and texts escape characters as Wine writes them.
namespace tvn::wine {

struct RegValue {
    QString name;
    std::uint32_t type = 0;
    // As the registry stores it: texts in UTF-16 (little-endian) with their terminating NUL.
    QByteArray data;
};

// The values of the key at `path` (its names from the branch's root, compared ignoring letter
// case), or nothing when the content is not a registry file or has no such key. A key exists
// when it has a section or lies above one; a line that cannot be read is skipped; when a name
// occurs twice the last one holds.
std::optional<std::vector<RegValue>> findKey(QByteArrayView content, const QStringList& path);

// Reads an escaped text from `pos` up to the unescaped `end` character, leaving `pos` after it;
// nothing when the line ends first. Escapes: \\ and any other character for itself, \a \b \e \f
// \n \r \t \v, \x with one to four hex digits (a UTF-16 unit), \ with one to three octal digits.
// Bytes outside ASCII are read as UTF-8.
std::optional<QString> unescape(QByteArrayView line, qsizetype& pos, char end);

} // namespace tvn::wine
