#pragma once

#include "catalogue/Tvn.h"

#include <QString>
#include <QStringList>

namespace tvn {

// Whether the desktop's application menu can follow the category folders. On Linux the menu of
// Windows programs is Wine's: entries made by Wine's menu builder from a prefix's Start Menu.
enum class DesktopMenuSupport {
    Available,
    // Windows: the Start menu shows the category folders by itself.
    NotNeeded,
    // Wine is not installed: the desktop menu cannot show the categories.
    WineMissing,
    // The Start Menu folder lies in no Wine prefix that Wine has set up, so no desktop menu
    // shows it.
    NoWinePrefix,
};

// The programs the sync runs and the XDG folders the menu lives in.
struct DesktopMenuEnvironment {
    // The wine program; empty when it is not installed.
    QString wine;
    // The Wine server beside it; empty when there is none.
    QString wineserver;
    QString dataHome;
    QString configHome;

    // As Wine finds them: wine on the PATH, $WINESERVER or the server beside wine,
    // $XDG_DATA_HOME or ~/.local/share, $XDG_CONFIG_HOME or ~/.config.
    static DesktopMenuEnvironment fromSystem();
};

DesktopMenuSupport desktopMenuSupport(const QString& startMenuPath,
                                      const DesktopMenuEnvironment& environment);

struct DesktopMenuSyncResult {
    DesktopMenuSupport support = DesktopMenuSupport::Available;
    // Entries made or repaired, and entries removed, in this sync.
    int written = 0;
    int removed = 0;
    // The copies (full paths) whose entry Wine did not make.
    QStringList failed;
};

// Brings the desktop menu in step with the category folders of the Start Menu folder: an entry
// for each shortcut in a category folder, none for a shortcut that is gone, no category submenu
// left without entries. Only the entries of shortcuts lying directly in a folder of the Start
// Menu folder are ever removed, and only those whose shortcut is gone, in a category folder or
// in a folder whose submenu this program made; Programs entries and everything else are left
// alone. Entries already in step are not touched, so a second sync changes nothing, and a sync
// repairs what an interrupted one left. Shows a percentage in the progress label while Wine
// makes entries and pumps the window's events meanwhile. Where the support is not Available,
// nothing is attempted.
DesktopMenuSyncResult SyncDesktopMenu(Tvn& tvn, const DesktopMenuEnvironment& environment);
inline DesktopMenuSyncResult SyncDesktopMenu(Tvn& tvn) {
    return SyncDesktopMenu(tvn, DesktopMenuEnvironment::fromSystem());
}

} // namespace tvn
