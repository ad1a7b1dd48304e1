#include "tidy/Tidy.h"

#include "platform/NativeFileSystem.h"
#include "platform/ProgramFolderLock.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/ShellFolders.h"
#include "store/UndoJournal.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"
#include "tidy/Autostart.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <thread>

namespace tvn::test {
namespace {

class NoShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString&) override { return {}; }
    QString allUsersPrograms(const QString&) override { return {}; }
};

// A Start Menu where a program was filed before (Choices.tvn), a vendor's one classified
// shortcut lies in the games, and a known program, an unknown one and an uninstaller come new.
class TidyTest : public ::testing::Test {
protected:
    // One run of the command: a session of its own on the program's file system stack.
    struct Run {
        explicit Run(TidyTest& test, bool dryRun = false)
            : session(guard, journal, guard, test.ui, test.shellFolders,
                      {test.tree.path(QStringLiteral("Program")), TORVANE_SHIPPED_DATA}) {
            TidyOptions options;
            options.dryRun = dryRun;
            options.startMenu = test.tree.path(QStringLiteral("Start Menu"));
            EXPECT_FALSE(session.settle(options, QDir::homePath(), QDir::currentPath()));
        }
        NativeFileSystem disk;
        UndoJournal journal{disk};
        ProtectedFileSystem guard{journal};
        TidySession session;
    };

    TidyTest() {
        tree.write(QStringLiteral("Program/Choices.tvn"), "\"frobnicator\",4\r\n");
        for (const char* shortcut :
             {"Acme/Acme Racer", "Acme/Acme Editor", "Acme/Uninstall Acme", "Frob Inc/Frobnicator",
              "VideoLAN/VLC media player", "Zork Tools/Zwibble"})
            tree.write(QStringLiteral("Start Menu/Programs/%1.lnk").arg(QLatin1String(shortcut)),
                       shortcut);
        games = Run(*this, true).session.tvn().window.categoryCaption(0);
        tree.write(QStringLiteral("Start Menu/%1/Acme Racer.lnk").arg(games), "Acme/Acme Racer");
    }

    static QStringList filedNames(const TidyReport& report) {
        QStringList names;
        for (const TidyFiled& filed : report.filed)
            names << filed.name + u'>' + filed.category;
        names.sort();
        return names;
    }

    TempTree tree;
    QTextStream errors{stderr};
    ConsoleUi ui{errors};
    NoShellFolders shellFolders;
    QString games;
};

TEST_F(TidyTest, FilesOnlyNewShortcutsOfSureCategoryAndTakesThemBackAsOne) {
    const auto all = tree.snapshot();
    const auto startMenu = tree.snapshot(QStringLiteral("Start Menu"));
    const TidyReport dry = Run(*this, true).session.tidy();
    EXPECT_EQ(tree.snapshot(), all);
    const QStringList expected = filedNames(dry);
    ASSERT_EQ(expected.size(), 3) << expected.join(u' ').toStdString();
    EXPECT_EQ(expected.at(0), QStringLiteral("Acme Editor>") + games);
    EXPECT_TRUE(expected.at(1).startsWith(QStringLiteral("Frobnicator>")));
    EXPECT_TRUE(expected.at(2).startsWith(QStringLiteral("VLC media player>")));
    EXPECT_EQ(dry.waiting, 1);

    const TidyReport report = Run(*this).session.tidy();
    EXPECT_EQ(filedNames(report), expected);
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(tree.read(QStringLiteral("Start Menu/%1/Acme Editor.lnk").arg(games)),
              "Acme/Acme Editor");

    Run undo(*this);
    EXPECT_EQ(undoLastTidy(undo.session.tvn(), undo.journal).result, UndoOutcome::Result::Undone);
    EXPECT_EQ(tree.snapshot(QStringLiteral("Start Menu")), startMenu);
    EXPECT_EQ(undoLastTidy(undo.session.tvn(), undo.journal).result, UndoOutcome::Result::Nothing);

    // What the user took back is no longer new: it waits in CLASSIFY.
    const TidyReport again = Run(*this).session.tidy();
    EXPECT_TRUE(again.filed.empty());
    EXPECT_EQ(again.waiting, 4);
}

TEST(TidyLock, TheWindowTellsATidyFromAnotherWindow) {
    TempTree tree;
    ProgramFolderLock window(tree.path());
    ASSERT_TRUE(window.acquire());
    ProgramFolderLock other(tree.path());
    EXPECT_FALSE(other.acquireForTidy());
    EXPECT_FALSE(other.heldByTidy());
    window.release();

    ProgramFolderLock tidying(tree.path());
    ASSERT_TRUE(tidying.acquireForTidy());
    EXPECT_FALSE(other.acquire());
    EXPECT_TRUE(other.heldByTidy());
    tidying.release();
    EXPECT_FALSE(other.heldByTidy());
    EXPECT_TRUE(other.acquire());
}

TEST(TidyOptionsTest, WrongOptionsAreRefused) {
    QString error;
    EXPECT_TRUE(
        parseTidyOptions({QStringLiteral("--prefix=/p"), QStringLiteral("--dry-run")}, 0, error));
    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--start-menu")}, QStringList{QStringLiteral("--prefixx")},
          QStringList{QStringLiteral("now")}}) {
        error.clear();
        EXPECT_FALSE(parseTidyOptions(wrong, 0, error));
        EXPECT_FALSE(error.isEmpty());
    }
}

#ifndef _WIN32
// The login entry is valid whatever the paths hold, and goes when the option is unticked.
TEST(TidyAutostart, TheEntryIsValidAndGoesWhenTurnedOff) {
    TempTree tree;
    ScopedEnvironment config("XDG_CONFIG_HOME", tree.path(QStringLiteral("config")));
    ASSERT_TRUE(setAutostart(true, QStringLiteral("/opt/my \"apps\"/torvane"),
                             QStringLiteral("/home/ann/50% off")));
    EXPECT_TRUE(autostartEnabled());
    if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {autostartEntryPath()});
        ASSERT_TRUE(validate.waitForFinished());
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
        EXPECT_TRUE(validate.readAllStandardOutput().isEmpty());
    }
    ASSERT_TRUE(setAutostart(false, {}, {}));
    EXPECT_FALSE(autostartEnabled());
}
#endif

} // namespace
} // namespace tvn::test
