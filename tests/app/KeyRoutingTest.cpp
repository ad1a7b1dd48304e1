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
    frm.ListModify->setFocus();
    QSignalSpy removePressed(frm.CRemove, &QPushButton::clicked);
    QTest::keyClick(frm.ListModify, Qt::Key_Return);
    QTest::keyClick(frm.ListModify, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(removePressed.count(), 2);

    QTest::keyClick(frm.ListModify, Qt::Key_Escape);
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
}

TEST_F(KeyRoutingTest, EnterAndEscFromATextBoxOrACheckBoxConfirmTheSettings) {
    frm.ShowConfig();
    frm.StartMenuCustomPath->setFocus();
    QTest::keyClick(frm.StartMenuCustomPath, Qt::Key_Return);
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);

    hideAllPanels();
    frm.ShowConfig();
    const bool hideHelp = frm.ChkHide->isChecked();
    frm.ChkHide->setFocus();
    QTest::keyClick(frm.ChkHide, Qt::Key_Escape);
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
    EXPECT_EQ(frm.ChkHide->isChecked(), hideHelp);
}

TEST_F(KeyRoutingTest, EscOnTheFirstPanelsEndsTheProgram) {
    frm.ShowIntroduction();
    QTest::keyClick(frm.CContinue, Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());

    ui.clearCalls();
    frm.show();
    hideAllPanels();
    frm.ShowLanguages();
    QTest::keyClick(frm.Language[0], Qt::Key_Escape);
    EXPECT_TRUE(ui.ended());
}

TEST_F(KeyRoutingTest, AHiddenRoleButtonDoesNotAnswer) {
    frm.state().configured = true;
    frm.ShowConfig();
    frm.CmdChangeLanguage_Click();
    QTest::keyClick(frm.Language[1], Qt::Key_Escape);
    EXPECT_FALSE(ui.ended());
    expectOnly(frm.Languages, frm.CmdLanguageOK, frm.Command4);

    // While work runs between two panels no panel button is on screen: keys do nothing.
    hideAllPanels();
    QSignalSpy okPressed(frm.CmdLanguageOK, &QPushButton::clicked);
    QTest::keyClick(&frm, Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 0);
}

TEST_F(KeyRoutingTest, EnterOnAFocusedButtonPressesThatButton) {
    frm.ShowMenu();
    frm.Command6->setFocus();
    QTest::keyClick(frm.Command6, Qt::Key_Return);
    expectOnly(frm.Modify, frm.CRemove, frm.Command2);
}

TEST_F(KeyRoutingTest, AHeldKeyPressesOnce) {
    ui.allowOkMessages();
    frm.ShowModify();
    QSignalSpy removePressed(frm.CRemove, &QPushButton::clicked);
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
        QApplication::sendEvent(frm.ListModify, &event);
    }
    EXPECT_EQ(removePressed.count(), 3);
}

TEST_F(KeyRoutingTest, KeysTypedAfterLeavingAPanelReachNoHiddenControl) {
    frm.ShowConfig();
    frm.COK_Click();
    ASSERT_EQ(visiblePanels(), std::vector<QString>{QStringLiteral("Menu")});
    QSignalSpy killPressed(frm.CmdDebug, &QPushButton::clicked);
    const auto focused = [&]() -> QWidget* {
        return frm.focusWidget() ? frm.focusWidget() : &frm;
    };
    QTest::keyClicks(focused(), QStringLiteral("Donotcheckforerrors"));
    // Tab goes round the menu's buttons only, so Space can press only a button in sight.
    for (int k = 0; k < 12; ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_TRUE(frm.Menu->isAncestorOf(frm.focusWidget())) << k;
    }
    EXPECT_EQ(frm.DebugBox->text(), QString());
    EXPECT_EQ(killPressed.count(), 0);

    // The debug text saved with the settings stays empty (no classification: no question first).
    frm.Command5_Click();
    frm.COK_Click();
    EXPECT_TRUE(tree.read("Config.tvn").endsWith("\"\"\r\n"));
}

} // namespace
} // namespace tvn::test
