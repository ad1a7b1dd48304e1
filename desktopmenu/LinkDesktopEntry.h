#pragma once

#include "desktopmenu/ProgramIcons.h"
#include "platform/WineShellFolders.h"

#include <QByteArray>
#include <QString>

namespace tvn {

struct CategoryCopy;

// The menu entries of copies whose originals have no entry of Wine's own, written from the
// copies' shell-link files in the form Wine's menu builder gives its entries: Name, Exec (the
// copy started through Wine in the prefix), Type, StartupNotify, then where the link has them
// Comment (its description), Path (its working folder, as a Unix path), Icon (from its icon
// location, else its target) and StartupWMClass (the target's file name, as Wine's windows are
// classed). Only reads the prefix.
class LinkDesktopEntries {
public:
    // `launcher` is the Wine the Exec names; the icons go below `dataHome`.
    LinkDesktopEntries(const QString& prefix, QString launcher, const QString& dataHome);

    // The entry of the copy whose shell-link file holds `shortcut`, its icon's files written
    // first where they are missing. A file that is no shell link gives an entry without the
    // link's keys.
    QByteArray textFor(const CategoryCopy& copy, const QByteArray& shortcut);

private:
    QString prefix_;
    QString launcher_;
    WineShellFolders folders_;
    ProgramIcons icons_;
};

} // namespace tvn
