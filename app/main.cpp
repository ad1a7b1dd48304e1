#include "FrmMain.h"
#include "Look.h"
#include "NativeFileSystem.h"
#include "ProtectedFileSystem.h"
#include "QtUi.h"

#include <QApplication>
#include <QDir>

#ifdef _WIN32
#include "Win32ShellFolders.h"
#else
#include "WineShellFolders.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tvn::applyTorvaneLook(app);
    tvn::QtUi ui;
    tvn::NativeFileSystem disk;
    // The user's original shortcuts: nothing in the Programs trees is ever changed.
    tvn::ProtectedFileSystem fs(disk);
#ifdef _WIN32
    tvn::Win32ShellFolders shellFolders;
#else
    // On Linux the Start Menu of Windows programs lives in a Wine prefix.
    tvn::WineShellFolders shellFolders(tvn::WineShellFolders::defaultWinePrefix());
#endif
    tvn::FrmMain window(ui, fs, shellFolders,
                        [] { return QDir::toNativeSeparators(QDir::currentPath()); });
    window.setProgramsGuard([&fs](const QStringList& trees) { fs.setProtectedFolders(trees); });
    window.Form_Load();
    return app.exec();
}
