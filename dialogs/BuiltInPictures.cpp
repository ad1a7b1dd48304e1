#include "dialogs/BuiltInPictures.h"

namespace tvn {

QString builtInPicturePath(BuiltInPicture picture, int languageIndex) {
    static constexpr const char* kLanguageCodes[] = {"uk", "fr", "it"};
    const QLatin1String code(
        kLanguageCodes[languageIndex >= 0 && languageIndex < 3 ? languageIndex : 0]);
    switch (picture) {
    case BuiltInPicture::FlagUnitedKingdom:
        return QStringLiteral(":/pictures/flag-uk.png");
    case BuiltInPicture::FlagFrance:
        return QStringLiteral(":/pictures/flag-fr.png");
    case BuiltInPicture::FlagItaly:
        return QStringLiteral(":/pictures/flag-it.png");
    case BuiltInPicture::About:
        return QStringLiteral(":/pictures/about-%1.png").arg(code);
    case BuiltInPicture::Info:
        return QStringLiteral(":/pictures/info-%1.png").arg(code);
    }
    return {};
}

} // namespace tvn
