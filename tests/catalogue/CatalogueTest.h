#pragma once

#include "catalogue/ProgramState.h"
#include "catalogue/Tvn.h"
#include "platform/NativeFileSystem.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn::test {

// A catalogue on a real temporary Start Menu: the real file system, a fake window, plain
// lists and the scripted user-interaction service.
class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest()
        : tvn{state, fs, ui, lists.refs(), window} {
        state.startMenuPath = tree.path(QStringLiteral("Start Menu"));
        state.programsPath = tree.path(QStringLiteral("Start Menu/Programs"));
    }

    // Paths below the configured folders in the program's form; `relative` is '/'-separated.
    QString startMenu(const QString& relative = {}) const {
        return below(state.startMenuPath, relative);
    }
    QString programs(const QString& relative = {}) const {
        return below(state.programsPath, relative);
    }

    // A folder the walk sees but cannot read, which permission bits cannot give a test run
    // as root.
    void makeUnlistable(const QString& folder) {
        fs.failWhen([folder](const FaultInjectingFileSystem::Operation& op) {
            return op.kind == FaultInjectingFileSystem::Kind::ListFolder && op.path == folder;
        });
    }

    // The message every failing folder shows.
    void expectScanErrors(int count) const {
        const auto dialogs = ui.dialogs();
        ASSERT_EQ(static_cast<int>(dialogs.size()), count);
        for (const UiCall& call : dialogs) {
            EXPECT_EQ(call.text, window.messageText(Message::WrongSettings));
            EXPECT_EQ(call.title, QStringLiteral("ERROR!"));
            EXPECT_EQ(call.buttons, Buttons::Ok);
            EXPECT_EQ(call.icon, Icon::Exclamation);
        }
    }

    TempTree tree;
    NativeFileSystem disk;
    FaultInjectingFileSystem fs{disk}; // the real one until a test injects a failure
    ScriptedUi ui;
    FakeWindow window;
    FakeLists lists;
    ProgramState state;
    Tvn tvn;
};

} // namespace tvn::test
