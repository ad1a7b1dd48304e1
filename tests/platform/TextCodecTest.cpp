#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace tvn;

TEST(Windows1252, EveryByteDecodesAndEncodesBackUnchanged) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toWindows1252(text), all);

    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE7], QChar(u'ç'));
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[undefined], QChar(char16_t(undefined))) << undefined;
}

TEST(Windows1252, CharactersOutsideTheCodePageDoNotFit) {
    EXPECT_FALSE(toWindows1252(QStringLiteral("a\u0080"))); // 0x80 is the euro sign
    EXPECT_FALSE(toWindows1252(QStringLiteral("\u4E2D\u6587")));
    EXPECT_FALSE(toWindows1252(QStringLiteral("\u0100")));
    EXPECT_EQ(toWindows1252(QStringLiteral("\u20AC\u0081")), QByteArray("\x80\x81"));
}

TEST(DataFile, ByteOrderMarkSelectsUtf8AndIsDropped) {
    EXPECT_EQ(decodeDataFile("\xEF\xBB\xBF"
                             "Fran\xC3\xA7"
                             "ais"),
              QStringLiteral("Français"));
    EXPECT_EQ(decodeDataFile("Fran\xE7"
                             "ais"),
              QStringLiteral("Français"));
    // Without the mark, UTF-8 bytes are taken as windows-1252 characters.
    EXPECT_EQ(decodeDataFile("\xC3\xA7"), QStringLiteral("Ã§"));
    // Broken UTF-8 after the mark still gives text.
    EXPECT_EQ(decodeDataFile("\xEF\xBB\xBF"
                             "a\xFF"
                             "b")
                  .size(),
              3);
}

TEST(DataFile, EncodesWindows1252WhenEverythingFitsElseUtf8WithMark) {
    EXPECT_EQ(encodeDataFile(QStringLiteral("Français \u20AC")), QByteArray("Fran\xE7"
                                                                            "ais \x80"));
    const QString wide = QStringLiteral("C:\\users\\\u0410\u043D\u043D\u0430");
    const QByteArray bytes = encodeDataFile(wide);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(decodeDataFile(bytes), wide);
}

TEST(DataFile, TextThatLooksLikeTheMarkInWindows1252SurvivesTheRoundTrip) {
    const QString text = QStringLiteral("\u00EF\u00BB\u00BFname");
    EXPECT_EQ(decodeDataFile(encodeDataFile(text)), text);
}
