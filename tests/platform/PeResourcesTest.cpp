#include "platform/PeResources.h"

#include "tests/support/PrintQString.h"
#include "tests/support/TempTree.h"
#include "tools/demoprefix/ProgramFile.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

namespace tvn::test {
namespace {

using tools::ProgramFileContent;
using tools::ProgramIconImage;

ProgramFileContent twoIconsAndVersion() {
    ProgramFileContent content;
    content.iconGroups = {{{16, 0xFF0000FF, {}}, {48, 0xFF00FF00, {}}},
                          {{32, 0xFFFF0000, {}}, {256, 0xFF000000, QByteArray("\x89PNG fake", 9)}}};
    content.description = QStringLiteral("  Image viewer ");
    content.product = QStringLiteral("Pixie");
    content.company = QStringLiteral("Pixie");
    return content;
}

std::vector<std::pair<int, int>> sizesAndBytes(const std::vector<PeIconImage>& images) {
    std::vector<std::pair<int, int>> out;
    for (const PeIconImage& image : images)
        out.push_back({image.width, int(image.data.size())});
    return out;
}

std::vector<PeIconImage> iconsOf(QByteArray bytes, int index) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return peIconGroup(buffer, index);
}

ProgramVersionTexts versionOf(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return peVersionTexts(buffer);
}

TEST(PeResources, ReadsIconGroupsByIndexAndByIdAndTheVersionTexts) {
    const QByteArray file = tools::programFileBytes(twoIconsAndVersion());
    // A 16-pixel 32-bit bitmap: header, colours, mask.
    const int small = 40 + 16 * 16 * 4 + 4 * 16;
    const int large = 40 + 48 * 48 * 4 + 8 * 48;
    const std::vector<std::pair<int, int>> first{{16, small}, {48, large}};
    const std::vector<std::pair<int, int>> second{{32, 40 + 32 * 32 * 4 + 4 * 32}, {256, 9}};
    EXPECT_EQ(sizesAndBytes(iconsOf(file, 0)), first);
    EXPECT_EQ(sizesAndBytes(iconsOf(file, 1)), second);
    EXPECT_EQ(sizesAndBytes(iconsOf(file, -2)), second);
    EXPECT_EQ(iconsOf(file, 0).front().data.left(4), QByteArray("\x28\0\0\0", 4));
    EXPECT_TRUE(iconsOf(file, 2).empty());
    EXPECT_TRUE(iconsOf(file, -3).empty());
    EXPECT_EQ(versionOf(file).joined(), QStringLiteral("Image viewer Pixie"));

    ProgramFileContent longTexts;
    longTexts.description = QString(300, u'd');
    longTexts.company = QStringLiteral("Maker");
    EXPECT_EQ(versionOf(tools::programFileBytes(longTexts)),
              (ProgramVersionTexts{QString(kMaxPeVersionTextChars, u'd'), {}, "Maker"}));
    EXPECT_TRUE(iconsOf(tools::programFileBytes(longTexts), 0).empty());
}

// Cut anywhere, or with any header field set to an extreme, the file gives at most what it
// holds, and never more than the limits.
TEST(PeResources, DamagedFilesGiveNothingOrWhatTheyStillHold) {
    const QByteArray file = tools::programFileBytes(twoIconsAndVersion());
    const auto whole = sizesAndBytes(iconsOf(file, 0));
    for (qsizetype size = 0; size < file.size(); size += 7) {
        const auto icons = sizesAndBytes(iconsOf(file.first(size), 0));
        EXPECT_TRUE(icons.empty() || icons == whole || icons.size() < whole.size()) << size;
        const ProgramVersionTexts texts = versionOf(file.first(size));
        EXPECT_TRUE(texts == ProgramVersionTexts{} || texts == versionOf(file)) << size;
    }
    for (qsizetype at = 0; at + 4 <= 0x400 && at + 4 <= file.size(); at += 2) {
        for (const quint32 value : {0u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u}) {
            QByteArray damaged = file;
            qToLittleEndian(value, damaged.data() + at);
            for (const PeIconImage& image : iconsOf(damaged, 0))
                EXPECT_LE(image.data.size(), kMaxPeIconImageBytes);
            const ProgramVersionTexts texts = versionOf(damaged);
            for (const QString& text : {texts.description, texts.product, texts.company})
                EXPECT_LE(text.size(), kMaxPeVersionTextChars);
        }
    }
    EXPECT_TRUE(iconsOf("MZ", 0).empty());
    EXPECT_TRUE(iconsOf({}, 0).empty());
}

// A file of 8 GiB (sparse) whose icon claims 2 GiB: read with seeks, in no time, and the icon
// refused.
TEST(PeResources, AHugeFileIsReadOnlyWhereItsHeadersPoint) {
    TempTree tree;
    QByteArray bytes = tools::programFileBytes(twoIconsAndVersion());
    // The first icon's size, first in the resource section where its data entry holds it.
    QByteArray size(4, '\0');
    qToLittleEndian(quint32(40 + 16 * 16 * 4 + 4 * 16), size.data());
    const qsizetype at = bytes.indexOf(size, 0x200);
    ASSERT_GT(at, 0);
    qToLittleEndian(quint32(0x80000000), bytes.data() + at);
    tree.write(QStringLiteral("huge.exe"), bytes);
    QFile file(tree.path(QStringLiteral("huge.exe")));
    ASSERT_TRUE(file.resize(qint64(8) << 30));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QElapsedTimer clock;
    clock.start();
    const auto icons = peIconGroup(file, 0);
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons.front().width, 48);
    EXPECT_EQ(peVersionTexts(file).joined(), QStringLiteral("Image viewer Pixie"));
}

} // namespace
} // namespace tvn::test
