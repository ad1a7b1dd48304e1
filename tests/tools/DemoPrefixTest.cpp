// The demo prefix: a Start Menu the program can find through user.reg and dosdevices, full
// of valid shortcut files, and a generator that never destroys a folder it did not make.
#include "tools/demoprefix/DemoPrefix.h"

#include "platform/WineShellFolders.h"
#include "tests/support/TempTree.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <sys/xattr.h>

namespace {

using tvn::test::TempTree;
using tvn::tools::DemoPrefixRequest;
using tvn::tools::makeDemoPrefix;

const QString kStartMenu = QStringLiteral("AppData/Roaming/Microsoft/Windows/Start Menu");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The string data of a shell-link file, in file order, or nothing when the structure is not
// what its header announces.
std::optional<QStringList> shellLinkStrings(const QByteArray& bytes) {
    static const QByteArray header("\x4C\0\0\0\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46", 20);
    if (bytes.size() < 76 || !bytes.startsWith(header))
        return std::nullopt;
    const auto u16 = [&](qsizetype at) {
        return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
    };
    const quint32 flags = u16(20) | quint32(u16(22)) << 16;
    if (flags & 0x03 || !(flags & 0x80)) // no id list or link info here, always Unicode
        return std::nullopt;
    QStringList strings;
    qsizetype at = 76;
    for (quint32 bit : {0x04u, 0x08u, 0x10u, 0x20u, 0x40u}) {
        if (!(flags & bit))
            continue;
        if (at + 2 > bytes.size())
            return std::nullopt;
        const qsizetype count = u16(at);
        at += 2;
        if (at + 2 * count > bytes.size())
            return std::nullopt;
        QString text;
        for (qsizetype i = 0; i < count; ++i)
            text += QChar(u16(at + 2 * i));
        strings << text;
        at += 2 * count;
    }
    if (bytes.mid(at) != QByteArray(4, '\0'))
        return std::nullopt;
    return strings;
}

// `relative` applied to the Windows folder `folder`.
QString resolveWindows(const QString& folder, const QString& relative) {
    QStringList parts = folder.split('\\');
    for (const QString& part : relative.split('\\')) {
        if (part == "..")
            parts.removeLast();
        else
            parts << part;
    }
    return parts.join('\\');
}

TEST(DemoPrefix, RegistryAndDriveLinksLeadToTheStartMenuFolders) {
    TempTree tree;
    const QString prefix = tree.path("prefix");
    const auto result = makeDemoPrefix({prefix, QString::fromUtf8("Jürgen"), false});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();

    const QByteArray reg = readAll(prefix + "/user.reg");
    EXPECT_TRUE(reg.startsWith("WINE REGISTRY Version 2\n"));
    EXPECT_TRUE(reg.contains("\n#arch=win64\n"));
    const QByteArray key =
        "\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] ";
    ASSERT_TRUE(reg.contains(key));
    const QByteArray startMenu =
        "C:\\\\users\\\\J\\x00fcrgen\\\\AppData\\\\Roaming\\\\Microsoft\\\\Windows\\\\Start Menu";
    EXPECT_TRUE(reg.contains("\n\"Start Menu\"=\"" + startMenu + "\"\n"));
    EXPECT_TRUE(reg.contains("\n\"Programs\"=\"" + startMenu + "\\\\Programs\"\n"));

    EXPECT_EQ(QFileInfo(prefix + "/dosdevices/c:").symLinkTarget(),
              QFileInfo(prefix + "/drive_c").canonicalFilePath());
    EXPECT_EQ(QFile::symLinkTarget(prefix + "/dosdevices/z:"), "/");
    // The program's own lookup finds both folders on disk.
    tvn::WineShellFolders shellFolders(prefix);
    const QString startMenuFolder =
        prefix + "/drive_c/users/" + QString::fromUtf8("Jürgen") + "/" + kStartMenu;
    EXPECT_EQ(shellFolders.shellFolder("Start Menu"), startMenuFolder);
    EXPECT_EQ(shellFolders.shellFolder("Programs"), startMenuFolder + "/Programs");
    EXPECT_TRUE(QFileInfo(startMenuFolder + "/Programs").isDir());
    // system.reg leads to the all-users tree, which holds shortcuts too.
    const QString allUsers = shellFolders.allUsersPrograms(startMenuFolder);
    EXPECT_EQ(allUsers, prefix + "/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs");
    EXPECT_GT(result.allUsersShortcutCount, 0);
    EXPECT_TRUE(QFileInfo(allUsers + "/Zephyr Remote Desktop.lnk").isFile());
}

TEST(DemoPrefix, ProgramsTreeLooksLikeAWellUsedMachine) {
    TempTree tree;
    const QString prefix = tree.path("prefix");
    const auto result = makeDemoPrefix({prefix, "ann", false});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    const QString programs = prefix + "/drive_c/users/ann/" + kStartMenu + "/Programs";
    const QString programsWindows =
        "C:\\users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";

    QSet<QByteArray> contents;
    QMap<QString, int> folderCount;
    int shortcuts = 0, nonShortcuts = 0, upperCase = 0, dotHidden = 0, attributeHidden = 0;
    QDirIterator it(programs, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        char attributes[16] = {};
        if (::getxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", attributes,
                       sizeof attributes - 1) > 0 &&
            QByteArray(attributes) == "0x2")
            ++attributeHidden;
        if (!name.endsWith(".lnk", Qt::CaseInsensitive)) {
            ++nonShortcuts;
            continue;
        }
        SCOPED_TRACE(path.toStdString());
        ++shortcuts;
        upperCase += name.endsWith(".LNK");
        dotHidden += name.startsWith('.');
        ++folderCount[name];

        const QByteArray bytes = readAll(path);
        EXPECT_FALSE(contents.contains(bytes)) << "two shortcuts with the same bytes";
        contents.insert(bytes);
        const auto strings = shellLinkStrings(bytes);
        ASSERT_TRUE(strings.has_value());
        // description, relative path, working folder, [arguments,] icon = the target
        const QString target = strings->last();
        EXPECT_TRUE(target.startsWith("C:\\Program Files\\")) << target.toStdString();
        EXPECT_TRUE(target.startsWith(strings->at(2) + '\\'));
        QString sub = QDir(programs).relativeFilePath(it.fileInfo().path());
        const QString folder =
            sub == "." ? programsWindows : programsWindows + '\\' + sub.replace('/', '\\');
        EXPECT_EQ(resolveWindows(folder, strings->at(1)), target);
    }
    EXPECT_EQ(shortcuts, result.shortcutCount);
    EXPECT_GE(shortcuts, 35);
    EXPECT_LE(shortcuts, 55);
    EXPECT_GE(nonShortcuts, 1);
    EXPECT_GE(upperCase, 1);
    EXPECT_GE(dotHidden, 1);
    if (result.unhiddenFiles.isEmpty()) {
        EXPECT_GE(attributeHidden, 1);
    }
    EXPECT_TRUE(std::any_of(folderCount.begin(), folderCount.end(), [](int n) { return n > 1; }))
        << "one shortcut name in two folders";
}

