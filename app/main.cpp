#include "FrmMain.h"
#include "Look.h"
#include "PosixFileSystem.h"
#include "QtUi.h"
#include "WineShellFolders.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tvn::applyTorvaneLook(app);
    tvn::QtUi ui;
    tvn::PosixFileSystem fs;
    tvn::WineShellFolders shellFolders(tvn::WineShellFolders::defaultWinePrefix());
    tvn::FrmMain window(ui, fs, shellFolders, [] { return QDir::currentPath(); });
    window.Form_Load();
    return app.exec();
}
