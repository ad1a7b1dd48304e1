#include "catalogue/ShellLinkFields.h"

#include "platform/NativeFileSystem.h"
#include "tests/support/PrintQString.h"
#include "tests/support/TempTree.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QtEndian>

namespace tvn {

void PrintTo(const ShellLinkFields& fields, std::ostream* os) {
    *os << "{" << fields.description.toStdString() << " | " << fields.targetPath.toStdString()
        << " | " << fields.workingFolder.toStdString() << " | " << fields.arguments.toStdString()
        << " | " << fields.iconLocation.toStdString() << "," << fields.iconIndex << "}";
}

namespace test {
namespace {

// Written by Wine 8's IShellLinkW (SetPath, SetDescription, SetWorkingDirectory, SetArguments,
// SetIconLocation, then IPersistFile::Save) in a fresh prefix where the targets existed, except
// the missing one's.
QByteArray wineLink(const char* name) {
    QFile file(QStringLiteral(TORVANE_CATALOGUE_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value) {
    return le16(quint16(value & 0xFFFF)) + le16(quint16(value >> 16));
}

QByteArray utf16(const QString& text) {
    QByteArray bytes;
    for (QChar c : text)
        bytes += le16(c.unicode());
    return bytes;
}

// A file entry as Windows writes it: the short name, then a 0xBEEF0004 block holding the long
// name where the block's version puts it (version 3 at 20, as XP writes it; 9 at 46, as
// Windows 10 does).
QByteArray fileEntry(const QByteArray& shortName, const QString& longName, quint16 version) {
    QByteArray body = "\x32" + QByteArray(11, '\0') + shortName + '\0';
    if (body.size() % 2 != 0)
        body += '\0';
    const qsizetype extensionAt = 2 + body.size();
    QByteArray extension = le16(version) + le32(0xBEEF0004);
    extension += QByteArray((version >= 9 ? 46 : 20) - 2 - extension.size(), '\0');
    extension += utf16(longName) + le16(0) + le16(quint16(extensionAt));
    body += le16(quint16(2 + extension.size())) + extension;
    return le16(quint16(2 + body.size())) + body;
}

// `link` with the item list the computer, drive C: and these file entries make.
QByteArray withItemList(QByteArray link, const QByteArray& fileEntries) {
    const QByteArray computerClassId(
        "\xE0\x4F\xD0\x20\xEA\x3A\x69\x10\xA2\xD8\x08\x00\x2B\x30\x30\x9D", 16);
    const QByteArray root = le16(20) + "\x1F\x50" + computerClassId;
    const QByteArray drive = le16(25) + "\x2F" + QByteArray("C:\\").leftJustified(22, '\0');
    const QByteArray list = root + drive + fileEntries + le16(0);
    link[0x14] = char(link[0x14] | 0x01);
    return link.insert(0x4C, le16(quint16(list.size())) + list);
}

// `link` (ending with the terminal block) with these extra-data blocks before the terminal one.
QByteArray withExtraData(const QByteArray& link, const QByteArray& blocks) {
    return link.chopped(4) + blocks + le32(0);
}

QByteArray environmentBlock(const QByteArray& ansi, const QString& unicode, quint32 size = 0x314) {
    return le32(size) + le32(0xA0000001) + ansi.leftJustified(260, '\0') +
           utf16(unicode).leftJustified(520, '\0');
}

const tools::ShellLinkTarget kDemoTarget{
    .description = QStringLiteral("Suite Editor"),
    .relativePath = QStringLiteral("..\\..\\..\\Program Files\\Vendor\\Suite\\editor.exe"),
    .workingDirectory = QStringLiteral("C:\\Program Files\\Vendor\\Suite"),
    .arguments = {},
    .iconLocation = QStringLiteral("C:\\Program Files\\Vendor\\Suite\\editor.exe"),
    .targetSize = 0,
    .targetTime = 0,
};

TEST(ShellLinkFields, LinksOfTheDemoWriterReadBackThroughTheFileSystem) {
    tools::ShellLinkTarget foreign = kDemoTarget;
    foreign.description = QStringLiteral("Visionneuse d'images \u00E9l\u00E9gante \u56FE\u50CF");
    foreign.arguments = QStringLiteral("--open \"%USERPROFILE%\\Pictures\"");
    tools::ShellLinkTarget bare;
    bare.relativePath = QStringLiteral("tool.exe");
    // Past the cap: the strings after it are still found.
    tools::ShellLinkTarget verbose = kDemoTarget;
    verbose.description = QString(kMaxShellLinkTextChars + 500, u'd');

    TempTree tree;
    NativeFileSystem disk;
    for (const tools::ShellLinkTarget& target : {kDemoTarget, foreign, bare, verbose}) {
        tree.write(QStringLiteral("Programs/Link.lnk"), tools::shellLinkBytes(target));
        const ShellLinkFields expected{target.description.left(kMaxShellLinkTextChars),
                                       target.relativePath, target.workingDirectory,
                                       target.arguments, target.iconLocation};
        EXPECT_EQ(readShellLink(disk, tree.path(QStringLiteral("Programs/Link.lnk"))), expected);
    }
    EXPECT_EQ(readShellLink(disk, tree.path(QStringLiteral("Programs/Missing.lnk"))), std::nullopt);
}

TEST(ShellLinkFields, LinksWineWroteTellTheirProgram) {
    const QString suite = QStringLiteral("C:\\Program Files\\Vendor Name\\Suite");
    const QString editor = QStringLiteral("C:\\Program Files\\\u00C9diteur \u00C9l\u00E9gant");
    const struct {
        const char* file;
        ShellLinkFields expected;
    } cases[] = {
        {"wine8-suite-app.lnk",
         {QStringLiteral("Edits the suite's documents"), suite + QStringLiteral("\\app.exe"), suite,
          QStringLiteral("--new-window \"%USERPROFILE%\\Documents\""),
          suite + QStringLiteral("\\app.exe"), 2}},
        // ANSI path in the link information, in Wine's ANSI code page.
        {"wine8-accented.lnk",
         {QStringLiteral("Visionneuse d'images \u00E9l\u00E9gante"),
          editor + QStringLiteral("\\Visionneuse longue.exe"),
          editor,
          {},
          editor + QStringLiteral("\\icons.dll")}},
        {"wine8-missing-target.lnk",
         {QStringLiteral("A program since removed"),
          QStringLiteral("C:\\Program Files\\Gone Vendor\\gone.exe"),
          {},
          {},
          {}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseShellLink(wineLink(c.file)), c.expected) << c.file;
}

TEST(ShellLinkFields, TheTargetPathComesFromTheBestPlaceTheLinkHolds) {
    const QByteArray demo = tools::shellLinkBytes(kDemoTarget);
    const QByteArray items =
        withItemList(demo, fileEntry("PROGRA~1", QStringLiteral("Program Files"), 9) +
                               fileEntry("LONGNA~1.EXE", QStringLiteral("Long Name.exe"), 3));
    const QString environment = QStringLiteral("%ProgramFiles%\\Vendor\\Suite\\editor.exe");
    const struct {
        const char* what;
        QByteArray link;
        QString targetPath;
    } cases[] = {
        {"relative path", demo, kDemoTarget.relativePath},
        {"item list", items, QStringLiteral("C:\\Program Files\\Long Name.exe")},
        {"environment block", withExtraData(items, environmentBlock("ansi.exe", environment)),
         environment},
        {"ANSI environment target", withExtraData(demo, environmentBlock("C:\\ansi.exe", {})),
         QStringLiteral("C:\\ansi.exe")},
        {"link information",
         withExtraData(wineLink("wine8-suite-app.lnk"), environmentBlock({}, environment)),
         QStringLiteral("C:\\Program Files\\Vendor Name\\Suite\\app.exe")},
    };
    for (const auto& c : cases) {
        const auto fields = parseShellLink(c.link);
        ASSERT_TRUE(fields) << c.what;
        EXPECT_EQ(fields->targetPath, c.targetPath) << c.what;
    }
}

TEST(ShellLinkFields, DamagedLinksGiveNothingOrWhatPrecedesTheDamage) {
    const QByteArray wine = wineLink("wine8-suite-app.lnk");
    const auto patched = [](QByteArray bytes, qsizetype at, const QByteArray& value) {
        return bytes.replace(at, value.size(), value);
    };
    const qsizetype linkInfoAt = 0x4E + qFromLittleEndian<quint16>(wine.constData() + 0x4C);
    const qsizetype argumentsAt = wine.indexOf(utf16(QStringLiteral("--new-window")));
    const QString suite = QStringLiteral("C:\\Program Files\\Vendor Name\\Suite");
    // The header, which holds the icon index, is whole in each.
    const ShellLinkFields beforeArguments{QStringLiteral("Edits the suite's documents"),
                                          suite + QStringLiteral("\\app.exe"),
                                          suite,
                                          {},
                                          {},
                                          2};

    const QByteArray demo = tools::shellLinkBytes(kDemoTarget);
    const ShellLinkFields demoFields{kDemoTarget.description,
                                     kDemoTarget.relativePath,
                                     kDemoTarget.workingDirectory,
                                     {},
                                     kDemoTarget.iconLocation};
    ShellLinkFields demoFromEnvironment = demoFields;
    demoFromEnvironment.targetPath = QStringLiteral("C:\\env.exe");
    const QByteArray environment = environmentBlock("C:\\env.exe", {});
    QByteArray smallBlocks;
    for (int k = 0; k < 1000; ++k)
        smallBlocks += le32(8) + le32(0xA0000000 + quint32(k));

    const struct {
        const char* what;
        QByteArray bytes;
        std::optional<ShellLinkFields> expected;
    } cases[] = {
        {"empty", {}, std::nullopt},
        {"truncated header", wine.left(0x40), std::nullopt},
        {"wrong class identifier", patched(wine, 4, "\x02"), std::nullopt},
        {"wrong header size", patched(wine, 0, "\x4D"), std::nullopt},
        {"item list past the end", patched(wine, 0x4C, le16(0xFFFF)),
         ShellLinkFields{{}, {}, {}, {}, {}, 2}},
        {"link information past the end", patched(wine, linkInfoAt, le32(0x10000)),
         ShellLinkFields{{}, suite + QStringLiteral("\\app.exe"), {}, {}, {}, 2}},
        {"cut in the arguments", wine.left(argumentsAt + 7), beforeArguments},
        {"arguments' length past the end", patched(wine, argumentsAt - 2, le16(0xFFFF)),
         beforeArguments},
        {"extra block too small for a signature", withExtraData(demo, le32(5) + environment),
         demoFields},
        {"extra block past the end",
         withExtraData(demo, environmentBlock("C:\\env.exe", {}, 0x400)), demoFields},
        {"many small extra blocks", withExtraData(demo, smallBlocks + environment),
         demoFromEnvironment},
        {"no terminal block", demo.chopped(4) + environment, demoFromEnvironment},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseShellLink(c.bytes), c.expected) << c.what;
}

} // namespace
} // namespace test
} // namespace tvn
