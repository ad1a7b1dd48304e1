#include "store/FolderRefresh.h"

#include "StoreWorld.h"

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;

class FolderRefresh : public StoreTest {
protected:
    void SetUp() override {
        tree.write("Start Menu/giochi/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Games/Cards.lnk", "cards");
        tree.write("Start Menu/Loose.lnk", "loose");
        faults.clearLog();
    }

    int renames() const {
        int n = 0;
        for (const auto& operation : faults.operations())
            n += operation.kind == Kind::Rename ? 1 : 0;
        return n;
    }
};

TEST_F(FolderRefresh, RenamesTheFolderAwayAndBack) {
    const auto before = tree.snapshot();
    EXPECT_TRUE(RenameAndRestore(tvn, startMenu("giochi"), startMenu("_giochi")));
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(renames(), 2);
}

TEST_F(FolderRefresh, NeverRenamesAFolderThatHoldsThePrograms) {
    const auto before = tree.snapshot();
    for (const QString& folder :
         {startMenu(), tree.path("START MENU"), programs(), startMenu("programs"),
          startMenu("giochi/../Programs"), tree.path()}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_TRUE(RenameAndRestore(tvn, folder, folder + u'_'));
    }
    EXPECT_EQ(renames(), 0);
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(FolderRefresh, AFailedRenameBackIsRetriedAndStillReported) {
    const auto before = tree.snapshot();
    faults.failNth(2);
    EXPECT_FALSE(RenameAndRestore(tvn, startMenu("giochi"), startMenu("_giochi")));
    EXPECT_EQ(tree.snapshot(), before);

    // When the folder cannot be put back at all, it stays whole under its temporary name.
    faults.failWhen([&](const auto& op) {
        return op.kind == Kind::Rename && op.target == startMenu("giochi");
    });
    EXPECT_FALSE(RenameAndRestore(tvn, startMenu("giochi"), startMenu("_giochi")));
    EXPECT_EQ(tree.read("Start Menu/_giochi/Chess.lnk"), "chess");
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
}

TEST_F(FolderRefresh, FailsWithoutChangeWhenTheTemporaryNameIsTaken) {
    tree.makeFolder("Start Menu/_giochi");
    const auto before = tree.snapshot();
    EXPECT_FALSE(RenameAndRestore(tvn, startMenu("giochi"), startMenu("_giochi")));
    EXPECT_FALSE(RenameAndRestore(tvn, startMenu("missing"), startMenu("_missing")));
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(FolderRefresh, RemovesOnlyAFolderLeftEmpty) {
    tree.makeFolder("Start Menu/empty");
    tree.write("Start Menu/notes/readme.txt", "text");
    tree.write("Start Menu/hidden/.Ghost.lnk", "hidden");

    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, startMenu("EMPTY")));
    EXPECT_FALSE(tree.exists("Start Menu/empty"));
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, startMenu("giochi")));
    EXPECT_TRUE(tree.exists("Start Menu/giochi/Chess.lnk"));
    // A file that is not an ordinary shortcut keeps the folder, and that is no failure.
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, startMenu("notes")));
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, startMenu("hidden")));
    EXPECT_TRUE(tree.exists("Start Menu/notes/readme.txt"));
    EXPECT_TRUE(tree.exists("Start Menu/hidden/.Ghost.lnk"));
    EXPECT_FALSE(RemoveFolderIfNoShortcuts(tvn, startMenu("missing")));
}

TEST_F(FolderRefresh, KeepsTheStartMenuFolderAndTheProgramsTree) {
    ASSERT_TRUE(disk.deleteFile(startMenu("Loose.lnk")));
    ASSERT_TRUE(disk.deleteFile(programs("Games/Cards.lnk")));
    const auto before = tree.snapshot();
    faults.clearLog();
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, startMenu()));
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, tree.path("start menu")));
    EXPECT_TRUE(RemoveFolderIfNoShortcuts(tvn, programs()));
    EXPECT_TRUE(faults.mutations().empty());
    EXPECT_EQ(tree.snapshot(), before);
}

} // namespace
} // namespace tvn::test
