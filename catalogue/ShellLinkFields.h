#pragma once

#include <optional>
#include <QByteArrayView>
#include <QString>

namespace tvn {

class FileSystem;

// What a shortcut's shell-link file says about its program. Any field the file does not hold
// is empty; every field is cut at kMaxShellLinkTextChars characters.
struct ShellLinkFields {
    QString description;   // the shortcut's comment
    QString targetPath;    // "C:\Program Files\Vendor\Suite\app.exe" as best known
    QString workingFolder; // where the program starts
    QString arguments;     // what the program is given on its command line
    QString iconLocation;  // the file the shortcut takes its icon from
    // Which icon of that file: its index among the file's icons, or less its resource id when
    // negative.
    qint32 iconIndex = 0;

    friend bool operator==(const ShellLinkFields&, const ShellLinkFields&) = default;
};

constexpr qsizetype kMaxShellLinkTextChars = 1024;
// Far beyond what a shortcut holds: the strings, the target's item list and a few extra blocks.
constexpr qsizetype kMaxShellLinkBytes = 64 * 1024;

// What a shell-link file's bytes say; std::nullopt for a foreign file or a damaged header. A
// damaged part further on ends the reading: the fields read before it are kept. Never reads past
// `bytes`, and every loop advances through them, so any input ends quickly.
//
// The target path comes, in order of preference, from the link information's local path, the
// environment-variable block (its %ProgramFiles%-style variables left as they are), the item
// list's drive and file entries, and the path relative to the shortcut.
std::optional<ShellLinkFields> parseShellLink(QByteArrayView bytes);

// Reads at most kMaxShellLinkBytes of the file and parses them; std::nullopt when the file
// cannot be read. Only reads.
std::optional<ShellLinkFields> readShellLink(FileSystem& fs, const QString& path);

} // namespace tvn
