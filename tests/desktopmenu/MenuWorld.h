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

    DesktopMenuSyncResult sync() { return SyncDesktopMenu(tvn, environment); }

    TempTree tree;
    DesktopMenuEnvironment environment;
    NativeFileSystem disk;
    ProtectedFileSystem fs{disk};
    ScriptedUi ui;
    FakeWindow window;
    FakeLists lists;
    ProgramState state;
    Tvn tvn;
};

} // namespace tvn::test
