#pragma once

#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/WineDesktopEntry.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace tvn {

// The entries Wine's menu builder made for the shortcuts of the Programs trees, found by the
// shortcuts' content: a classified copy is byte for byte its original, so the original's entry
// is the pattern of the copy's. Only entries that are Wine's own count; an original with
// anything else has no entry here, and neither has one whose entry cannot be read.
// An original's entry, and its desktop-file id: its path below applications/, '/' turned '-'.
struct OriginalEntry {
    WineDesktopEntry entry;
    QString desktopId;
};

class OriginalEntries {
public:
    // Reads the entries below `dataHome`/applications/wine/Programs, where the builder puts
    // those of both Programs trees.
    OriginalEntries(const QString& dataHome, const QString& prefix,
                    const std::vector<ProgramsTree>& trees);

    // The entry of an original whose content is `shortcut`; null when there is none.
    const OriginalEntry* forShortcut(const QByteArray& shortcut) const;

    // The Wine the entries start their programs with; empty when there is none.
    const QString& launcher() const { return launcher_; }

private:
    QHash<QByteArray, OriginalEntry> entries_;
    QString launcher_;
};

} // namespace tvn
