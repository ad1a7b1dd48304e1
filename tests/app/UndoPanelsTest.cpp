#include "app/widgets/QtListBox.h"
#include "catalogue/SystemAnalysis.h"
#include "MainWindowFixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

// Undo through the real main window: Ctrl+Z and the panels' buttons take back the shown
// panel's last action and the panel shows its lists as they were.

namespace tvn::test {
namespace {

class UndoPanels : public MainWindowTest {
protected:
    UndoPanels() {
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Games/Go.lnk", "go");
        tree.write("Start Menu/giochi/Gone.lnk", "orphan");
        analyseSystem(frm.tvn());
        ui.clearCalls();
        hideAllPanels();
        frm.showMenu();
    }

    // The key is the window's shortcut: it reaches the active window only.
    void pressUndoKey() {
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
        QWidget* focus = frm.focusWidget();
        QTest::keyClick(focus ? focus : &frm, Qt::Key_Z, Qt::ControlModifier);
    }
};

TEST_F(UndoPanels, CtrlZTakesBackAClassificationAndTheListShowsItAgain) {
    QTest::mouseClick(control<QPushButton>(frm, "classifyButton"), Qt::LeftButton);
    EXPECT_FALSE(control<QPushButton>(frm, "creationUndoButton")->isEnabled());
    frm.tvn().lists.notYet.selectOnly(1); // Go
    QTest::mouseClick(categoryButton(frm, 0), Qt::LeftButton);
    ASSERT_EQ(tree.read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_EQ(notYetShown(), QStringList{"Chess"});
    EXPECT_TRUE(control<QPushButton>(frm, "creationUndoButton")->isEnabled());

    pressUndoKey();
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Go.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    EXPECT_EQ(notYetShown(), (QStringList{"Chess", "Go"}));
    EXPECT_EQ(notYetSelected(), QStringList{"Go"});
    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
    EXPECT_FALSE(control<QPushButton>(frm, "creationUndoButton")->isEnabled());
    // Nothing more to take back: a beep.
    pressUndoKey();
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(UndoPanels, ARemovedCopyWaitsInTheTrashUntilTheButtonBringsItBack) {
    QTest::mouseClick(control<QPushButton>(frm, "modifyButton"), Qt::LeftButton);
    ASSERT_EQ(control<QListWidget>(frm, "copiesList")->count(), 1);
    QTest::mouseClick(control<QPushButton>(frm, "removeButton"), Qt::LeftButton);
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_EQ(trash.files(), QStringList{"Gone.lnk"});
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->count(), 0);

    QTest::mouseClick(control<QPushButton>(frm, "modifyUndoButton"), Qt::LeftButton);
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    EXPECT_TRUE(trash.files().isEmpty());
    ASSERT_EQ(control<QListWidget>(frm, "copiesList")->count(), 1);
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->item(0)->text(), "Gone");
    expectOnly(control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "removeButton"),
               control<QPushButton>(frm, "modifyDoneButton"));
}

TEST_F(UndoPanels, CtrlZOnTheMenuTakesBackTheResetAndSaysHowManyCopiesCameBack) {
    tree.write("Start Menu/giochi/Chess.lnk", "chess");
    analyseSystem(frm.tvn());
    ui.expectMessage(Answer::Yes); // delete every classification?
    ui.expectMessage();            // they are deleted
    QTest::mouseClick(control<QPushButton>(frm, "resetButton"), Qt::LeftButton);
    ASSERT_FALSE(tree.exists("Start Menu/giochi"));

    ui.clearCalls();
    ui.expectMessage();
    pressUndoKey();
    EXPECT_EQ(tree.read("Start Menu/giochi/Chess.lnk"), "chess");
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_TRUE(ui.dialogs().front().text.endsWith(QStringLiteral(" 2")))
        << ui.dialogs().front().text.toStdString();
}

} // namespace
} // namespace tvn::test
