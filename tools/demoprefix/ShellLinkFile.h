#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tvn::tools {

// What a shortcut points at, as its shell-link file stores it.
struct ShellLinkTarget {
    QString description;
    // The target relative to the folder that holds the shortcut ("..\..\Program Files\...").
    QString relativePath;
    QString workingDirectory;
    QString arguments; // none when empty
    QString iconLocation;
    qint32 iconIndex = 0;
    quint32 targetSize = 0;
    // The target's times, as a FILETIME (100 ns steps since 1601).
    quint64 targetTime = 0;
};

// A small, valid shell-link file: the 76-byte header with the link class identifier, the
// Unicode string data the flags announce, and the terminal extra-data block.
QByteArray shellLinkBytes(const ShellLinkTarget& target);

// `target` relative to `folder`, both absolute paths on one drive ("C:\..."), the way a
// shortcut stores its relative path: ".." for each folder below the common part.
QString relativeWindowsPath(const QString& folder, const QString& target);

} // namespace tvn::tools
