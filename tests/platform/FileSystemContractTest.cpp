#include "FileSystemTest.h"
#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

// What every platform's file system does the same way: the program's logic relies on it.
namespace tvn::test {
namespace {

using FileSystemContractTest = FileSystemTest<NativeFileSystem>;

TEST_F(FileSystemContractTest, ResolvesEveryNameIgnoringCase) {
    tree.write("Start Menu/Giochi/Solitario.lnk", "cards");
    EXPECT_TRUE(fs.fileExists(path("START MENU/giochi/SOLITARIO.LNK")));
    EXPECT_TRUE(fs.folderExists(path("start menu/GIOCHI")));
    EXPECT_EQ(fs.readFile(path("Start menu/Giochi/solitario.lnk")), QByteArray("cards"));
    EXPECT_EQ(fs.identity(path("START MENU/GIOCHI")), fs.identity(path("Start Menu/Giochi")));
    EXPECT_TRUE(fs.identity(path("Start Menu/Giochi")).has_value());

    EXPECT_FALSE(fs.fileExists(path("Start Menu/Giochi")));
    EXPECT_FALSE(fs.folderExists(path("Start Menu/Giochi/Solitario.lnk")));
    EXPECT_FALSE(fs.fileExists(path("Start Menu/Giochi/Poker.lnk")));
    EXPECT_FALSE(fs.folderExists(path("Start Menu/Nothing/Giochi")));
    EXPECT_FALSE(fs.identity(path("Start Menu/Nothing")).has_value());
}

TEST_F(FileSystemContractTest, ListsShortcutsAndSubfoldersInNameOrder) {
    for (const char* name : {"b.lnk", "A.LNK", "c.Lnk", "x.lnk2", "readme.txt", "lnk", ".lnk",
                             "Zeta/z.lnk", "alpha/a.lnk", "Beta/b.lnk"})
        tree.write(name);
    tree.makeFolder("Folder.lnk");
    EXPECT_EQ(shortcuts(), (QStringList{"A.LNK", "b.lnk", "c.Lnk"}));
    EXPECT_EQ(subfolders(),
              (QStringList{path("alpha"), path("Beta"), path("Folder.lnk"), path("Zeta")}));
}

TEST_F(FileSystemContractTest, SubfolderPathsKeepTheCallersSpellingOfTheFolder) {
    tree.write("Menu/Giochi/a.lnk");
    const auto listing = fs.listFolder(path("MENU"));
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->subfolders, QStringList{joinPath(path("MENU"), "Giochi")});
}

TEST_F(FileSystemContractTest, ListingAMissingFolderOrAFileFails) {
    tree.write("file.lnk");
    EXPECT_FALSE(fs.listFolder(path("missing")).has_value());
    EXPECT_FALSE(fs.listFolder(path("file.lnk")).has_value());
    EXPECT_EQ(fs.shortcutFiles(path("missing")), std::nullopt);
}

TEST_F(FileSystemContractTest, FolderContentTellsShortcutsFromEverythingElse) {
    using Content = FileSystem::FolderContent;
    tree.makeFolder("Empty");
    tree.write("Other/desktop.ini");
    tree.makeFolder("Nested/Sub");
    tree.write("Quirk/x.lnk2");
    tree.write("Shortcuts/readme.txt");
    tree.write("Shortcuts/a.LNK");
    EXPECT_EQ(fs.folderContent(path("EMPTY")), Content::Empty);
    EXPECT_EQ(fs.folderContent(path("Other")), Content::NoShortcut);
    EXPECT_EQ(fs.folderContent(path("Nested")), Content::NoShortcut);
    EXPECT_EQ(fs.folderContent(path("Quirk")), Content::NoShortcut);
    EXPECT_EQ(fs.folderContent(path("shortcuts")), Content::Shortcut);
    EXPECT_EQ(fs.folderContent(path("Missing")), std::nullopt);
    EXPECT_EQ(fs.folderContent(path("Other/desktop.ini")), std::nullopt);
}

TEST_F(FileSystemContractTest, RenameNeverReplaces) {
    tree.write("a.lnk", "a");
    tree.write("b.lnk", "b");
    const auto before = tree.snapshot();
    EXPECT_FALSE(fs.rename(path("a.lnk"), path("b.lnk")));
    EXPECT_FALSE(fs.rename(path("a.lnk"), path("B.LNK")));
    EXPECT_FALSE(fs.rename(path("missing.lnk"), path("c.lnk")));
    EXPECT_EQ(tree.snapshot(), before);

    EXPECT_TRUE(fs.rename(path("A.LNK"), path("c.lnk")));
    EXPECT_EQ(tree.snapshot(), (std::map<QString, QByteArray>{{"b.lnk", "b"}, {"c.lnk", "a"}}));
}

TEST_F(FileSystemContractTest, RenameMayChangeOnlyTheLetterCase) {
    tree.write("Giochi/a.lnk");
    ASSERT_TRUE(fs.rename(path("Giochi"), path("GIOCHI")));
    EXPECT_EQ(subfolders(), QStringList{path("GIOCHI")});
    EXPECT_TRUE(fs.rename(path("giochi"), path("GIOCHI")));
    EXPECT_EQ(subfolders(), QStringList{path("GIOCHI")});
    ASSERT_TRUE(fs.rename(path("giochi"), path("_Giochi")));
    ASSERT_TRUE(fs.rename(path("_giochi"), path("Giochi")));
    EXPECT_EQ(subfolders(), QStringList{path("Giochi")});
    EXPECT_TRUE(tree.exists("Giochi/a.lnk"));
}

TEST_F(FileSystemContractTest, CopyReplacesTheTargetAndLeavesNoTemporaryFile) {
    tree.write("Programs/Editor.lnk", "editor");
    tree.write("Office/Editor.lnk", "stale");
    ASSERT_TRUE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/Editor.lnk")));
    ASSERT_TRUE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/Copy.lnk")));
    EXPECT_EQ(tree.snapshot("Office"),
              (std::map<QString, QByteArray>{{"Copy.lnk", "editor"}, {"Editor.lnk", "editor"}}));
    EXPECT_EQ(tree.read("Programs/Editor.lnk"), QByteArray("editor"));
}

TEST_F(FileSystemContractTest, CopyRefusesFoldersMissingSourcesAndItself) {
    tree.write("Programs/Editor.lnk", "editor");
    tree.makeFolder("Office/Editor.lnk");
    tree.write("Notes", "not a folder");
    const auto before = tree.snapshot();
    EXPECT_FALSE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/editor.lnk")));
    EXPECT_FALSE(fs.copyFile(path("Programs/Editor.lnk"), path("Missing/Editor.lnk")));
    EXPECT_FALSE(fs.copyFile(path("Programs/Editor.lnk"), path("Notes/Editor.lnk")));
    EXPECT_FALSE(fs.copyFile(path("Programs/Missing.lnk"), path("Office/Missing.lnk")));
    EXPECT_FALSE(fs.copyFile(path("Programs"), path("Office/Programs")));
    EXPECT_FALSE(fs.copyFile(path("Programs/Editor.lnk"), path("PROGRAMS/EDITOR.LNK")));
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(FileSystemContractTest, DeleteFileRemovesFilesOnly) {
    tree.write("Giochi/a.lnk");
    EXPECT_FALSE(fs.deleteFile(path("Giochi")));
    EXPECT_FALSE(fs.deleteFile(path("Giochi/b.lnk")));
    EXPECT_TRUE(fs.deleteFile(path("GIOCHI/A.LNK")));
    EXPECT_FALSE(tree.exists("Giochi/a.lnk"));
    EXPECT_TRUE(tree.exists("Giochi"));
}

TEST_F(FileSystemContractTest, RemoveFolderOnlyWhenEmpty) {
    tree.write("Giochi/.hidden");
    tree.write("file.lnk");
    tree.makeFolder("Vuoto");
    EXPECT_FALSE(fs.removeFolder(path("Giochi")));
    EXPECT_FALSE(fs.removeFolder(path("file.lnk")));
    EXPECT_FALSE(fs.removeFolder(path("Missing")));
    EXPECT_TRUE(fs.removeFolder(path("VUOTO")));
    EXPECT_FALSE(tree.exists("Vuoto"));
    EXPECT_TRUE(tree.exists("Giochi/.hidden"));
}

TEST_F(FileSystemContractTest, WriteFileReplacesTheContentAndRefusesFoldersAndMissingFolders) {
    tree.write("Config.tvn", "previous");
    ASSERT_TRUE(fs.writeFile(path("New.tvn"), "fresh"));
    ASSERT_TRUE(fs.writeFile(path("config.tvn"), "replaced"));
    tree.makeFolder("Folder");
    EXPECT_FALSE(fs.writeFile(path("Missing/Config.tvn"), "x"));
    EXPECT_FALSE(fs.writeFile(path("folder"), "x"));
    EXPECT_EQ(tree.snapshot(),
              (std::map<QString, QByteArray>{
                  {"Config.tvn", "replaced"}, {"Folder", "<dir>"}, {"New.tvn", "fresh"}}));
}

TEST_F(FileSystemContractTest, ReadFileIsBounded) {
    tree.write("data.tvn", "0123456789");
    tree.makeFolder("Folder");
    EXPECT_EQ(fs.readFile(path("data.tvn"), 4), QByteArray("0123"));
    EXPECT_EQ(fs.readFile(path("data.tvn"), 0), QByteArray());
    EXPECT_EQ(fs.readFile(path("DATA.TVN")), QByteArray("0123456789"));
    EXPECT_EQ(fs.readFile(path("missing.tvn")), std::nullopt);
    EXPECT_EQ(fs.readFile(path("Folder")), std::nullopt);
}

TEST_F(FileSystemContractTest, IdentityTellsObjectsApartWhateverTheSpelling) {
    tree.write("Programs/a.lnk");
    tree.write("Other/a.lnk");
    ASSERT_TRUE(fs.identity(path("Programs")).has_value());
    EXPECT_EQ(fs.identity(path("PROGRAMS")), fs.identity(path("Programs")));
    EXPECT_EQ(fs.identity(path("Other/../programs")), fs.identity(path("Programs")));
    EXPECT_EQ(fs.identity(path("Programs/A.LNK")), fs.identity(path("Programs/a.lnk")));
    EXPECT_NE(fs.identity(path("Other")), fs.identity(path("Programs")));
    EXPECT_NE(fs.identity(path("Other/a.lnk")), fs.identity(path("Programs/a.lnk")));
    EXPECT_EQ(fs.identity(path("Missing")), std::nullopt);
}

TEST_F(FileSystemContractTest, EmptyPathsNameNothing) {
    tree.write("a.lnk");
    EXPECT_FALSE(fs.listFolder(QString()).has_value());
    EXPECT_FALSE(fs.folderExists(QString()));
    EXPECT_FALSE(fs.fileExists(QString()));
    EXPECT_FALSE(fs.createFolder(QString()));
    EXPECT_FALSE(fs.copyFile(path("a.lnk"), QString()));
    EXPECT_FALSE(fs.rename(path("a.lnk"), QString()));
    EXPECT_FALSE(fs.writeFile(QString(), "x"));
    EXPECT_EQ(fs.readFile(QString()), std::nullopt);
    EXPECT_EQ(fs.identity(QString()), std::nullopt);
    EXPECT_TRUE(tree.exists("a.lnk"));
}

} // namespace
} // namespace tvn::test
