#include "platform/WineRegistry.h"

#include "platform/WineRegFile.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRandomGenerator>

using namespace tvn;
using tvn::test::TempTree;

namespace {

const QString kSample = QStringLiteral(TORVANE_PLATFORM_TEST_DATA "/wine8-user.reg");
const QString kShellFolders = QString::fromUtf16(kShellFoldersKey);

struct Read {
    long status = -1;
    std::uint32_t type = 0;
    QByteArray data;
};

// Opens the key, reads the value with the two calls, closes the key.
Read readValue(WineRegistry& registry, const QString& key, const QString& name) {
    Read read;
    RegKey handle = 0;
    read.status = registry.regOpenKeyExA(kHkeyCurrentUser, key.toUtf8(), 0, kKeyRead, &handle);
    if (read.status != kErrorSuccess)
        return read;
    std::uint32_t size = 0;
    read.status = registry.regQueryValueExA(handle, name.toUtf8(), &read.type, nullptr, &size);
    if (read.status == kErrorSuccess) {
        read.data.resize(size);
        read.status =
            registry.regQueryValueExA(handle, name.toUtf8(), &read.type, read.data.data(), &size);
        read.data.resize(size);
    }
    EXPECT_EQ(registry.regCloseKey(handle), kErrorSuccess);
    return read;
}

QString unescaped(QByteArrayView line, char end = '"') {
    qsizetype pos = 0;
    auto text = wine::unescape(line, pos, end);
    return text ? *text : QStringLiteral("<malformed>");
}

} // namespace

TEST(WineRegistry, ReadsTheShellFoldersOfAFreshPrefix) {
    WineRegistry registry(kSample);
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, kShellFolders, "Start Menu"),
              "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, kShellFolders, "Programs"),
              "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs");
    // Key and value names ignore letter case.
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, kShellFolders.toUpper(), "start MENU"),
              "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu");

    const Read read = readValue(registry, kShellFolders, "Fonts");
    EXPECT_EQ(read.type, kRegSz);
    EXPECT_EQ(read.data, QByteArray("C:\\windows\\Fonts\0", 17));
}

TEST(WineRegistry, ReadsEscapesNumbersBinaryAndExpandableTexts) {
    WineRegistry registry(kSample);
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Software\\TorvaneProbe", "Name"),
              QStringLiteral("Über Ω \"q\" back\\slash"));
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Software\\Wine\\Fonts", "LogPixels"), "96");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Control Panel\\Colors", "Hilight"),
              "48 150 250");

    const Read expand = readValue(registry, "Software\\TorvaneProbe", "Exp");
    EXPECT_EQ(expand.type, 2u);
    EXPECT_EQ(expand.data, QByteArray("%USERPROFILE%\\x\0", 16));

    const Read font = readValue(registry, "Control Panel\\Desktop\\WindowMetrics", "CaptionFont");
    EXPECT_EQ(font.type, 3u);
    EXPECT_EQ(font.data.size(), 92); // a LOGFONTW, over four lines
    EXPECT_TRUE(font.data.startsWith("\xF5\xFF\xFF\xFF"));

    const Read empty =
        readValue(registry, "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.Current", "");
    EXPECT_EQ(empty.status, kErrorSuccess);
    EXPECT_EQ(empty.data, QByteArray("\0", 1));

    // A key name written with surrogate pairs.
    const Read geo =
        readValue(registry, QStringLiteral("Control Panel\\International\\🌎🌏🌍"), "Currencies");
    EXPECT_EQ(geo.data, QByteArray("USD\0", 4));
}

TEST(WineRegistry, KeysAboveASectionExistAndMissingOnesFail) {
    WineRegistry registry(kSample);
    RegKey software = 0;
    ASSERT_EQ(
        registry.regOpenKeyExA(kHkeyCurrentUser, "Software\\Microsoft", 0, kKeyRead, &software),
        kErrorSuccess);
    RegKey shell = 0;
    ASSERT_EQ(registry.regOpenKeyExA(software, "Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                     0, kKeyRead, &shell),
              kErrorSuccess);
    EXPECT_NE(shell, software);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.regQueryValueExA(shell, "Start Menu", nullptr, nullptr, &size),
              kErrorSuccess);
    EXPECT_EQ(size, 59u);
    EXPECT_EQ(registry.regQueryValueExA(software, "Start Menu", nullptr, nullptr, &size),
              kErrorFileNotFound);

    char small[10];
    size = sizeof small;
    EXPECT_EQ(registry.regQueryValueExA(shell, "Start Menu", nullptr, small, &size),
              kErrorMoreData);
    EXPECT_EQ(size, 59u);

    RegKey missing = 99;
    EXPECT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser, "Software\\Microsof", 0, kKeyRead, &missing),
              kErrorFileNotFound);
    EXPECT_EQ(missing, 0u);
    EXPECT_EQ(registry.regOpenKeyExA(0x80000002u, "Software", 0, kKeyRead, &missing),
              kErrorFileNotFound);
    EXPECT_EQ(registry.regOpenKeyExA(12345, "Software", 0, kKeyRead, &missing),
              kErrorInvalidHandle);

    EXPECT_EQ(registry.regCloseKey(shell), kErrorSuccess);
    EXPECT_EQ(registry.regCloseKey(shell), kErrorInvalidHandle);
    EXPECT_EQ(registry.regQueryValueExA(shell, "Start Menu", nullptr, nullptr, &size),
              kErrorInvalidHandle);
    EXPECT_EQ(registry.regCloseKey(0), kErrorInvalidHandle);
    EXPECT_EQ(registry.regCloseKey(software), kErrorSuccess);
}

