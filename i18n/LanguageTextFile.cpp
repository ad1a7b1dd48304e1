#include "i18n/LanguageTextFile.h"

#include "i18n/CaptionTable.h"
#include "i18n/LanguageFiles.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFolders.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"
#include "platform/Ui.h"

namespace tvn {

QString unableToSetLanguageText(const QString& fileName) {
    return QStringLiteral("Unable to set language! Error reading '") + fileName +
           QStringLiteral("'. Verify this file exists and is located into the Torvane "
                          "directory.");
}

bool LoadLanguageTexts(Ui& ui, FileSystem& fs, const ProgramFolders& folders, int languageIndex,
                       QObject& window, const std::function<void()>& loadLanguagePicture) {
    bool known = true;
    const QString name = languageTextFileName(languageIndex, &known);
    if (!known)
        ui.beep();

    const auto failed = [&] {
        // The message names the file as the program's folder sees it, on every platform.
        ui.message(unableToSetLanguageText(QStringLiteral("\\") + name));
        loadLanguagePicture();
    };
    const auto bytes = fs.readFile(dataFilePath(fs, folders, name), kLanguageTextFileBytes);
    if (!bytes) {
        failed();
        return false;
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
