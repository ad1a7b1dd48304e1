#include "store/Undo.h"

#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "CopiesWorld.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"
#include "store/ModifyList.h"
#include "store/OrphanPurge.h"
#include "store/Reset.h"

#include <functional>
#include <memory>
#include <QDir>
#include <QFile>
#include <tuple>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;
using Result = UndoOutcome::Result;

constexpr int kGiochi = 0; // "giochi"
constexpr int kUtility = 1;
constexpr int kVideo = 3; // "video"

// A Start Menu with copies, orphans among them, a copy that a move replaces and a category
// folder that keeps a file of its own; then what a panel shows of it.
struct UndoWorld : CopiesWorld {
    UndoWorld() {
        ui.allowOkMessages();
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Games/Go.lnk", "go");
        tree.write("Start Menu/Programs/Tools/Editor.lnk", "editor");
        tree.write("Start Menu/giochi/Chess.lnk", "chess copy");
        tree.write("Start Menu/giochi/Gone.lnk", "orphan");
        tree.write("Start Menu/video/Chess.LNK", "older chess copy");
        tree.write("Start Menu/video/Gone Too.lnk", "orphan too");
        tree.write("Start Menu/video/desktop.ini", "the user's");
        tree.write("App/Custom.tvn", "\"giochi\"\r\n");
        analyseSystem(tvn);
    }

    // Everything an undo must give back: the Start Menu and the program folder byte for byte,
    // the names of the categories, and the lists as the panels build them from the disk.
    struct Snapshot {
        std::map<QString, QByteArray> startMenu;
        std::map<QString, QByteArray> app;
        std::array<QString, kCategoryCount> captions;
        QStringList fast, notYet, purge;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() {
        refreshClassified(tvn);
        buildNotYetList(tvn);
        const QStringList notYet = notYetPaths();
        buildPurgeList(tvn);
        return {tree.snapshot("Start Menu"),
                tree.snapshot("App"),
                window.captions,
                fastPaths(),
                notYet,
                purgePaths()};
    }

    void selectAll(ListBox& list) {
        for (int k = 0; k < list.count(); ++k)
            list.setSelected(k, true);
    }

