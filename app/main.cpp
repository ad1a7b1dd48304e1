#include "FrmMain.h"
#include "Look.h"
#include "PosixFileSystem.h"
#include "ProtectedFileSystem.h"
#include "QtUi.h"
#include "WineShellFolders.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tvn::applyTorvaneLook(app);
    tvn::QtUi ui;
    tvn::PosixFileSystem disk;
    // The user's original shortcuts: nothing in the Programs tree is ever changed.
    tvn::ProtectedFileSystem fs(disk);
    tvn::WineShellFolders shellFolders(tvn::WineShellFolders::defaultWinePrefix());
    tvn::FrmMain window(ui, fs, shellFolders, [] { return QDir::currentPath(); });
    window.setProgramsGuard([&fs](const QString& programs) { fs.setProtectedFolder(programs); });
    window.Form_Load();
    return app.exec();
}
