#pragma once

#include "catalogue/CatalogueList.h"
#include "catalogue/ProgramState.h"
#include "catalogue/Tvn.h"
#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "platform/ProtectedFileSystem.h"
#include "store/UndoJournal.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTrash.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace tvn::test {

// A classification store on a real temporary tree: "App" is the program folder, "Start Menu"
// holds "Programs". The file system is the real one under the undo journal and the Programs
// guard the program runs with, with a fault injector between them that fails the actions' own
// operations, and a trash of the test's own; the window, lists and dialogs are fakes.
struct StoreWorld {
    StoreWorld()
        : tvn{state, fs, ui, lists.refs(), window} {
        tree.makeFolder(QStringLiteral("App"));
        tree.makeFolder(QStringLiteral("Start Menu/Programs"));
        state.appFolder = tree.path(QStringLiteral("App"));
        state.startMenuPath = tree.path(QStringLiteral("Start Menu"));
        state.programsPath = tree.path(QStringLiteral("Start Menu/Programs"));
        fs.setProtectedFolder(state.programsPath);
    }

    // Paths below the configured folders in the program's form; `relative` is '/'-separated.
    QString startMenu(const QString& relative = {}) const {
        return below(state.startMenuPath, relative);
    }
    QString programs(const QString& relative = {}) const {
        return below(state.programsPath, relative);
    }

    // Adds a NotYet entry: the shortcut `name` + ".lnk" in `folder`.
    int addEntry(const QString& name, const QString& folder) {
        return notYetList(tvn.lists).add(name, folder);
    }
    void select(std::initializer_list<int> indices) {
        for (int index : indices)
            lists.notYet.setSelected(index, true);
    }
    // Each NotYet entry as its shortcut's path: shows that the two lists are still in step.
    QStringList entryPaths() const {
        QStringList paths;
        for (int k = 0; k < lists.notYet.count(); ++k)
            paths.append(
                joinPath(lists.notYetDirs.at(k), lists.notYet.at(k) + QStringLiteral(".lnk")));
        return paths;
    }
    QList<int> selectedEntries() const {
        QList<int> selected;
        for (int k = 0; k < lists.notYet.count(); ++k)
            if (lists.notYet.isSelected(k))
                selected.append(k);
        return selected;
    }

    TempTrash trash;
    TempTree tree;
    NativeFileSystem disk;
    UndoJournal journal{disk};
    FaultInjectingFileSystem faults{journal};
    ProtectedFileSystem fs{faults};
    ScriptedUi ui;
    FakeWindow window;
    FakeLists lists;
    ProgramState state;
    Tvn tvn;
};

class StoreTest : public ::testing::Test, protected StoreWorld {};

} // namespace tvn::test
