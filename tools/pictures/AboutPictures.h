#pragma once

#include <QImage>
#include <QString>

namespace tvn::tools {

// The picture at the top of the about window (240 x 160 pixels): the product's emblem and
// name, its version and the maker's web address.
QImage drawAboutPicture(const QString& version, const QString& webAddress);

// The picture of the information window (224 x 224 pixels): a letter to the maker, sealed
// with a heart, the "free" badge and the maker's e-mail address.
QImage drawInfoPicture(const QString& emailAddress);

} // namespace tvn::tools
