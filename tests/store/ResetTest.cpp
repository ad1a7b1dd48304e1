#include "store/Reset.h"

#include "CopiesWorld.h"
#include "platform/Ui.h"
#include "store/CategoryFolders.h"

#include <cstddef>
#include <vector>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;
using Operation = FaultInjectingFileSystem::Operation;

class Reset : public CopiesTest {
protected:
    void SetUp() override {
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Office/Writer.lnk", "writer");
        tree.write("Start Menu/Programs/Office/notes.txt", "notes");
    }

    // Answers the confirmation and runs the reset as the button does.
    void reset(Answer answer) {
        ui.expectMessage(answer);
        if (answer == Answer::Yes)
            ui.expectMessage();
        if (confirmReset(tvn))
            deleteAllClassifications(tvn);
    }

    void expectConfirmationAndDoneMessage() const {
        const auto dialogs = ui.dialogs();
        ASSERT_EQ(dialogs.size(), 2u);
        EXPECT_EQ(dialogs[0].text, window.messageText(Message::DeleteAllQuestion));
        EXPECT_EQ(dialogs[0].title, "Caution!");
        EXPECT_EQ(dialogs[0].buttons, Buttons::YesNo);
        EXPECT_EQ(dialogs[0].icon, Icon::Exclamation);
        EXPECT_EQ(dialogs[1].text, window.messageText(Message::AllDeleted));
        EXPECT_EQ(dialogs[1].title, QString());
        EXPECT_EQ(dialogs[1].buttons, Buttons::Ok);
        EXPECT_EQ(dialogs[1].icon, Icon::None);
    }

    // The analysis after the reset walked both trees afresh.
    void expectAnalysed(const QStringList& fast) const {
        EXPECT_EQ(fastPaths(), fast);
        EXPECT_EQ(paths(lists.progs, lists.progsDirs),
                  QStringList({"Start Menu/Programs/Games/Chess.lnk",
                               "Start Menu/Programs/Office/Writer.lnk"}));
        EXPECT_EQ(lists.listModify.count(), 0);
    }
};

TEST_F(Reset, NoChangesNothing) {
    tree.write("Start Menu/giochi/Chess.lnk");
    analyse();
    const auto before = tree.snapshot();
    reset(Answer::No);
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(lists.fast.count(), 1);
}

