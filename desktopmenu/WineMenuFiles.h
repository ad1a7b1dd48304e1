#pragma once

#include <QSet>
#include <QString>

namespace tvn {

// The XDG base folders the desktop menu lives in: $XDG_DATA_HOME and $XDG_CONFIG_HOME, or
// ~/.local/share and ~/.config.
struct XdgFolders {
    QString dataHome;
    QString configHome;
};

// The files Wine's menu builder writes for a shortcut `entry` + ".lnk" that lies in the folder
// `menu` directly inside the Start Menu folder, and the submenu that shows it:
//   <data>/applications/wine/<menu>/<entry>.desktop      the menu entry
//   <config>/menus/applications-merged/wine-<menu>-<entry>.menu
//                                                        puts the entry into Wine › <menu>
//   <data>/desktop-directories/wine-<menu>.directory      the submenu's name and icon
// Names are used as they are on disk, without any escaping.
class WineMenuFiles {
public:
    explicit WineMenuFiles(XdgFolders folders);

    // The folder holding the entries of the Start Menu folder `menu`.
    QString entryFolder(const QString& menu) const;
    QString desktopFile(const QString& menu, const QString& entry) const;
    QString menuFile(const QString& menu, const QString& entry) const;
    QString directoryFile(const QString& menu) const;
    QString directoryFolder() const;
    QString mergedMenuFolder() const;

    // True when the .menu file of the entry exists and includes the entry.
    bool menuFileIncludes(const QString& menu, const QString& entry) const;
    // True when the .menu file of the entry puts exactly that entry into Wine › `menu`, one
    // level below Wine, as the builder writes it for a shortcut of a top-level Start Menu
    // folder (a Programs shortcut's file of the same name nests deeper).
    bool menuFileIsForEntry(const QString& menu, const QString& entry) const;

    // The .directory files that some .menu file of the merged-menu folder refers to.
    QSet<QString> referencedDirectoryFiles() const;

    // Writes the submenu's .directory file as Wine would, with the mark that says this program
    // wrote it; an existing file is left as it is. Where it cannot be written, Wine writes its
    // own, unmarked.
    void writeMarkedDirectoryFile(const QString& menu) const;
    // The menus whose .directory file carries this program's mark.
    QStringList markedDirectoryMenus() const;

    // Writes the entry file with `text`, then its .menu file as the builder writes it (and Wine's
    // top submenu where it is missing): an interrupted write leaves at most an entry file, which
    // the next sync finds. False when a file cannot be written.
    bool writeEntry(const QString& menu, const QString& entry, const QByteArray& text) const;

    // Makes and removes a file directly in applications/: the desktops' menus watch that folder
    // but not the subfolders Wine's entries lie in, and read every entry again when it changes.
    void announceChange() const;

    // A value as a desktop file stores it.
    static QString keyFileValue(const QString& value);

    // The Exec value that starts the shortcut `windowsPath` through Wine in `prefix` with the
    // Wine `launcher`, quoted as desktop entries require.
    static QString execValue(const QString& prefix, const QString& launcher,
                             const QString& windowsPath);

private:
    XdgFolders folders_;
};

} // namespace tvn
