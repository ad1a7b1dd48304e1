#include "store/Classification.h"

#include "catalogue/Categories.h"
#include "catalogue/SameShortcut.h"
#include "platform/Ui.h"
#include "store/Undo.h"
#include "StoreWorld.h"

#include <QFile>
#include <QSet>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;
using Operation = FaultInjectingFileSystem::Operation;

constexpr int kGiochi = 0;  // "giochi"
constexpr int kUtilita = 1; // "utilità"

class Classification : public StoreTest {
protected:
    Classification() { ui.allowOkMessages(); }

    // Programs shortcuts A, B, C, D, E in two folders, all in NotYet (sorted), none selected.
    void fillFromPrograms() {
        for (const char* name : {"A", "B", "C", "D", "E"}) {
            const QString folder = QString(name) < "C" ? "Games" : "Office";
            tree.write("Start Menu/Programs/" + folder + '/' + name + ".lnk", name);
            addEntry(name, programs(folder));
        }
        faults.clearLog();
    }

    void expectUnexpectedError() const {
        ASSERT_EQ(ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    }

    static std::map<QString, QByteArray> caseFolded(const std::map<QString, QByteArray>& tree) {
        std::map<QString, QByteArray> folded;
        for (const auto& [path, content] : tree)
            folded[path.toCaseFolded()] = content;
        return folded;
    }

    QStringList copies(const QString& relative) const {
        QStringList names;
        for (const auto& [path, content] : tree.snapshot(relative))
            names.append(path + '=' + content);
        return names;
    }
};

TEST_F(Classification, WithoutACurrentEntryOnlyAsksForASelection) {
    ui.expectMessage();
    classifySelected(tvn, kGiochi);

    fillFromPrograms();
    ui.expectMessage();
    classifySelected(tvn, kGiochi);

    ASSERT_EQ(ui.dialogs().size(), 2u);
    for (const UiCall& call : ui.dialogs()) {
        EXPECT_EQ(call.text, window.messageText(Message::SelectShortcuts));
        EXPECT_EQ(call.title, QString());
        EXPECT_EQ(call.buttons, Buttons::Ok);
        EXPECT_EQ(call.icon, Icon::None);
    }
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_EQ(lists.notYet.count(), 5);
}

TEST_F(Classification, ACurrentEntryThatIsNotSelectedCopiesNothingAndSelectsTheFirst) {
    fillFromPrograms();
    lists.notYet.setSelected(2, true);
    lists.notYet.setSelected(2, false);
    classifySelected(tvn, kGiochi);

    // Nothing was copied: the folder made for it does not stay.
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_EQ(lists.notYet.entries(), QStringList({"A", "B", "C", "D", "E"}));
    EXPECT_EQ(selectedEntries(), QList<int>{0});
    EXPECT_EQ(lists.notYet.currentIndex(), 0);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(Classification, CopiesTheSelectedTopToBottomAndSelectsTheEntryAfterTheLast) {
    fillFromPrograms();
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    select({0, 2, 3});
    classifySelected(tvn, kUtilita);

    const QString category = startMenu(QStringLiteral("utilità"));
    EXPECT_EQ(copies("Start Menu/utilità"), QStringList({"A.lnk=A", "C.lnk=C", "D.lnk=D"}));
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"B", "E"}));
    EXPECT_EQ(entryPaths(), QStringList({programs("Games/B.lnk"), programs("Office/E.lnk")}));
    EXPECT_EQ(selectedEntries(), QList<int>{1});

    // The folder is created once, and never renamed: it stays in place while copies come.
    const auto op = [](Kind kind, const QString& path, const QString& target = {}) {
        return Operation{kind, path, target, false};
    };
    std::vector<Operation> expected{op(Kind::CreateFolder, category)};
    for (const QString& source :
         {programs("Games/A.lnk"), programs("Office/C.lnk"), programs("Office/D.lnk")}) {
        const QString name = source.section(QChar(kPathSeparator), -1);
        expected.push_back(op(Kind::CopyFile, source, joinPath(category, name)));
    }
    EXPECT_EQ(faults.mutations(), expected);
    // A copy's target is looked up by the copy alone: in a large category folder every look-up
    // of a name that does not exist yet reads the whole folder.
    for (const Operation& operation : faults.operations())
        EXPECT_TRUE(operation.kind == Kind::CopyFile ||
                    !(operation.path.startsWith(category) && operation.path.endsWith(".lnk")))
            << ::testing::PrintToString(operation);
}

