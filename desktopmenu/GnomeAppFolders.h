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

// The app folders GNOME Shell groups its app grid by, as GSettings keeps them
// (org.gnome.desktop.app-folders), through whatever backend GIO uses: the folders of this
// program are told apart by their id prefix, so the user's own folders and their order stay.
class GnomeAppFolders {
public:
    // True when the app-folder schemas are installed: without them no GNOME Shell reads any.
    static bool available();

    // The folders whose id starts with `idPrefix`, in the order of the grid.
    static std::vector<AppFolder> read(const QString& idPrefix);

    // Makes the folders whose id starts with `idPrefix` exactly `folders`: new ones are added
    // after the others, changed ones rewritten, the others with the prefix removed. Nothing is
    // written for a folder already in step. Returns the folders made, changed or removed.
    static int sync(const QString& idPrefix, const std::vector<AppFolder>& folders);
};

} // namespace tvn
