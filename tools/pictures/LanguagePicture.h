#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace tvn::tools {

// The words of one language that the illustration shows.
struct PictureWords {
    QString before;
    QString after;
    QString start;
    QString programs;
    QString documents;
    QString settings;
    QString run;
};

// The words of the picture files "Gfx (uk).tvn", "Gfx (fr).tvn" and "Gfx (it).tvn".
PictureWords englishWords();
PictureWords frenchWords();
PictureWords italianWords();

// What the cluttered Programs menu holds: its folders and shortcuts, and the contents of the
// one folder that is open.
struct ClutteredMenu {
    QStringList entries;
    // The entry of `entries` whose folder is open beside the menu.
    int openEntry = 0;
    QStringList openFolder;
};

// The illustration beside the panels (169 x 329 pixels): the cluttered Programs menu above,
// the tidy menu of the eleven `categories` below.
QImage drawLanguagePicture(const PictureWords& words, const QStringList& categories,
                           const ClutteredMenu& clutter);

} // namespace tvn::tools
