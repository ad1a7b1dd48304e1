#include "store/FolderSafety.h"

#include "StoreWorld.h"

namespace tvn::test {
namespace {

class FolderSafety : public StoreTest {
protected:
    void SetUp() override {
        tree.write("Start Menu/giochi/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Games/Cards.lnk", "cards");
        tree.write("Start Menu/Loose.lnk", "loose");
        faults.clearLog();
    }
};

TEST_F(FolderSafety, RemovesOnlyAFolderLeftEmpty) {
    tree.makeFolder("Start Menu/empty");
    tree.write("Start Menu/notes/readme.txt", "text");
    tree.write("Start Menu/hidden/.Ghost.lnk", "hidden");

    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, startMenu("EMPTY")));
    EXPECT_FALSE(tree.exists("Start Menu/empty"));
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, startMenu("giochi")));
    EXPECT_TRUE(tree.exists("Start Menu/giochi/Chess.lnk"));
    // A file that is not an ordinary shortcut keeps the folder, and that is no failure.
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, startMenu("notes")));
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, startMenu("hidden")));
    EXPECT_TRUE(tree.exists("Start Menu/notes/readme.txt"));
    EXPECT_TRUE(tree.exists("Start Menu/hidden/.Ghost.lnk"));
    EXPECT_FALSE(removeFolderIfNoShortcuts(tvn, startMenu("missing")));
}

TEST_F(FolderSafety, KeepsTheStartMenuFolderAndTheProgramsTree) {
    ASSERT_TRUE(disk.deleteFile(startMenu("Loose.lnk")));
    ASSERT_TRUE(disk.deleteFile(programs("Games/Cards.lnk")));
    const auto before = tree.snapshot();
    faults.clearLog();
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, startMenu()));
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, tree.path("start menu")));
    EXPECT_TRUE(removeFolderIfNoShortcuts(tvn, programs()));
    EXPECT_TRUE(faults.mutations().empty());
    EXPECT_EQ(tree.snapshot(), before);
}

} // namespace
} // namespace tvn::test
