#include "platform/ProgramFolders.h"

#include "platform/NativeFileSystem.h"
#include "platform/ProgramFolderLock.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <memory>
#include <QDir>

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

// One running program per program folder, however the folder is spelt and whatever the
// environment says of the temporary and home folders; the program folder is left as it was.
TEST(ProgramFoldersTest, OneProgramFolderIsHeldByOneRunningProgramAtATime) {
    TempTree tree;
    tree.makeFolder("Torvane/Sub");
    auto first = std::make_unique<ProgramFolderLock>(tree.path("Torvane"));
    ASSERT_TRUE(first->acquire());
    const QByteArray home = qgetenv("HOME");
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("HOME", tree.path("Torvane/Sub").toUtf8());
    qputenv("TMPDIR", tree.path("Torvane/Sub").toUtf8());
    ProgramFolderLock second(tree.path("Torvane/Sub/.."));
    ProgramFolderLock third(tree.path("Torvane/Sub/../../Torvane"));
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(third.acquire());
    qputenv("HOME", home);
    if (temporary.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporary);
    EXPECT_TRUE(ProgramFolderLock(tree.path("Other")).acquire());
    EXPECT_EQ(QDir(tree.path("Torvane")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Sub"})
        << "the program folder holds no lock";

    first.reset();
    EXPECT_TRUE(second.acquire());
}

} // namespace
} // namespace tvn
