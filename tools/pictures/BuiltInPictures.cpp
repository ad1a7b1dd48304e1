#include "tools/pictures/BuiltInPictures.h"

namespace tvn {

QString builtInPicturePath(BuiltInPicture picture) {
    switch (picture) {
    case BuiltInPicture::FlagUnitedKingdom:
        return QStringLiteral(":/pictures/flag-uk.png");
    case BuiltInPicture::FlagFrance:
        return QStringLiteral(":/pictures/flag-fr.png");
    case BuiltInPicture::FlagItaly:
        return QStringLiteral(":/pictures/flag-it.png");
    case BuiltInPicture::About:
        return QStringLiteral(":/pictures/about.png");
    case BuiltInPicture::Info:
        return QStringLiteral(":/pictures/info.png");
    }
    return {};
}

} // namespace tvn
