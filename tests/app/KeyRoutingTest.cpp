#include "MainWindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

using KeyRoutingTest = MainWindowTest;

TEST_F(KeyRoutingTest, EnterAndEscFromAListPressTheRoleButtons) {
    // The list is empty: each press asks for a selection.
    ui.allowOkMessages();
    frm.showModify();
    control<QListWidget>(frm, "copiesList")->setFocus();
    QSignalSpy removePressed(control<QPushButton>(frm, "removeButton"), &QPushButton::clicked);
    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_Return);
    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(removePressed.count(), 2);

    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_Escape);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
}

TEST_F(KeyRoutingTest, EnterAndEscFromATextBoxOrACheckBoxConfirmTheSettings) {
    frm.showConfig();
    control<QLineEdit>(frm, "startMenuPathBox")->setFocus();
    QTest::keyClick(control<QLineEdit>(frm, "startMenuPathBox"), Qt::Key_Return);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));

    hideAllPanels();
    frm.showConfig();
    const bool hideHelp = control<QCheckBox>(frm, "hideHelpOption")->isChecked();
    control<QCheckBox>(frm, "hideHelpOption")->setFocus();
    QTest::keyClick(control<QCheckBox>(frm, "hideHelpOption"), Qt::Key_Escape);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_EQ(control<QCheckBox>(frm, "hideHelpOption")->isChecked(), hideHelp);
}

TEST_F(KeyRoutingTest, EscOnTheFirstPanelsEndsTheProgram) {
    frm.showIntroduction();
    QTest::keyClick(control<QPushButton>(frm, "continueButton"), Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());

    ui.clearCalls();
    frm.show();
    hideAllPanels();
    frm.showLanguages();
    QTest::keyClick(languageOption(frm, 0), Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());
}

TEST_F(KeyRoutingTest, AHiddenRoleButtonDoesNotAnswer) {
    frm.state().configured = true;
    frm.showConfig();
    frm.changeLanguageClicked();
    QTest::keyClick(languageOption(frm, 1), Qt::Key_Escape);
    EXPECT_FALSE(ui.ended());
    expectOnly(control<QFrame>(frm, "languagesPanel"),
               control<QPushButton>(frm, "languageOkButton"),
               control<QPushButton>(frm, "languagesExitButton"));

    // While work runs between two panels no panel button is on screen: keys do nothing.
    hideAllPanels();
    QSignalSpy okPressed(control<QPushButton>(frm, "languageOkButton"), &QPushButton::clicked);
    QTest::keyClick(&frm, Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 0);
}

TEST_F(KeyRoutingTest, EnterOnAFocusedButtonPressesThatButton) {
    frm.showMenu();
    control<QPushButton>(frm, "modifyButton")->setFocus();
    QTest::keyClick(control<QPushButton>(frm, "modifyButton"), Qt::Key_Return);
    expectOnly(control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "removeButton"),
               control<QPushButton>(frm, "modifyDoneButton"));
}

TEST_F(KeyRoutingTest, AHeldKeyPressesOnce) {
    ui.allowOkMessages();
    frm.showModify();
    QSignalSpy removePressed(control<QPushButton>(frm, "removeButton"), &QPushButton::clicked);
    struct Key {
        QEvent::Type type;
        bool markedRepeat;
        quint64 time; // ms; 0 when unknown, as for synthetic events
    };
    // A key held down and let go, three times. An X server repeats a held key as release and
    // press pairs of one time stamp, which the toolkit does not always mark as repeats.
    const Key keys[] = {
        {QEvent::KeyPress, false, 0},    {QEvent::KeyPress, true, 0},
        {QEvent::KeyPress, true, 0},     {QEvent::KeyRelease, false, 0},
        {QEvent::KeyPress, false, 1000}, {QEvent::KeyRelease, true, 1660},
        {QEvent::KeyPress, true, 1660},  {QEvent::KeyRelease, false, 1700},
        {QEvent::KeyPress, false, 1700}, {QEvent::KeyRelease, false, 1740},
        {QEvent::KeyPress, false, 1740}, {QEvent::KeyRelease, false, 1790},
        {QEvent::KeyPress, false, 2500}, {QEvent::KeyRelease, false, 2600},
    };
    for (const Key& key : keys) {
        QKeyEvent event(key.type, Qt::Key_Return, Qt::NoModifier, QString(), key.markedRepeat);
        event.setTimestamp(key.time);
        QApplication::sendEvent(control<QListWidget>(frm, "copiesList"), &event);
    }
    EXPECT_EQ(removePressed.count(), 3);
}

TEST_F(KeyRoutingTest, KeysTypedAfterLeavingAPanelReachNoHiddenControl) {
    frm.showConfig();
    frm.settingsOkClicked();
    ASSERT_EQ(visiblePanels(), std::vector<QString>{QStringLiteral("menuPanel")});
    QSignalSpy killPressed(control<QPushButton>(frm, "killConfigButton"), &QPushButton::clicked);
    const auto focused = [&]() -> QWidget* {
        return frm.focusWidget() ? frm.focusWidget() : &frm;
    };
    QTest::keyClicks(focused(), QStringLiteral("Donotcheckforerrors"));
    // Tab goes round the menu's buttons only, so Space can press only a button in sight.
    for (int k = 0; k < 12; ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_TRUE(control<QFrame>(frm, "menuPanel")->isAncestorOf(frm.focusWidget())) << k;
    }
    EXPECT_EQ(control<QLineEdit>(frm, "debugBox")->text(), QString());
    EXPECT_EQ(killPressed.count(), 0);

    // The debug text saved with the settings stays empty (no classification: no question first).
    frm.settingsClicked();
    frm.settingsOkClicked();
    EXPECT_TRUE(tree.read("Config.tvn").endsWith("\"\"\r\n"));
}

} // namespace
} // namespace tvn::test
