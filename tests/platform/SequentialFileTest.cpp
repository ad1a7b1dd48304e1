#include "platform/SequentialFile.h"

#include "platform/NativeFileSystem.h"
#include "platform/TextCodec.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

using namespace tvn;
using tvn::test::FaultInjectingFileSystem;
using tvn::test::TempTree;

namespace {

// Every item of the text, with a bound so that a reader that stops advancing fails instead of
// hanging.
std::vector<SequentialItem> readAll(const QString& text) {
    SequentialReader reader(text);
    std::vector<SequentialItem> items;
    while (!reader.atEnd()) {
        items.push_back(reader.next());
        if (items.size() > std::size_t(text.size()) + 1) {
            ADD_FAILURE() << "the reader does not advance";
            break;
        }
    }
    return items;
}

QStringList texts(const std::vector<SequentialItem>& items) {
    QStringList list;
    for (const auto& item : items)
        list << item.text;
    return list;
}

SequentialItem unquoted(const QString& text) {
    return {text, false};
}

SequentialItem quoted(const QString& text) {
    return {text, true};
}

const QString kData = QStringLiteral(TORVANE_PLATFORM_TEST_DATA "/");

} // namespace

TEST(SequentialReader, QuotedItemsHoldCommasAndLoseWhatFollowsTheClosingQuote) {
    auto items = readAll(QStringLiteral("\"a, b\"junk, c\r\n  \"x\"  ,\"\"\r\n"));
    EXPECT_EQ(texts(items), QStringList({"a, b", "c", "x", ""}));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].quoted);
    EXPECT_FALSE(items[1].quoted);
    EXPECT_TRUE(items[3].quoted);
}

TEST(SequentialReader, UnquotedItemsEndAtCommaOrLineEndWithoutSurroundingBlanks) {
    EXPECT_EQ(texts(readAll(QStringLiteral(" \t abc def \t, 12 ,x\"y\r\nlast"))),
              QStringList({"abc def", "12", "x\"y", "last"}));
}

TEST(SequentialReader, CrLfBareLfAndLoneCrEachEndOneLine) {
    EXPECT_EQ(texts(readAll(QStringLiteral("a\r\nb\nc\rd\n\re"))),
              QStringList({"a", "b", "c", "d", "", "e"}));
}

TEST(SequentialReader, EmptyLinesAreEmptyItemsAndTheEndComesAfterTheLastLineEnd) {
    SequentialReader reader(QStringLiteral("a\r\n\r\n   \r\nb\r\n"));
    EXPECT_EQ(reader.next().text, "a");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next().text, "");
    EXPECT_EQ(reader.next().text, "");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next().text, "b");
    EXPECT_TRUE(reader.atEnd());

    const SequentialItem past = reader.next();
    EXPECT_EQ(past.text, "");
    EXPECT_FALSE(past.quoted);
    EXPECT_TRUE(reader.atEnd());

    EXPECT_TRUE(SequentialReader(QString()).atEnd());
    EXPECT_EQ(readAll(QStringLiteral("x,")).size(), 1u);
}

TEST(SequentialReader, QuotedItemRunsOverLineEndsAndAnUnterminatedOneToTheEnd) {
    EXPECT_EQ(texts(readAll(QStringLiteral("\"one\r\ntwo\",three"))),
              QStringList({"one\r\ntwo", "three"}));
    auto items = readAll(QStringLiteral("ok\r\n\"open, never\r\nclosed"));
    EXPECT_EQ(texts(items), QStringList({"ok", "open, never\r\nclosed"}));
    EXPECT_TRUE(items.back().quoted);
}

