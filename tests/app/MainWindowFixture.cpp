#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

namespace tvn::test {

std::vector<QString> visiblePanelsOf(const MainWindow& frm) {
    std::vector<QString> names;
    for (const QFrame* panel : frm.panels())
        if (panel->isVisible())
            names.push_back(panel->objectName());
    return names;
}

MainWindowTest::MainWindowTest() {
    // The program folder as the build stages it.
    const QDir data(QStringLiteral(TORVANE_DATA_DIR));
    for (const QString& name : data.entryList({QStringLiteral("*.tvn")}, QDir::Files)) {
        QFile file(data.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        tree.write(name, file.readAll());
    }
    // The language pictures are drawn by the build into the staged folder.
    for (const char* code : {"uk", "fr", "it"}) {
        const QString name = QStringLiteral("Gfx (%1).tvn").arg(QLatin1String(code));
        QFile file(QStringLiteral(TORVANE_APP_DIR "/") + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        tree.write(name, file.readAll());
    }
    tree.makeFolder(QStringLiteral("Start Menu/Programs"));
    shell.values = {{QStringLiteral("Start Menu"), startMenu()},
                    {QStringLiteral("Programs"), programs()}};
    // The working folders too, so the analysis and the refresh find the Start Menu.
    frm.state().startMenuPath = startMenu();
    frm.state().programsPath = programs();
    frm.setProgramsGuard([this](const QStringList& trees) { fs.setProtectedFolders(trees); });
    frm.setUndoJournal(journal);
    // What start-up sets, for the tests that begin after it.
    frm.state().appFolder = tree.path();
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(true);
    frm.show();
}

std::unique_ptr<MainWindow> MainWindowTest::newWindow(ShellFolders& folders) {
    auto window = std::make_unique<MainWindow>(ui, fs, folders, [this] { return tree.path(); });
    window->setProgramsGuard([this](const QStringList& trees) { fs.setProtectedFolders(trees); });
    window->setUndoJournal(journal);
    return window;
}

} // namespace tvn::test