    UndoOutcome record(UndoScope scope, const std::function<void()>& action) {
        recordUndoable(tvn, journal, scope, action);
        faults.clearFaults();
        return undoLastAction(tvn, journal, scope);
    }
};

struct Action {
    const char* name;
    UndoScope scope;
    std::function<void(UndoWorld&)> run;
};

const Action kActions[] = {
    {"classify", UndoScope::Creation,
     [](UndoWorld& w) {
         buildNotYetList(w.tvn);
         w.selectAll(w.lists.notYet);
         classifySelected(w.tvn, kUtility);
     }},
    {"move onto an older copy", UndoScope::Moving,
     [](UndoWorld& w) {
         fillModifyList(w.tvn);
         w.lists.listModify.setSelected(0, true); // giochi/Chess.lnk
         w.lists.listModify.setSelected(2, true); // giochi/Gone.lnk
         if (loadSelectedCopiesForMove(w.tvn))
             classifySelected(w.tvn, kVideo);
         w.state.moveMode = false;
     }},
    {"remove", UndoScope::Modify,
     [](UndoWorld& w) {
         fillModifyList(w.tvn);
         w.selectAll(w.lists.listModify);
         removeSelectedCopies(w.tvn);
     }},
    {"purge", UndoScope::Purges,
     [](UndoWorld& w) {
         buildPurgeList(w.tvn);
         w.selectAll(w.lists.purgeList);
         purgeSelectedOrphans(w.tvn);
     }},
    {"rename carrying the copies", UndoScope::Creation,
     [](UndoWorld& w) {
         w.state.popupCategoryIndex = kVideo;
         w.ui.expectInput("Filme");
         w.ui.expectMessage(Answer::Yes);
         renameCategory(w.tvn);
     }},
    {"rename alone", UndoScope::Creation,
     [](UndoWorld& w) {
         w.state.popupCategoryIndex = kGiochi;
         w.ui.expectInput("Spiele");
         w.ui.expectMessage(Answer::No);
         renameCategory(w.tvn);
     }},
    {"reset", UndoScope::Menu,
     [](UndoWorld& w) {
         deleteAllClassifications(w.tvn);
     }},
};

// These tests read the freedesktop trash of a temporary XDG_DATA_HOME. Windows' Recycle Bin
// cannot be read that way, and Wine's takes no file from a test's temporary folder.
#ifdef _WIN32
#define SKIP_WITHOUT_FREEDESKTOP_TRASH()                                                           \
    GTEST_SKIP() << "the Recycle Bin is not a freedesktop trash"
#else
#define SKIP_WITHOUT_FREEDESKTOP_TRASH()
#endif

// Every kind of action, whole or cut short by a failure at its first, second ... change on
// disk: the undo gives back exactly the state before it.
TEST(Undo, EveryActionWholeOrCutShortIsTakenBackExactly) {
    SKIP_WITHOUT_FREEDESKTOP_TRASH();
    for (const Action& action : kActions) {
        for (int failing = 0; failing <= 4; ++failing) {
            SCOPED_TRACE(std::string(action.name) + ", failing change " + std::to_string(failing));
            UndoWorld world;
            const auto before = world.snapshot();
            if (failing > 0)
                world.faults.failNth(failing);
            const UndoOutcome outcome = world.record(action.scope, [&] { action.run(world); });
            EXPECT_NE(outcome.result, Result::Failed);
            EXPECT_NE(outcome.result, Result::Outdated) << outcome.what.toStdString();
            // The copies a whole move deleted come back; the older copy it replaced is no copy
            // to move.
            if (action.scope == UndoScope::Moving && failing == 0) {
                QStringList restored;
                for (const QString& path : outcome.restored)
                    restored.append(world.relative(path));
                EXPECT_EQ(restored, (QStringList{"Start Menu/giochi/Gone.lnk",
                                                 "Start Menu/giochi/Chess.lnk"}));
            }
            EXPECT_EQ(world.snapshot(), before);
            EXPECT_TRUE(world.trash.files().isEmpty())
                << world.trash.files().join(", ").toStdString();
            EXPECT_TRUE(world.ui.scriptDone());
        }
    }
}

TEST(Undo, DeletedCopiesWaitInTheTrashAndSeveralStepsGoBack) {
    SKIP_WITHOUT_FREEDESKTOP_TRASH();
    UndoWorld w;
    const auto before = w.snapshot();
    recordUndoable(w.tvn, w.journal, UndoScope::Purges, [&] { kActions[3].run(w); });
    EXPECT_EQ(w.trash.files(), (QStringList{"Gone Too.lnk", "Gone.lnk"}));
    const auto afterPurge = w.snapshot();
    recordUndoable(w.tvn, w.journal, UndoScope::Creation, [&] { kActions[0].run(w); });
    recordUndoable(w.tvn, w.journal, UndoScope::Creation, [&] { kActions[5].run(w); });

    EXPECT_EQ(undoLastAction(w.tvn, w.journal, UndoScope::Creation).result, Result::Undone);
    EXPECT_EQ(undoLastAction(w.tvn, w.journal, UndoScope::Creation).result, Result::Undone);
    EXPECT_EQ(undoLastAction(w.tvn, w.journal, UndoScope::Creation).result, Result::Nothing);
    EXPECT_EQ(w.snapshot(), afterPurge);
    EXPECT_EQ(undoLastAction(w.tvn, w.journal, UndoScope::Purges).result, Result::Undone);
    EXPECT_EQ(w.snapshot(), before);
    EXPECT_TRUE(w.trash.files().isEmpty());
}

// What changed since the action is said, with why, and nothing is touched.
TEST(Undo, ACopyChangedOrATrashedFileGoneIsSaidAndNothingIsTouched) {
    SKIP_WITHOUT_FREEDESKTOP_TRASH();
    using Reason = UndoOutcome::Reason;
    const std::tuple<const char*, Reason, std::function<void(UndoWorld&)>> changes[] = {
        {"Start Menu/video/Chess (2).lnk", Reason::Changed,
         [](UndoWorld& w) {
             w.tree.write("Start Menu/video/Chess (2).lnk", "edited");
         }},
        {"Start Menu/giochi/Chess.lnk", Reason::GoneFromTrash,
         [](UndoWorld& w) {
             QFile::remove(w.trash.filesFolder() + "/Chess.lnk");
         }},
    };
    for (const auto& [what, reason, change] : changes) {
        SCOPED_TRACE(what);
        UndoWorld w;
        recordUndoable(w.tvn, w.journal, UndoScope::Moving, [&] { kActions[1].run(w); });
        change(w);
        const auto changed = w.snapshot();
        const UndoOutcome outcome = undoLastAction(w.tvn, w.journal, UndoScope::Moving);
        EXPECT_EQ(outcome.result, Result::Outdated);
        EXPECT_EQ(w.relative(outcome.what), what);
        EXPECT_EQ(outcome.reason, reason);
        EXPECT_EQ(w.snapshot(), changed);
        EXPECT_EQ(undoLastAction(w.tvn, w.journal, UndoScope::Moving).result, Result::Nothing);
    }
}

// A move whose source cannot be removed takes its new copy back at once: nothing is left in two
// categories, nothing goes to the trash and the action leaves nothing to undo.
TEST(Undo, AMoveWhoseSourceStaysTakesItsCopyBackWithoutTrash) {
    UndoWorld w;
    const auto before = w.snapshot();
    w.faults.failWhen([](const FaultInjectingFileSystem::Operation& op) {
        return op.kind == Kind::DeleteFile && op.path.endsWith("Gone.lnk") &&
               op.path.contains("giochi");
    });
    const UndoOutcome outcome = w.record(UndoScope::Moving, [&] {
        fillModifyList(w.tvn);
        w.lists.listModify.setSelected(2, true); // giochi/Gone.lnk
        if (loadSelectedCopiesForMove(w.tvn))
            classifySelected(w.tvn, kVideo);
        w.state.moveMode = false;
    });
    EXPECT_EQ(w.ui.messageTexts(), std::vector<QString>{unexpectedErrorText()});
    EXPECT_EQ(outcome.result, Result::Nothing);
    EXPECT_EQ(w.snapshot(), before);
    EXPECT_TRUE(w.trash.files().isEmpty());
}

// A file the trash cannot take (no trash can be set up) is deleted only when the user agrees,
// asked once per action; nothing lands anywhere else, and keeping the files is no error. What
// was deleted for good cannot come back, so the panel offers no Undo, not even of its actions
// before.
TEST(Undo, WithoutATrashFilesAreDeletedOnlyWhenTheUserAgrees) {
    for (const bool agree : {false, true}) {
        UndoWorld w;
        recordUndoable(w.tvn, w.journal, UndoScope::Purges, [&] {
            w.tree.write("Start Menu/giochi/Earlier.lnk");
            w.journal.createFolder(w.tree.path("Start Menu/earlier"));
        });
        const QStringList here = QDir::current().entryList();
        qputenv("XDG_DATA_HOME", QFile::encodeName(w.tree.path("App/Custom.tvn/data")));
        QStringList asked;
        w.journal.setDeleteForGoodQuestion([&](const QString& path) {
            asked.append(w.relative(path));
            return agree;
        });
        const UndoOutcome outcome = w.record(UndoScope::Purges, [&] { kActions[3].run(w); });
        EXPECT_EQ(asked, QStringList{"Start Menu/giochi/Gone.lnk"});
        EXPECT_TRUE(w.ui.messageTexts().empty());
        EXPECT_EQ(w.tree.exists("Start Menu/giochi/Gone.lnk"), !agree);
        EXPECT_EQ(w.tree.exists("Start Menu/video/Gone Too.lnk"), !agree);
        EXPECT_EQ(outcome.result, agree ? Result::Nothing : Result::Undone);
        EXPECT_EQ(QDir::current().entryList(), here);
    }
}

} // namespace
} // namespace tvn::test
