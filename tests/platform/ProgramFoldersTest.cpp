#include "platform/ProgramFolders.h"

#include "platform/NativeFileSystem.h"
#include "platform/ProgramFolderLock.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

namespace tvn {
namespace {

using test::TempTree;

// Where the start takes its folders from: a build tree's staged program folder, an installed
// program, or an executable with no data files anywhere.
TEST(ProgramFoldersTest, TheShippedFilesBesideTheExecutableOrInShareDecideTheProgramFolder) {
    struct Layout {
        const char* what;
        QStringList files;
        const char* executableFolder;
        const char* userData; // relative to the tree; nullptr: none could be named
        const char* appFolder;
        const char* shippedFolder;
    };
    const Layout layouts[] = {
        {"build tree, even with a share folder above it",
         {"build/app/Default.tvn", "build/share/torvane/Default.tvn"},
         "build/app",
         "home/.local/share/torvane",
         "cwd",
         ""},
        {"installed",
         {"usr/share/torvane/Default.tvn"},
         "usr/bin",
         "home/.local/share/torvane",
         "home/.local/share/torvane",
         "usr/share/torvane"},
        {"installed, no user data folder",
         {"usr/share/torvane/Default.tvn"},
         "usr/bin",
         nullptr,
         "cwd",
         ""},
        {"no data files anywhere", {}, "usr/bin", "home/.local/share/torvane", "cwd", ""},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        TempTree tree;
        tree.makeFolder("cwd");
        tree.makeFolder(layout.executableFolder);
        for (const QString& file : layout.files)
            tree.write(file, "\"games\"\r\n");
        const QString userData = layout.userData ? tree.path(layout.userData) : QString();

        const ProgramFolders folders = programFoldersAtStart(
            {tree.path(layout.executableFolder), QStringLiteral("../share/torvane"),
             QDir::fromNativeSeparators(tree.path("cwd")), userData});

        EXPECT_EQ(folders.appFolder, tree.path(layout.appFolder));
        EXPECT_EQ(folders.shippedFolder,
                  *layout.shippedFolder ? tree.path(layout.shippedFolder) : QString());
        // The user's data folder is made only when the program uses it.
        EXPECT_EQ(tree.exists("home"), folders.appFolder == userData);
    }
}

TEST(ProgramFoldersTest, TheUsersFileOfTheSameNameIsReadInsteadOfTheShippedOne) {
    TempTree tree;
    tree.write("user/Txt (fr).tvn", "mine");
    tree.write("shared/Txt (fr).tvn", "shipped");
    tree.write("shared/Txt (it).tvn", "shipped");
    NativeFileSystem fs;
    const ProgramFolders installed{tree.path("user"), tree.path("shared")};
    EXPECT_EQ(dataFilePath(fs, installed, "Txt (fr).tvn"), tree.path("user/Txt (fr).tvn"));
    EXPECT_EQ(dataFilePath(fs, installed, "Txt (it).tvn"), tree.path("shared/Txt (it).tvn"));
    // From a program folder, every file is looked for there, missing or not.
    const ProgramFolders programFolder{tree.path("shared"), {}};
    EXPECT_EQ(dataFilePath(fs, programFolder, "Custom.tvn"), tree.path("shared/Custom.tvn"));
}

// One running program per program folder, however the folder is spelt; a lock whose program
// is gone (killed) is taken over.
TEST(ProgramFoldersTest, OneProgramFolderIsHeldByOneRunningProgramAtATime) {
    TempTree tree;
    tree.makeFolder("Torvane/Sub");
    auto first = std::make_unique<ProgramFolderLock>(tree.path("Torvane"));
    ASSERT_TRUE(first->acquire());
    ProgramFolderLock second(tree.path("Torvane/Sub/.."));
    ProgramFolderLock third(tree.path("Torvane/Sub/../../Torvane"));
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(third.acquire());
    EXPECT_TRUE(ProgramFolderLock(tree.path("Other")).acquire());
    EXPECT_EQ(QDir(tree.path("Torvane")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Sub"})
        << "the program folder holds no lock";

    first.reset();
    EXPECT_TRUE(second.acquire());

    // Under Wine a new process may get the number of a killed one: a record in this process's
    // name, which it does not hold, was left behind.
    const QString otherLock = ProgramFolderLock::lockPath(tree.path("Other"));
    QByteArray record;
    {
        QLockFile qtLock(otherLock);
        ASSERT_TRUE(qtLock.tryLock(0));
        QFile written(otherLock);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        record = written.readAll();
    }
    QFile left(otherLock);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write(record);
    left.close();
    EXPECT_TRUE(ProgramFolderLock(tree.path("Other")).acquire());

#ifndef _WIN32
    // A program killed outright leaves its record behind; the next start takes it over. The
    // record written here is in the form Qt writes on Linux; under Wine Qt reads a dead
    // process's record by rules of its own, so this part runs on Linux only.
    QFile killed(ProgramFolderLock::lockPath(tree.path("Other")));
    ASSERT_TRUE(killed.open(QIODevice::WriteOnly));
    killed.write("2147483646\ntorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    killed.close();
    EXPECT_TRUE(ProgramFolderLock(tree.path("Other")).acquire());
#endif
}

} // namespace
} // namespace tvn
