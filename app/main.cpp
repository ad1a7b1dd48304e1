#include "FrmMain.h"
#include "Look.h"
#include "PosixFileSystem.h"
#include "QtUi.h"
#include "ShellFolders.h"

#include <QApplication>
#include <QDir>

namespace {

// Until the Wine prefix lookup is built the settings panel proposes no folders.
class NoShellFolders final : public tvn::ShellFolders {
public:
    QString shellFolder(const QString&) override { return {}; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tvn::applyTorvaneLook(app);
    tvn::QtUi ui;
    tvn::PosixFileSystem fs;
    NoShellFolders shellFolders;
    tvn::FrmMain window(ui, fs, shellFolders, [] { return QDir::currentPath(); });
    window.Form_Load();
    return app.exec();
}
