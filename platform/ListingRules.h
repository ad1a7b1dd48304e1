#pragma once

#include <cstddef>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The rules every folder listing follows, whatever the platform reads the folder with.
namespace tvn::listing {

// A name matching "*.lnk" in any letter case, with at least one character before the suffix.
// The UTF-8 form lets a lister test names before decoding them.
bool isShortcutName(QStringView name);
bool isShortcutName(const char* utf8, std::size_t size);

// The name of a temporary file the program writes a copy or a data file through before it takes
// its place: ".tvn-" and hexadecimal digits, then ".tmp".
bool isLeftoverTemporaryName(QStringView name);

// Name order: letter case ignored, ties broken by the exact spelling.
bool listsBefore(const QString& a, const QString& b);

// The names in name order, each preceded by `prefix`.
QStringList sortedNames(std::vector<QString>& names, const QString& prefix);

} // namespace tvn::listing
