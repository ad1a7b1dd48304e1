#include "app/SecondStart.h"

#include "i18n/NoticeTexts.h"
#include "platform/Paths.h"
#include "platform/ProgramFolderLock.h"
#include "platform/Ui.h"
#include "store/ConfigFile.h"

#include <QDeadlineTimer>
#include <QThread>

namespace tvn {

namespace {

bool refuse(Ui& ui, FileSystem& fs, const QString& programFolder) {
    ConfigRecords settings;
    readConfigFile(fs, joinPath(programFolder, QString::fromUtf16(kConfigFileName)), settings);
    ui.message(noticeText(NoticeText::AlreadyRunning, settings.languageIndex).arg(programFolder),
               {}, Buttons::Ok, Icon::Exclamation);
    return false;
}

} // namespace

bool takeProgramFolder(Ui& ui, FileSystem& fs, ProgramFolderLock& lock,
                       const QString& programFolder) {
    // A tidy without a window holds the folder for a moment: the window waits for it. The
    // folder is looked at twice, since a tidy marks its lock just after taking it.
    QDeadlineTimer deadline(std::chrono::seconds(60));
    for (int lookedAt = 0; !lock.acquire(); ++lookedAt) {
        if ((!lock.heldByTidy() && lookedAt > 0) || deadline.hasExpired())
            return refuse(ui, fs, programFolder);
        QThread::msleep(100);
    }
    return true;
}

} // namespace tvn