TEST_F(Classification, ProcessingTheLastEntriesLeavesNothingSelected) {
    fillFromPrograms();
    select({3, 4});
    classifySelected(tvn, kGiochi);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"A", "B", "C"}));
    EXPECT_TRUE(selectedEntries().isEmpty());
    EXPECT_EQ(lists.notYet.currentIndex(), -1);
}

TEST_F(Classification, FindsTheSourceWhateverTheCaseOfItsExtension) {
    tree.write("Start Menu/Programs/Tools/Editor.LNK", "editor");
    addEntry("Editor", programs("Tools"));
    select({0});
    classifySelected(tvn, kGiochi);
    EXPECT_EQ(tree.read("Start Menu/giochi/Editor.lnk"), "editor");
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(lists.notYet.count(), 0);
}

// Namesakes from different vendors both keep a copy; the same shortcut installed twice (for
// the user and for all users) makes one.
TEST_F(Classification, NamesakesKeepACopyEachToldApartByTheirFolder) {
    tree.write("Start Menu/Programs/Cards/Solitaire.lnk", "first");
    tree.write("Start Menu/Programs/More Cards/Solitaire.lnk", "second");
    tree.write("Start Menu/Programs/Solitaire.lnk", "third");
    tree.write("All Users/Cards/Solitaire.lnk", "first");
    tree.write("Start Menu/giochi/Solitaire (2).lnk", "someone else's");
    addEntry("Solitaire", programs("Cards"));
    addEntry("Solitaire", programs("More Cards"));
    addEntry("Solitaire", programs());
    addEntry("Solitaire", tree.path("All Users/Cards"));
    select({0, 1, 2, 3});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(copies("Start Menu/giochi"),
              QStringList({"Solitaire (2).lnk=someone else's", "Solitaire (3).lnk=third",
                           "Solitaire (More Cards).lnk=second", "Solitaire.lnk=first"}));
    EXPECT_EQ(lists.notYet.count(), 0);
    EXPECT_TRUE(trash.files().isEmpty());
}

#ifndef _WIN32
// Twins of one folder that differ only in letter case are two shortcuts, each copied; a namesake
// whose name leaves no room to tell it apart is named in the report with its reason.
TEST_F(Classification, TwinsAreBothCopiedAndANameWithNoRoomLeftIsNamed) {
    tree.write("Start Menu/Programs/Casey/Tool.lnk", "same");
    tree.write("Start Menu/Programs/Casey/tool.LNK", "same");
    const QString longName = QString(251, u'n');
    tree.write("Start Menu/Programs/V1/" + longName + ".lnk", "first");
    tree.write("Start Menu/Programs/V2/" + longName + ".lnk", "second");
    addEntry("Tool", programs("Casey"));
    addEntry("tool", programs("Casey"));
    addEntry(longName, programs("V1"));
    addEntry(longName, programs("V2"));
    select({0, 1, 2, 3});
    classifySelected(tvn, kGiochi);
    EXPECT_EQ(copies("Start Menu/giochi"),
              QStringList({"Tool.lnk=same", longName + ".lnk=first", "tool (Casey).lnk=same"}));
    ASSERT_EQ(window.failedReports.size(), 1u);
    EXPECT_EQ(window.failedReports[0].at(0).name, longName);
    EXPECT_EQ(window.failedReports[0].at(0).kind, FailureKind::NoFreeName);
    EXPECT_EQ(lists.notYet.entries(), QStringList{longName});
}
#endif

