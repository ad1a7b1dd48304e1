#include "store/ConfigFile.h"

#include "platform/NativeFileSystem.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn {

void PrintTo(const ConfigRecords& r, std::ostream* out) {
    *out << r.configured << " \"" << r.windowsDrive.toStdString() << "\" \""
         << r.startMenuPath.toStdString() << "\" \"" << r.programsPath.toStdString() << "\" "
         << r.skipIntroduction << " " << r.languageIndex << " " << r.hideHelpShortcuts << " \""
         << r.debugText.toStdString() << "\"";
}

namespace test {
namespace {

// What start-up holds before the file is read.
ConfigRecords startValues() {
    return {false, "c:", "\\Windows\\Start Menu", "\\Windows\\Start Menu\\programs", 0, 0, 1, ""};
}

TEST(ConfigFile, LoadingKeepsTheRecordsBeforeTheFirstMissingOrUnfitOne) {
    struct Case {
        const char* name;
        QByteArray content;
        int read;
        ConfigRecords expected;
    };
    const QByteArray head = "#TRUE#\r\n\"d:\"\r\n\"/sm\"\r\n\"/sm/p\"\r\n";
    ConfigRecords headRead = startValues();
    headRead.configured = true;
    headRead.windowsDrive = "d:";
    headRead.startMenuPath = "/sm";
    headRead.programsPath = "/sm/p";
    auto with = [](ConfigRecords r, auto change) {
        change(r);
        return r;
    };
    const Case cases[] = {
        {"complete", head + "1\r\n2\r\n0\r\n\"debug, text\"\r\n", 8,
         with(headRead,
              [](auto& r) {
                  r.skipIntroduction = 1;
                  r.languageIndex = 2;
                  r.hideHelpShortcuts = 0;
                  r.debugText = "debug, text";
              })},
        {"seven records, bare line ends", "#TRUE#\n\"d:\"\n\"/sm\"\n\"/sm/p\"\n0\n1\n0\n", 7,
         with(headRead,
              [](auto& r) {
                  r.languageIndex = 1;
                  r.hideHelpShortcuts = 0;
              })},
        {"language index 3", head + "1\r\n3\r\n0\r\n\"x\"\r\n", 5,
         with(headRead, [](auto& r) { r.skipIntroduction = 1; })},
        {"grey skip box", head + "2\r\n0\r\n2\r\n\"\"\r\n", 8,
         with(headRead,
              [](auto& r) {
                  r.skipIntroduction = 2;
                  r.hideHelpShortcuts = 2;
              })},
        {"check-box value 3", head + "3\r\n1\r\n", 4, headRead},
        {"text for a number", head + "yes\r\n", 4, headRead},
        {"unquoted strings", "#FALSE#\r\nd:\r\n  007 \r\n", 3,
         with(startValues(),
              [](auto& r) {
                  r.windowsDrive = "d:";
                  r.startMenuPath = "007";
              })},
        {"empty file", "", 0, startValues()},
        {"binary garbage", QByteArray("\x00\xff\xfe\x01garbage\x7f", 12), 0, startValues()},
    };
    TempTree tree;
    NativeFileSystem fs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tree.write("Config.tvn", c.content);
        ConfigRecords records = startValues();
        EXPECT_EQ(readConfigFile(fs, tree.path("Config.tvn"), records), c.read);
        EXPECT_EQ(records, c.expected);
    }
    ConfigRecords records = startValues();
    EXPECT_EQ(readConfigFile(fs, tree.path("missing.tvn"), records), 0);
    EXPECT_EQ(records, startValues());
}

TEST(ConfigFile, WritesEightRecordsThatReadBackTheSame) {
    TempTree tree;
    NativeFileSystem fs;
    const QString path = tree.path("Config.tvn");
    const ConfigRecords records{
        true, "c:", "\\Windows\\Start Menu", "\\Windows\\Start Menu\\programs", 1, 0, 1, ""};
    ASSERT_TRUE(writeConfigFile(fs, path, records));
    EXPECT_EQ(tree.read("Config.tvn"), "#TRUE#\r\n\"c:\"\r\n\"\\Windows\\Start Menu\"\r\n"
                                       "\"\\Windows\\Start Menu\\programs\"\r\n1\r\n0\r\n1\r\n"
                                       "\"\"\r\n");

    // Names outside windows-1252 and every check-box value survive the trip.
    const ConfigRecords unusual{false, "", "/home/ann/Меню, «Пуск»", "/p/Programmes é", 2,
                                2,     0,  "Do not check for errors"};
    ASSERT_TRUE(writeConfigFile(fs, path, unusual));
    ConfigRecords back = startValues();
    EXPECT_EQ(readConfigFile(fs, path, back), kConfigRecordCount);
    EXPECT_EQ(back, unusual);
}

TEST(ConfigFile, AWriteThatWouldNotReadBackOrFailsKeepsThePreviousFile) {
    TempTree tree;
    NativeFileSystem disk;
    FaultInjectingFileSystem fs(disk);
    tree.write("Config.tvn", "previous");
    ConfigRecords quoted = startValues();
    quoted.programsPath = "/sm/\"p\"";
    EXPECT_FALSE(writeConfigFile(fs, tree.path("Config.tvn"), quoted));
    EXPECT_TRUE(fs.mutations().empty());

    fs.failNth(1);
    EXPECT_FALSE(writeConfigFile(fs, tree.path("Config.tvn"), startValues()));
    EXPECT_EQ(tree.read("Config.tvn"), "previous");
}

} // namespace
} // namespace test
} // namespace tvn
