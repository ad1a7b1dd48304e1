#include "FrmMainFixture.h"

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

using KeyRoutingTest = FrmMainTest;

TEST_F(KeyRoutingTest, EnterAndEscFromAListPressTheRoleButtons) {
    // The list is empty: each press asks for a selection.
    ui.allowOkMessages();
    frm.ShowModify();
    frm.copiesList->setFocus();
    QSignalSpy removePressed(frm.removeButton, &QPushButton::clicked);
    QTest::keyClick(frm.copiesList, Qt::Key_Return);
    QTest::keyClick(frm.copiesList, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(removePressed.count(), 2);

    QTest::keyClick(frm.copiesList, Qt::Key_Escape);
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);
}

TEST_F(KeyRoutingTest, EnterAndEscFromATextBoxOrACheckBoxConfirmTheSettings) {
    frm.ShowConfig();
    frm.startMenuPathBox->setFocus();
    QTest::keyClick(frm.startMenuPathBox, Qt::Key_Return);
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);

    hideAllPanels();
    frm.ShowConfig();
    const bool hideHelp = frm.hideHelpOption->isChecked();
    frm.hideHelpOption->setFocus();
    QTest::keyClick(frm.hideHelpOption, Qt::Key_Escape);
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);
    EXPECT_EQ(frm.hideHelpOption->isChecked(), hideHelp);
}

TEST_F(KeyRoutingTest, EscOnTheFirstPanelsEndsTheProgram) {
    frm.ShowIntroduction();
    QTest::keyClick(frm.continueButton, Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());

    ui.clearCalls();
    frm.show();
    hideAllPanels();
    frm.ShowLanguages();
    QTest::keyClick(frm.languageOptions[0], Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());
}

TEST_F(KeyRoutingTest, AHiddenRoleButtonDoesNotAnswer) {
    frm.state().configured = true;
    frm.ShowConfig();
    frm.changeLanguageClicked();
    QTest::keyClick(frm.languageOptions[1], Qt::Key_Escape);
    EXPECT_FALSE(ui.ended());
    expectOnly(frm.languagesPanel, frm.languageOkButton, frm.languagesExitButton);

    // While work runs between two panels no panel button is on screen: keys do nothing.
    hideAllPanels();
    QSignalSpy okPressed(frm.languageOkButton, &QPushButton::clicked);
    QTest::keyClick(&frm, Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 0);
}

TEST_F(KeyRoutingTest, EnterOnAFocusedButtonPressesThatButton) {
    frm.ShowMenu();
    frm.modifyButton->setFocus();
    QTest::keyClick(frm.modifyButton, Qt::Key_Return);
    expectOnly(frm.modifyPanel, frm.removeButton, frm.modifyDoneButton);
}

TEST_F(KeyRoutingTest, AHeldKeyPressesOnce) {
    ui.allowOkMessages();
    frm.ShowModify();
    QSignalSpy removePressed(frm.removeButton, &QPushButton::clicked);
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
        QApplication::sendEvent(frm.copiesList, &event);
    }
    EXPECT_EQ(removePressed.count(), 3);
}

TEST_F(KeyRoutingTest, KeysTypedAfterLeavingAPanelReachNoHiddenControl) {
    frm.ShowConfig();
    frm.settingsOkClicked();
    ASSERT_EQ(visiblePanels(), std::vector<QString>{QStringLiteral("menuPanel")});
    QSignalSpy killPressed(frm.killConfigButton, &QPushButton::clicked);
    const auto focused = [&]() -> QWidget* {
        return frm.focusWidget() ? frm.focusWidget() : &frm;
    };
    QTest::keyClicks(focused(), QStringLiteral("Donotcheckforerrors"));
    // Tab goes round the menu's buttons only, so Space can press only a button in sight.
    for (int k = 0; k < 12; ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_TRUE(frm.menuPanel->isAncestorOf(frm.focusWidget())) << k;
    }
    EXPECT_EQ(frm.debugBox->text(), QString());
    EXPECT_EQ(killPressed.count(), 0);

    // The debug text saved with the settings stays empty (no classification: no question first).
    frm.settingsClicked();
    frm.settingsOkClicked();
    EXPECT_TRUE(tree.read("Config.tvn").endsWith("\"\"\r\n"));
}

} // namespace
} // namespace tvn::test
