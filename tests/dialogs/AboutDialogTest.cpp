#include "dialogs/AboutDialog.h"

#include "dialogs/MakerAddresses.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

namespace tvn {
namespace {

TEST(AboutDialog, IsACentredTopmostWindowWithTheMakersAddresses) {
    AboutDialog about;
    EXPECT_EQ(about.windowName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.size(), QSize(268, 336));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((about.geometry().center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(about.blankLine->text(), QString());
    EXPECT_EQ(about.webAddress->text(), QString::fromUtf16(kMakerWebAddress));
    EXPECT_TRUE(about.emailInvitation->text().endsWith(QString::fromUtf16(kMakerEmailAddress)));
    EXPECT_FALSE(about.continuePrompt->text().isEmpty());
    EXPECT_EQ(about.picture->pixmap().size(), QSize(240, 160));
}

TEST(AboutDialog, SpeaksTheInterfaceLanguage) {
    AboutDialog english(0);
    for (const int language : {1, 2}) {
        AboutDialog other(language);
        EXPECT_NE(other.windowTitle(), english.windowTitle()) << language;
        EXPECT_NE(other.emailInvitation->text(), english.emailInvitation->text()) << language;
        EXPECT_NE(other.continuePrompt->text(), english.continuePrompt->text()) << language;
        EXPECT_TRUE(other.emailInvitation->text().contains(QString::fromUtf16(kMakerEmailAddress)));
        EXPECT_NE(other.picture->pixmap().toImage(), english.picture->pixmap().toImage());
    }
}

TEST(AboutDialog, OnAScreenSmallerThanTheWindowItStartsOffScreen) {
    EXPECT_EQ(AboutDialog::centredOn(QRect(0, 0, 1024, 768), QSize(268, 336)), QPoint(378, 216));
    EXPECT_EQ(AboutDialog::centredOn(QRect(0, 0, 200, 150), QSize(268, 336)), QPoint(-34, -93));
    EXPECT_EQ(AboutDialog::centredOn(QRect(1920, 0, 640, 480), QSize(268, 336)), QPoint(2106, 72));
}

TEST(AboutDialog, AClickAnywhereClosesIt) {
    AboutDialog probe;
    const std::vector<QString> targets = {
        QStringLiteral("picture"),        QStringLiteral("blankLine"),
        QStringLiteral("webAddress"),     QStringLiteral("emailInvitation"),
        QStringLiteral("continuePrompt"), QStringLiteral("frmAbout")};
    for (const QString& name : targets) {
        SCOPED_TRACE(name.toStdString());
        AboutDialog about;
        about.show();
        QWidget* target = name == about.objectName() ? &about : about.findChild<QWidget*>(name);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                          name == about.objectName() ? QPoint(3, 3) : target->rect().center());
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
}

TEST(AboutDialog, ShowingItWaitsUntilItIsClosed) {
    AboutDialog about;
    bool shownWhileWaiting = false;
    QTimer::singleShot(20, &about, [&] {
        shownWhileWaiting = about.isVisible() && about.isModal();
        QTest::mouseClick(about.continuePrompt, Qt::LeftButton);
    });
    about.execModal();
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace tvn
