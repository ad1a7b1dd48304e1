#pragma once

#include "catalogue/Tvn.h"
#include "desktopmenu/GnomeAppFolders.h"

#include <functional>
#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// Whether the desktop's application menu can follow the category folders. On Linux the menu of
// Windows programs is Wine's: entries in the form Wine's menu builder gives them, for the
// shortcuts of a prefix's Start Menu.
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

// The Wine the entries start programs with, and the folders the menu and the prefix managers'
// configurations live in.
struct DesktopMenuEnvironment {
    // The wine program; empty when it is not installed.
    QString wine;
    QString dataHome;
    QString configHome;
    QString home;

    // As Wine finds them: wine on the PATH, $XDG_DATA_HOME or ~/.local/share,
    // $XDG_CONFIG_HOME or ~/.config; the user's home folder.
    static DesktopMenuEnvironment fromSystem();

    bool operator==(const DesktopMenuEnvironment&) const = default;
};

DesktopMenuSupport desktopMenuSupport(const QString& startMenuPath,
                                      const DesktopMenuEnvironment& environment);

// A folder directly in the Start Menu folder, named as the disk names it, and the category
// (0 to 10) it is the folder of.
struct StartMenuFolder {
    QString name;
    QString path;
    int category = 0;

    bool operator==(const StartMenuFolder&) const = default;
};

// A shortcut in a category folder, and the names of its menu entry.
struct CategoryCopy {
    QString menu;
    QString entry;
    QString path;
    QString windowsPath;

    bool operator==(const CategoryCopy&) const = default;
};

// A Programs folder of the prefix, where the originals of the copies lie, and its Windows path.
struct ProgramsTree {
    QString path;
    QString windowsPath;

    bool operator==(const ProgramsTree&) const = default;
};

// What a sync works from, taken on the event thread from the window's state and the category
// folders; the sync itself then runs on any thread and reads only the disk.
struct DesktopMenuRequest {
    DesktopMenuSupport support = DesktopMenuSupport::Available;
    DesktopMenuEnvironment environment;
    QString prefix;
    QString startMenuPath;
    std::vector<StartMenuFolder> categories;
    std::vector<CategoryCopy> copies;
    std::vector<ProgramsTree> programsTrees;

    bool operator==(const DesktopMenuRequest&) const = default;
};

// The category folders that exist (a caption that is no valid folder name names none, and
// neither does one that reaches a Programs folder), the copies in them and the Programs trees.
// Where the support is not Available, the rest is empty.
DesktopMenuRequest desktopMenuRequest(Tvn& tvn, const DesktopMenuEnvironment& environment);

struct DesktopMenuSyncResult {
    DesktopMenuSupport support = DesktopMenuSupport::Available;
    // Entries made or repaired, and entries removed, in this sync.
    int written = 0;
    int removed = 0;
    // GNOME app folders made, changed or removed.
    int appFolders = 0;
    // The copies (full paths) that got no entry.
    QStringList failed;
    // Stopped before the end: a newer request takes over.
    bool stopped = false;
    // GNOME's app folders of this prefix as the entries now stand, and the start of their ids.
    QString appFolderIdPrefix;
    std::vector<AppFolder> appFoldersInStep;
};

// How a running sync learns that it should stop, and tells how far it has come.
struct DesktopMenuSyncControl {
    // Asked before each step; true stops the sync there.
    std::function<bool()> stopRequested = [] {
        return false;
    };
    // The entries made so far of those the sync makes.
    std::function<void(qsizetype done, qsizetype total)> progressed = [](qsizetype, qsizetype) {
    };
    // How GNOME's app folders change (see AppFolderChange).
    AppFolderChange appFolderChange = AppFolderChange::Exact;
};

// Brings the desktop menu in step with the category folders of the request: an entry for each
// copy, none for a shortcut that is gone, no category submenu left without entries. A copy
// whose original has an entry of Wine's own gets its entry written from that one, the others
// from their shell-link files, with icons from the programs they name (see LinkDesktopEntries).
// No Wine process is started and nothing in the prefix is written. Before the first entry it
// writes or removes, and again at the end, a file made and removed in applications/ tells the
// desktop's menus to read the entries again: GNOME Shell watches that folder only, not its
// subfolders, and reads them some 5 s after it is told, so it is told as early as possible. Only
// the entries of shortcuts lying directly in a folder of the Start Menu folder are ever removed,
// and only those whose shortcut is gone, in a category folder or in a folder whose submenu this
// program made; Programs entries and everything else are left alone. A copy's entry written from
// its original's is hidden from GNOME, whose app grid instead shows the original's entry in an app
// folder named as the category: one folder per category and prefix, the only app folders the sync
// ever changes (see GnomeAppFolders). Entries and folders already in step are not touched, so a
// second sync changes nothing. Every step leaves files that the next sync completes or removes: a
// sync stopped between two steps, or killed, is repaired by the next one. Where the support is not
// Available, nothing is attempted.
DesktopMenuSyncResult syncDesktopMenu(const DesktopMenuRequest& request,
                                      const DesktopMenuSyncControl& control = {});

// Brings GNOME's app folders closer to those the entries stand for after a sync that changed them
// keeping what the shell showed (AppFolderChange::KeepingShown): `change` says how close.
void settleGnomeAppFolders(const DesktopMenuSyncResult& result, AppFolderChange change);

} // namespace tvn
