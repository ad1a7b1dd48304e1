#include "catalogue/ShortcutScan.h"

#include "catalogue/SystemAnalysis.h"
#include "CatalogueTest.h"
#include "platform/DosAttributes.h"
#include "tests/support/NativeFiles.h"

namespace tvn::test {
namespace {

class ShortcutScan : public CatalogueTest {
protected:
    // The Programs folder of the example: A.lnk, Games (B.lnk, Cards with C.lnk), Office (D.lnk).
    void writeExamplePrograms() {
        tree.write(QStringLiteral("Start Menu/Programs/A.lnk"));
        tree.write(QStringLiteral("Start Menu/Programs/Games/B.lnk"));
        tree.write(QStringLiteral("Start Menu/Programs/Games/Cards/C.lnk"));
        tree.write(QStringLiteral("Start Menu/Programs/Office/D.lnk"));
    }

    // Two category folders with copies, the user's own shortcuts beside them, and Programs.
    void writeStartMenu() {
        tree.write(QStringLiteral("Start Menu/Direct.lnk"));
        tree.write(QStringLiteral("Start Menu/My Tools/Tool.lnk"));
        tree.write(QStringLiteral("Start Menu/giochi/Deeper/Nested.lnk"));
        tree.write(QStringLiteral("Start Menu/giochi/B.lnk"));
        tree.write(QStringLiteral("Start Menu/internet e reti/E.lnk"));
        writeExamplePrograms();
    }
};

TEST_F(ShortcutScan, ProgramsWalkIsPreOrderWithFilesFirstAndCountsEachFolderAfterItsSubfolders) {
    writeExamplePrograms();
    std::vector<int> progsAtPump;
    ui.onPump = [&] {
        progsAtPump.push_back(lists.progs.count());
    };

    scanPrograms(tvn, state.programsPath);

    EXPECT_EQ(lists.progs.entries(), QStringList({"A.lnk", "B.lnk", "C.lnk", "D.lnk"}));
    EXPECT_EQ(
        lists.progsDirs.entries(),
        QStringList({programs(), programs("Games"), programs("Games/Cards"), programs("Office")}));
    EXPECT_EQ(window.progressHistory, QStringList({"1", "2", "3", "4"}));
    // Cards and Games finish before Office is entered; the Programs folder finishes last.
    EXPECT_EQ(progsAtPump, std::vector<int>({3, 3, 4, 4}));
    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_FALSE(state.scanFailed);
}

// Only a category folder holds copies: the user's own shortcuts and folders in the Start Menu
// folder are never the program's.
TEST_F(ShortcutScan, AnalysisCollectsTheCategoriesCopiesAndProgramsSeparately) {
    writeStartMenu();
    lists.listModify.assign({"old copy"});
    lists.fast.assign({"stale.lnk"});
    lists.fastDirs.assign({"stale"});
    lists.notYet.assign({"kept"});
    lists.notYetDirs.assign({"kept folder"});
    window.progress = QStringLiteral("100 %");
    window.about2Visible = true;

    analyseSystem(tvn);

    EXPECT_EQ(lists.fast.entries(), QStringList({"B.lnk", "E.lnk"}));
    EXPECT_EQ(lists.fastDirs.entries(),
              QStringList({startMenu("giochi"), startMenu("internet e reti")}));
    EXPECT_EQ(lists.progs.entries(), QStringList({"A.lnk", "B.lnk", "C.lnk", "D.lnk"}));
    EXPECT_EQ(lists.listModify.count(), 0);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"kept"}));
    EXPECT_EQ(lists.notYetDirs.entries(), QStringList({"kept folder"}));
    // giochi, internet e reti, the Start Menu, then Programs and its three subfolders.
    EXPECT_EQ(window.progress, QStringLiteral("7"));
    EXPECT_EQ(window.progressHistory.first(), QString());
    EXPECT_EQ(ui.pumps(), 1 + 7);
    EXPECT_TRUE(window.previewPictureVisible);
    EXPECT_FALSE(window.about2Visible);
    EXPECT_EQ(window.showConfigCalls, 0);
    EXPECT_TRUE(ui.dialogs().empty());
}

