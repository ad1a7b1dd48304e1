#include "dialogs/QtUi.h"

#include "DialogAnswering.h"

#include <gtest/gtest.h>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a message box and presses `key` in it; `key2`, when given, is pressed afterwards if
// the box is still open.
Answer answerWithKeys(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Qt::Key key, Seen* seen = nullptr,
                      QMessageBox::StandardButton thenClick = QMessageBox::NoButton) {
    whenDialogOpens([=](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        if (seen)
            *seen = {box.windowTitle(), box.text(), box.icon()};
        QTest::keyClick(&keyTarget(box), key);
        if (thenClick != QMessageBox::NoButton && box.isVisible()) {
            if (seen)
                seen->text = QStringLiteral("still open");
            box.button(thenClick)->click();
        }
    });
    return QtUi().message(text, title, buttons, icon);
}

TEST(QtUi, AMessageWithoutATitleShowsTheApplicationsTitle) {
    Seen seen;
    answerWithKeys(QStringLiteral("UK\rFR\r\nIT"), QString(), Buttons::Ok, Icon::None,
                   Qt::Key_Return, &seen);
    EXPECT_EQ(seen.title, QStringLiteral("Torvane v1.23"));
    EXPECT_EQ(seen.text, QStringLiteral("UK\nFR\nIT"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);

    answerWithKeys(QStringLiteral("x"), QStringLiteral("ERROR!"), Buttons::Ok, Icon::Exclamation,
                   Qt::Key_Return, &seen);
    EXPECT_EQ(seen.title, QStringLiteral("ERROR!"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST(QtUi, EnterPressesTheDefaultButton) {
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::Ok, Icon::None, Qt::Key_Return), Answer::Ok);
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::YesNo, Icon::None, Qt::Key_Return), Answer::Yes);
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::YesNoCancel, Icon::None, Qt::Key_Return),
              Answer::Yes);
    // Before what cannot be taken back, Enter and Esc keep everything.
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::YesNoNoFirst, Icon::None, Qt::Key_Return),
              Answer::No);
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::YesNoNoFirst, Icon::None, Qt::Key_Escape),
              Answer::No);
}

// Opening the details of a report leaves Enter on OK, which closes the box.
TEST(QtUi, EnterClosesAReportWhoseDetailsAreOpen) {
    bool detailsOpened = false;
    bool openAfterEnter = true;
    whenDialogOpens([&](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        for (QPushButton* button : box.findChildren<QPushButton*>())
            if (box.buttonRole(button) == QMessageBox::ActionRole) {
                button->setFocus();
                button->click();
                detailsOpened = true;
                QTest::keyClick(button, Qt::Key_Return);
            }
        openAfterEnter = box.isVisible();
        if (openAfterEnter)
            box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(QtUi().message(QStringLiteral("q"), {}, Buttons::Ok, Icon::Exclamation,
                             QStringLiteral("copy: /a -> /b: No space left on device")),
              Answer::Ok);
    EXPECT_TRUE(detailsOpened);
    EXPECT_FALSE(openAfterEnter);
}

TEST(QtUi, EscAnswersAsAWindowsMessageBoxDoes) {
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::Ok, Icon::None, Qt::Key_Escape), Answer::Ok);
    EXPECT_EQ(answerWithKeys("q", {}, Buttons::YesNoCancel, Icon::None, Qt::Key_Escape),
              Answer::Cancel);
    // A Yes/No question has no answer for Esc: it stays open until a button is pressed.
    Seen seen;
    EXPECT_EQ(
        answerWithKeys("q", {}, Buttons::YesNo, Icon::None, Qt::Key_Escape, &seen, QMessageBox::No),
        Answer::No);
    EXPECT_EQ(seen.text, QStringLiteral("still open"));
}

TEST(QtUi, InputReturnsTheTypedTextOrNothingWhenCancelled) {
    QString title;
    QString shownDefault;
    whenDialogOpens([&](QWidget& dialog) {
        auto& input = dynamic_cast<QInputDialog&>(dialog);
        title = input.windowTitle();
        shownDefault = input.textValue();
        input.setTextValue(QStringLiteral("giochi nuovi"));
        QTest::keyClick(&keyTarget(input), Qt::Key_Return);
    });
    EXPECT_EQ(QtUi().input(QStringLiteral("Nome :"), QString(), QStringLiteral("giochi")),
              QStringLiteral("giochi nuovi"));
    EXPECT_EQ(title, QStringLiteral("Torvane v1.23"));
    EXPECT_EQ(shownDefault, QStringLiteral("giochi"));

    whenDialogOpens([](QWidget& dialog) { QTest::keyClick(&keyTarget(dialog), Qt::Key_Escape); });
    EXPECT_EQ(QtUi().input(QStringLiteral("Nome :"), QString(), QStringLiteral("giochi")),
              QString());
}

TEST(QtUi, PumpRunsWhatIsPendingAndReturns) {
    QtUi ui;
    for (int round = 0; round < 2; ++round) {
        bool ran = false;
        QMetaObject::invokeMethod(
            qApp, [&] { ran = true; }, Qt::QueuedConnection);
        // Pumps in quick succession share one turn of the event loop.
        QThread::msleep(QtUi::kPumpIntervalMs + 1);
        ui.pumpEvents();
        EXPECT_TRUE(ran) << round;
    }
}

TEST(QtUiDeathTest, EndingTheProgramExitsAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(QtUi().endProgram(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tvn::test
