#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QString>
#include <QTranslator>

namespace tvn {
namespace {

// Owned by the application, so it goes with it; the pointer then reads null.
QPointer<QTranslator> installed;

// Qt's catalogue for the language, "qtbase_fr"; empty for English.
QString catalogueName(int languageIndex) {
    switch (languageIndex) {
    case 1:
        return QStringLiteral("qtbase_fr");
    case 2:
        return QStringLiteral("qtbase_it");
    default:
        return {};
    }
}

} // namespace

bool useQtTranslations(int languageIndex) {
    // Dates and sizes that Qt's dialogs write follow the language too.
    static constexpr QLocale::Language kLocales[] = {QLocale::English, QLocale::French,
                                                     QLocale::Italian};
    QLocale::setDefault(
        QLocale(kLocales[languageIndex >= 0 && languageIndex < 3 ? languageIndex : 0]));
    delete installed; // a translator removes itself from the application
    const QString name = catalogueName(languageIndex);
    if (name.isEmpty())
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Qt's own folder, or the "translations" folder a deployed program carries beside it.
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            installed = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace tvn