TEST_F(ShortcutScan, HiddenAndSystemFilesAreSkippedAndAnyCaseOfTheExtensionIsCollected) {
    tree.write(QStringLiteral("Start Menu/Programs/Archive.lnk"));
    tree.write(QStringLiteral("Start Menu/Programs/Hidden.lnk"));
    tree.write(QStringLiteral("Start Menu/Programs/System.lnk"));
#ifndef _WIN32
    // On Linux a leading dot hides a file too.
    tree.write(QStringLiteral("Start Menu/Programs/.Dotted.lnk"));
#endif
    tree.write(QStringLiteral("Start Menu/Programs/LOUD.LNK"));
    tree.write(QStringLiteral("Start Menu/Programs/Mixed.Lnk"));
    tree.write(QStringLiteral("Start Menu/Programs/notes.txt"));
    tree.write(QStringLiteral("Start Menu/Programs/quirk.lnk2"));
    const auto mark = [&](const char* name, std::uint32_t attributes) {
        return setDosAttributes(programs(QString::fromLatin1(name)), attributes);
    };
    if (!mark("Hidden.lnk", kDosHidden))
        GTEST_SKIP() << "the file system here keeps no DOS attributes";
    ASSERT_TRUE(mark("System.lnk", kDosSystem));
    ASSERT_TRUE(mark("Archive.lnk", 0x20));

    scanPrograms(tvn, state.programsPath);

    EXPECT_EQ(lists.progs.entries(), QStringList({"Archive.lnk", "LOUD.LNK", "Mixed.Lnk"}));
}

TEST_F(ShortcutScan, MissingStartMenuReportsOnceAndOpensTheSettingsWithoutWalkingPrograms) {
    writeExamplePrograms();
    state.startMenuPath = tree.path(QStringLiteral("No Such Menu"));
    ui.expectMessage();

    analyseSystem(tvn);

    expectScanErrors(1);
    EXPECT_TRUE(state.scanFailed);
    EXPECT_EQ(window.showConfigCalls, 1);
    EXPECT_EQ(lists.fast.count(), 0);
    EXPECT_EQ(lists.progs.count(), 0);
    EXPECT_EQ(window.progress, QString());
    EXPECT_EQ(ui.pumps(), 1);
}

// Folders inside the trees that cannot be read (another user's, a whole file system's worth of
// them) are left out and named in one message at the end; the settings are not to blame.
TEST_F(ShortcutScan, UnlistableFoldersInsideTheTreesAreNamedOnceAtTheEndAndTheRestCollected) {
    writeStartMenu();
    tree.write(QStringLiteral("Start Menu/grafica/G.lnk"));
    tree.write(QStringLiteral("Start Menu/grafica/Deeper/H.lnk"));
    const QStringList unreadable{startMenu("giochi"), programs("Games")};
    fs.failWhen([&](const FaultInjectingFileSystem::Operation& op) {
        return op.kind == FaultInjectingFileSystem::Kind::ListFolder &&
               unreadable.contains(op.path);
    });

    analyseSystem(tvn);

    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(window.unreadableReports, QList<QStringList>{unreadable});
    EXPECT_FALSE(state.scanFailed);
    EXPECT_EQ(window.showConfigCalls, 0);
    EXPECT_EQ(lists.progs.entries(), QStringList({"A.lnk", "D.lnk"}));
}

TEST_F(ShortcutScan, UnlistableCategoryFolderIsLeftAndTheRestOfTheTreeStillCollected) {
    writeStartMenu();
    tree.write(QStringLiteral("Start Menu/grafica/G.lnk"));
    tree.write(QStringLiteral("Start Menu/grafica/Deeper/H.lnk"));
    makeUnlistable(startMenu("giochi"));

    analyseSystem(tvn);

    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_FALSE(state.scanFailed);
    EXPECT_EQ(lists.fast.entries(), QStringList({"G.lnk", "E.lnk"}));
    EXPECT_EQ(lists.fastDirs.count(), lists.fast.count());
    EXPECT_EQ(window.showConfigCalls, 0);
}

