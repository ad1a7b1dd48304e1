#include "LanguageFixture.h"

#include <QBuffer>
#include <QPainter>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

QImage testPicture() {
    QImage image(120, 200, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 128));
    QPainter painter(&image);
    painter.fillRect(10, 10, 60, 90, QColor(255, 255, 0));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A small bitmap whose header claims 30000 x 30000 pixels.
QByteArray hugeBitmapHeader() {
    QByteArray bytes = encoded(testPicture(), "BMP");
    const auto setInt32 = [&](int at, qint32 value) {
        for (int k = 0; k < 4; ++k)
            bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    setInt32(18, 30000);
    setInt32(22, 30000);
    return bytes;
}

using LanguagePictureTest = LanguageTest;

TEST_F(LanguagePictureTest, TheFormatIsRecognisedFromTheContent) {
    stage(textFileName("it"));
    for (const char* format : {"BMP", "JPG", "PNG", "ICO"}) {
        SCOPED_TRACE(format);
        control<QLabel>(frm, "languagePicture")->clear();
        tree.write(pictureFileName("it"), encoded(testPicture(), format));
        apply(2);
        EXPECT_TRUE(ui.dialogs().empty());
        EXPECT_EQ(control<QLabel>(frm, "languagePicture")->pixmap().size(), QSize(120, 200));
        // Drawn at its own size from the box's top-left corner.
        EXPECT_EQ(control<QLabel>(frm, "languagePicture")->alignment(),
                  Qt::AlignLeft | Qt::AlignTop);
        EXPECT_FALSE(control<QLabel>(frm, "languagePicture")->hasScaledContents());
    }
}

TEST_F(LanguagePictureTest, AFileThatIsNoPictureKeepsThePreviousOne) {
    stageLanguage("uk");
    stage(textFileName("fr"));
    apply(0);
    const QImage english = shownPicture();
    ASSERT_FALSE(english.isNull());
    const QByteArray png = shippedFile(pictureFileName("fr"));
    const std::pair<const char*, QByteArray> files[] = {
        {"text", QByteArray("\"Not a picture\"\r\n")},
        {"empty", QByteArray()},
        {"a PNG cut short", png.left(png.size() / 8)},
        {"a bitmap claiming to be huge", hugeBitmapHeader()},
    };
    for (const auto& [what, content] : files) {
        SCOPED_TRACE(what);
        tree.write(pictureFileName("fr"), content);
        ui.clearCalls();
        ui.expectMessage();
        apply(1);
        EXPECT_EQ(ui.messageTexts(),
                  std::vector<QString>{unableToLoad(tree.path(pictureFileName("fr")), 1)});
        EXPECT_EQ(ui.dialogs().at(0).title, QString());
        EXPECT_EQ(ui.dialogs().at(0).icon, Icon::None);
        EXPECT_EQ(shownPicture(), english);
    }
}

TEST_F(LanguagePictureTest, PressingThePictureShowsTheAboutFrameWhileTheButtonIsDown) {
    stageLanguage("uk");
    apply(0);
    frm.showMenu();
    ASSERT_TRUE(control<QLabel>(frm, "languagePicture")->isVisible());
    QTest::mousePress(control<QLabel>(frm, "languagePicture"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(40, 60));
    EXPECT_FALSE(control<QLabel>(frm, "languagePicture")->isVisible());
    EXPECT_TRUE(control<QFrame>(frm, "aboutFrame")->isVisible());
    // The frame now lies under the mouse and takes the release.
    QTest::mouseRelease(control<QFrame>(frm, "aboutFrame"), Qt::LeftButton, Qt::NoModifier,
                        QPoint(40, 60));
    EXPECT_TRUE(control<QLabel>(frm, "languagePicture")->isVisible());
    EXPECT_FALSE(control<QFrame>(frm, "aboutFrame")->isVisible());
    EXPECT_EQ(visiblePanels(), std::vector<QString>{QStringLiteral("menuPanel")});

    QTest::mousePress(control<QLabel>(frm, "languagePicture"), Qt::RightButton, Qt::NoModifier,
                      QPoint(5, 5));
    EXPECT_TRUE(control<QFrame>(frm, "aboutFrame")->isVisible());
    QTest::mouseRelease(control<QFrame>(frm, "aboutFrame"), Qt::RightButton, Qt::NoModifier,
                        QPoint(5, 5));
    EXPECT_FALSE(control<QFrame>(frm, "aboutFrame")->isVisible());
}

} // namespace
} // namespace tvn::test
