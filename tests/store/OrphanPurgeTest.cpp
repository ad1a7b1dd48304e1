#include "store/OrphanPurge.h"

#include "CopiesWorld.h"
#include "platform/Ui.h"

#include <algorithm>
#include <QFile>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;
using Operation = FaultInjectingFileSystem::Operation;

class OrphanPurge : public CopiesTest {
protected:
    void build() {
        buildPurgeList(tvn);
        builtPumps = ui.pumps();
        ui.clearCalls();
    }

    int builtPumps = 0;
};

TEST_F(OrphanPurge, WithoutCopiesTheListAndLabelStayEmptyAndPurgeAsksForASelection) {
    tree.write("Start Menu/Programs/Games/Chess.lnk");
    analyse();
    window.progress = "12";
    build();
    EXPECT_EQ(lists.purgeList.count(), 0);
    EXPECT_EQ(lists.purgeDirs.count(), 0);
    EXPECT_EQ(window.progress, QString());
    EXPECT_EQ(builtPumps, 0);

    ui.expectMessage();
    purgeSelectedOrphans(tvn);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs()[0].text, window.messageText(Message::SelectShortcuts));
    EXPECT_EQ(ui.dialogs()[0].buttons, Buttons::Ok);
    EXPECT_EQ(ui.dialogs()[0].icon, Icon::None);
    EXPECT_EQ(ui.dialogs()[0].title, QString());
}

// A copy is an orphan only when its original is known to be gone: while a folder of the Programs
// trees cannot be read, no copy is offered, and the message names that folder.
TEST_F(OrphanPurge, NoCopyIsOfferedWhileAProgramsFolderCannotBeRead) {
    tree.write("Start Menu/giochi/Chess.lnk");
    tree.write("Start Menu/Programs/Vendor/Chess.lnk");
    faults.failWhen([&](const Operation& op) {
        return op.kind == Kind::ListFolder && op.path == programs("Vendor");
    });
    analyse();
    ui.expectMessage();
    buildPurgeList(tvn);
    EXPECT_EQ(lists.purgeList.count(), 0);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_TRUE(ui.dialogs()[0].text.contains(programs("Vendor")));

    faults.clearFaults();
    QFile::remove(tree.path("Start Menu/Programs/Vendor/Chess.lnk"));
    analyse();
    build();
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/giochi/Chess.lnk"});
}

TEST_F(OrphanPurge, ASingleCopyIsTestedAndLeavesTheLabelEmpty) {
    tree.write("Start Menu/giochi/Gone.lnk");
    analyse();
    build();
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/giochi/Gone.lnk"});
    EXPECT_EQ(window.progressHistory, QStringList{QString()});
    EXPECT_EQ(builtPumps, 1);
}

TEST_F(OrphanPurge, CountsThePercentageOncePerCopyAndKeepsTheLast) {
    for (const char* name : {"A", "B", "C", "D"})
        tree.write(QString("Start Menu/giochi/") + name + ".lnk");
    analyse();
    build();
    EXPECT_EQ(window.progressHistory, QStringList({"", "0 %", "33 %", "66 %", "100 %"}));
    EXPECT_EQ(window.progress, "100 %");
    EXPECT_EQ(builtPumps, 4);
}

TEST_F(OrphanPurge, WithoutProgramsEveryCopyIsAnOrphanSortedWithItsFolder) {
    tree.write("Start Menu/giochi/Solitaire.lnk");
    tree.write("Start Menu/video/player.lnk");
    tree.write("Start Menu/Loose.lnk");
    tree.write("Start Menu/utilità/Editor.lnk");
    analyse();
    build();
    EXPECT_EQ(purgePaths(),
              QStringList({QStringLiteral("Start Menu/utilità/Editor.lnk"),
                           "Start Menu/video/player.lnk", "Start Menu/giochi/Solitaire.lnk"}));
}

// Only names count, letter case aside: a source that moved, or changed only the case of its
// name or extension, keeps its copies alive.
TEST_F(OrphanPurge, ACopyIsAliveWhileASourceOfItsNameExistsAnywhere) {
    tree.write("Start Menu/Programs/Moved/Elsewhere/Chess.lnk");
    tree.write("Start Menu/Programs/Office/WRITER.LNK");
    tree.write(QStringLiteral("Start Menu/Programs/Office/Éditeur.lnk"));
    tree.write("Start Menu/giochi/Chess.lnk");
    tree.write("Start Menu/giochi/Uninstalled.lnk");
    tree.write("Start Menu/lavoro/Writer.lnk");
    tree.write(QStringLiteral("Start Menu/lavoro/éditeur.lnk"));
    analyse();
    build();
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/giochi/Uninstalled.lnk"});
}

// A namesake's copy lives by its bytes: once its own vendor's shortcut is gone it is an orphan,
// even while another vendor's shortcut of that name remains; a shortcut rewritten since its copy
// was made keeps the copy of its name.
TEST_F(OrphanPurge, ANamesakesCopyIsAnOrphanOnceItsOwnShortcutIsGone) {
    tree.write("Start Menu/Programs/More Cards/Solitaire.lnk", "second");
    tree.write("Start Menu/Programs/Office/Writer.lnk", "updated");
    tree.write("Start Menu/giochi/Solitaire.lnk", "first");
    tree.write("Start Menu/giochi/Solitaire (More Cards).lnk", "second");
    tree.write("Start Menu/lavoro/Writer.lnk", "as installed");
    analyse();
    build();
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/giochi/Solitaire.lnk"});
}