TEST_F(ShortcutScan, EarlierFailureStopsEveryAnalysisAfterTheStartMenuWalk) {
    writeStartMenu();
    state.scanFailed = true;

    analyseSystem(tvn);

    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(lists.fast.count(), 2);
    EXPECT_EQ(lists.progs.count(), 0);
    EXPECT_EQ(window.showConfigCalls, 1);
}

TEST_F(ShortcutScan, CounterGoesOnFromTheLabelsLeadingNumber) {
    tree.makeFolder(QStringLiteral("Start Menu"));
    const std::pair<const char*, const char*> cases[] = {
        {"57 %", "58"}, {"", "1"}, {"n/a", "1"}, {"  9", "10"}};
    for (const auto& [before, after] : cases) {
        window.progress = QString::fromLatin1(before);
        scanStartMenu(tvn, state.startMenuPath);
        EXPECT_EQ(window.progress, QString::fromLatin1(after)) << "label was " << before;
    }
}

TEST_F(ShortcutScan, DebugSwitchKeepsTheProgramsWalkToTheProgramsFolderItself) {
    writeStartMenu();
    window.debug = QStringLiteral("Do not analyse the system");

    analyseSystem(tvn);

    EXPECT_EQ(lists.progs.entries(), QStringList({"A.lnk"}));
    EXPECT_EQ(lists.fast.count(), 2);
    EXPECT_EQ(window.progress, QStringLiteral("3")); // the Start Menu folders only
    EXPECT_EQ(ui.pumps(), 1 + 3);

    lists.progs.clear();
    window.debug = QStringLiteral("do not analyse the system");
    scanPrograms(tvn, state.programsPath);
    EXPECT_EQ(lists.progs.count(), 4);
}

TEST_F(ShortcutScan, ProgramsFolderIsSkippedWhenItsPathIsSpeltInAnotherCase) {
    writeStartMenu();
    state.programsPath = startMenu("PROGRAMS");

    analyseSystem(tvn);

    EXPECT_EQ(lists.fast.entries(), QStringList({"B.lnk", "E.lnk"}));
    // The Programs walk keeps the configured spelling for its own folder.
    EXPECT_EQ(lists.progs.count(), 4);
    EXPECT_EQ(lists.progsDirs.at(0), startMenu("PROGRAMS"));
    EXPECT_EQ(window.progress, QStringLiteral("7"));
}

TEST_F(ShortcutScan, StartMenuEqualToProgramsCollectsNothingAndLeavesTheCounter) {
    writeExamplePrograms();
    state.startMenuPath = state.programsPath;

    scanStartMenu(tvn, state.startMenuPath);

    EXPECT_EQ(lists.fast.count(), 0);
    EXPECT_TRUE(window.progressHistory.isEmpty());
    EXPECT_EQ(ui.pumps(), 0);
}

TEST_F(ShortcutScan, RefreshRebuildsOnlyTheClassifiedHalfAndIgnoresAnEarlierFailure) {
    writeStartMenu();
    lists.progs.assign({"kept.lnk"});
    lists.progsDirs.assign({"kept"});
    lists.fast.assign({"gone.lnk"});
    lists.fastDirs.assign({"gone"});
    window.progress = QStringLiteral("57 %");
    state.scanFailed = true;

    refreshClassified(tvn);

    EXPECT_EQ(lists.fast.entries(), QStringList({"B.lnk", "E.lnk"}));
    EXPECT_EQ(lists.fastDirs.count(), 2);
    EXPECT_EQ(lists.progs.entries(), QStringList({"kept.lnk"}));
    EXPECT_EQ(window.progress, QStringLiteral("3"));
    EXPECT_EQ(window.showConfigCalls, 0);
}

TEST_F(ShortcutScan, LinkLoopInTheStartMenuIsNotFollowed) {
    writeStartMenu();
    if (!makeFolderLink(startMenu(), startMenu("Loop")))
        GTEST_SKIP() << "no folder links here";
    ASSERT_TRUE(makeFolderLink(QStringLiteral(".."), startMenu("giochi/Back")));

    analyseSystem(tvn);

    EXPECT_EQ(lists.fast.entries(), QStringList({"B.lnk", "E.lnk"}));
    EXPECT_EQ(lists.progs.count(), 4);
    EXPECT_TRUE(ui.dialogs().empty());
}

} // namespace
} // namespace tvn::test
