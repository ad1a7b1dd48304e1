#include "platform/PosixFileSystem.h"

#include "FileSystemTest.h"
#include "platform/CaseInsensitivePaths.h"
#include "platform/DosAttributes.h"
#include "platform/Paths.h"
#include "tests/support/TempTrash.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <QDir>
#include <QFile>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tvn {
namespace {

// The Linux side of the file system: what only a Linux disk can hold or do (names differing
// only in case, extended attributes, symbolic links, kernel files, size limits).
class PosixFileSystemTest : public test::FileSystemTest<PosixFileSystem> {
protected:
    // Marks the entry with a DOS attribute value; false when the file system keeps no user
    // attributes.
    bool setDosAttribute(const QString& relative, QByteArrayView value) {
        const QByteArray native = path(relative).toUtf8();
        return ::setxattr(native.constData(), kDosAttributeName, value.data(),
                          static_cast<size_t>(value.size()), 0) == 0;
    }
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

TEST_F(PosixFileSystemTest, AmongCaseVariantsTheFirstInNameOrderIsReached) {
    tree.write("abc.txt", "lower");
    tree.write("ABC.txt", "upper");
    EXPECT_EQ(fs.readFile(path("Abc.txt")), QByteArray("upper"));
    EXPECT_EQ(fs.readFile(path("abc.txt")), QByteArray("lower"));
}

TEST_F(PosixFileSystemTest, NamesDifferingOnlyInCaseAreListedInTheOrderOfTheirBytes) {
    for (const char* name : {"b.lnk", "a.lnk", "A.LNK", "a.LNK", "Giochi/x.lnk", "giochi/x.lnk"})
        tree.write(name);
    EXPECT_EQ(shortcuts(), (QStringList{"A.LNK", "a.LNK", "a.lnk", "b.lnk"}));
    EXPECT_EQ(subfolders(), (QStringList{path("Giochi"), path("giochi")}));
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

TEST_F(PosixFileSystemTest, LeavesOutDotFilesButListsDotFolders) {
    tree.write(".hidden.lnk");
    tree.write(".cache/a.lnk");
    tree.write("visible.lnk");
    EXPECT_EQ(shortcuts(), QStringList{"visible.lnk"});
    EXPECT_EQ(subfolders(), QStringList{path(".cache")});
}

TEST(PosixNames, EveryByteStringSurvivesDecodingAndEncoding) {
    // Latin-1, a cut sequence, a lone continuation byte, an overlong NUL, an encoded surrogate,
    // U+10080 (whose second half lies in the escape range) and an escape right after it.
    for (const QByteArray& bytes :
         {QByteArray("Caf\xe9"), QByteArray("\xe2\x82"),
          QByteArray("a\x80"
                     "b"),
          QByteArray("\xc0\x80"), QByteArray("\xed\xb2\x80"), QByteArray("\xf0\x90\x82\x80"),
          QByteArray("\xf0\x90\x82\x80\x80"), QByteArray("\xc3\xa9t\xc3\xa9"),
          QByteArray("\xff\xfe")}) {
        const QString text = posix::decodeName(bytes);
        EXPECT_EQ(posix::encodeName(text), bytes) << bytes.toHex().toStdString();
    }
    EXPECT_EQ(posix::decodeName(QByteArray("\xc3\xa9t\xc3\xa9")),
              QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(posix::decodeName(QByteArray("\xf0\x90\x82\x80")).size(), 2);
}

// Bytes that are not UTF-8 (Latin-1 "Café", "Jeux vidéo") stay reachable under their own name.
TEST_F(PosixFileSystemTest, NamesThatAreNotUtf8AreListedCopiedAndDeletedUnderTheirOwnBytes) {
    const auto onDisk = [&](const char* relative) {
        return (path("").toUtf8() + relative);
    };
    struct stat st;
    ASSERT_EQ(::mkdir(onDisk("/Jeux vid\xe9o").constData(), 0755), 0);
    const int fd =
        ::open(onDisk("/Jeux vid\xe9o/Caf\xe9.lnk").constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    tree.makeFolder("Copies");

    const QStringList folders = subfolders();
    ASSERT_EQ(folders.size(), 2);
    const QString games = folders[1];
    EXPECT_EQ(games, path(QStringLiteral("Jeux vid") + QChar(0xdce9) + u'o'));
    const QString name = QStringLiteral("Caf") + QChar(0xdce9) + QStringLiteral(".lnk");
    EXPECT_EQ(fs.shortcutFiles(games), QStringList{name});
    // (QString::toUpper would turn the escaped byte into U+FFFD.)
    EXPECT_TRUE(fs.fileExists(
        joinPath(games, QStringLiteral("CAF") + QChar(0xdce9) + QStringLiteral(".LNK"))));

    ASSERT_TRUE(fs.copyFile(joinPath(games, name), joinPath(path("Copies"), name)));
    EXPECT_EQ(::stat(onDisk("/Copies/Caf\xe9.lnk").constData(), &st), 0);
    EXPECT_TRUE(fs.deleteFile(joinPath(path("Copies"), name)));
    ASSERT_TRUE(fs.deleteFile(joinPath(games, name)));
    EXPECT_NE(::stat(onDisk("/Jeux vid\xe9o/Caf\xe9.lnk").constData(), &st), 0);
    EXPECT_TRUE(fs.removeFolder(games));
}

// The freedesktop trash: the file and its record go in, come back out, and nothing is replaced.
TEST_F(PosixFileSystemTest, TrashTakesFilesUnderTheirDiskNameAndGivesThemBack) {
    test::TempTrash trash;
    tree.write("Giochi/Chess.LNK", "chess");
    tree.write("Giochi/Go.lnk", "go");
    tree.makeFolder("Giochi/Folder");

    const auto chess = fs.moveToTrash(path("giochi/chess.lnk"));
    ASSERT_TRUE(chess.has_value());
    EXPECT_EQ(chess->original, path("Giochi/Chess.LNK"));
    EXPECT_FALSE(tree.exists("Giochi/Chess.LNK"));
    EXPECT_EQ(trash.files(), QStringList{"Chess.LNK"});
    EXPECT_EQ(trash.records(), QStringList{"Chess.LNK.trashinfo"});
    EXPECT_FALSE(fs.moveToTrash(path("Giochi/Folder")).has_value());
    EXPECT_FALSE(fs.moveToTrash(path("Giochi/Missing.lnk")).has_value());

    // Something that took its place meanwhile is never replaced.
    tree.write("Giochi/CHESS.lnk", "new");
    EXPECT_FALSE(fs.restoreFromTrash(*chess));
    ASSERT_TRUE(fs.deleteFile(path("Giochi/CHESS.lnk")));
    ASSERT_TRUE(fs.restoreFromTrash(*chess));
    EXPECT_EQ(tree.read("Giochi/Chess.LNK"), "chess");
    EXPECT_TRUE(trash.files().isEmpty());
    EXPECT_TRUE(trash.records().isEmpty());
    EXPECT_FALSE(fs.restoreFromTrash(*chess));
}

// Names the trash once refused or looped on: the longest name a disk allows, bytes that are not
// UTF-8, a name already in the trash, and a data folder that does not exist yet. Each goes in
// at once and comes back whole.
TEST_F(PosixFileSystemTest, TrashTakesAnyNameIntoAFreshDataFolderAndGivesItBack) {
    test::TempTrash trash;
    const QByteArray freshData =
        QFile::encodeName(QDir::cleanPath(trash.filesFolder() + "/../../new/share"));
    qputenv("XDG_DATA_HOME", freshData);
    const QByteArray root = path("").toUtf8();
    const QByteArray longest = QByteArray(251, 'x') + ".lnk";
    const QByteArray latin1 = "Caf\xe9.lnk";
    tree.write("Giochi/Chess.lnk", "first chess");
    std::vector<QString> names{QString::fromUtf8(longest), posix::decodeName(latin1),
                               QStringLiteral("Chess.lnk")};
    for (const QByteArray& bytes : {longest, latin1}) {
        const int fd = ::open((root + "/Giochi/" + bytes).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }

    const auto firstChess = fs.moveToTrash(path("Giochi/Chess.lnk"));
    ASSERT_TRUE(firstChess.has_value());
    tree.write("Giochi/Chess.lnk", "second chess");
    std::vector<FileSystem::TrashedFile> trashed;
    for (const QString& name : names) {
        const auto file = fs.moveToTrash(joinPath(path("Giochi"), name));
        ASSERT_TRUE(file.has_value()) << name.toStdString();
        EXPECT_TRUE(file->trashed.startsWith(QFile::decodeName(freshData)));
        trashed.push_back(*file);
    }
    struct stat st;
    ASSERT_EQ(::stat((freshData + "/Trash/files").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // The records, read as bytes: one of them is named in Latin-1.
    const auto records = [&] {
        std::map<QByteArray, QByteArray> found;
        DIR* dir = ::opendir((freshData + "/Trash/info").constData());
        while (const dirent* entry = dir ? ::readdir(dir) : nullptr) {
            const QByteArray name(entry->d_name);
            if (name.startsWith('.'))
                continue;
            QByteArray text(4096, 0);
            const int fd = ::open((freshData + "/Trash/info/" + name).constData(), O_RDONLY);
            text.truncate(fd < 0 ? 0 : ::read(fd, text.data(), text.size()));
            ::close(fd);
            found[name] = text;
        }
        if (dir)
            ::closedir(dir);
        return found;
    };
    const auto trashRecords = records();
    EXPECT_EQ(trashRecords.size(), 4u);
    EXPECT_EQ(
        std::count_if(trashRecords.begin(), trashRecords.end(),
                      [](const auto& record) { return record.second.contains("/Caf%E9.lnk"); }),
        1);
    for (const auto& [name, text] : trashRecords) {
        EXPECT_LE(name.size(), NAME_MAX);
        const QByteArray path = text.mid(text.indexOf("Path=") + 5).split('\n').first();
        EXPECT_TRUE(path.startsWith(root.toPercentEncoding("/") + "/Giochi/"));
        EXPECT_TRUE(path.endsWith(".lnk") && !path.contains('\xe9') && !path.contains(' '))
            << text.toStdString();
    }

    for (const auto& file : trashed)
        EXPECT_TRUE(fs.restoreFromTrash(file)) << file.original.toStdString();
    EXPECT_TRUE(fs.fileExists(joinPath(path("Giochi"), names[1])));
    EXPECT_EQ(tree.read("Giochi/Chess.lnk"), "second chess");
    ASSERT_TRUE(fs.deleteFile(path("Giochi/Chess.lnk")));
    ASSERT_TRUE(fs.restoreFromTrash(*firstChess));
    EXPECT_EQ(tree.read("Giochi/Chess.lnk"), "first chess");
    EXPECT_TRUE(records().empty());
    for (const QString& name : names)
        EXPECT_TRUE(fs.deleteFile(joinPath(path("Giochi"), name)));
}

TEST_F(PosixFileSystemTest, LeavesOutFilesMarkedHiddenOrSystemButNoFolder) {
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
    EXPECT_EQ(subfolders(), (QStringList{path("Archive folder"), path("Hidden folder")}));
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
    const auto before = tree.snapshot();
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(fs.writeFile(path("Config.tvn"), QByteArray(64 * 1024, 'x')));
    }
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(PosixFileSystemTest, ReadFileReadsAFileOfUnknownSizeUpToTheBound) {
    const auto status = fs.readFile("/proc/self/status", 5);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->size(), 5);
}

TEST_F(PosixFileSystemTest, IdentityFollowsLinks) {
    tree.write("Programs/a.lnk");
    ASSERT_EQ(::symlink("Programs", path("Link").toUtf8().constData()), 0);
    EXPECT_EQ(fs.identity(path("link")), fs.identity(path("programs")));
}
} // namespace
} // namespace tvn