TEST_F(OrphanPurge, TwoOrphansOfOneNameAreListedAndDeletedEachFromItsFolder) {
    tree.write("Start Menu/giochi/Solitaire.lnk", "first");
    tree.write("Start Menu/video/solitaire.LNK", "second");
    tree.write("Start Menu/grafica/Solitaire.lnk", "third");
    analyse();
    build();
    // Equal names in the order of Fast, as one insertion after another would place them.
    EXPECT_EQ(purgePaths(),
              QStringList({"Start Menu/giochi/Solitaire.lnk", "Start Menu/grafica/Solitaire.lnk",
                           "Start Menu/video/solitaire.lnk"}));
    select(lists.purgeList, {0, 2});
    purgeSelectedOrphans(tvn);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_FALSE(tree.exists("Start Menu/video"));
    EXPECT_EQ(tree.read("Start Menu/grafica/Solitaire.lnk"), "third");
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/grafica/Solitaire.lnk"});
    // Fast keeps listing them until the next walk.
    EXPECT_EQ(lists.fast.count(), 3);
}

TEST_F(OrphanPurge, PurgingEntriesOneAndThreeOfFiveSelectsTheFormerFourth) {
    for (const char* name : {"A", "B", "C", "D", "E"})
        tree.write(QString("Start Menu/giochi/") + name + ".lnk", name);
    tree.write("Start Menu/giochi/readme.txt", "text");
    analyse();
    build();
    select(lists.purgeList, {1, 3});
    purgeSelectedOrphans(tvn);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(lists.purgeList.entries(), QStringList({"A", "C", "E"}));
    EXPECT_EQ(purgePaths().size(), 3);
    EXPECT_EQ(selected(lists.purgeList), QList<int>{2});
    EXPECT_FALSE(tree.exists("Start Menu/giochi/B.lnk"));
    EXPECT_FALSE(tree.exists("Start Menu/giochi/D.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/C.lnk"), "C");

    EXPECT_EQ(faults.mutations()[0],
              (Operation{Kind::DeleteFile, startMenu("giochi/B.lnk"), {}, false}));
    EXPECT_EQ(faults.mutations()[1],
              (Operation{Kind::DeleteFile, startMenu("giochi/D.lnk"), {}, false}));
    // After each deletion the folder is read up to its first shortcut, not listed whole.
    const auto count = [&](Kind kind) {
        return std::count_if(faults.operations().begin(), faults.operations().end(),
                             [&](const Operation& op) { return op.kind == kind; });
    };
    EXPECT_EQ(count(Kind::FolderContent), 2);
    EXPECT_EQ(count(Kind::ListFolder), 0);
}

TEST_F(OrphanPurge, PurgingTheLastShortcutBesideAnotherFileKeepsTheFolderAndGoesOn) {
    tree.write("Start Menu/giochi/Gone.lnk");
    tree.write("Start Menu/giochi/.directory", "dir");
    tree.write("Start Menu/video/Lost.lnk");
    analyse();
    build();
    select(lists.purgeList, {0, 1});
    purgeSelectedOrphans(tvn);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(lists.purgeList.count(), 0);
    EXPECT_EQ(tree.snapshot("Start Menu/giochi"),
              (std::map<QString, QByteArray>{{".directory", "dir"}}));
    EXPECT_FALSE(tree.exists("Start Menu/video"));
}

TEST_F(OrphanPurge, AnOrphanAlreadyGoneLeavesTheListWithoutAFault) {
    tree.write("Start Menu/giochi/Gone.lnk");
    tree.write("Start Menu/giochi/Kept.lnk", "kept");
    analyse();
    build();
    ASSERT_TRUE(disk.deleteFile(startMenu("giochi/Gone.lnk")));
    select(lists.purgeList, {0});
    purgeSelectedOrphans(tvn);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(lists.purgeList.entries(), QStringList{"Kept"});
    EXPECT_EQ(purgePaths(), QStringList{"Start Menu/giochi/Kept.lnk"});
    EXPECT_EQ(selected(lists.purgeList), QList<int>{0});
}

TEST_F(OrphanPurge, ACopyThatCannotBeDeletedIsReportedOnceAndKept) {
    for (const char* name : {"A", "B", "C"})
        tree.write(QString("Start Menu/giochi/") + name + ".lnk", name);
    analyse();
    build();
    faults.failWhen([](const Operation& op) { return op.kind == Kind::DeleteFile; });
    select(lists.purgeList, {0, 1, 2});
    purgeSelectedOrphans(tvn);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    EXPECT_EQ(purgePaths(), QStringList({"Start Menu/giochi/A.lnk", "Start Menu/giochi/B.lnk",
                                         "Start Menu/giochi/C.lnk"}));
    EXPECT_EQ(selected(lists.purgeList), QList<int>({0, 1, 2}));
    EXPECT_EQ(faults.mutations().size(), 1u);
}

TEST_F(OrphanPurge, OriginalsThatReachedFastAreNeverPurged) {
    tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
    analyse();
    // The originals reach Fast through a spelling of the Programs folder that differs in case.
    fastList(tvn.lists).add("Chess.lnk", tree.path("start menu/PROGRAMS/Games"));
    progsList(tvn.lists).clear();
    const auto before = tree.snapshot();
    build();
    ASSERT_EQ(lists.purgeList.count(), 1);
    select(lists.purgeList, {0});
    purgeSelectedOrphans(tvn);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_TRUE(faults.mutations().empty());
    EXPECT_EQ(lists.purgeList.count(), 1);
}

} // namespace
} // namespace tvn::test
