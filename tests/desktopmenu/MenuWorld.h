#pragma once

#include "desktopmenu/DesktopMenuSync.h"
#include "platform/NativeFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>
#include <vector>

namespace tvn::test {

// The program as it runs the sync on a Start Menu folder, with the desktop menu's XDG folders
// in a temporary folder.
struct MenuWorld {
    MenuWorld()
        : tvn{state, fs, ui, lists.refs(), window} {
        environment = DesktopMenuEnvironment::fromSystem();
        environment.dataHome = tree.path(QStringLiteral("data"));
        environment.configHome = tree.path(QStringLiteral("config"));
    }

    void useStartMenu(const QString& startMenu, const QString& programs) {
        state.startMenuPath = startMenu;
        state.programsPath = programs;
        fs.setProtectedFolder(programs);
    }

    // Writes a shortcut file at `relative` ('/'-separated) below the Start Menu folder.
    void putShortcut(const QString& relative, const QByteArray& content = "shortcut") {
        const QString path = state.startMenuPath + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
    }

    // The request taken as the window takes it, then the sync run to its end on this thread;
    // the progress it tells is kept.
    DesktopMenuSyncResult sync() {
        DesktopMenuSyncControl control;
        control.progressed = [this](qsizetype done, qsizetype total) {
            progress.push_back({done, total});
        };
        return syncDesktopMenu(desktopMenuRequest(tvn, environment), control);
    }

    TempTree tree;
    DesktopMenuEnvironment environment;
    NativeFileSystem disk;
    ProtectedFileSystem fs{disk};
    ScriptedUi ui;
    FakeWindow window;
    FakeLists lists;
    ProgramState state;
    Tvn tvn;
    std::vector<std::pair<qsizetype, qsizetype>> progress;
};

} // namespace tvn::test
