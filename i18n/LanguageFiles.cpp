#include "i18n/LanguageFiles.h"

namespace tvn {
namespace {

// The two letters the file names carry; English for an index outside the three languages.
QString languageCode(int languageIndex, bool* known) {
    if (known)
        *known = languageIndex >= 0 && languageIndex <= 2;
    switch (languageIndex) {
    case 1:
        return QStringLiteral("fr");
    case 2:
        return QStringLiteral("it");
    default:
        return QStringLiteral("uk");
    }
}

} // namespace

QString languageTextFileName(int languageIndex, bool* known) {
    return QStringLiteral("Txt (%1).tvn").arg(languageCode(languageIndex, known));
}

QString languagePictureFileName(int languageIndex) {
    return QStringLiteral("Gfx (%1).tvn").arg(languageCode(languageIndex, nullptr));
}

} // namespace tvn
