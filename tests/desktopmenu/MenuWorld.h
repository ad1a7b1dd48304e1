#pragma once

#include "DesktopMenuSync.h"
#include "FakeWindow.h"
#include "NativeFileSystem.h"
#include "ProgramState.h"
#include "ProtectedFileSystem.h"
#include "ScriptedUi.h"
#include "TempTree.h"
#include "Tvn.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tvn::test {

// A Wine prefix's layout in a temporary folder (`prefix`: system.reg, the drive links, the
// user's Start Menu with its Programs folder) and the XDG folders of the desktop menu beside it.
// The program's state, file system, window and dialogs are set up as the program runs them.
struct MenuWorld {
    explicit MenuWorld(const QString& prefixFolder = {})
        : tvn{state, fs, ui, lists.refs(), window} {
        prefix = prefixFolder.isEmpty() ? tree.path(QStringLiteral("prefix")) : prefixFolder;
        if (prefixFolder.isEmpty()) {
            tree.write(QStringLiteral("prefix/system.reg"), "WINE REGISTRY Version 2\n");
            tree.makeFolder(QStringLiteral("prefix/drive_c/users/ann/Start Menu/Programs"));
            tree.makeFolder(QStringLiteral("prefix/dosdevices"));
            QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
            QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:"));
            startMenu = prefix + QStringLiteral("/drive_c/users/ann/Start Menu");
        }
        environment = DesktopMenuEnvironment::fromSystem();
        environment.dataHome = tree.path(QStringLiteral("data"));
        environment.configHome = tree.path(QStringLiteral("config"));
    }

    void useStartMenu(const QString& startMenuPath, const QString& programsPath) {
        startMenu = startMenuPath;
        state.startMenuPath = startMenuPath;
        state.programsPath = programsPath;
        fs.setProtectedFolder(programsPath);
    }
    void useStartMenu() { useStartMenu(startMenu, startMenu + QStringLiteral("/Programs")); }

    // Puts a shortcut file at `relative` ('/'-separated) below the Start Menu folder.
    void putShortcut(const QString& relative, const QByteArray& content) {
        const QString path = startMenu + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
    }

    DesktopMenuSyncResult sync() { return SyncDesktopMenu(tvn, environment); }

    TempTree tree;
    QString prefix;
    QString startMenu;
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