// A telling-apart name fits the disk however long the name or its folder's, and still reads as
// the shortcut's own name, even when the folder's name holds brackets.
TEST_F(Classification, NamesakeNamesFitTheDiskAndKeepTheShortcutsName) {
    const QString longName = QString(240, u'a');
    const QString bracketed = "Tools (x86)";
    const QString longFolder = QString(100, u'v');
    for (const QString& folder : {QString("Cards"), bracketed, longFolder}) {
        tree.write("Start Menu/Programs/" + folder + '/' + longName + ".lnk", folder.toUtf8());
        addEntry(longName, programs(folder));
        tree.write("Start Menu/Programs/" + folder + "/Play.lnk", folder.toUtf8());
        addEntry("Play", programs(folder));
    }
    select({0, 1, 2, 3, 4, 5});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    const auto copied = tree.snapshot("Start Menu/giochi");
    EXPECT_EQ(copied.size(), 6u);
    for (const auto& [name, content] : copied) {
        EXPECT_LE(name.toUtf8().size(), 255) << name.toStdString();
        EXPECT_TRUE(sharedNameKey(name) == "play" || sharedNameKey(name) == longName)
            << name.toStdString();
    }
    EXPECT_TRUE(copied.contains("Play (Tools x86).lnk"));
}

// A shortcut deleted or renamed since the list was made is named at the end and leaves the list,
// and the rest goes on. A category folder the action made for nothing does not stay, and leaves
// nothing to undo.
TEST_F(Classification, AShortcutGoneMeanwhileIsNamedAndTheRestGoesOn) {
    fillFromPrograms();
    ASSERT_TRUE(QFile::remove(programs("Games/A.lnk")));
    ASSERT_TRUE(QFile::remove(programs("Office/D.lnk")));
    select({0, 1});
    recordUndoable(tvn, journal, UndoScope::Creation, [&] { classifySelected(tvn, kGiochi); });
    EXPECT_TRUE(ui.calls().empty());
    const std::vector<FailedEntry> gone{{QStringLiteral("A"), FailureKind::Gone, {}}};
    EXPECT_EQ(window.failedReports, std::vector<std::vector<FailedEntry>>{gone});
    EXPECT_EQ(copies("Start Menu/giochi"), QStringList{"B.lnk=B"});
    EXPECT_EQ(lists.notYet.entries(), QStringList({"C", "D", "E"}));

    lists.notYet.selectOnly(1);
    recordUndoable(tvn, journal, UndoScope::Creation, [&] { classifySelected(tvn, kUtilita); });
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
    ASSERT_NE(journal.lastEntry(UndoScope::Creation), nullptr);
    EXPECT_EQ(journal.entries().size(), 1u) << "the second action changed nothing to undo";
}

TEST_F(Classification, AnInvalidCaptionIsRefusedBeforeAnythingIsDone) {
    fillFromPrograms();
    select({0, 1});
    const auto before = tree.snapshot();
    for (const QString& caption :
         {QString("../escape"), QString(".."), QString("a/b"), QString("x:y"), QString("dot."),
          QString("quote\"d"), QString()}) {
        SCOPED_TRACE(caption.toStdString());
        window.captions[kGiochi] = caption;
        ui.clearCalls();
        classifySelected(tvn, kGiochi);
        expectUnexpectedError();
    }
    EXPECT_EQ(tree.snapshot(), before);
    EXPECT_TRUE(faults.mutations().empty());
    EXPECT_EQ(lists.notYet.count(), 5);
    EXPECT_EQ(selectedEntries(), QList<int>({0, 1}));
}

