#include "store/SettingsCheck.h"

#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/PrintQString.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace tvn::test {
namespace {

using Box = SettingsProblem::Box;

TEST(SettingsCheck, TypedFoldersBecomeAbsoluteWhereverTheProgramStarts) {
    const QString home = QDir::toNativeSeparators(QStringLiteral("/home/ann"));
    const QString current = QDir::toNativeSeparators(QStringLiteral("/work/here"));
    const auto resolved = [&](const char* typed) {
        return QDir::fromNativeSeparators(resolvedFolder(typed, home, current));
    };
    EXPECT_EQ(resolved("~"), "/home/ann");
    EXPECT_EQ(resolved(" ~/.wine/Start Menu/ "), "/home/ann/.wine/Start Menu");
    EXPECT_EQ(resolved("menu/../Start Menu/./Programs"), "/work/here/Start Menu/Programs");
    EXPECT_EQ(resolved("/p/Start Menu/"), "/p/Start Menu");
    EXPECT_EQ(resolved("~ann"), "/work/here/~ann");
    EXPECT_EQ(resolved(""), "");
}

// Each box's problem is found and named by its box; two good folders pass.
TEST(SettingsCheck, NamesTheBoxAndWhatIsWrongWithIt) {
    TempTree tree;
    tree.write("Start Menu/Programs/A.lnk");
    tree.write("a file.lnk");
    tree.makeFolder("Locked");
    NativeFileSystem disk;
    FaultInjectingFileSystem fs(disk);
    fs.failWhen([&](const FaultInjectingFileSystem::Operation& op) {
        return op.kind == FaultInjectingFileSystem::Kind::ListFolder &&
               op.path == tree.path("Locked");
    });
    const QString menu = tree.path("Start Menu");
    const QString programs = tree.path("Start Menu/Programs");
    const QString home = tree.path();
    const auto check = [&](const QString& startMenu, const QString& programsFolder) {
        return settingsProblem(fs, startMenu, programsFolder, home);
    };
    EXPECT_EQ(check(menu, programs), std::nullopt);
    EXPECT_EQ(check({}, programs), (SettingsProblem{Box::StartMenu, FolderProblem::Empty}));
    EXPECT_EQ(check(menu, {}), (SettingsProblem{Box::Programs, FolderProblem::Empty}));
    EXPECT_EQ(check(menu, tree.path("Gone")),
              (SettingsProblem{Box::Programs, FolderProblem::Missing}));
    EXPECT_EQ(check(tree.path("a file.lnk"), programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::NotAFolder}));
    EXPECT_EQ(check(tree.path("Locked"), programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::Unreadable}));
    EXPECT_EQ(check(menu + "\"", programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::Quote}));
    EXPECT_EQ(check(joinPath(menu, QString(5000, u'x')), programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::TooLong}));
    EXPECT_EQ(check(home, programs), (SettingsProblem{Box::StartMenu, FolderProblem::HomeFolder}));
    tree.makeFolder("Elsewhere");
    EXPECT_EQ(check(menu, tree.path("Elsewhere")),
              (SettingsProblem{Box::Programs, FolderProblem::OutsideStartMenu}));
    EXPECT_EQ(check(menu, menu), (SettingsProblem{Box::Programs, FolderProblem::OutsideStartMenu}));
    EXPECT_EQ(check(QDir::toNativeSeparators(QDir::rootPath()), programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::FileSystemRoot}));
#ifndef _WIN32
    // Wine's drive Z: is the whole file system.
    EXPECT_EQ(check(QStringLiteral("/usr/share"), programs),
              (SettingsProblem{Box::StartMenu, FolderProblem::SystemFolder}));
    EXPECT_EQ(check(menu, QStringLiteral("/proc")),
              (SettingsProblem{Box::Programs, FolderProblem::FileSystemRoot}));
#endif
}

#ifndef _WIN32
// A link is judged by where it leads: Wine's drive link to "/", a link to a system folder or to
// a prefix's Windows folder is refused like the folder itself.
TEST(SettingsCheck, FoldersAreJudgedWhereTheyReallyLie) {
    TempTree tree;
    tree.write("p/drive_c/users/ann/Start Menu/Programs/A.lnk");
    tree.makeFolder("p/drive_c/windows/system32");
    tree.makeFolder("p/dosdevices");
    ASSERT_TRUE(QFile::link("/", tree.path("p/dosdevices/z:")));
    ASSERT_TRUE(QFile::link("/srv", tree.path("srv")));
    ASSERT_TRUE(QFile::link(tree.path("p/drive_c/windows"), tree.path("win")));
    NativeFileSystem fs;
    const QString programs = tree.path("p/drive_c/users/ann/Start Menu/Programs");
    const auto problemOf = [&](const QString& startMenu) {
        const auto problem = settingsProblem(fs, startMenu, programs, tree.path("home"));
        return problem ? std::optional(problem->problem) : std::nullopt;
    };
    EXPECT_EQ(problemOf(tree.path("p/dosdevices/z:")), FolderProblem::FileSystemRoot);
    EXPECT_EQ(problemOf(tree.path("srv")), FolderProblem::SystemFolder);
    EXPECT_EQ(problemOf(tree.path("win")), FolderProblem::WindowsFolder);
    EXPECT_EQ(problemOf(tree.path("p/drive_c/windows/system32")), FolderProblem::WindowsFolder);
    EXPECT_EQ(problemOf(tree.path("p/drive_c/users/ann/Start Menu")), std::nullopt);
}
#endif

} // namespace
} // namespace tvn::test
