#include "catalogue/CatalogueList.h"
#include "catalogue/Categories.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"
#include "store/ModifyList.h"
#include "store/OrphanPurge.h"
#include "store/Reset.h"
#include "StoreWorld.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <QDirIterator>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tvn::test {
namespace {

// Every action of the store, stopped at a random moment (SIGSTOP, then SIGKILL) in a child
// process working on a real Start Menu of over a thousand shortcuts. After each stop the next
// start must show exactly what is on disk: every file outside the Programs folder and the
// user's own files is a shortcut in a category folder of the current names (so MODIFY and RESET
// reach it), and no temporary file or half-done rename is left. RESET then leaves the user's
// files and the Programs tree byte for byte and nothing of the program's.
// TORVANE_KILL_STOPS sets the number of stops (a few by default, 200 or more for a long run).

enum class Action { Classify, ClassifyAsSuggested, Move, Remove, Purge, Rename, RenameInto, Reset };
constexpr Action kActions[] = {
    Action::Classify, Action::ClassifyAsSuggested, Action::Move, Action::Remove, Action::Purge,
    Action::Rename,   Action::RenameInto,          Action::Reset};
const char* const kActionNames[] = {"classify", "classify as suggested", "move", "remove", "purge",
                                    "rename",   "rename into a folder",  "reset"};

constexpr int kVendors = 110;
constexpr int kShortcutsPerVendor = 10;

class KillHarness : public StoreTest {
protected:
    void SetUp() override {
        ui.allowOkMessages();
        for (int v = 0; v < kVendors; ++v)
            for (int s = 0; s < kShortcutsPerVendor; ++s)
                tree.write(
                    QStringLiteral("Start Menu/Programs/Vendor %1/Tool %2.lnk").arg(v).arg(s),
                    QByteArray("shortcut ") + QByteArray::number(v * 100 + s));
        // The user's own shortcuts and folders beside the categories, and a folder that will be
        // offered as a category's new name (its shortcut then counts as a copy, by consent).
        tree.write("Start Menu/Loose.lnk", "user loose");
        tree.write("Start Menu/My Tools/Tool.lnk", "user tool");
        tree.write("Start Menu/My Tools/readme.txt", "user text");
        userFiles = {"Loose.lnk", "My Tools", "My Tools/Tool.lnk", "My Tools/readme.txt"};
        programsBefore = tree.snapshot("Start Menu/Programs");
        userBefore = userSnapshot();
        startAgain();
    }

    std::map<QString, QByteArray> userSnapshot() const {
        std::map<QString, QByteArray> files;
        const auto all = tree.snapshot("Start Menu");
        for (const QString& name : userFiles)
            if (const auto found = all.find(name); found != all.end())
                files.insert(*found);
        return files;
    }

    // What the program does at start, from its files on disk alone.
    void startAgain() {
        window.captions = builtInCategoryCaptions();
        state.scanFailed = false;
        state.moveMode = false;
        readCustomCategories(tvn);
        removeLeftoverTemporaries(tvn);
        finishInterruptedRename(tvn);
        analyseSystem(tvn);
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void selectSome(ListBox& list) {
        for (int k = 0; k < list.count(); ++k)
            list.setSelected(k, below(3) == 0);
        if (list.count() > 0)
            list.setSelected(0, true);
    }

    void act(Action action) {
        switch (action) {
        case Action::Classify:
            buildNotYetList(tvn);
            for (int k = 0; k < lists.notYet.count(); ++k)
                lists.notYet.setSelected(k, true);
            classifySelected(tvn, below(kCategoryCount));
            break;
        case Action::ClassifyAsSuggested: {
            buildNotYetList(tvn);
            std::vector<EntryCategory> choices;
            for (int k = 0; k < lists.notYet.count(); ++k)
                choices.push_back({k, below(kCategoryCount)});
            classifyEntries(tvn, choices);
            break;
        }
        case Action::Move:
            fillModifyList(tvn);
            selectSome(lists.listModify);
            if (loadSelectedCopiesForMove(tvn))
                classifySelected(tvn, below(kCategoryCount));
            state.moveMode = false;
            break;
        case Action::Remove:
            fillModifyList(tvn);
            selectSome(lists.listModify);
            removeSelectedCopies(tvn);
            break;
        case Action::Purge:
            buildPurgeList(tvn);
            for (int k = 0; k < lists.purgeList.count(); ++k)
                lists.purgeList.setSelected(k, true);
            purgeSelectedOrphans(tvn);
            break;
        case Action::Rename:
        case Action::RenameInto:
            state.popupCategoryIndex = below(kCategoryCount);
            ui.expectInput(action == Action::Rename ? QStringLiteral("renamed %1").arg(++renames)
                                                    : QStringLiteral("Offered"));
            ui.expectMessage(Answer::Yes);
            ui.expectMessage(Answer::Yes);
            renameCategory(tvn);
            break;
        case Action::Reset:
            deleteAllClassifications(tvn);
            break;
        }
    }

    // Runs the action in a child stopped after `delay`; true when the stop came before its end.
    bool stoppedDuring(Action action, std::chrono::microseconds delay) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            act(action);
            _exit(0);
        }
        std::this_thread::sleep_for(delay);
        const bool stopped = kill(child, SIGSTOP) == 0;
        int status = 0;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return stopped && WIFSIGNALED(status);
    }

