#include "app/widgets/QtListBox.h"
#include "catalogue/SystemAnalysis.h"
#include "MainWindowFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

// The Modify and Purges panels and the reset, driven through the real main window.

namespace tvn::test {
namespace {

class MaintenancePanels : public MainWindowTest {
protected:
    MaintenancePanels() {
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Office/Writer.lnk", "writer");
        tree.write("Start Menu/giochi/Chess.lnk", "chess copy");
        tree.write("Start Menu/giochi/Gone.lnk", "orphan");
        tree.write(QStringLiteral("Start Menu/utilità/Writer.lnk"), "writer copy");
        frm.state().startMenuPath = tree.path("Start Menu");
        frm.state().programsPath = tree.path("Start Menu/Programs");
        analyseSystem(frm.tvn());
        ui.clearCalls();
        hideAllPanels();
        frm.showMenu();
    }

    // Records the panels visible at each pump of the next handler.
    void watchPumps() {
        ui.onPump = [this] {
            panelsAtPumps.push_back(visiblePanels());
        };
    }

    std::vector<std::vector<QString>> panelsAtPumps;
};

TEST_F(MaintenancePanels, ModifyListsEveryCopyWithTheFirstSelected) {
    control<QLabel>(frm, "progressLine")->setText("7");
    watchPumps();
    QTest::mouseClick(control<QPushButton>(frm, "modifyButton"), Qt::LeftButton);
    ASSERT_EQ(panelsAtPumps.size(), 1u);
    EXPECT_TRUE(panelsAtPumps.front().empty());
    EXPECT_EQ(control<QLabel>(frm, "progressLine")->text(), QString());
    expectOnly(control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "removeButton"),
               control<QPushButton>(frm, "modifyDoneButton"));
    ASSERT_EQ(control<QListWidget>(frm, "copiesList")->count(), 3);
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->item(2)->text(), "Writer");
    EXPECT_EQ(frm.tvn().lists.listModify.currentIndex(), 0);
    EXPECT_TRUE(frm.tvn().lists.listModify.isSelected(0));

    // The list opens with the focus; Enter presses the remove button: the selected copy goes.
    EXPECT_EQ(frm.focusWidget(), control<QListWidget>(frm, "copiesList"));
    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_Return);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->count(), 2);
    EXPECT_EQ(frm.copyNames.count(), 2);
    EXPECT_EQ(frm.copyFolders.count(), 2);
    EXPECT_TRUE(ui.dialogs().empty());
}

TEST_F(MaintenancePanels, MoveSwitchesTheCreationPanelAndItsDoneButtonComesBack) {
    frm.modifyClicked();
    frm.tvn().lists.listModify.setSelected(2, true);
    frm.moveClicked();

    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "moveDoneButton"));
    EXPECT_TRUE(frm.state().moveMode);
    EXPECT_FALSE(control<QLabel>(frm, "classifyInstructions")->isVisible());
    EXPECT_TRUE(control<QLabel>(frm, "moveInstructions")->isVisible());
    EXPECT_FALSE(control<QPushButton>(frm, "creationDoneButton")->isVisible());
    EXPECT_TRUE(control<QPushButton>(frm, "moveDoneButton")->isVisible());
    EXPECT_FALSE(control<QLabel>(frm, "creationTitle")->isVisible());
    EXPECT_TRUE(control<QLabel>(frm, "moveTitle")->isVisible());
    EXPECT_EQ(frm.focusWidget(), control<QListWidget>(frm, "unclassifiedList"));
    ASSERT_EQ(frm.tvn().lists.notYet.count(), 2);
    EXPECT_EQ(frm.tvn().lists.notYet.at(0), "Chess");
    EXPECT_EQ(frm.unclassifiedFolders.at(0), tree.path("Start Menu/giochi"));
    EXPECT_EQ(frm.unclassifiedFolders.at(1), tree.path(QStringLiteral("Start Menu/utilità")));

    QTest::mouseClick(categoryButton(frm, 3), Qt::LeftButton);
    EXPECT_EQ(tree.read("Start Menu/video/Chess.lnk"), "chess copy");
    EXPECT_EQ(tree.read("Start Menu/video/Writer.lnk"), "writer copy");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));

    // Esc is the done button of the move; the walk counts on from the label.
    control<QLabel>(frm, "progressLine")->setText("10");
    watchPumps();
    QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), Qt::Key_Escape);
    ASSERT_EQ(panelsAtPumps.size(), 4u); // the one before the walk, one per folder walked
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "removeButton"),
               control<QPushButton>(frm, "modifyDoneButton"));
    EXPECT_FALSE(frm.state().moveMode);
    EXPECT_TRUE(control<QLabel>(frm, "progressLine")->text().startsWith("13 "))
        << control<QLabel>(frm, "progressLine")->text().toStdString();
    EXPECT_TRUE(control<QPushButton>(frm, "creationDoneButton")->isHidden() == false &&
                control<QPushButton>(frm, "moveDoneButton")->isHidden());
    EXPECT_TRUE(control<QLabel>(frm, "creationTitle")->isHidden() == false &&
                control<QLabel>(frm, "moveTitle")->isHidden());
    EXPECT_FALSE(control<QLabel>(frm, "classifyInstructions")->isHidden());
    ASSERT_EQ(control<QListWidget>(frm, "copiesList")->count(), 3);
    // Still sorted by name: Chess and Writer now in video, Gone where it was.
    EXPECT_EQ(frm.copyFolders.at(0), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.copyFolders.at(2), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.tvn().lists.listModify.currentIndex(), -1);
    EXPECT_TRUE(control<QListWidget>(frm, "copiesList")->selectedItems().isEmpty());
}

