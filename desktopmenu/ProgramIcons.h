#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <utility>
#include <vector>

namespace tvn {

// The icons of the entries this program writes from shortcuts, as PNG files in the user's
// hicolor theme: $XDG_DATA_HOME/icons/hicolor/<size>x<size>/apps/<name>.png, one for each size
// the icon holds among those the theme lists. The name comes from the file the icon is taken
// from, its size and time, and the icon's index, so no two icons share one, and a program that
// changes gets a new name.
class ProgramIcons {
public:
    explicit ProgramIcons(QString dataHome);

    // The name of the icon `index` (a shortcut's icon index) of the file at the Unix path
    // `file`, a program, library or .ico file, its PNG files written where none exists yet;
    // empty when the file holds no such icon that can be read or the files cannot be written.
    QString iconFor(const QString& file, int index);

    // Removes the icon files this class wrote that no entry below applications/ names any more
    // (an entry of any prefix's sync may name one).
    void removeUnused() const;

private:
    QString fileOf(int size, const QString& name) const;
    bool write(const QString& file, int index, const QString& name);
    // The names of the icons with a file of any size, listed once per sync rather than asked
    // of the disk once per size for each icon.
    const QSet<QString>& present();

    QString dataHome_;
    // The names already given in this sync, by file and index.
    QHash<QString, QString> given_;
    QSet<QString> present_;
    bool presentListed_ = false;
    // The sizes whose folder this sync has made or found.
    QSet<int> madeSizes_;
    // Each icon decoded in this sync, by the hash of its bytes: programs that share an icon (one
    // installer's, or the same program under several names) have it decoded and encoded once,
    // and its files written once, the others' names links to them.
    struct Encoded {
        // Its PNG files by size.
        std::vector<std::pair<int, QByteArray>> files;
        // The name its files were first written under.
        QString writtenAs;
    };
    QHash<QByteArray, Encoded> encoded_;
};

} // namespace tvn
