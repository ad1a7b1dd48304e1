#pragma once

#include <QImage>
#include <QString>

namespace tvn::tools {

// The words the about and information pictures carry, in one language.
struct AboutWords {
    QString tagline; // what the program is, under its name
    QString version; // "version %1"
    QString free;    // the badge of the information picture
};

AboutWords englishAboutWords();
AboutWords frenchAboutWords();
AboutWords italianAboutWords();

// The picture at the top of the about window (240 x 160 pixels): the product's emblem and
// name, what it is, its version and the maker's web address.
QImage drawAboutPicture(const AboutWords& words, const QString& version, const QString& webAddress);

// The picture of the information window (224 x 224 pixels): a letter to the maker, sealed
// with a heart, the "free" badge and the maker's e-mail address.
QImage drawInfoPicture(const AboutWords& words, const QString& emailAddress);

} // namespace tvn::tools