    // Everything below the Start Menu folder that is neither the Programs tree nor the user's is
    // a copy the next start lists, in a category folder of the current names.
    void expectEverythingInReach() {
        QStringList listed;
        for (int k = 0; k < lists.fast.count(); ++k)
            listed.append(joinPath(lists.fastDirs.at(k), lists.fast.at(k)));
        QStringList categories;
        for (const QString& caption : window.captions)
            categories.append(caseFoldedName(caption));
        for (const auto& [path, content] : tree.snapshot("Start Menu")) {
            if (isUsers(path))
                continue;
            const QStringList parts = path.split(u'/');
            EXPECT_TRUE(categories.contains(caseFoldedName(parts.first())))
                << "out of reach: " << path.toStdString();
            if (content != "<dir>") {
                EXPECT_TRUE(listed.contains(startMenu(path)))
                    << "not listed: " << path.toStdString();
            }
        }
        EXPECT_FALSE(tree.exists("App/Rename.tvn"));
    }

    // The Programs tree, the user's files, and the offered folder until a category takes it.
    bool isUsers(const QString& path) const {
        const QString top = path.section(u'/', 0, 0);
        if (top == "Programs" || userFiles.contains(path))
            return true;
        return top == "Offered" &&
               std::none_of(window.captions.begin(), window.captions.end(),
                            [](const QString& caption) { return caption.toLower() == "offered"; });
    }

    void expectUserFilesAndProgramsUntouched() {
        EXPECT_EQ(userSnapshot(), userBefore);
        EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    }

    void resetAndExpectNothingLeft() {
        deleteAllClassifications(tvn);
        expectUserFilesAndProgramsUntouched();
        auto startMenu = tree.snapshot("Start Menu");
        std::erase_if(startMenu, [&](const auto& entry) { return isUsers(entry.first); });
        EXPECT_TRUE(startMenu.empty())
            << "left after RESET: " << startMenu.begin()->first.toStdString();
    }

    std::mt19937 rng{20261209};
    QStringList userFiles;
    std::map<QString, QByteArray> programsBefore;
    std::map<QString, QByteArray> userBefore;
    int renames = 0;
};

TEST_F(KillHarness, EveryStopLeavesAStateTheNextStartShowsAndResetClears) {
    const int stops = qEnvironmentVariableIntValue("TORVANE_KILL_STOPS") > 0
                          ? qEnvironmentVariableIntValue("TORVANE_KILL_STOPS")
                          : 16;
    std::map<Action, int> stoppedMidway;
    const auto began = std::chrono::steady_clock::now();
    for (int round = 0; round < stops && !HasFailure(); ++round) {
        // A Start Menu with copies to move, remove and purge: a plain classification first, and
        // now and then a copy whose original is gone.
        if (lists.fast.count() < 300) {
            buildNotYetList(tvn);
            selectSome(lists.notYet);
            classifySelected(tvn, below(kCategoryCount));
        }
        if (below(4) == 0)
            tree.write(QStringLiteral("Start Menu/%1/Gone %2.lnk")
                           .arg(window.captions.at(static_cast<size_t>(below(kCategoryCount))))
                           .arg(round),
                       "orphan");
        // The user's folder offered as a new name holds one shortcut of the user's, which the
        // user agrees to hand over.
        if (!tree.exists("Start Menu/Offered"))
            tree.write("Start Menu/Offered/Handed.lnk", "handed over");
        startAgain();
        const Action action = kActions[below(std::size(kActions))];
        const auto delay = std::chrono::microseconds(below(120000));
        if (stoppedDuring(action, delay))
            ++stoppedMidway[action];
        lists.notYet.clear();
        startAgain();
        SCOPED_TRACE(kActionNames[static_cast<int>(action)]);
        expectEverythingInReach();
        expectUserFilesAndProgramsUntouched();
        if (below(8) == 0)
            resetAndExpectNothingLeft();
    }
    resetAndExpectNothingLeft();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("%d stops in %.1f s; stopped before the end:", stops, seconds);
    for (const auto& [action, count] : stoppedMidway)
        std::printf(" %s %d,", kActionNames[static_cast<int>(action)], count);
    std::printf("\n");
}

} // namespace
} // namespace tvn::test
