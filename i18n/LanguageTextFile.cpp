#include "i18n/LanguageTextFile.h"

#include "i18n/CaptionTable.h"
#include "i18n/LanguageFiles.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFolders.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tvn {

QString unableToSetLanguageText(const QString& fileName, const QString& folder) {
    return QStringLiteral("The language file \u201c%1\u201d cannot be read in the folder:\n%2\n"
                          "It is missing or damaged. The program shows its texts in English. Put "
                          "the file back in that folder (installing the program again does it), "
                          "then choose the language again.")
        .arg(fileName, QDir::toNativeSeparators(folder));
}

bool loadLanguageTexts(Ui& ui, FileSystem& fs, const ProgramFolders& folders, int languageIndex,
                       QObject& window, const std::function<void()>& loadLanguagePicture) {
    bool known = true;
    const QString name = languageTextFileName(languageIndex, &known);
    if (!known)
        ui.beep();

    const QString path = dataFilePath(fs, folders, name);
    // In English: the texts of the language chosen are the ones missing.
    const auto tellUnreadable = [&] {
        ui.message(unableToSetLanguageText(name, QFileInfo(path).absolutePath()));
    };
    const auto failed = [&] {
        tellUnreadable();
        loadLanguagePicture();
    };
    auto bytes = fs.readFile(path, kLanguageTextFileBytes);
    if (!bytes && known && languageIndex != 0) {
        failed();
        return false;
    }
    if (!bytes) {
        // English, the language every other one falls back to, has a copy in the program.
        tellUnreadable();
        QFile builtIn(QStringLiteral(":/texts/Txt (uk).tvn"));
        if (!builtIn.open(QIODevice::ReadOnly)) {
            loadLanguagePicture();
            return false;
        }
        bytes = builtIn.readAll();
    }
    SequentialReader file(decodeDataFile(*bytes));
    for (const std::u16string_view control : captionTable()) {
        if (file.atEnd()) {
            ui.beep();
            ui.beep();
            loadLanguagePicture();
            return true;
        }
        const SequentialItem field = file.next();
        if (!control.empty() && !setCaption(window, control, itemToCaption(field))) {
            failed();
            return false;
        }
    }
    loadLanguagePicture();
    return true;
}

} // namespace tvn
