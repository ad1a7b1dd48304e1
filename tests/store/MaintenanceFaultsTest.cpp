#include "CopiesWorld.h"
#include "platform/Ui.h"
#include "store/ModifyList.h"
#include "store/OrphanPurge.h"
#include "store/Reset.h"

#include <set>

namespace tvn::test {
namespace {

// Fails the n-th change on disk of a removal, a purge and a reset, for every n, and checks what
// each failure leaves: the lists in step, every listed copy still on disk, no file lost but the
// ones the action was asked to delete, no folder left under a temporary name, and the Programs
// tree byte-identical.

enum class Action { Remove, Purge, Reset };

struct Scenario {
    Action action;
    const char* name;
    int cleanMutations;
};

// The copies A, B (giochi) and C (video) are selected, or lie in category folders; D is the
// user's own shortcut in a folder of theirs, never listed.
void makeTree(CopiesWorld& world) {
    world.tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
    world.tree.write("Start Menu/Programs/Vendor/D.lnk", "d original");
    world.tree.write("Start Menu/giochi/A.lnk", "a");
    world.tree.write("Start Menu/giochi/B.lnk", "b");
    world.tree.write("Start Menu/video/C.lnk", "c");
    world.tree.write("Start Menu/Vendor/D.lnk", "d");
    world.tree.write("Start Menu/Vendor/readme.txt", "readme");
    world.analyse();
}

const std::set<QString> kDeletable{"Start Menu/giochi", "Start Menu/giochi/A.lnk",
                                   "Start Menu/giochi/B.lnk", "Start Menu/video",
                                   "Start Menu/video/C.lnk"};

void prepare(CopiesWorld& world, Action action) {
    switch (action) {
    case Action::Remove:
        fillModifyList(world.tvn);
        ASSERT_EQ(world.lists.listModify.entries(), QStringList({"A", "B", "C"}));
        CopiesWorld::select(world.lists.listModify, {0, 1, 2});
        break;
    case Action::Purge:
        buildPurgeList(world.tvn);
        ASSERT_EQ(world.lists.purgeList.entries(), QStringList({"A", "B", "C"}));
        CopiesWorld::select(world.lists.purgeList, {0, 1, 2});
        break;
    case Action::Reset:
        world.ui.expectMessage(Answer::Yes);
        world.ui.expectMessage();
        break;
    }
    // The report of a failure is checked afterwards.
    world.ui.allowOkMessages();
    world.ui.clearCalls();
    world.faults.clearLog();
}

void run(CopiesWorld& world, Action action) {
    switch (action) {
    case Action::Remove:
        removeSelectedCopies(world.tvn);
        break;
    case Action::Purge:
        purgeSelectedOrphans(world.tvn);
        break;
    case Action::Reset:
        if (confirmReset(world.tvn))
            deleteAllClassifications(world.tvn);
        break;
    }
}

// Every entry still listed names a file on disk; after the reset's analysis Fast lists exactly
// the shortcuts left in the category folders.
void expectListsTrueToTheDisk(const CopiesWorld& world, Action action) {
    QStringList listed;
    switch (action) {
    case Action::Remove:
        world.expectModifyInStep();
        listed = world.modifyPaths();
        break;
    case Action::Purge:
        EXPECT_EQ(world.lists.purgeDirs.count(), world.lists.purgeList.count());
        listed = world.purgePaths();
        break;
    case Action::Reset: {
        listed = world.fastPaths();
        QStringList onDisk;
        for (const auto& [path, content] : world.tree.snapshot("Start Menu"))
            if (path.endsWith(".lnk") && (path.startsWith("giochi/") || path.startsWith("video/")))
                onDisk.append("Start Menu/" + path);
        QStringList sortedListed = listed;
        sortedListed.sort(Qt::CaseInsensitive);
        onDisk.sort(Qt::CaseInsensitive);
        EXPECT_EQ(sortedListed, onDisk);
        break;
    }
    }
    for (const QString& path : listed)
        EXPECT_TRUE(world.tree.exists(path)) << "listed but gone: " << path.toStdString();
}

class EveryMaintenanceFailure : public ::testing::TestWithParam<Scenario> {};

TEST_P(EveryMaintenanceFailure, LeavesTheListsInStepAndLosesNothingElse) {
    const Scenario scenario = GetParam();
    for (int n = 1;; ++n) {
        SCOPED_TRACE("failing change " + std::to_string(n));
        CopiesWorld world;
        makeTree(world);
        prepare(world, scenario.action);
        const auto before = world.tree.snapshot();
        const auto programsBefore = world.tree.snapshot("Start Menu/Programs");
        world.faults.failNth(n);

        run(world, scenario.action);

        const bool faulted = n <= static_cast<int>(world.faults.mutations().size());
        const auto messages = world.ui.messageTexts();
        if (scenario.action == Action::Reset) {
            // The reset skips its failures silently.
            EXPECT_EQ(messages,
                      std::vector<QString>({world.window.messageText(Message::DeleteAllQuestion),
                                            world.window.messageText(Message::AllDeleted)}));
        } else {
            EXPECT_EQ(messages, faulted ? std::vector<QString>{unexpectedErrorText()}
                                        : std::vector<QString>{});
        }
        EXPECT_EQ(world.tree.snapshot("Start Menu/Programs"), programsBefore);
        expectListsTrueToTheDisk(world, scenario.action);
        const auto after = world.tree.snapshot();
        for (const auto& [path, content] : before) {
            const auto found = after.find(path);
            if (found == after.end()) {
                EXPECT_TRUE(kDeletable.count(path)) << "lost " << path.toStdString();
            } else {
                EXPECT_EQ(found->second, content) << path.toStdString();
            }
        }
        for (const auto& [path, content] : after)
            EXPECT_TRUE(before.count(path)) << "appeared " << path.toStdString();

        if (!faulted) {
            EXPECT_EQ(n, scenario.cleanMutations + 1);
            for (const QString& path : kDeletable)
                EXPECT_FALSE(world.tree.exists(path)) << path.toStdString();
            break;
        }
        ASSERT_LT(n, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Maintenance, EveryMaintenanceFailure,
                         ::testing::Values(Scenario{Action::Remove, "Remove", 5},
                                           Scenario{Action::Purge, "Purge", 5},
                                           Scenario{Action::Reset, "Reset", 3 + 11}),
                         [](const ::testing::TestParamInfo<Scenario>& p) {
                             return std::string(p.param.name);
                         });

} // namespace
} // namespace tvn::test
