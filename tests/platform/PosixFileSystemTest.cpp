#include "PosixFileSystem.h"

#include "DosAttributes.h"
#include "TempTree.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tvn {
namespace {

using test::TempTree;

class PosixFileSystemTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return tree.path(relative); }

    QStringList shortcuts(const QString& relative = {}) {
        const auto listing = fs.listFolder(path(relative));
        EXPECT_TRUE(listing.has_value());
        return listing ? listing->shortcuts : QStringList();
    }

    QStringList subfolders(const QString& relative = {}) {
        const auto listing = fs.listFolder(path(relative));
        EXPECT_TRUE(listing.has_value());
        return listing ? listing->subfolders : QStringList();
    }

    // Marks the entry with a DOS attribute value; false when the file system keeps no user
    // attributes.
    bool setDosAttribute(const QString& relative, QByteArrayView value) {
        const QByteArray native = path(relative).toUtf8();
        return ::setxattr(native.constData(), kDosAttributeName, value.data(),
                          static_cast<size_t>(value.size()), 0) == 0;
    }

    TempTree tree;
    PosixFileSystem fs;
};

// Limits the size of files this process may write, so that writing more fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(PosixFileSystemTest, ResolvesEveryNameIgnoringCase) {
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

TEST_F(PosixFileSystemTest, AmongCaseVariantsTheFirstInNameOrderIsReached) {
    tree.write("abc.txt", "lower");
    tree.write("ABC.txt", "upper");
    EXPECT_EQ(fs.readFile(path("Abc.txt")), QByteArray("upper"));
    EXPECT_EQ(fs.readFile(path("abc.txt")), QByteArray("lower"));
}

TEST_F(PosixFileSystemTest, NewNamesLandOnTheExistingEntryOfAnotherCase) {
    tree.write("Source.lnk", "new");
    tree.write("Giochi/x.LNK", "old");
    ASSERT_TRUE(fs.copyFile(path("Source.lnk"), path("GIOCHI/X.lnk")));
    EXPECT_EQ(tree.snapshot("Giochi"), (std::map<QString, QByteArray>{{"x.LNK", "new"}}));

    EXPECT_FALSE(fs.createFolder(path("giochi")));
    EXPECT_TRUE(fs.createFolder(path("GIOCHI/Carte")));
    EXPECT_TRUE(tree.exists("Giochi/Carte"));

    tree.write("Config.tvn", "old settings");
    ASSERT_TRUE(fs.writeFile(path("CONFIG.TVN"), "new settings"));
    EXPECT_EQ(tree.read("Config.tvn"), QByteArray("new settings"));
    EXPECT_FALSE(tree.exists("CONFIG.TVN"));
}

TEST_F(PosixFileSystemTest, ListsShortcutsAndSubfoldersInNameOrder) {
    for (const char* name : {"b.lnk", "A.LNK", "c.Lnk", "a.lnk", "x.lnk2", "readme.txt", "lnk",
                             ".lnk", "Zeta/z.lnk", "alpha/a.lnk", "Beta/b.lnk"})
        tree.write(name);
    tree.makeFolder("Folder.lnk");
    EXPECT_EQ(shortcuts(), (QStringList{"A.LNK", "a.lnk", "b.lnk", "c.Lnk"}));
    EXPECT_EQ(subfolders(),
              (QStringList{path("alpha"), path("Beta"), path("Folder.lnk"), path("Zeta")}));
}

TEST_F(PosixFileSystemTest, SubfolderPathsKeepTheCallersSpellingOfTheFolder) {
    tree.write("Menu/Giochi/a.lnk");
    const auto listing = fs.listFolder(path("MENU"));
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->subfolders, QStringList{path("MENU") + "/Giochi"});
}