TEST(WineRegistry, ReadsTheFileAfreshAtEachOpen) {
    TempTree tree;
    tree.write("user.reg", "WINE REGISTRY Version 2\n[A] 1\n\"v\"=\"old\"\n");
    WineRegistry registry(tree.path("user.reg"));
    RegKey before = 0;
    ASSERT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser, "A", 0, kKeyRead, &before), kErrorSuccess);

    tree.write("user.reg", "WINE REGISTRY Version 2\n[A] 1\n\"v\"=\"new\"\n");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "A", "v"), "new");
    QVariant value;
    EXPECT_EQ(queryRegValue(registry, before, "v", value), kErrorSuccess);
    EXPECT_EQ(trimAtNull(value.toString()), QStringLiteral("old"));

    QFile::remove(tree.path("user.reg"));
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "A", "v"), "");
}

TEST(WineRegistry, SkipsMalformedLinesAndKeepsTheRest) {
    TempTree tree;
    tree.write("user.reg", "WINE REGISTRY Version 2\r\n"
                           "[Key\\\\Sub] 1796639620\r\n"
                           "#time=1dd86366cb32c90\r\n"
                           "\"open\"=\"never closed\r\n"
                           "\"bad\"=dword:xyz\r\n"
                           "\"long\"=dword:123456789\r\n"
                           "\"hex\"=hex:01,02,\\\r\n"
                           "\"after\"=\"continuation broken\"\r\n"
                           "garbage line\r\n"
                           "\"nul\"=\"a\\0b\"\r\n"
                           "  \"dup\" = \"first\"\r\n"
                           "\"DUP\"=str:\"second\"\r\n"
                           "\"multi\"=str(7):\"a\\0b\\0\"\r\n"
                           "\"sz\"=hex(1):41,00,00,00\r\n"
                           "[Other] 1\r\n"
                           "\"dup\"=\"elsewhere\"\r\n");
    WineRegistry registry(tree.path("user.reg"));
    const QString key = QStringLiteral("key\\sub");
    for (const char* missing : {"open", "bad", "long", "hex"})
        EXPECT_EQ(readValue(registry, key, missing).status, kErrorFileNotFound) << missing;
    // The line after a broken continuation is read as a line of its own.
    EXPECT_EQ(readValue(registry, key, "after").data, QByteArray("continuation broken\0", 20));
    EXPECT_EQ(readValue(registry, key, "nul").data, QByteArray("a\0b\0", 4));
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "nul"), "a");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "dup"), "second");
    EXPECT_EQ(readValue(registry, key, "multi").type, 7u);
    EXPECT_EQ(readValue(registry, key, "multi").data, QByteArray("a\0b\0\0", 5));
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "sz"), "A");
}

TEST(WineRegistry, UnusableFilesHaveNoKeys) {
    TempTree tree;
    tree.write("wrong-header.reg", "REGEDIT4\n[Software] 1\n\"a\"=\"b\"\n");
    tree.makeFolder("folder.reg");
    tree.write("empty.reg", "");

    QByteArray garbage = "WINE REGISTRY Version 2\n[Software] 1\n";
    QRandomGenerator random(99);
    for (int i = 0; i < 300000; ++i)
        garbage.append(char(random.bounded(256)));
    garbage.append("\n[Software] 1\n\"a\"=\"b\"\n\"tail\"=\"\\");
    tree.write("garbage.reg", garbage);

    // Larger than the limit, made sparse so the test stays quick.
    tree.write("huge.reg", "WINE REGISTRY Version 2\n[Software] 1\n\"a\"=\"b\"\n");
    QFile huge(tree.path("huge.reg"));
    ASSERT_TRUE(huge.resize(WineRegistry::kMaxFileBytes + 1));

    for (const char* name :
         {"missing.reg", "wrong-header.reg", "folder.reg", "empty.reg", "huge.reg"}) {
        WineRegistry registry(tree.path(name));
        RegKey key = 5;
        EXPECT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser, "Software", 0, kKeyRead, &key),
                  kErrorFileNotFound)
            << name;
        EXPECT_EQ(key, 0u);
    }
    WineRegistry registry(tree.path("garbage.reg"));
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Software", "a"), "b");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Software", "tail"), "");
}

TEST(WineRegFile, HexEscapesTakeOneToFourDigitsAndOctalOneToThree) {
    EXPECT_EQ(unescaped("\\x00dcber\""), QStringLiteral("Über"));
    EXPECT_EQ(unescaped("\\x3a9 x\""), QStringLiteral("Ω x"));
    EXPECT_EQ(unescaped("\\x414243\""), QStringLiteral("\u4142") + "43");
    EXPECT_EQ(unescaped("\\xg\""), "xg");
    EXPECT_EQ(unescaped("\\101\\0\\08\\1234\""),
              QString("A") + QChar(0) + QChar(0) + "8" + QChar(0123) + "4");
    EXPECT_EQ(unescaped("\\a\\e\\t\\n\\r\\v\\f\\b\""), "\a\x1b\t\n\r\v\f\b");
    EXPECT_EQ(unescaped("\\\\\\\"\\[\\q\""), "\\\"[q");
    EXPECT_EQ(unescaped("caf\xC3\xA9\""), QStringLiteral("café"));
    EXPECT_EQ(unescaped("Key\\\\Sub] 17", ']'), "Key\\Sub");

    EXPECT_EQ(unescaped("no end"), "<malformed>");
    EXPECT_EQ(unescaped("ends in \\"), "<malformed>");
    EXPECT_EQ(unescaped("escaped end \\\""), "<malformed>");
}
