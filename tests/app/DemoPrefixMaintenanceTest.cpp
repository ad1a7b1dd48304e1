// A new user's session on a demo prefix, through the real main window and the guarded file
// system the program runs with: classify from both Programs trees, lose a source, purge its
// copy, move a copy, reset.
#include "app/frame/MainWindow.h"
#include "app/widgets/QtListBox.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/WineShellFolders.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tools/demoprefix/DemoPrefix.h"
#include "WindowControls.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

constexpr auto kStartMenu =
    u"prefix/drive_c/users/ann/AppData/Roaming/Microsoft/Windows/Start Menu";

class DemoPrefixSession : public ::testing::Test {
protected:
    DemoPrefixSession() {
        tools::DemoPrefixRequest request;
        request.folder = tree.path("prefix");
        request.userName = "ann";
        const auto made = tools::makeDemoPrefix(request);
        EXPECT_TRUE(made.error.isEmpty()) << made.error.toStdString();
        tree.makeFolder("App");
        frm.setProgramsGuard([this](const QStringList& trees) { fs.setProtectedFolders(trees); });
        frm.state().appFolder = tree.path("App");
        frm.show();
    }

    QString startMenu(const QString& relative = {}) const {
        const QString root = QString::fromUtf16(kStartMenu);
        return relative.isEmpty() ? root : root + u'/' + relative;
    }

    // Selects exactly the entries of a visible list with these names.
    static void selectNamed(ListBox& list, const QStringList& names) {
        int found = 0;
        for (int k = 0; k < list.count(); ++k) {
            const bool wanted = names.contains(list.at(k));
            list.setSelected(k, wanted);
            found += wanted ? 1 : 0;
        }
        EXPECT_EQ(found, names.size()) << names.join(", ").toStdString();
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList categoryFoldersOnDisk() const {
        QStringList folders =
            QDir(tree.path(startMenu())).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        folders.removeAll("Programs");
        return folders;
    }

    TempTree tree;
    ScriptedUi ui;
    PosixFileSystem disk;
    ProtectedFileSystem fs{disk};
    WineShellFolders shell{tree.path("prefix")};
    MainWindow frm{ui, fs, shell, [this] {
                       return tree.path("App");
                   }};
};

TEST_F(DemoPrefixSession, PurgesTheLostSourcesCopyMovesOneAndResetsWithoutTouchingPrograms) {
    // The settings panel proposes the prefix's folders; confirming them analyses the system.
    frm.showConfig();
    ASSERT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), tree.path(startMenu()));
    click(control<QPushButton>(frm, "settingsOkButton"));
    ASSERT_TRUE(control<QFrame>(frm, "menuPanel")->isVisible());
    ASSERT_GT(frm.shortcutNames.count(), 30);

    // The all-users shortcuts are listed with the user's and copied into the same folders.
    const QString allUsers = "prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu";
    const auto allUsersBefore = tree.snapshot(allUsers);
    click(control<QPushButton>(frm, "classifyButton"));
    selectNamed(frm.tvn().lists.notYet,
                {"Cinderpeak", "Cinderpeak Editor", "Tidewater Chess Game"});
    click(categoryButton(frm, 0));
    EXPECT_TRUE(tree.exists(startMenu("giochi/Cinderpeak Editor.lnk")));
    selectNamed(frm.tvn().lists.notYet, {"Quillon Writer"});
    click(categoryButton(frm, 5));
    click(control<QPushButton>(frm, "creationDoneButton"));
    EXPECT_EQ(frm.copyNames.count(), 4);

    // The game is uninstalled outside the program.
    ASSERT_TRUE(disk.deleteFile(tree.path(startMenu("Programs/Marrowby Games/Cinderpeak.lnk"))));
    const auto programs = tree.snapshot(startMenu("Programs"));
    click(control<QPushButton>(frm, "rescanButton"));

    click(control<QPushButton>(frm, "cleanUpButton"));
    ASSERT_EQ(control<QListWidget>(frm, "orphansList")->count(), 1);
    EXPECT_EQ(frm.tvn().lists.purgeList.at(0), "Cinderpeak");
    EXPECT_EQ(frm.orphanFolders.at(0), tree.path(startMenu("giochi")));
    click(control<QPushButton>(frm, "purgeButton"));
    EXPECT_EQ(control<QListWidget>(frm, "orphansList")->count(), 0);
    EXPECT_FALSE(tree.exists(startMenu("giochi/Cinderpeak.lnk")));
    EXPECT_TRUE(tree.exists(startMenu("giochi/Tidewater Chess Game.lnk")));
    click(control<QPushButton>(frm, "purgesBackButton"));

    click(control<QPushButton>(frm, "modifyButton"));
    selectNamed(frm.tvn().lists.listModify, {"Quillon Writer"});
    click(control<QPushButton>(frm, "moveButton"));
    ASSERT_TRUE(control<QFrame>(frm, "creationPanel")->isVisible());
    click(categoryButton(frm, 1));
    click(control<QPushButton>(frm, "moveDoneButton"));
    ASSERT_TRUE(control<QFrame>(frm, "modifyPanel")->isVisible());
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->count(), 3);
    EXPECT_TRUE(tree.exists(startMenu(QStringLiteral("utilità/Quillon Writer.lnk"))));
    EXPECT_FALSE(tree.exists(startMenu("lavoro e studio")));
    click(control<QPushButton>(frm, "modifyDoneButton"));

    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    click(control<QPushButton>(frm, "resetButton"));
    EXPECT_TRUE(ui.scriptDone());
    EXPECT_TRUE(control<QFrame>(frm, "menuPanel")->isVisible());
    EXPECT_TRUE(categoryFoldersOnDisk().isEmpty())
        << categoryFoldersOnDisk().join(", ").toStdString();
    EXPECT_EQ(tree.snapshot(startMenu("Programs")), programs);
    EXPECT_EQ(tree.snapshot(allUsers), allUsersBefore);
    EXPECT_EQ(frm.copyNames.count(), 0);

    // Only the two questions of the reset were asked.
    EXPECT_EQ(ui.dialogs().size(), 2u);
}

} // namespace
} // namespace tvn::test
