#include "catalogue/UnclassifiedList.h"

#include "CatalogueTest.h"

#include <random>

namespace tvn::test {
namespace {

class UnclassifiedList : public CatalogueTest {
protected:
    void setProgs(const QStringList& names, const QStringList& folders) {
        lists.progs.assign(names);
        lists.progsDirs.assign(folders);
    }
    void setFast(const QStringList& names) {
        lists.fast.assign(names);
        QStringList folders;
        for (qsizetype k = 0; k < names.size(); ++k)
            folders.append(startMenu(QStringLiteral("giochi")));
        lists.fastDirs.assign(folders);
    }
};

TEST_F(UnclassifiedList, ListsUnclassifiedShortcutsSortedWithTheirFolders) {
    setProgs({"zebra.lnk", "Apple.lnk", "mango.lnk", "apple.lnk", "Banana.lnk"},
             {"/p/z", "/p/a1", "/p/m", "/p/a2", "/p/b"});
    setFast({"mango.lnk"});
    lists.notYet.assign({"stale"});
    lists.notYetDirs.assign({"stale"});

    buildNotYetList(tvn);

    // Equal names ignoring case keep the order in which the walk found them.
    EXPECT_EQ(lists.notYet.entries(), QStringList({"Apple", "apple", "Banana", "zebra"}));
    EXPECT_EQ(lists.notYetDirs.entries(), QStringList({"/p/a1", "/p/a2", "/p/b", "/p/z"}));
}

TEST_F(UnclassifiedList, ClassifiedTestComparesWholeNamesIgnoringCase) {
    // Two Latin-1 names from a Linux disk, whose undecodable bytes stand as lone surrogates.
    const QString cafe = QStringLiteral("Caf") + QChar(0xdce9);
    const QString cafa = QStringLiteral("Caf") + QChar(0xdce8);
    setProgs({"Game.LNK", "Solitaire.lnk", "Solitaire.lnk", "paint.lnk", "Word.lnk", ".lnk",
              "\u00c4rger.lnk", cafe + ".lnk", cafa + ".lnk"},
             {"/p/a", "/p/cards", "/p/more cards", "/p/b", "/p/c", "/p/d", "/p/e", "/p/f", "/p/g"});
    // The copy of "Game.LNK" is "Game.lnk": it hides its source, whatever the letter case;
    // "Word.lnk.lnk" is another name. Of two namesakes a copy hides only the one with its bytes,
    // and these do not exist on disk, so neither Solitaire is taken for classified.
    setFast({"Game.lnk", "Solitaire.lnk", "Paint.lnk", "Word.lnk.lnk", "\u00e4RGER.lnk",
             QStringLiteral("CAF") + QChar(0xdce9) + ".LNK"});

    buildNotYetList(tvn);

    EXPECT_EQ(lists.notYet.entries(), QStringList({"", cafa, "Solitaire", "Solitaire", "Word"}));
    EXPECT_EQ(lists.notYetDirs.entries(),
              QStringList({"/p/d", "/p/g", "/p/cards", "/p/more cards", "/p/c"}));
}

// Where names could mislead, the bytes decide: each namesake is classified by its own copy, under
// whatever name tells it apart, and the same shortcut installed twice by one copy.
TEST_F(UnclassifiedList, NamesakesAreClassifiedEachByACopyOfTheirOwnBytes) {
    tree.write("Start Menu/Programs/Cards/Solitaire.lnk", "first");
    tree.write("Start Menu/Programs/More Cards/Solitaire.lnk", "second");
    tree.write("All Users/Cards/Solitaire.lnk", "first");
    tree.write("Start Menu/Programs/Tools/Tool (x86).lnk", "tool");
    setProgs({"Solitaire.lnk", "Solitaire.lnk", "Solitaire.lnk", "Tool (x86).lnk"},
             {programs("Cards"), programs("More Cards"), tree.path("All Users/Cards"),
              programs("Tools")});
    tree.write("Start Menu/giochi/Solitaire.lnk", "first");
    tree.write("Start Menu/giochi/Tool (x86) (Tools).lnk", "tool");
    setFast({"Solitaire.lnk", "Tool (x86) (Tools).lnk"});
    buildNotYetList(tvn);
    EXPECT_EQ(lists.notYetDirs.entries(), QStringList{programs("More Cards")});

    tree.write("Start Menu/giochi/Solitaire (More Cards).lnk", "second");
    setFast({"Solitaire.lnk", "Tool (x86) (Tools).lnk", "Solitaire (More Cards).lnk"});
    buildNotYetList(tvn);
    EXPECT_EQ(lists.notYet.count(), 0);
}

TEST_F(UnclassifiedList, TwoUnclassifiedShortcutsOfOneNameAreBothListed) {
    setProgs({"Solitaire.lnk", "Solitaire.lnk"}, {"/p/cards", "/p/more cards"});
    buildNotYetList(tvn);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"Solitaire", "Solitaire"}));
    EXPECT_EQ(lists.notYetDirs.entries(), QStringList({"/p/cards", "/p/more cards"}));
}

