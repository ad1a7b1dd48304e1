#include "app/SecondStart.h"

#include "i18n/NoticeTexts.h"
#include "platform/Paths.h"
#include "platform/ProgramFolderLock.h"
#include "platform/Ui.h"
#include "store/ConfigFile.h"

namespace tvn {

bool TakeProgramFolder(Ui& ui, FileSystem& fs, ProgramFolderLock& lock,
                       const QString& programFolder) {
    if (lock.acquire())
        return true;
    ConfigRecords settings;
    readConfigFile(fs, joinPath(programFolder, QString::fromUtf16(kConfigFileName)), settings);
    ui.message(noticeText(NoticeText::AlreadyRunning, settings.languageIndex).arg(programFolder),
               {}, Buttons::Ok, Icon::Exclamation);
    return false;
}

} // namespace tvn