TEST(DemoPrefix, RefusesFoldersItDidNotMakeAndReplacesOnlyItsOwn) {
    TempTree tree;
    tree.write("mine/notes.txt", "keep me");
    const auto before = tree.snapshot("mine");
    EXPECT_FALSE(makeDemoPrefix({tree.path("mine"), "ann", false}).error.isEmpty());
    EXPECT_FALSE(makeDemoPrefix({tree.path("mine"), "ann", true}).error.isEmpty());
    EXPECT_EQ(tree.snapshot("mine"), before);

    tree.write("file", "not a folder");
    EXPECT_FALSE(makeDemoPrefix({tree.path("file"), "ann", true}).error.isEmpty());
    EXPECT_EQ(tree.read("file"), "not a folder");

    const QString prefix = tree.path("prefix");
    ASSERT_TRUE(makeDemoPrefix({prefix, "ann", false}).error.isEmpty());
    EXPECT_FALSE(makeDemoPrefix({prefix, "ann", false}).error.isEmpty()) << "needs --replace";

    // Point the prefix's links at a folder outside it: replacing removes the links, never
    // what they point at.
    tree.write("outside/precious.txt", "precious");
    for (const char* link : {"/dosdevices/z:", "/drive_c/users/ann/Documents"}) {
        std::filesystem::remove_all((prefix + link).toStdString());
        std::filesystem::create_directory_symlink(tree.path("outside").toStdString(),
                                                  (prefix + link).toStdString());
    }
    tree.write("prefix/drive_c/users/ann/" + kStartMenu + "/giochi/Cinderpeak.lnk");

    const auto result = makeDemoPrefix({prefix, "ann", true});
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(tree.read("outside/precious.txt"), "precious");
    EXPECT_FALSE(tree.exists("prefix/drive_c/users/ann/" + kStartMenu + "/giochi"));
    EXPECT_EQ(QFile::symLinkTarget(prefix + "/dosdevices/z:"), "/");
}

} // namespace