TEST_F(MaintenancePanels, MovingNothingAsksForASelectionAndKeepsTheModifyPanel) {
    frm.modifyClicked();
    frm.tvn().lists.listModify.setSelected(0, false);
    ui.expectMessage();
    QTest::mouseClick(control<QPushButton>(frm, "moveButton"), Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(Message::SelectShortcuts)});
    expectOnly(control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "removeButton"),
               control<QPushButton>(frm, "modifyDoneButton"));
    EXPECT_FALSE(frm.state().moveMode);
}

TEST_F(MaintenancePanels, PurgeListsTheOrphanAndDeletesIt) {
    watchPumps();
    QTest::mouseClick(control<QPushButton>(frm, "cleanUpButton"), Qt::LeftButton);
    // One pump before the build, one per classified copy.
    ASSERT_EQ(panelsAtPumps.size(), 4u);
    for (const auto& panels : panelsAtPumps)
        EXPECT_TRUE(panels.empty());
    expectOnly(control<QFrame>(frm, "purgesPanel"), control<QPushButton>(frm, "purgeButton"),
               control<QPushButton>(frm, "purgesBackButton"));
    EXPECT_EQ(control<QLabel>(frm, "progressLine")->text(),
              "100%"); // English writes no space before %
    ASSERT_EQ(control<QListWidget>(frm, "orphansList")->count(), 1);
    EXPECT_EQ(control<QListWidget>(frm, "orphansList")->item(0)->text(), "Gone");
    EXPECT_TRUE(frm.tvn().lists.purgeList.isSelected(0));
    EXPECT_EQ(frm.focusWidget(), control<QListWidget>(frm, "orphansList"));

    QTest::mouseClick(control<QPushButton>(frm, "purgeButton"), Qt::LeftButton);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Gone.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Chess.lnk"), "chess copy");
    EXPECT_EQ(control<QListWidget>(frm, "orphansList")->count(), 0);
    EXPECT_EQ(frm.orphanFolders.count(), 0);
    EXPECT_TRUE(ui.dialogs().empty());
    // The empty list says there is nothing left to clean up instead of asking for a selection.
    EXPECT_FALSE(control<QLabel>(frm, "purgeInstructions")->isVisible());
    EXPECT_TRUE(control<QLabel>(frm, "noOrphansNote")->isVisible());

    ui.expectMessage();
    control<QListWidget>(frm, "orphansList")->setFocus();
    QTest::keyClick(control<QListWidget>(frm, "orphansList"), Qt::Key_Return);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(Message::SelectShortcuts)});
}

TEST_F(MaintenancePanels, ResetAnsweredNoKeepsTheMenuAndEveryCopy) {
    const auto before = tree.snapshot();
    ui.expectMessage(Answer::No);
    QTest::mouseClick(control<QPushButton>(frm, "resetButton"), Qt::LeftButton);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs()[0].text, frm.messageText(Message::DeleteAllQuestion));
    EXPECT_EQ(ui.dialogs()[0].title, "Caution!");
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(MaintenancePanels, ResetDeletesTheClassificationsAndAnalysesAgain) {
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    watchPumps();
    QTest::mouseClick(control<QPushButton>(frm, "resetButton"), Qt::LeftButton);
    ASSERT_EQ(ui.messageTexts(), std::vector<QString>({frm.messageText(Message::DeleteAllQuestion),
                                                       frm.messageText(Message::AllDeleted)}));
    ASSERT_FALSE(panelsAtPumps.empty());
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_EQ(frm.copyNames.count(), 0);
    EXPECT_EQ(frm.shortcutNames.count(), 2);
    EXPECT_EQ(control<QListWidget>(frm, "copiesList")->count(), 0);
}

TEST_F(MaintenancePanels, AFailedAnalysisAfterTheResetLeavesOnlyTheSettingsPanel) {
    frm.state().programsPath = tree.path("Start Menu/Gone");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    ui.expectMessage();
    QTest::mouseClick(control<QPushButton>(frm, "resetButton"), Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>({frm.messageText(Message::DeleteAllQuestion),
                                                       frm.messageText(Message::AllDeleted),
                                                       frm.messageText(Message::WrongSettings)}));
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
}

} // namespace
} // namespace tvn::test
