// The pictures drawn at build time: the built-in ones load from the resources linked in with
// torvane_pictures, the language pictures from the program folder by their content alone.
#include "dialogs/BuiltInPictures.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>

namespace {

using tvn::BuiltInPicture;

QImage loadByContent(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

TEST(BuiltInPictures, LoadFromTheLinkedResourcesAtTheirSizes) {
    const struct {
        BuiltInPicture picture;
        QSize size;
    } expected[] = {
        {BuiltInPicture::FlagUnitedKingdom, {32, 20}},
        {BuiltInPicture::FlagFrance, {32, 20}},
        {BuiltInPicture::FlagItaly, {32, 20}},
        {BuiltInPicture::About, {240, 160}},
        {BuiltInPicture::Info, {224, 224}},
    };
    for (const auto& [picture, size] : expected) {
        const QString path = tvn::builtInPicturePath(picture);
        const QImage image(path);
        EXPECT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.size(), size) << path.toStdString();
    }
}

TEST(BuiltInPictures, TheAboutAndInformationPicturesDifferPerLanguage) {
    for (const BuiltInPicture picture : {BuiltInPicture::About, BuiltInPicture::Info}) {
        const QImage english(tvn::builtInPicturePath(picture, 0));
        const QImage french(tvn::builtInPicturePath(picture, 1));
        const QImage italian(tvn::builtInPicturePath(picture, 2));
        ASSERT_FALSE(french.isNull());
        ASSERT_FALSE(italian.isNull());
        EXPECT_EQ(french.size(), english.size());
        EXPECT_NE(french, english);
        EXPECT_NE(italian, english);
        EXPECT_NE(italian, french);
        EXPECT_EQ(QImage(tvn::builtInPicturePath(picture, 7)), english);
    }
}

TEST(LanguagePictures, LoadByContentAtTheSizeOfThePictureBoxAndDifferPerLanguage) {
    std::vector<QImage> images;
    for (const char* code : {"uk", "fr", "it"}) {
        const QString path = QStringLiteral(TORVANE_APP_DIR "/Gfx (%1).tvn").arg(code);
        images.push_back(loadByContent(path));
        EXPECT_EQ(images.back().size(), QSize(169, 329)) << path.toStdString();
    }
    // Each carries its own language's words and category names.
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[0], images[2]);
    EXPECT_NE(images[1], images[2]);
}

} // namespace