TEST_F(PosixFileSystemTest, LeavesOutDotNamesAndNamesThatAreNotUtf8) {
    tree.write(".hidden.lnk");
    tree.write(".cache/a.lnk");
    tree.write("visible.lnk");
    const QByteArray bad = path("").toUtf8() + "/caf\xe9.lnk";
    const int fd = ::open(bad.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(shortcuts(), QStringList{"visible.lnk"});
    EXPECT_EQ(subfolders(), QStringList());
}

TEST_F(PosixFileSystemTest, LeavesOutEntriesMarkedHiddenOrSystem) {
    tree.write("wine-hidden.lnk");
    tree.write("shell-hidden.lnk");
    tree.write("system.lnk");
    tree.write("archive.lnk");
    tree.write("garbage.lnk");
    tree.write("Hidden folder/a.lnk");
    tree.write("Archive folder/a.lnk");
    if (!setDosAttribute("wine-hidden.lnk", "0x22"))
        GTEST_SKIP() << "the temporary file system keeps no user extended attributes";
    ASSERT_TRUE(setDosAttribute("shell-hidden.lnk", "\"0x2\""));
    ASSERT_TRUE(setDosAttribute("system.lnk", QByteArrayView("0x4\0", 4)));
    ASSERT_TRUE(setDosAttribute("archive.lnk", "0x20"));
    ASSERT_TRUE(setDosAttribute("garbage.lnk", "hidden"));
    ASSERT_TRUE(setDosAttribute("Hidden folder", "0x12"));
    ASSERT_TRUE(setDosAttribute("Archive folder", "0x10"));
    EXPECT_EQ(shortcuts(), (QStringList{"archive.lnk", "garbage.lnk"}));
    EXPECT_EQ(subfolders(), QStringList{path("Archive folder")});
}

TEST_F(PosixFileSystemTest, LinksToFilesCountButLinksToFoldersAreNotFollowed) {
    tree.write("Games/real.lnk");
    ASSERT_EQ(::symlink("..", path("Games/loop").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("real.lnk", path("Games/alias.lnk").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("missing", path("Games/dead.lnk").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("..", path("Games/up.lnk").toUtf8().constData()), 0);
    const auto listing = fs.listFolder(path("Games"));
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->shortcuts, (QStringList{"alias.lnk", "real.lnk"}));
    EXPECT_TRUE(listing->subfolders.isEmpty());
}

TEST_F(PosixFileSystemTest, ListingAMissingFolderOrAFileFails) {
    tree.write("file.lnk");
    EXPECT_FALSE(fs.listFolder(path("missing")).has_value());
    EXPECT_FALSE(fs.listFolder(path("file.lnk")).has_value());
    EXPECT_EQ(fs.shortcutFiles(path("missing")), std::nullopt);
}

TEST_F(PosixFileSystemTest, RenameNeverReplaces) {
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

TEST_F(PosixFileSystemTest, RenameMayChangeOnlyTheLetterCase) {
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

TEST_F(PosixFileSystemTest, CopyReplacesTheTargetAndLeavesNoTemporaryFile) {
    tree.write("Programs/Editor.lnk", "editor");
    tree.write("Office/Editor.lnk", "stale");
    ASSERT_TRUE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/Editor.lnk")));
    ASSERT_TRUE(fs.copyFile(path("Programs/Editor.lnk"), path("Office/Copy.lnk")));
    EXPECT_EQ(tree.snapshot("Office"),
              (std::map<QString, QByteArray>{{"Copy.lnk", "editor"}, {"Editor.lnk", "editor"}}));
    EXPECT_EQ(tree.read("Programs/Editor.lnk"), QByteArray("editor"));
}

TEST_F(PosixFileSystemTest, CopyRefusesFoldersMissingSourcesAndItself) {
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

TEST_F(PosixFileSystemTest, FailedCopyLeavesThePreviousTarget) {
    tree.write("Office/Editor.lnk", "previous");
    const auto before = tree.snapshot();
    // The kernel reports this file as empty but reads more: the size check catches it.
    EXPECT_FALSE(fs.copyFile("/proc/self/status", path("Office/Editor.lnk")));
    EXPECT_EQ(tree.snapshot(), before);

    tree.write("big.lnk", QByteArray(64 * 1024, 'x'));
    const auto withSource = tree.snapshot();
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(fs.copyFile(path("big.lnk"), path("Office/Editor.lnk")));
    }
    EXPECT_EQ(tree.snapshot(), withSource);
}

TEST_F(PosixFileSystemTest, WriteFileKeepsThePreviousContentOnFailure) {
    tree.write("Config.tvn", "previous");
    ASSERT_TRUE(fs.writeFile(path("New.tvn"), "fresh"));
    EXPECT_EQ(tree.read("New.tvn"), QByteArray("fresh"));
    const auto before = tree.snapshot();
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(fs.writeFile(path("Config.tvn"), QByteArray(64 * 1024, 'x')));
    }
    EXPECT_FALSE(fs.writeFile(path("Missing/Config.tvn"), "x"));
    tree.makeFolder("Folder");
    EXPECT_FALSE(fs.writeFile(path("folder"), "x"));
    EXPECT_EQ(tree.snapshot(), [&] {
        auto expected = before;
        expected["Folder"] = "<dir>";
        return expected;
    }());
}

TEST_F(PosixFileSystemTest, DeleteFileRemovesFilesOnly) {
    tree.write("Giochi/a.lnk");
    EXPECT_FALSE(fs.deleteFile(path("Giochi")));
    EXPECT_FALSE(fs.deleteFile(path("Giochi/b.lnk")));
    EXPECT_TRUE(fs.deleteFile(path("GIOCHI/A.LNK")));
    EXPECT_FALSE(tree.exists("Giochi/a.lnk"));
    EXPECT_TRUE(tree.exists("Giochi"));
}

TEST_F(PosixFileSystemTest, RemoveFolderOnlyWhenEmpty) {
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

TEST_F(PosixFileSystemTest, ReadFileIsBounded) {
    tree.write("data.tvn", "0123456789");
    tree.makeFolder("Folder");
    EXPECT_EQ(fs.readFile(path("data.tvn"), 4), QByteArray("0123"));
    EXPECT_EQ(fs.readFile(path("data.tvn"), 0), QByteArray());
    EXPECT_EQ(fs.readFile(path("data.tvn")), QByteArray("0123456789"));
    EXPECT_EQ(fs.readFile(path("missing.tvn")), std::nullopt);
    EXPECT_EQ(fs.readFile(path("Folder")), std::nullopt);
    // A file whose size the kernel does not know is still read up to the bound.
    const auto status = fs.readFile("/proc/self/status", 5);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->size(), 5);
}

TEST_F(PosixFileSystemTest, IdentityFollowsLinks) {
    tree.write("Programs/a.lnk");
    tree.write("Other/a.lnk");
    ASSERT_EQ(::symlink("Programs", path("Link").toUtf8().constData()), 0);
    EXPECT_EQ(fs.identity(path("link")), fs.identity(path("programs")));
    EXPECT_NE(fs.identity(path("Other")), fs.identity(path("Programs")));
}

} // namespace
} // namespace tvn
