#include "store/CategoryRename.h"

#include "store/CategoryNames.h"
#include "StoreWorld.h"

#include <QFile>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;

constexpr int kGiochi = 0; // "giochi"
constexpr int kVideo = 3;  // "video"
constexpr int kSystem = 6; // "sistema"

class CategoryRename : public StoreTest {
protected:
    void SetUp() override {
        tree.write("Start Menu/giochi/Chess.lnk", "chess");
        tree.write("Start Menu/giochi/Go.lnk", "go");
        tree.write("Start Menu/giochi/Poker.LNK", "poker");
        tree.write("Start Menu/giochi/readme.txt", "text");
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        state.popupCategoryIndex = kGiochi;
    }

    // Types `name` into the input dialog and answers the question with `answer`.
    bool rename(const QString& name, Answer answer) {
        ui.expectInput(name);
        ui.expectMessage(answer);
        return renameCategory(tvn);
    }

    QStringList customRecords() const {
        return QString::fromLatin1(tree.read("App/Custom.tvn")).split("\r\n");
    }
};

TEST_F(CategoryRename, YesCarriesTheShortcutsOverAndKeepsTheFolderThatHoldsMore) {
    tree.write("Start Menu/games/Go.lnk", "older go");
    // The folder of the new name holds a shortcut of its own: the user is told and goes on.
    ui.expectInput("games");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage(Answer::Yes);
    EXPECT_TRUE(renameCategory(tvn));

    const auto dialogs = ui.dialogs();
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_TRUE(dialogs[2].text.contains("games"));
    EXPECT_EQ(dialogs[2].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs[0].kind, UiCall::Kind::Input);
    EXPECT_EQ(dialogs[0].text, window.messageText(Message::NewCategoryPrompt));
    EXPECT_EQ(dialogs[0].title, QString());
    EXPECT_EQ(dialogs[0].defaultAnswer, "giochi");
    EXPECT_EQ(dialogs[1].text, "message 10giochimessage 11gamesmessage 12");
    EXPECT_EQ(dialogs[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs[1].icon, Icon::None);

    EXPECT_EQ(tree.read("Start Menu/games/Chess.lnk"), "chess");
    // A namesake already there stays; the carried copy is told apart from it.
    EXPECT_EQ(tree.read("Start Menu/games/Go.lnk"), "older go");
    EXPECT_EQ(tree.read("Start Menu/games/Go (2).lnk"), "go");
    EXPECT_EQ(tree.read("Start Menu/games/Poker.LNK"), "poker");
    EXPECT_EQ(tree.snapshot("Start Menu/giochi").size(), 1u);
    EXPECT_EQ(tree.read("Start Menu/giochi/readme.txt"), "text");
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(window.captions[kGiochi], "games");
    EXPECT_EQ(customRecords().first(), "\"games\"");
}

// A fresh name takes the folder whole, whatever else it holds: there is no moment when the copies
// are split between two folders.
TEST_F(CategoryRename, AFreshNameTakesTheWholeFolderInOneStep) {
    const auto before = disk.identity(startMenu("giochi"));
    EXPECT_TRUE(rename("games", Answer::Yes));
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_EQ(disk.identity(startMenu("games")), before);
    EXPECT_EQ(tree.read("Start Menu/games/readme.txt"), "text");
    EXPECT_EQ(ui.beeps(), 0);
}

// A folder that cannot be renamed whole has its copies carried one by one.
TEST_F(CategoryRename, ACopyThatFailsStaysInTheOldFolder) {
    faults.failWhen([](const auto& op) {
        return op.kind == Kind::Rename || (op.kind == Kind::CopyFile && op.path.endsWith("Go.lnk"));
    });
    EXPECT_TRUE(rename("games", Answer::Yes));
    EXPECT_EQ(tree.read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_FALSE(tree.exists("Start Menu/games/Go.lnk"));
    EXPECT_EQ(tree.read("Start Menu/games/Chess.lnk"), "chess");
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(CategoryRename, NoOnlyRenamesTheButton) {
    const auto before = tree.snapshot("Start Menu");
    EXPECT_TRUE(rename("games", Answer::No));
    EXPECT_EQ(tree.snapshot("Start Menu"), before);
    EXPECT_EQ(window.captions[kGiochi], "games");
    EXPECT_EQ(customRecords().size(), 12); // eleven records, each ended by CR LF
    EXPECT_EQ(ui.beeps(), 0);
}

TEST_F(CategoryRename, CancelEmptyOrUnchangedChangesNothing) {
    const auto before = tree.snapshot();
    EXPECT_FALSE(rename("games", Answer::Cancel));
    ui.expectInput("");
    EXPECT_FALSE(renameCategory(tvn));
    ui.expectInput("giochi");
    EXPECT_FALSE(renameCategory(tvn));
    EXPECT_EQ(ui.dialogs().size(), 4u) << "no question after an empty or unchanged name";
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(window.captions[kGiochi], "giochi");
}

TEST_F(CategoryRename, AnUnusedCategoryOnlyChangesItsName) {
    state.popupCategoryIndex = kSystem;
    const auto before = tree.snapshot("Start Menu");
    EXPECT_TRUE(rename("tools", Answer::Yes));
    EXPECT_EQ(tree.snapshot("Start Menu"), before);
    EXPECT_EQ(window.captions[kSystem], "tools");
    EXPECT_EQ(ui.beeps(), 0);
}

TEST_F(CategoryRename, AfterAFailedScanNothingIsCarriedOver) {
    state.scanFailed = true;
    const auto before = tree.snapshot("Start Menu");
    EXPECT_TRUE(rename("games", Answer::Yes));
    EXPECT_EQ(tree.snapshot("Start Menu"), before);
    EXPECT_EQ(window.captions[kGiochi], "games");
}

// The Programs folder's name, another category's (two buttons would share a folder) and a name
// too long for a copy's path are refused before anything is asked or changed.
TEST_F(CategoryRename, RefusesTheProgramsNameAnotherCategorysAndAnOverlongOne) {
    const auto before = tree.snapshot();
    for (const QString& name : {QStringLiteral("PROGRAMS"), QStringLiteral("Video"),
                                QString(kMaxCategoryNameLength + 1, u'x')}) {
        ui.clearCalls();
        ui.expectInput(name);
        ui.expectMessage();
        EXPECT_FALSE(renameCategory(tvn));
        ASSERT_EQ(ui.dialogs().size(), 2u);
        EXPECT_EQ(ui.dialogs()[1].buttons, Buttons::Ok);
    }
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(window.captions[kGiochi], "giochi");
    EXPECT_EQ(window.captions[kVideo], "video");
}

// A rename killed between moving the copies and saving the names is finished at the next start.
TEST_F(CategoryRename, ARenameCutShortIsFinishedAtTheNextStart) {
    tree.write("App/Rename.tvn", ("0\r\n\"" + startMenu("giochi") + "\"\r\n\"" +
                                  startMenu("games") + "\"\r\n\"games\"\r\n")
                                     .toUtf8());
    tree.write("Start Menu/games/Chess.lnk", "chess");
    QFile::remove(tree.path("Start Menu/giochi/Chess.lnk"));
    finishInterruptedRename(tvn);
    EXPECT_EQ(tree.read("Start Menu/games/Go.lnk"), "go");
    EXPECT_EQ(tree.read("Start Menu/games/Poker.LNK"), "poker");
    EXPECT_EQ(tree.read("Start Menu/games/Chess.lnk"), "chess");
    EXPECT_EQ(window.captions[kGiochi], "games");
    EXPECT_EQ(customRecords().first(), "\"games\"");
    EXPECT_FALSE(tree.exists("App/Rename.tvn"));
}

// What cannot be recorded in the program folder is not done on disk either.
TEST_F(CategoryRename, AProgramFolderThatCannotBeWrittenRefusesTheRename) {
    faults.failWhen([&](const auto& op) { return op.path.startsWith(state.appFolder); });
    const auto before = tree.snapshot();
    ui.expectInput("games");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    EXPECT_FALSE(renameCategory(tvn));
    EXPECT_TRUE(ui.dialogs().back().text.contains(state.appFolder));
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(window.captions[kGiochi], "giochi");
}

TEST_F(CategoryRename, ANameDifferingOnlyInCaseKeepsTheCopiesInTheirFolder) {
    const auto before = tree.snapshot("Start Menu");
    EXPECT_TRUE(rename("Giochi", Answer::Yes));
    EXPECT_EQ(tree.snapshot("Start Menu"), before);
    EXPECT_EQ(window.captions[kGiochi], "Giochi");
    EXPECT_EQ(ui.beeps(), 0);
}

TEST_F(CategoryRename, RefusesEveryNameThatIsNotOneValidFolderName) {
    const auto before = tree.snapshot();
    for (const QString& name :
         {QString("."), QString(".."), QString("../escape"), QString("a/b"), QString("a\\b"),
          QString("say \"hi\""), QString("<"), QString(">"), QString("c:"), QString("a|b"),
          QString("why?"), QString("*"), QString("tab\there"), QString("bell\x07"),
          QString("del\x7f"), QString("trailing."), QString("trailing ")}) {
        SCOPED_TRACE(name.toStdString());
        ui.clearCalls();
        ui.expectInput(name);
        ui.expectMessage();
        EXPECT_FALSE(renameCategory(tvn));
        const auto dialogs = ui.dialogs();
        ASSERT_EQ(dialogs.size(), 2u);
        EXPECT_EQ(dialogs[1].text, invalidCategoryNameText(0));
        EXPECT_EQ(dialogs[1].buttons, Buttons::Ok);
        EXPECT_EQ(dialogs[1].icon, Icon::Exclamation);
    }
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_EQ(window.captions[kGiochi], "giochi");
    EXPECT_FALSE(tree.exists("App/Custom.tvn"));
}

TEST_F(CategoryRename, AcceptsOrdinaryNames) {
    for (const QString& name :
         {QStringLiteral("lavoro e studio"), QStringLiteral("C++ & co"), QStringLiteral(" x"),
          QStringLiteral("v1.2 tools"), QStringLiteral("...more"), QStringLiteral("élan"),
          QStringLiteral("日本語")})
        EXPECT_TRUE(isValidCategoryName(name)) << name.toStdString();
}

} // namespace
} // namespace tvn::test