// Move mode: the entries are classified copies in category folders.
class MoveMode : public Classification {
protected:
    void SetUp() override {
        state.moveMode = true;
        tree.write("Start Menu/utilità/Word.lnk", "word");
        tree.write("Start Menu/utilità/Paint.lnk", "paint");
        tree.write("Start Menu/video/Player.lnk", "player");
        tree.write("Start Menu/Programs/Games/Cards.lnk", "cards");
        addEntry("Paint", startMenu(QStringLiteral("utilità")));
        addEntry("Player", startMenu("video"));
        addEntry("Word", startMenu(QStringLiteral("utilità")));
        faults.clearLog();
    }
};

TEST_F(MoveMode, MovesAndRemovesTheFolderThatNoShortcutIsLeftIn) {
    select({0, 1, 2});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(copies("Start Menu/giochi"),
              QStringList({"Paint.lnk=paint", "Player.lnk=player", "Word.lnk=word"}));
    EXPECT_FALSE(tree.exists("Start Menu/video"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
    EXPECT_EQ(lists.notYet.count(), 0);
}

TEST_F(MoveMode, KeepsAFolderThatStillHoldsAShortcut) {
    select({0});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(copies(QStringLiteral("Start Menu/utilità")), QStringList({"Word.lnk=word"}));
    EXPECT_EQ(selectedEntries(), QList<int>{0});
    EXPECT_EQ(lists.notYet.entries(), QStringList({"Player", "Word"}));
}

TEST_F(MoveMode, AFolderThatStillHoldsAnotherFileStaysAndTheRestGoesOn) {
    tree.write("Start Menu/video/desktop.ini", "ini");
    tree.write(QStringLiteral("Start Menu/utilità/.directory"), "dir");
    select({0, 1, 2});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(copies("Start Menu/giochi"),
              QStringList({"Paint.lnk=paint", "Player.lnk=player", "Word.lnk=word"}));
    EXPECT_EQ(copies("Start Menu/video"), QStringList({"desktop.ini=ini"}));
    EXPECT_EQ(copies(QStringLiteral("Start Menu/utilità")), QStringList({".directory=dir"}));
    EXPECT_EQ(lists.notYet.count(), 0);
}

TEST_F(MoveMode, ATargetThatIsTheSourceIsLeftAloneAndLeavesTheList) {
    // The same spelling, and another spelling of the same folder ("Video" on disk).
    ASSERT_TRUE(disk.rename(startMenu("video"), startMenu("Video")));
    window.captions[3] = "video";
    addEntry("Player", startMenu("Video"));
    select({1, 2});
    const auto before = tree.snapshot();
    classifySelected(tvn, 3);
    EXPECT_TRUE(ui.calls().empty());
    // The renames away and back give the folder the caption's spelling; nothing else changes.
    EXPECT_EQ(caseFolded(tree.snapshot()), caseFolded(before));
    EXPECT_EQ(lists.notYet.entries(), QStringList({"Paint", "Word"}));
    for (const Operation& op : faults.mutations())
        EXPECT_TRUE(op.kind == Kind::CreateFolder || op.kind == Kind::Rename)
            << "nothing copied or deleted";
}

TEST_F(MoveMode, AShortcutLeavingTheStartMenuFolderItselfNeverRenamesIt) {
    tree.write("Start Menu/Loose.lnk", "loose");
    addEntry("Loose", startMenu());
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    select({0});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(tree.read("Start Menu/giochi/Loose.lnk"), "loose");
    EXPECT_FALSE(tree.exists("Start Menu/Loose.lnk"));
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    for (const Operation& op : faults.mutations())
        EXPECT_NE(op.path, startMenu()) << "the Start Menu folder is never renamed or removed";
}

TEST_F(MoveMode, AMovedCopyNeverReplacesANamesake) {
    tree.write("Start Menu/giochi/Paint.lnk", "another paint");
    tree.write("Start Menu/giochi/Word.lnk", "word");
    select({0, 2});
    classifySelected(tvn, kGiochi);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(copies("Start Menu/giochi"),
              QStringList({"Paint (2).lnk=paint", "Paint.lnk=another paint", "Word.lnk=word"}));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
}

TEST_F(MoveMode, AnEntryInsideTheProgramsTreeIsRefused) {
    addEntry("Cards", programs("Games"));
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    select({0});
    classifySelected(tvn, kGiochi);
    expectUnexpectedError();
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_EQ(lists.notYet.at(0), "Cards");
    EXPECT_EQ(selectedEntries(), QList<int>{0});
}

// Fails the n-th change on disk of a three-entry action, for every n, and checks what the
// failure leaves: the lists in step, no half or lost file, the Programs tree untouched.
class EveryFailure : public ::testing::TestWithParam<bool> {};

TEST_P(EveryFailure, LeavesTheListsInStepAndNoFileHalfDoneOrLost) {
    const bool move = GetParam();
    int mutationsOfACleanRun = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("failing change " + std::to_string(n));
        StoreWorld world;
        world.state.moveMode = move;
        world.tree.write("Start Menu/Programs/Games/Cards.lnk", "cards");
        const QString from =
            move ? QStringLiteral("Start Menu/video/") : QStringLiteral("Start Menu/Programs/");
        const QString fromFolder = world.tree.path(from.chopped(1));
        for (const char* name : {"Chess", "Go", "Poker"}) {
            world.tree.write(from + name + ".lnk", name);
            world.addEntry(name, fromFolder);
        }
        world.select({0, 1, 2});
        const auto programsBefore = world.tree.snapshot("Start Menu/Programs");
        const QStringList pathsBefore = world.entryPaths();
        world.faults.clearLog();
        world.faults.failNth(n);
        world.ui.allowOkMessages();

        classifySelected(world.tvn, kGiochi);

        const bool failed = !world.ui.calls().empty();
        if (!failed) {
            mutationsOfACleanRun = static_cast<int>(world.faults.mutations().size());
            EXPECT_EQ(n, mutationsOfACleanRun + 1);
            EXPECT_EQ(world.lists.notYet.count(), 0);
            break;
        }
        EXPECT_EQ(world.ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
        EXPECT_EQ(world.tree.snapshot("Start Menu/Programs"), programsBefore);
        // The entries left are the unprocessed tail, in step and still selected.
        const QStringList left = world.entryPaths();
        EXPECT_EQ(left, pathsBefore.mid(pathsBefore.size() - left.size()));
        EXPECT_EQ(world.lists.notYetDirs.count(), world.lists.notYet.count());
        EXPECT_EQ(world.selectedEntries().size(), left.size());
        for (const char* name : {"Chess", "Go", "Poker"}) {
            const QString copy = QString("Start Menu/giochi/") + name + ".lnk";
            const QString source = from + name + ".lnk";
            const bool processed = !left.contains(world.tree.path(source));
            if (processed) {
                EXPECT_EQ(world.tree.read(copy), name);
            }
            // Every shortcut is still somewhere, whole, and a moved one in one place only.
            EXPECT_TRUE(world.tree.read(copy) == name || world.tree.read(source) == name);
            if (move) {
                EXPECT_NE(world.tree.exists(copy), world.tree.exists(source)) << name;
            }
        }
        for (const auto& [path, content] : world.tree.snapshot()) {
            EXPECT_FALSE(path.contains(".tvn-")) << "half file " << path.toStdString();
            EXPECT_FALSE(path.section(u'/', -1).startsWith(u'_') || path.endsWith(u'_'))
                << "folder left under its temporary name: " << path.toStdString();
        }
        ASSERT_LT(n, 100);
    }
    EXPECT_EQ(mutationsOfACleanRun, move ? 1 + 3 * 2 + 1 : 1 + 3);
}

INSTANTIATE_TEST_SUITE_P(ClassifyAndMove, EveryFailure, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? "Move" : "Classify";
                         });

} // namespace
} // namespace tvn::test
