// A Wine prefix as Wine 8 writes it (its real user.reg and system.reg), with shortcuts in the
// user's Programs tree and in the all-users one: both are listed, the copies go to the user's
// Start Menu only, and neither tree is ever changed.
#include "catalogue/CatalogueList.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/WineShellFolders.h"
#include "store/Classification.h"
#include "store/OrphanPurge.h"
#include "store/Reset.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QFile>

namespace tvn::test {
namespace {

const QString kUserStartMenu =
    QStringLiteral("prefix/drive_c/users/root/AppData/Roaming/Microsoft/Windows/Start Menu");
const QString kAllUsersStartMenu =
    QStringLiteral("prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu");

QByteArray sample(const char* name) {
    QFile file(QStringLiteral(TORVANE_PLATFORM_TEST_DATA "/") + QString::fromUtf8(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class AllUsersStartMenu : public ::testing::Test {
protected:
    AllUsersStartMenu() {
        tree.write("prefix/user.reg", sample("wine8-user.reg"));
        tree.write("prefix/system.reg", sample("wine8-system.reg"));
        tree.makeFolder("prefix/dosdevices");
        EXPECT_TRUE(QFile::link("../drive_c", tree.path("prefix/dosdevices/c:")));
        tree.write(kUserStartMenu + "/Programs/Cards.lnk", "user: cards");
        tree.write(kUserStartMenu + "/Programs/Office/Writer.lnk", "user: writer");
        tree.write(kAllUsersStartMenu + "/Programs/Atlas.lnk", "all users: atlas");
        tree.write(kAllUsersStartMenu + "/Programs/Games/Chess.lnk", "all users: chess");
        tree.write(kAllUsersStartMenu + "/Programs/Office/Writer.lnk", "all users: writer");
        ui.allowOkMessages();
        tvn.shellFolders = &shell;
        tvn.guardProgramsTrees = [this](const QStringList& trees) {
            fs.setProtectedFolders(trees);
        };
        state.startMenuPath = shell.shellFolder("Start Menu");
        state.programsPath = shell.shellFolder("Programs");
        analyseSystem(tvn);
    }

    QString userPrograms(const QString& relative = {}) const {
        return below(state.programsPath, relative);
    }
    QString allUsersPrograms(const QString& relative = {}) const {
        return below(state.allUsersProgramsPath, relative);
    }

    // Classifies the shortcuts (full paths) into the first category, as the Creation panel
    // does, and leaves the panel.
    void classify(const QStringList& shortcuts) {
        buildNotYetList(tvn);
        for (int i = 0; i < lists.notYet.count(); ++i)
            lists.notYet.setSelected(i, shortcuts.contains(joinPath(lists.notYetDirs.at(i),
                                                                    lists.notYet.at(i) + ".lnk")));
        classifySelected(tvn, 0);
        refreshClassified(tvn);
    }

    TempTree tree;
    WineShellFolders shell{tree.path("prefix")};
    NativeFileSystem disk;
    ProtectedFileSystem fs{disk};
    ScriptedUi ui;
    FakeWindow window;
    FakeLists lists;
    ProgramState state;
    Tvn tvn{state, fs, ui, lists.refs(), window};
};

TEST_F(AllUsersStartMenu, ListsBothTreesTogetherAndCopiesIntoTheUsersCategoryFolder) {
    ASSERT_FALSE(state.allUsersProgramsPath.isEmpty());
    buildNotYetList(tvn);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"Atlas", "Cards", "Chess", "Writer", "Writer"}));
    EXPECT_EQ(lists.notYetDirs.entries(),
              QStringList({allUsersPrograms(), userPrograms(), allUsersPrograms("Games"),
                           userPrograms("Office"), allUsersPrograms("Office")}));

    const auto allUsersBefore = tree.snapshot(kAllUsersStartMenu);
    classify({allUsersPrograms("Games/Chess.lnk")});
    EXPECT_EQ(tree.read(kUserStartMenu + "/giochi/Chess.lnk"), "all users: chess");
    EXPECT_EQ(tree.snapshot(kAllUsersStartMenu), allUsersBefore);
    EXPECT_EQ(lists.fast.entries(), QStringList({"Chess.lnk"}));
    EXPECT_TRUE(ui.dialogs().empty());
    // The file system the program runs with refuses every change there.
    EXPECT_FALSE(fs.deleteFile(allUsersPrograms("Atlas.lnk")));
    EXPECT_FALSE(fs.copyFile(userPrograms("Cards.lnk"), allUsersPrograms("Cards.lnk")));
}

TEST_F(AllUsersStartMenu, OrphansHaveNoSourceInEitherTreeAndTheResetKeepsBothTrees) {
    classify({allUsersPrograms("Games/Chess.lnk"), allUsersPrograms("Office/Writer.lnk"),
              userPrograms("Cards.lnk")});
    // Uninstalled for all users; the user's own Writer stays the source of its copy.
    ASSERT_TRUE(disk.deleteFile(allUsersPrograms("Games/Chess.lnk")));
    ASSERT_TRUE(disk.deleteFile(allUsersPrograms("Office/Writer.lnk")));
    const auto userBefore = tree.snapshot(kUserStartMenu + "/Programs");
    const auto allUsersBefore = tree.snapshot(kAllUsersStartMenu);
    analyseSystem(tvn);

    buildPurgeList(tvn);
    EXPECT_EQ(lists.purgeList.entries(), QStringList({"Chess"}));

    deleteAllClassifications(tvn);
    EXPECT_FALSE(tree.exists(kUserStartMenu + "/giochi"));
    EXPECT_EQ(tree.snapshot(kUserStartMenu + "/Programs"), userBefore);
    EXPECT_EQ(tree.snapshot(kAllUsersStartMenu), allUsersBefore);
    EXPECT_EQ(lists.progs.entries(), QStringList({"Cards.lnk", "Writer.lnk", "Atlas.lnk"}));
}

} // namespace
} // namespace tvn::test
