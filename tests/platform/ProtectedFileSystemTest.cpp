#include "platform/ProtectedFileSystem.h"

#include "platform/NativeFileSystem.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/NativeFiles.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn {
namespace {

using test::TempTree;

class ProtectedFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.write("Start Menu/Programs/Games/Cards.lnk", "cards");
        tree.write("Start Menu/Programs/Readme.tvn", "readme");
        tree.makeFolder("Start Menu/Programs/Empty");
        tree.write("Start Menu/Giochi/Chess.lnk", "chess");
        linked = test::makeFolderLink(QStringLiteral("Programs"), path("Start Menu/Link"));
#ifndef _WIN32
        ASSERT_TRUE(linked);
#endif
        fs.setProtectedFolder(path("Start Menu/Programs"));
    }

    QString path(const QString& relative) const {
        return tree.path(relative);
    }

    // Windows (and Wine) may refuse to make the link; the spellings through it are then left out.
    bool linked = false;
    TempTree tree;
    NativeFileSystem disk;
    ProtectedFileSystem fs{disk};
};

TEST_F(ProtectedFileSystemTest, RefusesEveryMutationInsideTheTreeUnderAnySpelling) {
    const auto before = tree.snapshot();
    const QString outside = path("Start Menu/Giochi/Chess.lnk");
    QStringList spellings = {path("Start Menu/Programs"), path("START MENU/programs"),
                             path("Start Menu/Giochi/../PROGRAMS")};
    if (linked)
        spellings << path("Start Menu/Link") << path("start menu/link/Games/..");
    for (const QString& programs : spellings) {
        SCOPED_TRACE(programs.toStdString());
        EXPECT_FALSE(fs.deleteFile(programs + "/games/CARDS.LNK"));
        EXPECT_FALSE(fs.moveToTrash(programs + "/games/CARDS.LNK"));
        EXPECT_FALSE(fs.restoreFromTrash({programs + "/Chess.lnk", outside}));
        EXPECT_FALSE(fs.removeFolder(programs + "/EMPTY"));
        EXPECT_FALSE(fs.createFolder(programs + "/New"));
        EXPECT_FALSE(fs.createFolder(programs + "/Missing/New"));
        EXPECT_FALSE(fs.rename(programs + "/Games", programs + "/Renamed"));
        EXPECT_FALSE(fs.rename(programs + "/Games/Cards.lnk", path("Start Menu/Cards.lnk")));
        EXPECT_FALSE(fs.rename(outside, programs + "/Chess.lnk"));
        EXPECT_FALSE(fs.copyFile(outside, programs + "/Games/Cards.lnk"));
        EXPECT_FALSE(fs.copyFile(outside, programs + "/Chess.lnk"));
        EXPECT_FALSE(fs.writeFile(programs + "/Readme.tvn", "overwritten"));
    }
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(ProtectedFileSystemTest, RefusesToRenameOrRemoveTheTreeOrAFolderHoldingIt) {
    ASSERT_TRUE(disk.deleteFile(path("Start Menu/Programs/Games/Cards.lnk")));
    ASSERT_TRUE(disk.removeFolder(path("Start Menu/Programs/Games")));
    ASSERT_TRUE(disk.removeFolder(path("Start Menu/Programs/Empty")));
    ASSERT_TRUE(disk.deleteFile(path("Start Menu/Programs/Readme.tvn")));
    const auto before = tree.snapshot();
    EXPECT_FALSE(fs.removeFolder(path("start menu/PROGRAMS")));
    EXPECT_FALSE(fs.rename(path("Start Menu/Programs"), path("Start Menu/Old Programs")));
    EXPECT_FALSE(fs.rename(path("Start Menu"), path("Old Start Menu")));
    EXPECT_FALSE(fs.rename(tree.path(), tree.path() + "-moved"));
    EXPECT_FALSE(fs.deleteFile(path("Start Menu/Link")));
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(ProtectedFileSystemTest, LetsReadsCopiesFromTheTreeAndMutationsOutsideThrough) {
    if (linked) {
        EXPECT_EQ(fs.readFile(path("Start Menu/Link/Readme.tvn")), QByteArray("readme"));
    }
    ASSERT_TRUE(fs.listFolder(path("Start Menu/Programs")));
    EXPECT_EQ(fs.listFolder(path("Start Menu/Programs"))->subfolders.size(), 2);
    EXPECT_TRUE(fs.copyFile(path("Start Menu/Programs/Games/Cards.lnk"),
                            path("Start Menu/Giochi/Cards.lnk")));
    EXPECT_TRUE(fs.createFolder(path("Start Menu/Programmi")));
    EXPECT_TRUE(fs.rename(path("Start Menu/Giochi"), path("Start Menu/_Giochi")));
    EXPECT_TRUE(fs.deleteFile(path("Start Menu/_Giochi/Chess.lnk")));
    EXPECT_TRUE(fs.writeFile(path("Config.tvn"), "settings"));
    EXPECT_EQ(tree.read("Start Menu/Programs/Games/Cards.lnk"), QByteArray("cards"));
    EXPECT_EQ(tree.read("Start Menu/_Giochi/Cards.lnk"), QByteArray("cards"));
}

TEST_F(ProtectedFileSystemTest, ProtectsAFolderThatAppearsLaterAndNothingWhenEmpty) {
    fs.setProtectedFolder(path("Later"));
    EXPECT_TRUE(fs.createFolder(path("Later")));
    EXPECT_FALSE(fs.writeFile(path("Later/file.tvn"), "x"));

    fs.setProtectedFolder(QString());
    EXPECT_TRUE(fs.deleteFile(path("Start Menu/Programs/Games/Cards.lnk")));
}

TEST_F(ProtectedFileSystemTest, GuardsEveryTreeOfTheSetUntilTheSetIsReplaced) {
    tree.write("All Users/Programs/Atlas.lnk", "atlas");
    fs.setProtectedFolders({path("Start Menu/Programs"), QString(), path("All Users/Programs")});
    const auto before = tree.snapshot();
    EXPECT_FALSE(fs.deleteFile(path("all users/programs/ATLAS.LNK")));
    EXPECT_FALSE(fs.rename(path("All Users"), path("Old All Users")));
    EXPECT_FALSE(fs.deleteFile(path("Start Menu/Programs/Games/Cards.lnk")));
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_TRUE(
        fs.copyFile(path("All Users/Programs/Atlas.lnk"), path("Start Menu/Giochi/Atlas.lnk")));

    fs.setProtectedFolders({path("All Users/Programs")});
    EXPECT_TRUE(fs.deleteFile(path("Start Menu/Programs/Games/Cards.lnk")));
    EXPECT_FALSE(fs.deleteFile(path("All Users/Programs/Atlas.lnk")));
}

// A look-up that fails (a passing error, a folder briefly unreadable) must not lift the guard:
// the tree's own spelling stays refused once the folder has been seen.
TEST_F(ProtectedFileSystemTest, FailingLookUpsKeepTheTreeGuarded) {
    test::FaultInjectingFileSystem faults{disk};
    ProtectedFileSystem guarded{faults};
    guarded.setProtectedFolder(path("Start Menu/Programs"));
    faults.failWhen([](const test::FaultInjectingFileSystem::Operation& operation) {
        return operation.kind == test::FaultInjectingFileSystem::Kind::Identity;
    });
    const auto before = tree.snapshot();
    const QString outside = path("Start Menu/Giochi/Chess.lnk");
    EXPECT_FALSE(guarded.copyFile(outside, path("Start Menu/Programs/Chess.lnk")));
    EXPECT_FALSE(guarded.deleteFile(path("Start Menu/programs/Games/Cards.lnk")));
    EXPECT_FALSE(guarded.rename(path("Start Menu"), path("Old Start Menu")));
    EXPECT_FALSE(guarded.writeFile(path("Start Menu/Programs/Readme.tvn"), "overwritten"));
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_TRUE(guarded.copyFile(outside, path("Start Menu/Giochi/Copy.lnk")));
}

} // namespace
} // namespace tvn