TEST_F(UnclassifiedList, ProgressShowsWholePercentagesAndPumpsOncePerEntry) {
    setProgs({"a.lnk", "b.lnk", "c.lnk"}, {"/p", "/p", "/p"});
    setFast({"b.lnk"});
    window.progress = QStringLiteral("12");
    buildNotYetList(tvn);
    EXPECT_EQ(window.progressHistory, QStringList({"", "0 %", "50 %", "100 %"}));
    EXPECT_EQ(ui.pumps(), 3);

    window.progressHistory.clear();
    ui.clearCalls();
    setProgs({"a.lnk"}, {"/p"});
    buildNotYetList(tvn);
    EXPECT_EQ(window.progressHistory, QStringList({""}));
    EXPECT_EQ(ui.pumps(), 1);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"a"}));

    window.progressHistory.clear();
    ui.clearCalls();
    setProgs({}, {});
    buildNotYetList(tvn);
    EXPECT_EQ(window.progressHistory, QStringList({""}));
    EXPECT_EQ(ui.pumps(), 0);
    EXPECT_EQ(lists.notYet.count(), 0);
}

// The build as the list box does it: linear searches and one sorted insertion at a time, the
// folder going where the name landed. No file exists here, so names decide alone, and only where
// they cannot mislead: an entry is classified when a copy bears its name (letter case aside) and
// no other Progs entry does.
void referenceBuild(Tvn& tvn) {
    ListBox& notYet = tvn.lists.notYet;
    ListBox& notYetDirs = tvn.lists.notYetDirs;
    notYet.clear();
    notYetDirs.clear();
    tvn.window.setProgressText(QString());
    const int n = tvn.lists.progs.count();
    for (int i = 0; i < n; ++i) {
        const QString name = tvn.lists.progs.at(i);
        bool classified = false;
        for (int j = 0; j < tvn.lists.fast.count() && !classified; ++j)
            classified = tvn.lists.fast.at(j).toCaseFolded() == name.toCaseFolded();
        for (int j = 0; j < n && classified; ++j)
            classified = j == i || tvn.lists.progs.at(j).toCaseFolded() != name.toCaseFolded();
        if (!classified)
            notYetDirs.insert(notYet.add(name.left(name.size() - 4)), tvn.lists.progsDirs.at(i));
        if (n > 1)
            tvn.window.setProgressText(QString::number(static_cast<int>(i * 100.0 / (n - 1))) +
                                       QStringLiteral(" %"));
        tvn.ui.pumpEvents();
    }
}

TEST(UnclassifiedListEquivalence, MatchesTheLinearSearchAndOneByOneInsertionOnRandomInput) {
    const QStringList stems = {"Paint", "paint", "PAINT", "Word",  "word",  "Émile", "émile",
                               "Calc",  "Calc ", "calc",  "Ärger", "ärger", "zip",   "Zip"};
    const QStringList extensions = {".lnk", ".LNK", ".Lnk"};
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        const auto pick = [&](const QStringList& from) {
            return from[static_cast<qsizetype>(random() % from.size())];
        };
        QStringList progs, progsDirs, fast, fastDirs;
        const int progsCount = static_cast<int>(random() % 200);
        for (int k = 0; k < progsCount; ++k) {
            progs.append(pick(stems) + QString::number(random() % 3) + pick(extensions));
            progsDirs.append(QStringLiteral("/p/") + QString::number(random() % 5));
        }
        for (int k = 0, fastCount = static_cast<int>(random() % 60); k < fastCount; ++k) {
            fast.append(pick(stems) + QString::number(random() % 3) + QStringLiteral(".lnk"));
            fastDirs.append(QStringLiteral("/s/c"));
        }

        struct Run {
            FakeLists lists;
            FakeWindow window;
            ScriptedUi ui;
            ProgramState state;
            NativeFileSystem fs;
            Tvn tvn{state, fs, ui, lists.refs(), window};
        } ours, reference;
        for (Run* run : {&ours, &reference}) {
            run->lists.progs.assign(progs);
            run->lists.progsDirs.assign(progsDirs);
            run->lists.fast.assign(fast);
            run->lists.fastDirs.assign(fastDirs);
        }

        buildNotYetList(ours.tvn);
        referenceBuild(reference.tvn);

        ASSERT_EQ(ours.lists.notYet.entries(), reference.lists.notYet.entries()) << round;
        ASSERT_EQ(ours.lists.notYetDirs.entries(), reference.lists.notYetDirs.entries()) << round;
        ASSERT_EQ(ours.window.progressHistory, reference.window.progressHistory) << round;
        ASSERT_EQ(ours.ui.pumps(), reference.ui.pumps()) << round;
    }
}

} // namespace
} // namespace tvn::test
