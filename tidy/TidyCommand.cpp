#include "tidy/TidyCommand.h"

#include "platform/FailureRecordingFileSystem.h"
#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "platform/ProgramFolderLock.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/SystemLanguage.h"
#include "store/ConfigFile.h"
#include "store/UndoJournal.h"
#include "tidy/Tidy.h"
#include "tidy/TidyTexts.h"
#include "tidy/TidyWatcher.h"

#include <QDir>
#include <QTextStream>

#ifdef _WIN32
#include "platform/Win32ShellFolders.h"
#else
#include "platform/WineShellFolders.h"
#endif

namespace tvn {

int runTidyCommand(const QStringList& arguments, const ProgramFolders& folders) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    NativeFileSystem native;
    ConfigRecords settings;
    const int language =
        readConfigFile(native, joinPath(folders.appFolder, QString::fromUtf16(kConfigFileName)),
                       settings) >= 6
            ? settings.languageIndex
            : systemLanguageIndex();
    QString error;
    const std::optional<TidyOptions> options = parseTidyOptions(arguments, language, error);
    if (!options) {
        err << error << Qt::endl;
        return 1;
    }
    if (options->help) {
        out << tidyText(TidyText::Usage, language);
        return 0;
    }

    // The window's file system stack: every failure keeps its cause, the journal records each
    // tidy for Undo, and the guard keeps the Programs trees (in a dry run, everything) unchanged.
    FailureRecordingFileSystem recorded(native);
    UndoJournal journal(recorded);
    ProtectedFileSystem guard(journal);
#ifdef _WIN32
    Win32ShellFolders shellFolders;
#else
    WineShellFolders shellFolders(WineShellFolders::defaultWinePrefix());
#endif
    ConsoleUi ui(err);
    ProgramFolderLock lock(folders.appFolder);
    if (options->watch)
        return watchAndTidy(*options, folders, guard, journal, ui, shellFolders, lock, out, err);

    if (!lock.acquireForTidy()) {
        err << tidyText(TidyText::InUse, language).arg(QDir::toNativeSeparators(folders.appFolder))
            << Qt::endl;
        return 3;
    }
    TidySession session(guard, journal, guard, ui, shellFolders, folders);
    if (const auto problem = session.settle(*options, QDir::homePath(), QDir::currentPath())) {
        printTidyReport(*problem, options->dryRun, session.languageIndex(), out, err);
        return tidyExitCode(*problem);
    }
    const TidyReport report = session.tidy(syncDesktopMenuNow);
    printTidyReport(report, options->dryRun, session.languageIndex(), out, err);
    return tidyExitCode(report);
}

} // namespace tvn
