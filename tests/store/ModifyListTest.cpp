#include "store/ModifyList.h"

#include "CopiesWorld.h"
#include "platform/Ui.h"
#include "store/Classification.h"

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;
using Operation = FaultInjectingFileSystem::Operation;

constexpr int kGiochi = 0; // "giochi"
constexpr int kVideo = 3;  // "video"

class ModifyList : public CopiesTest {
protected:
    void SetUp() override {
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess original");
        tree.write("Start Menu/giochi/Chess.lnk", "chess");
        tree.write("Start Menu/giochi/Go.lnk", "go");
        tree.write("Start Menu/video/Player.lnk", "player");
        analyse();
        fillModifyList(tvn);
        programsBefore = tree.snapshot("Start Menu/Programs");
    }

    void expectProgramsUntouched() const {
        EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    }

    std::map<QString, QByteArray> programsBefore;
};

TEST_F(ModifyList, ShowsEveryCopyLessItsExtensionBesideItsFolderSortedByName) {
    tree.write("Start Menu/Loose.LNK", "loose");
    tree.write("Start Menu/video/angle.lnk", "angle");
    analyse();
    fillModifyList(tvn);
    // The user's own shortcut beside the categories is not a copy.
    EXPECT_EQ(lists.listModify.entries(), QStringList({"angle", "Chess", "Go", "Player"}));
    expectModifyInStep();
    EXPECT_EQ(lists.listModify.currentIndex(), -1);
    EXPECT_TRUE(selected(lists.listModify).isEmpty());
}

TEST_F(ModifyList, RemoveWithoutACurrentEntryOnlyAsksForASelection) {
    ui.expectMessage();
    removeSelectedCopies(tvn);
    lists.listModify.clear();
    fastList(tvn.lists).clear();
    ui.expectMessage();
    removeSelectedCopies(tvn);

    ASSERT_EQ(ui.dialogs().size(), 2u);
    for (const UiCall& call : ui.dialogs()) {
        EXPECT_EQ(call.text, window.messageText(Message::SelectShortcuts));
        EXPECT_EQ(call.title, QString());
        EXPECT_EQ(call.buttons, Buttons::Ok);
        EXPECT_EQ(call.icon, Icon::None);
    }
    EXPECT_TRUE(faults.mutations().empty());
}