TEST(SequentialReader, GarbageNulsAndHugeLinesReadInLinearTime) {
    QRandomGenerator random(1234);
    QString garbage(200000, Qt::Uninitialized);
    const char16_t pick[] = {u'"', u',', u'\r', u'\n', u' ', u'\t', u'\0', u'a', u'#'};
    for (QChar& c : garbage)
        c = random.bounded(4) == 0 ? QChar(pick[random.bounded(int(std::size(pick)))])
                                   : QChar(char16_t(random.bounded(0x10000)));
    readAll(garbage);

    // A reader that went back over the text would not finish these within the test timeout.
    const QString hugeLine = QString(4'000'000, u'x');
    auto items = readAll(hugeLine);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text.size(), hugeLine.size());
    EXPECT_EQ(readAll(QString(1'000'000, u',')).size(), 1'000'000u);
    EXPECT_EQ(readAll(QString(1'000'001, u'"')).size(), 1u);
    EXPECT_EQ(readAll(QStringLiteral("\"\",").repeated(500'000)).size(), 500'000u);
    EXPECT_EQ(readAll(QString(1'000'000, u' ') + u'"' + QString(1'000'000, u'x')).size(), 1u);
}

TEST(SequentialReader, ReadsWindows1252AndUtf8WithMarkFromDisk) {
    NativeFileSystem fs;
    auto ansi = SequentialReader::open(fs, kData + "languages-1252.tvn");
    ASSERT_TRUE(ansi);
    EXPECT_EQ(ansi->next().text, "English");
    EXPECT_EQ(ansi->next().text, QStringLiteral("Français"));

    auto utf8 = SequentialReader::open(fs, kData + "languages-utf8.tvn");
    ASSERT_TRUE(utf8);
    EXPECT_EQ(utf8->next().text, "English");
    EXPECT_EQ(utf8->next().text, QStringLiteral("Français"));
    EXPECT_EQ(utf8->next().text, QStringLiteral("\u4E2D\u6587"));
    EXPECT_TRUE(utf8->atEnd());

    EXPECT_FALSE(SequentialReader::open(fs, kData + "no-such-file.tvn"));
}

TEST(ItemConversions, BooleansFromKeywordsNumbersAndWords) {
    EXPECT_EQ(itemToBoolean(unquoted("#TRUE#")), true);
    EXPECT_EQ(itemToBoolean(unquoted("#false#")), false);
    EXPECT_EQ(itemToBoolean(unquoted("0")), false);
    EXPECT_EQ(itemToBoolean(unquoted("-2.5")), true);
    EXPECT_EQ(itemToBoolean(unquoted("")), false);
    EXPECT_EQ(itemToBoolean(quoted("True")), true);
    EXPECT_EQ(itemToBoolean(quoted(" 0 ")), false);
    EXPECT_EQ(itemToBoolean(unquoted("yes")), std::nullopt);
    EXPECT_EQ(itemToBoolean(quoted("#TRUE#")), std::nullopt);
    EXPECT_EQ(itemToBoolean(quoted("")), std::nullopt);
}

TEST(ItemConversions, Integer16RoundsHalfToEvenAndRefusesOverflowAndText) {
    EXPECT_EQ(itemToInteger16(unquoted("7")), 7);
    EXPECT_EQ(itemToInteger16(unquoted("+007")), 7);
    EXPECT_EQ(itemToInteger16(unquoted("-32768")), -32768);
    EXPECT_EQ(itemToInteger16(unquoted("32767")), 32767);
    EXPECT_EQ(itemToInteger16(unquoted("2.5")), 2);
    EXPECT_EQ(itemToInteger16(unquoted("3.5")), 4);
    EXPECT_EQ(itemToInteger16(unquoted("-2.5")), -2);
    EXPECT_EQ(itemToInteger16(unquoted("2.51")), 3);
    EXPECT_EQ(itemToInteger16(unquoted(".5")), 0);
    EXPECT_EQ(itemToInteger16(unquoted("1.5E2")), 150);
    EXPECT_EQ(itemToInteger16(unquoted("-32768.5")), -32768);
    EXPECT_EQ(itemToInteger16(unquoted("")), 0);
    EXPECT_EQ(itemToInteger16(unquoted("#TRUE#")), -1);
    EXPECT_EQ(itemToInteger16(quoted(" 12 ")), 12);

    for (const char* bad : {"32768", "32767.5", "-32769", "1e400", "abc", "12abc", "1e", "-", ".",
                            "1.2.3", "0x10", "1 2"})
        EXPECT_EQ(itemToInteger16(unquoted(bad)), std::nullopt) << bad;
    EXPECT_EQ(itemToInteger16(quoted("")), std::nullopt);
}

TEST(ItemConversions, CaptionShowsUnquotedNumbersInNormalDecimalForm) {
    EXPECT_EQ(itemToCaption(quoted("007")), "007");
    EXPECT_EQ(itemToCaption(unquoted("007")), "7");
    EXPECT_EQ(itemToCaption(unquoted("1.50")), "1.5");
    EXPECT_EQ(itemToCaption(unquoted("-0")), "0");
    EXPECT_EQ(itemToCaption(unquoted("1e3")), "1000");
    EXPECT_EQ(itemToCaption(unquoted("1E20")), "1E+20");
    EXPECT_EQ(itemToCaption(unquoted("Giochi")), "Giochi");
    EXPECT_EQ(itemToCaption(unquoted("#TRUE#")), "#TRUE#");
}

TEST(SequentialWriter, WritesOneRecordALineAndReadsBackTheSameValues) {
    SequentialWriter writer;
    writer.writeBoolean(true);
    writer.writeString(QStringLiteral("c:"));
    writer.writeString(QStringLiteral("\\Windows\\Start Menu"));
    writer.writeString(QStringLiteral("\\Windows\\Start Menu\\programs"));
    writer.writeNumber(1);
    writer.writeNumber(0);
    writer.writeNumber(1);
    writer.writeString(QString());
    EXPECT_TRUE(writer.faithful());

    QFile example(kData + "config-example.tvn");
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    EXPECT_EQ(writer.bytes(), example.readAll());

    SequentialWriter odd;
    odd.writeBoolean(false);
    odd.writeString(QStringLiteral("  a, b\r\nc \u0410"));
    odd.writeNumber(-32768);
    EXPECT_TRUE(odd.bytes().startsWith("\xEF\xBB\xBF"));
    SequentialReader reader(decodeDataFile(odd.bytes()));
    EXPECT_EQ(itemToBoolean(reader.next()), false);
    EXPECT_EQ(reader.next().text, QStringLiteral("  a, b\r\nc \u0410"));
    EXPECT_EQ(itemToInteger16(reader.next()), -32768);
    EXPECT_TRUE(reader.atEnd());
}

TEST(SequentialWriter, SavesThroughTheFileSystemAndRefusesADoubleQuote) {
    TempTree tree;
    NativeFileSystem disk;
    FaultInjectingFileSystem fs(disk);
    const QString path = tree.path("Custom.tvn");

    SequentialWriter good;
    good.writeString(QStringLiteral("Français"));
    EXPECT_TRUE(good.save(fs, path));
    EXPECT_EQ(tree.read("Custom.tvn"), QByteArray("\"Fran\xE7"
                                                  "ais\"\r\n"));

    // A failed write leaves the previous file whole.
    SequentialWriter other;
    other.writeString(QStringLiteral("Giochi"));
    fs.failNth(1);
    EXPECT_FALSE(other.save(fs, path));
    EXPECT_EQ(tree.read("Custom.tvn"), QByteArray("\"Fran\xE7"
                                                  "ais\"\r\n"));

    SequentialWriter bad;
    bad.writeString(QStringLiteral("say \"hi\""));
    bad.writeString(QStringLiteral("fine"));
    EXPECT_FALSE(bad.faithful());
    fs.clearLog();
    EXPECT_FALSE(bad.save(fs, path));
    EXPECT_TRUE(fs.operations().empty());
    EXPECT_EQ(tree.read("Custom.tvn"), QByteArray("\"Fran\xE7"
                                                  "ais\"\r\n"));
}
