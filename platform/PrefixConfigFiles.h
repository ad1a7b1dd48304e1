#pragma once

#include <optional>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Minimal readers for the configuration files that name Wine prefixes on Linux. Each reads
// one thing by lines and skips whatever else the file holds; no input makes them fail.
namespace tvn::prefixes {

// The value of `prefix:` in the top-level `game:` block of a game's YAML file, unquoted ('...'
// and "..." scalars, a plain one without its trailing comment); nothing when there is none or
// it is empty or null. The text is as written: "~" and relative paths are the caller's to judge.
std::optional<QString> lutrisGamePrefix(QByteArrayView yml);

// The value of `key` in the top-level block `block` of a Lutris YAML file, read as
// lutrisGamePrefix reads `prefix:` in `game:` (a game's Wine runner: `version:` in `wine:`).
std::optional<QString> lutrisValue(QByteArrayView yml, const char* block, const char* key);

// The library folders a Steam libraryfolders.vdf lists: every "path" value, and in the older
// form every value of a numbered key directly in the outer block. Quoted and bare tokens, the
// escapes of a backslash and of a double quote, // comments.
QStringList steamLibraryPaths(QByteArrayView vdf);

// The game's name in a Steam app manifest (steamapps/appmanifest_<id>.acf): the "name" value
// directly in its outer block; nothing when there is none or it is blank.
std::optional<QString> steamAppName(QByteArrayView acf);

} // namespace tvn::prefixes