TEST_F(ModifyList, RemovingTheOnlyCopyOfAFolderRemovesTheFolderAndOneOfTwoLeavesIt) {
    select(lists.listModify, {0, 2});
    removeSelectedCopies(tvn);

    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(tree.read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_FALSE(tree.exists("Start Menu/video"));
    expectProgramsUntouched();
    EXPECT_EQ(modifyPaths(), QStringList{"Start Menu/giochi/Go.lnk"});
    expectModifyInStep();

    // Each copy: deleted, and its folder removed once it is empty.
    const QString giochi = startMenu("giochi");
    const QString video = startMenu("video");
    const std::vector<Operation> expected{
        {Kind::DeleteFile, startMenu("giochi/Chess.lnk"), {}, false},
        {Kind::DeleteFile, startMenu("video/Player.lnk"), {}, false},
        {Kind::RemoveFolder, video, {}, false},
    };
    EXPECT_EQ(faults.mutations(), expected);
}

TEST_F(ModifyList, RemovingTheSecondAndThirdOfFiveLeavesTheFormerFourthCurrentAndUnselected) {
    tree.write("Start Menu/video/Radio.lnk", "radio");
    tree.write("Start Menu/video/Tv.lnk", "tv");
    analyse();
    fillModifyList(tvn);
    ASSERT_EQ(lists.listModify.entries(), QStringList({"Chess", "Go", "Player", "Radio", "Tv"}));
    select(lists.listModify, {1, 2});
    removeSelectedCopies(tvn);

    EXPECT_EQ(lists.listModify.entries(), QStringList({"Chess", "Radio", "Tv"}));
    expectModifyInStep();
    EXPECT_TRUE(selected(lists.listModify).isEmpty());
    EXPECT_EQ(lists.listModify.currentIndex(), 1);
    // A second press removes nothing: it asks for a selection.
    ui.expectMessage();
    removeSelectedCopies(tvn);
    EXPECT_EQ(lists.listModify.count(), 3);

    // Removing the last entries leaves nothing selected.
    lists.listModify.selectOnly(2);
    removeSelectedCopies(tvn);
    EXPECT_TRUE(selected(lists.listModify).isEmpty());
    EXPECT_EQ(modifyPaths(),
              QStringList({"Start Menu/giochi/Chess.lnk", "Start Menu/video/Radio.lnk"}));
}

TEST_F(ModifyList, ACopyDeletedOutsideTheProgramSimplyLeavesTheLists) {
    ASSERT_TRUE(disk.deleteFile(startMenu("video/Player.lnk")));
    ASSERT_TRUE(disk.deleteFile(startMenu("giochi/Go.lnk")));
    ASSERT_TRUE(disk.deleteFile(startMenu("giochi/Chess.lnk")));
    ASSERT_TRUE(disk.removeFolder(startMenu("giochi")));
    select(lists.listModify, {0, 1, 2});
    removeSelectedCopies(tvn);

    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(lists.listModify.count(), 0);
    expectModifyInStep();
    // The folder that is still there is emptied of shortcuts, so it goes as well.
    EXPECT_FALSE(tree.exists("Start Menu/video"));
    expectProgramsUntouched();
}

// One failing step ends the action with one report: what was done stays done, a copy still on
// disk keeps its entry, and the selected entries after it are left for another try.
TEST_F(ModifyList, AFailureIsReportedOnceAndStopsWithTheRestStillSelected) {
    tree.write("Start Menu/video/Radio.lnk", "radio");
    analyse();
    fillModifyList(tvn);
    faults.failWhen([&](const Operation& op) {
        return op.kind == Kind::DeleteFile && op.path == startMenu("giochi/Go.lnk");
    });
    select(lists.listModify, {0, 1, 2, 3});
    removeSelectedCopies(tvn);

    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_EQ(tree.read("Start Menu/video/Player.lnk"), "player");
    EXPECT_EQ(modifyPaths(), QStringList({"Start Menu/giochi/Go.lnk", "Start Menu/video/Player.lnk",
                                          "Start Menu/video/Radio.lnk"}));
    expectModifyInStep();
    EXPECT_EQ(selected(lists.listModify), QList<int>({0, 1, 2}));
}

TEST_F(ModifyList, AFolderLeftHoldingAnotherFileKeepsItAndTheRestGoesOn) {
    tree.write("Start Menu/video/desktop.ini", "ini");
    select(lists.listModify, {2, 3});
    removeSelectedCopies(tvn);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(tree.snapshot("Start Menu/video"),
              (std::map<QString, QByteArray>{{"desktop.ini", "ini"}}));
    EXPECT_EQ(lists.listModify.entries(), QStringList({"Chess", "Go"}));
    expectModifyInStep();
}

// A Programs path spelt in another letter case than the configured one can bring the
// originals into Fast; they are refused, never deleted.
TEST_F(ModifyList, OriginalsOfTheProgramsTreeAreRefused) {
    fastList(tvn.lists).add("Chess.lnk", tree.path("START MENU/programs/games"));
    fastList(tvn.lists).add("Go.lnk", startMenu("giochi"));
    fillModifyList(tvn);
    // Sorted: Chess (giochi), Chess (the original), Go, Go again, Player.
    select(lists.listModify, {1, 3});
    removeSelectedCopies(tvn);

    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    expectProgramsUntouched();
    EXPECT_EQ(tree.read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_EQ(lists.listModify.count(), 5);
    expectModifyInStep();

    // The same entries cannot be moved either.
    ui.clearCalls();
    lists.listModify.selectOnly(1);
    EXPECT_FALSE(loadSelectedCopiesForMove(tvn));
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    EXPECT_FALSE(state.moveMode);
    EXPECT_EQ(lists.notYet.count(), 0);
}

TEST_F(ModifyList, MovingNothingAsksForASelectionAndLeavesNotYetEmpty) {
    addEntry("Stale", startMenu("giochi"));
    ui.expectMessage();
    EXPECT_FALSE(loadSelectedCopiesForMove(tvn));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>{window.messageText(Message::SelectShortcuts)});
    EXPECT_EQ(lists.notYet.count(), 0);
    EXPECT_EQ(lists.notYetDirs.count(), 0);
    EXPECT_FALSE(state.moveMode);
}

// The copies of two folders: the sorted NotYet must still pair each name with its own folder.
TEST_F(ModifyList, MovedCopiesKeepTheirFoldersAndEndInTheChosenCategory) {
    tree.write("Start Menu/video/Archive.lnk", "archive");
    tree.write("Start Menu/utilità/Zoom.lnk", "zoom");
    analyse();
    fillModifyList(tvn);
    ASSERT_EQ(lists.listModify.entries(),
              QStringList({"Archive", "Chess", "Go", "Player", "Zoom"}));
    select(lists.listModify, {0, 4});
    ASSERT_TRUE(loadSelectedCopiesForMove(tvn));

    EXPECT_TRUE(state.moveMode);
    EXPECT_EQ(notYetPaths(),
              QStringList({"Start Menu/video/Archive", QStringLiteral("Start Menu/utilità/Zoom")}));
    EXPECT_EQ(selected(lists.notYet), QList<int>({0, 1}));

    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(tree.read("Start Menu/giochi/Zoom.lnk"), "zoom");
    EXPECT_EQ(tree.read("Start Menu/giochi/Archive.lnk"), "archive");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));

    window.progress = "57 %";
    reloadModifyList(tvn);
    EXPECT_EQ(modifyPaths(),
              QStringList({"Start Menu/giochi/Archive.lnk", "Start Menu/giochi/Chess.lnk",
                           "Start Menu/giochi/Go.lnk", "Start Menu/video/Player.lnk",
                           "Start Menu/giochi/Zoom.lnk"}));
    expectModifyInStep();
    EXPECT_TRUE(selected(lists.listModify).isEmpty());
    // The walk counts on from what the label showed: the Start Menu folder and its two
    // category folders.
    EXPECT_EQ(window.progress, "60");
    expectProgramsUntouched();
}

TEST_F(ModifyList, MovingACopyToTheCategoryItLiesInChangesNothing) {
    select(lists.listModify, {2});
    ASSERT_TRUE(loadSelectedCopiesForMove(tvn));
    const auto before = tree.snapshot();
    faults.clearLog();
    classifySelected(tvn, kVideo);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(lists.notYet.count(), 0);
    for (const Operation& op : faults.mutations())
        EXPECT_TRUE(op.kind == Kind::CreateFolder || op.kind == Kind::Rename)
            << "nothing copied or deleted";
}

} // namespace
} // namespace tvn::test
