#include "platform/DosAttributes.h"

#include <gtest/gtest.h>
#include <QByteArray>

namespace tvn {
namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (const int v : values)
        result.append(static_cast<char>(v));
    return result;
}

TEST(DosAttributesTest, ReadsTheTextWineAndShellToolsWrite) {
    EXPECT_EQ(parseDosAttributes("0x2"), 0x2u);
    EXPECT_EQ(parseDosAttributes("0x22"), 0x22u);
    EXPECT_EQ(parseDosAttributes("\"0x4\""), 0x4u);
    EXPECT_EQ(parseDosAttributes(QByteArrayView("0x26\0", 5)), 0x26u);
    EXPECT_EQ(parseDosAttributes("0X1a"), 0x1au);
    EXPECT_TRUE(dosAttributesHide("0x22"));
    EXPECT_TRUE(dosAttributesHide("0x4"));
    EXPECT_FALSE(dosAttributesHide("0x20"));
    EXPECT_FALSE(dosAttributesHide("0x1"));
}

TEST(DosAttributesTest, ReadsSambaRecords) {
    // Version 3: the text, padding to an even offset, version, tag, valid mask, attributes.
    const QByteArray v3 =
        QByteArray("0x22", 5) + bytes({0, 3, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0x22, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(parseDosAttributes(v3), 0x22u);
    // Version 4 keeps the text empty.
    const QByteArray v4 = bytes({0, 0, 4, 0, 4, 0, 0, 0, 0x11, 0, 0, 0, 0x06, 0, 0, 0, 1, 2, 3});
    EXPECT_EQ(parseDosAttributes(v4), 0x06u);
    EXPECT_TRUE(dosAttributesHide(v4));
    const QByteArray v5 = bytes({0, 0, 5, 0, 5, 0, 0, 0, 0x01, 0, 0, 0, 0x20, 0, 0, 0});
    EXPECT_FALSE(dosAttributesHide(v5));
}

TEST(DosAttributesTest, UnreadableValuesHideNothing) {
    for (const QByteArray& value :
         {QByteArray(), QByteArray("hidden"), QByteArray("0x"), QByteArray("0x2g"),
          QByteArray("0x123456789"), QByteArray("\"0x2"),
          // Samba records that are cut short, disagree with their tag, or mark the attributes
          // as not set.
          bytes({0, 0, 4, 0, 4, 0, 0, 0, 0x11, 0, 0}),
          bytes({0, 0, 4, 0, 5, 0, 0, 0, 0x11, 0, 0, 0, 0x02, 0, 0, 0}),
          bytes({0, 0, 4, 0, 4, 0, 0, 0, 0x10, 0, 0, 0, 0x02, 0, 0, 0}),
          bytes({0, 0, 9, 0, 9, 0, 0, 0, 0x01, 0, 0, 0, 0x02, 0, 0, 0})}) {
        SCOPED_TRACE(value.toHex().toStdString());
        EXPECT_FALSE(dosAttributesHide(value));
    }
}

} // namespace
} // namespace tvn
