#include "platform/Win32FileSystem.h"

#include "FileSystemTest.h"
#include "platform/Paths.h"
#include "tests/support/NativeFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <windows.h>

namespace tvn {
namespace {

// The Windows side of the file system: real file attributes, short names, reparse points and
// the temporary files behind copies and writes.
class Win32FileSystemTest : public test::FileSystemTest<Win32FileSystem> {
protected:
    bool setAttributes(const QString& relative, DWORD attributes) {
        return SetFileAttributesW(reinterpret_cast<const wchar_t*>(path(relative).utf16()),
                                  attributes);
    }

    DWORD attributes(const QString& relative) const {
        return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path(relative).utf16()));
    }

    // Every entry of a folder, hidden ones and temporaries included.
    QStringList everything(const QString& relative = {}) const {
        return QDir(path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }
};

TEST_F(Win32FileSystemTest, ListingsLeaveOutFilesMarkedHiddenOrSystemButNoFolder) {
    for (const char* name : {"hidden.lnk", "system.lnk", "both.lnk", "archive.lnk", "readonly.lnk",
                             "Hidden folder/a.lnk", "System folder/a.lnk", "Archive folder/a.lnk"})
        tree.write(name);
    ASSERT_TRUE(setAttributes("hidden.lnk", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(setAttributes("system.lnk", FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(setAttributes("both.lnk", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(setAttributes("archive.lnk", FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(setAttributes("readonly.lnk", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(setAttributes("Hidden folder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(setAttributes("System folder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(shortcuts(), (QStringList{"archive.lnk", "readonly.lnk"}));
    EXPECT_EQ(subfolders(),
              (QStringList{path("Archive folder"), path("Hidden folder"), path("System folder")}));
    // The shared helper marks files the same way.
    ASSERT_TRUE(test::setDosAttributes(path("archive.lnk"), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(shortcuts(), QStringList{"readonly.lnk"});
    ASSERT_TRUE(setAttributes("readonly.lnk", FILE_ATTRIBUTE_NORMAL));
}

TEST_F(Win32FileSystemTest, ShortNamesDoNotMakeLongerExtensionsShortcuts) {
    // "*.lnk" matches these through their 8.3 names: the listing must check the suffix itself.
    for (const char* name : {"x.lnk2", "Long name.lnkx", "y.lnk~", "z.lnk"})
        tree.write(name);
    EXPECT_EQ(shortcuts(), QStringList{"z.lnk"});
}

TEST_F(Win32FileSystemTest, ListsADriveRootAndJoinsItsEntriesWithOneSeparator) {
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    ASSERT_TRUE(root.endsWith(QChar(kPathSeparator)));
    const auto listing = fs.listFolder(root);
    ASSERT_TRUE(listing.has_value());
    for (const QString& folder : listing->subfolders) {
        EXPECT_TRUE(folder.startsWith(root)) << folder.toStdString();
        EXPECT_FALSE(folder.mid(root.size()).contains(QChar(kPathSeparator)))
            << folder.toStdString();
    }
}

TEST_F(Win32FileSystemTest, ReparsePointsToFoldersAreNotSubfolders) {
    tree.write("Games/real.lnk");
    if (!test::makeFolderLink(QStringLiteral(".."), path("Games/loop")))
        GTEST_SKIP() << "this system makes no folder links";
    EXPECT_EQ(subfolders("Games"), QStringList());
    EXPECT_EQ(shortcuts("Games"), QStringList{"real.lnk"});
    EXPECT_FALSE(fs.removeFolder(path("Games/loop")));
    EXPECT_EQ(fs.identity(path("Games/loop")), fs.identity(path("")));
}

TEST_F(Win32FileSystemTest, CopyAndWriteLeaveNoTemporaryBehind) {
    tree.write("Programs/Editor.lnk", "editor");
    tree.write("Office/Editor.lnk", "stale");
    ASSERT_TRUE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/EDITOR.LNK")));
    ASSERT_TRUE(fs.writeFile(path("Office/Config.tvn"), "settings"));
    // A failed copy (the source is missing) and a failed write (the target is a folder) too.
    tree.makeFolder("Office/Folder.tvn");
    EXPECT_FALSE(fs.copyFile(path("Programs/Missing.lnk"), path("Office/Editor.lnk")));
    EXPECT_FALSE(fs.writeFile(path("Office/Folder.tvn"), "x"));
    EXPECT_EQ(everything("Office"), (QStringList{"Config.tvn", "Editor.lnk", "Folder.tvn"}));
    EXPECT_EQ(tree.read("Office/Editor.lnk"), QByteArray("editor"));
}

TEST_F(Win32FileSystemTest, ReplacingAFileKeepsItsHiddenMarkAndAReadOnlyFileIsNotReplaced) {
    tree.write("Config.tvn", "previous");
    ASSERT_TRUE(setAttributes("Config.tvn", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(fs.writeFile(path("Config.tvn"), "next"));
    EXPECT_EQ(tree.read("Config.tvn"), QByteArray("next"));
    EXPECT_NE(attributes("Config.tvn") & FILE_ATTRIBUTE_HIDDEN, 0u);

    // A read-only file is not replaced, by a write or a copy.
    tree.write("Locked.lnk", "locked");
    ASSERT_TRUE(setAttributes("Locked.lnk", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(fs.writeFile(path("Locked.lnk"), "changed"));
    EXPECT_FALSE(fs.copyFile(path("Config.tvn"), path("Locked.lnk")));
    EXPECT_EQ(tree.read("Locked.lnk"), QByteArray("locked"));
    EXPECT_EQ(everything(), (QStringList{"Config.tvn", "Locked.lnk"}));
    // Its copy is the program's to remove again.
    ASSERT_TRUE(fs.copyFile(path("Locked.lnk"), path("Copy.lnk")));
    EXPECT_EQ(attributes("Copy.lnk") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(fs.deleteFile(path("Copy.lnk")));
    ASSERT_TRUE(setAttributes("Locked.lnk", FILE_ATTRIBUTE_NORMAL));
}

TEST_F(Win32FileSystemTest, ForwardSlashesAndANulInAPath) {
    tree.write("Menu/Giochi/a.lnk", "a");
    const QString slashed = QDir::fromNativeSeparators(path("Menu"));
    EXPECT_TRUE(fs.folderExists(slashed + "/Giochi"));
    EXPECT_EQ(fs.readFile(slashed + "/giochi/A.LNK"), QByteArray("a"));
    // Cut at the NUL, this path would name the folder "Menu".
    const QString withNul = path("Menu") + QChar(u'\0') + "x";
    EXPECT_FALSE(fs.folderExists(withNul));
    EXPECT_FALSE(fs.removeFolder(path("Menu/Giochi") + QChar(u'\0')));
    EXPECT_FALSE(fs.listFolder(withNul).has_value());
    EXPECT_TRUE(tree.exists("Menu/Giochi/a.lnk"));
}

} // namespace
} // namespace tvn
