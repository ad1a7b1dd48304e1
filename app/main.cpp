#include "app/frame/MainWindow.h"
#include "app/SecondStart.h"
#include "dialogs/Look.h"
#include "dialogs/QtUi.h"
#include "platform/FailureRecordingFileSystem.h"
#include "platform/NativeFileSystem.h"
#include "platform/ProgramFolderLock.h"
#include "platform/ProgramFolders.h"
#include "platform/ProtectedFileSystem.h"
#include "store/UndoJournal.h"
#include "tidy/TidyCommand.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#ifdef _WIN32
#include "platform/Win32ShellFolders.h"

#include <cstdio>
#include <windows.h>
#else
#include "platform/WineShellFolders.h"
#endif

namespace {

tvn::ProgramFolders programFolders() {
    return tvn::programFoldersAtStart(
        {QCoreApplication::applicationDirPath(), QStringLiteral(TORVANE_INSTALLED_DATA_FROM_BIN),
         QDir::currentPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
}

} // namespace

int main(int argc, char** argv) {
    // "torvane tidy" runs without a window, and so without a display.
    if (argc > 1 && qstrcmp(argv[1], "tidy") == 0) {
#ifdef _WIN32
        // A window program has no console of its own: it writes to the one it was started from.
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            std::freopen("CONOUT$", "w", stdout);
            std::freopen("CONOUT$", "w", stderr);
        }
#endif
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("torvane"));
        return tvn::runTidyCommand(QCoreApplication::arguments().mid(2), programFolders());
    }
    QApplication app(argc, argv);
    // The user's data folder is named after the program; the desktop file after its id.
    QApplication::setApplicationName(QStringLiteral("torvane"));
    QApplication::setDesktopFileName(QStringLiteral(TORVANE_DESKTOP_ID));
    tvn::applyTorvaneLook(app);
    tvn::QtUi ui;
    tvn::NativeFileSystem disk;
    // Every failure keeps its cause, for the error report.
    tvn::FailureRecordingFileSystem recordedDisk(disk);
    // What each action changes, for Undo; deleted shortcuts go to the trash.
    tvn::UndoJournal journal(recordedDisk);
    // The user's original shortcuts: nothing in the Programs trees is ever changed.
    tvn::ProtectedFileSystem fs(journal);
#ifdef _WIN32
    tvn::Win32ShellFolders shellFolders;
#else
    // On Linux the Start Menu of Windows programs lives in a Wine prefix.
    tvn::WineShellFolders shellFolders(tvn::WineShellFolders::defaultWinePrefix());
#endif
    const tvn::ProgramFolders folders = programFolders();
    tvn::ProgramFolderLock lock(folders.appFolder);
    if (!tvn::takeProgramFolder(ui, fs, lock, folders.appFolder)) {
        ui.endProgram();
        return 0;
    }
    tvn::MainWindow window(ui, fs, shellFolders, [&folders] { return folders.appFolder; });
    window.state().shippedFolder = folders.shippedFolder;
    window.setProgramsGuard([&fs](const QStringList& trees) { fs.setProtectedFolders(trees); });
    window.setUndoJournal(journal);
    window.setDesktopMenu(tvn::DesktopMenuEnvironment::fromSystem());
    window.startUp();
    return app.exec();
}