TEST_F(Reset, DeletesTheCopiesOfTheCategoriesAndSparesEveryOtherShortcut) {
    tree.write("Start Menu/giochi/Chess.lnk", "copy");
    tree.write("Start Menu/giochi/Go.lnk", "copy");
    tree.write("Start Menu/video/Player.lnk", "copy");
    tree.write("Start Menu/Loose.lnk", "loose");
    tree.write("Start Menu/Vendor/Tool.lnk", "tool");
    tree.write("Start Menu/giochi/Nested/Deep.lnk", "deep");
    // A category folder spelt in another letter case than its caption is the same folder.
    tree.write(QStringLiteral("Start Menu/UTILITÀ/Writer.lnk"), "copy");
    analyse();
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    // The desktop menu is asked to follow once the folders are gone, before the done message.
    std::vector<std::size_t> dialogsAtMenuSync;
    window.onSyncDesktopMenu = [&] {
        dialogsAtMenuSync.push_back(ui.dialogs().size());
        EXPECT_FALSE(tree.exists("Start Menu/video"));
    };
    reset(Answer::Yes);

    expectConfirmationAndDoneMessage();
    EXPECT_EQ(dialogsAtMenuSync, std::vector<std::size_t>{1});
    EXPECT_FALSE(tree.exists("Start Menu/video"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/UTILITÀ")));
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Go.lnk"));
    // Only shortcuts directly in a category folder go; a folder that still holds something
    // stays, silently.
    EXPECT_EQ(tree.read("Start Menu/giochi/Nested/Deep.lnk"), "deep");
    EXPECT_EQ(tree.read("Start Menu/Loose.lnk"), "loose");
    EXPECT_EQ(tree.read("Start Menu/Vendor/Tool.lnk"), "tool");
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    expectAnalysed({});
    // No rename of any folder: the reset deletes and removes only.
    for (const Operation& op : faults.mutations())
        EXPECT_TRUE(op.kind == Kind::DeleteFile || op.kind == Kind::RemoveFolder);
}

TEST_F(Reset, WithoutCopiesStillRemovesTheEmptyFoldersSaysSoAndAnalyses) {
    tree.makeFolder("Start Menu/giochi");
    tree.makeFolder("Start Menu/varie");
    analyse();
    reset(Answer::Yes);
    expectConfirmationAndDoneMessage();
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_FALSE(tree.exists("Start Menu/varie"));
    expectAnalysed({});
    EXPECT_TRUE(tree.exists("Start Menu/Programs/Games/Chess.lnk"));
    // Each of the eleven folders was tried, present or not.
    int removals = 0;
    for (const Operation& op : faults.mutations())
        removals += op.kind == Kind::RemoveFolder ? 1 : 0;
    EXPECT_EQ(removals, 11);
}

TEST_F(Reset, KeepsAFileThatIsNoShortcutAndAFolderOfAnOldName) {
    tree.write("Start Menu/giochi/Chess.lnk");
    tree.write("Start Menu/giochi/scores.txt", "scores");
    tree.write("Start Menu/old games/Go.lnk", "go");
    analyse();
    reset(Answer::Yes);
    expectConfirmationAndDoneMessage();
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/scores.txt"), "scores");
    EXPECT_EQ(tree.read("Start Menu/old games/Go.lnk"), "go");
    expectAnalysed({});
}

// A copy interrupted by a crash leaves the program's temporary file: it is the program's own, so
// neither it nor the folder it alone kept survives the reset. Anyone else's hidden file does.
TEST_F(Reset, RemovesWhatAnInterruptedCopyLeftAndTheFolderItKept) {
    tree.write("Start Menu/giochi/.tvn-3fa9c0d2e1b4a567.tmp", "half a copy");
    tree.write("Start Menu/video/Player.lnk");
    tree.write("Start Menu/video/.tvn-1.tmp", "half");
    tree.write("Start Menu/video/.tvn-notours.tmp", "the user's");
    tree.write("Start Menu/Programs/Games/.tvn-2.tmp", "in the originals");
    analyse();
    reset(Answer::Yes);
    expectConfirmationAndDoneMessage();
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_EQ(tree.snapshot("Start Menu/video"),
              (std::map<QString, QByteArray>{{".tvn-notours.tmp", "the user's"}}));
    EXPECT_TRUE(tree.exists("Start Menu/Programs/Games/.tvn-2.tmp"));
}

// At start the same leftovers go from every category folder and the program folder.
TEST_F(Reset, LeftoversOfAnInterruptedCopyGoAtStart) {
    tree.write("Start Menu/giochi/Chess.lnk", "chess");
    tree.write("Start Menu/giochi/.tvn-a1.tmp");
    tree.write("Start Menu/video/.tvn-b2.tmp");
    tree.write("App/.tvn-c3.tmp");
    tree.write("App/.tvn-c3.tmp.keep", "not ours");
    tree.write("Start Menu/Programs/.tvn-d4.tmp", "in the originals");
    removeLeftoverTemporaries(tvn);
    EXPECT_EQ(tree.snapshot("Start Menu/giochi"),
              (std::map<QString, QByteArray>{{"Chess.lnk", "chess"}}));
    EXPECT_EQ(tree.snapshot("Start Menu/video"), (std::map<QString, QByteArray>{}));
    EXPECT_FALSE(tree.exists("App/.tvn-c3.tmp"));
    EXPECT_TRUE(tree.exists("App/.tvn-c3.tmp.keep"));
    EXPECT_TRUE(tree.exists("Start Menu/Programs/.tvn-d4.tmp"));
}

TEST_F(Reset, FailuresAreSkippedSilentlyAndTheCopiesLeftAreListedAgain) {
    tree.write("Start Menu/giochi/A.lnk", "a");
    tree.write("Start Menu/giochi/B.lnk", "b");
    tree.write("Start Menu/video/C.lnk", "c");
    analyse();
    faults.failWhen([&](const Operation& op) {
        return op.isMutation() &&
               (op.path == startMenu("giochi/A.lnk") || op.path == startMenu("video"));
    });
    reset(Answer::Yes);
    expectConfirmationAndDoneMessage();
    EXPECT_EQ(tree.read("Start Menu/giochi/A.lnk"), "a");
    EXPECT_FALSE(tree.exists("Start Menu/giochi/B.lnk"));
    EXPECT_FALSE(tree.exists("Start Menu/video/C.lnk"));
    EXPECT_TRUE(tree.exists("Start Menu/video"));
    EXPECT_EQ(fastPaths(), QStringList{"Start Menu/giochi/A.lnk"});
}

// A category named like the Programs folder, while the originals reached Fast through a
// spelling of the Programs folder in another letter case: nothing of the Programs tree goes.
TEST_F(Reset, ACategoryNamedLikeTheProgramsFolderNeverReachesTheOriginals) {
    tree.write("Start Menu/Programs/Loose original.lnk", "original");
    tree.write("Start Menu/giochi/Chess.lnk", "copy");
    analyse();
    window.captions[1] = "programs";
    fastList(tvn.lists).add("Loose original.lnk", tree.path("Start Menu/PROGRAMS"));
    fastList(tvn.lists).add("Chess.lnk", tree.path("Start Menu/programs/Games"));
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    reset(Answer::Yes);
    expectConfirmationAndDoneMessage();
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    for (const Operation& op : faults.mutations())
        EXPECT_FALSE(op.path.contains("rograms")) << op.path.toStdString();
}

} // namespace
} // namespace tvn::test
