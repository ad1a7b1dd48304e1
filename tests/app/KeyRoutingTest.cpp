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
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(frm.ListModify, &press);
    }
    EXPECT_EQ(removePressed.count(), 1);
}

} // namespace
} // namespace tvn::test
