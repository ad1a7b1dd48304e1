#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// An app folder of GNOME Shell's app grid: its id, the name shown and the desktop-file ids of
// the programs it holds.
struct AppFolder {
    QString id;
    QString name;
    QStringList apps;

    bool operator==(const AppFolder&) const = default;
};

// How a sync treats the programs GNOME Shell shows now. The shell knows only the entries it read
// at its last refresh, some 5 s after it was told of a change: to it, a folder listing only
// entries it does not know yet is empty (and an emptied folder it shows breaks its app grid until
// the next login, GNOME 43), and an entry it still knows that no folder lists shows loose in the
// grid, though its file is gone.
enum class AppFolderChange {
    // The folders become exactly those asked for.
    Exact,
    // The folders asked for keep the programs they list as well; the others go.
    KeepingShownPrograms,
    // The folders asked for keep the programs they list as well, and the others stay.
    KeepingShown,
};

// The app folders GNOME Shell groups its app grid by, as GSettings keeps them
// (org.gnome.desktop.app-folders), through whatever backend GIO uses: the folders of this
// program are told apart by their id prefix, so the user's own folders and their order stay.
class GnomeAppFolders {
public:
    // True when the app-folder schemas are installed: without them no GNOME Shell reads any.
    static bool available();

    // The folders whose id starts with `idPrefix`, in the order of the grid.
    static std::vector<AppFolder> read(const QString& idPrefix);

    // Makes the folders whose id starts with `idPrefix` `folders`: new ones are added after the
    // others, changed ones rewritten, the others with the prefix removed (unless `change` keeps
    // them). Nothing is written for a folder already in step. Returns the folders made, changed
    // or removed.
    static int sync(const QString& idPrefix, const std::vector<AppFolder>& folders,
                    AppFolderChange change = AppFolderChange::Exact);
};

} // namespace tvn
