#include "app/QtListBox.h"
#include "catalogue/SystemAnalysis.h"
#include "FrmMainFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

// The Modify and Purges panels and the reset, driven through the real main window.

namespace tvn::test {
namespace {

class MaintenancePanels : public FrmMainTest {
protected:
    MaintenancePanels() {
        tree.write("Start Menu/Programs/Games/Chess.lnk", "chess");
        tree.write("Start Menu/Programs/Office/Writer.lnk", "writer");
        tree.write("Start Menu/giochi/Chess.lnk", "chess copy");
        tree.write("Start Menu/giochi/Gone.lnk", "orphan");
        tree.write(QStringLiteral("Start Menu/utilità/Writer.lnk"), "writer copy");
        frm.state().startMenuPath = tree.path("Start Menu");
        frm.state().programsPath = tree.path("Start Menu/Programs");
        AnalyseSystem(frm.tvn());
        ui.clearCalls();
        hideAllPanels();
        frm.ShowMenu();
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
    frm.progressLine->setText("7");
    watchPumps();
    QTest::mouseClick(frm.modifyButton, Qt::LeftButton);
    ASSERT_EQ(panelsAtPumps.size(), 1u);
    EXPECT_TRUE(panelsAtPumps.front().empty());
    EXPECT_EQ(frm.progressLine->text(), QString());
    expectOnly(frm.modifyPanel, frm.removeButton, frm.modifyDoneButton);
    ASSERT_EQ(frm.copiesList->count(), 3);
    EXPECT_EQ(frm.copiesList->item(2)->text(), "Writer");
    EXPECT_EQ(frm.copiesBox->currentIndex(), 0);
    EXPECT_TRUE(frm.copiesBox->isSelected(0));

    // The list opens with the focus; Enter presses the remove button: the selected copy goes.
    EXPECT_EQ(frm.focusWidget(), frm.copiesList);
    QTest::keyClick(frm.copiesList, Qt::Key_Return);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    EXPECT_EQ(frm.copiesList->count(), 2);
    EXPECT_EQ(frm.copyNames.count(), 2);
    EXPECT_EQ(frm.copyFolders.count(), 2);
    EXPECT_TRUE(ui.dialogs().empty());
}

TEST_F(MaintenancePanels, MoveSwitchesTheCreationPanelAndItsDoneButtonComesBack) {
    frm.modifyClicked();
    frm.copiesBox->setSelected(2, true);
    frm.moveClicked();

    expectOnly(frm.creationPanel, nullptr, frm.moveDoneButton);
    EXPECT_TRUE(frm.state().moveMode);
    EXPECT_FALSE(frm.classifyInstructions->isVisible());
    EXPECT_TRUE(frm.moveInstructions->isVisible());
    EXPECT_FALSE(frm.creationDoneButton->isVisible());
    EXPECT_TRUE(frm.moveDoneButton->isVisible());
    EXPECT_FALSE(frm.creationTitle->isVisible());
    EXPECT_TRUE(frm.moveTitle->isVisible());
    EXPECT_EQ(frm.focusWidget(), frm.unclassifiedList);
    ASSERT_EQ(frm.unclassifiedBox->count(), 2);
    EXPECT_EQ(frm.unclassifiedBox->at(0), "Chess");
    EXPECT_EQ(frm.unclassifiedFolders.at(0), tree.path("Start Menu/giochi"));
    EXPECT_EQ(frm.unclassifiedFolders.at(1), tree.path(QStringLiteral("Start Menu/utilità")));

    QTest::mouseClick(frm.categoryButtons[3], Qt::LeftButton);
    EXPECT_EQ(tree.read("Start Menu/video/Chess.lnk"), "chess copy");
    EXPECT_EQ(tree.read("Start Menu/video/Writer.lnk"), "writer copy");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));

    // Esc is the done button of the move; the walk counts on from the label.
    frm.progressLine->setText("10");
    watchPumps();
    QTest::keyClick(frm.unclassifiedList, Qt::Key_Escape);
    ASSERT_EQ(panelsAtPumps.size(), 4u); // the one before the walk, one per folder walked
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(frm.modifyPanel, frm.removeButton, frm.modifyDoneButton);
    EXPECT_FALSE(frm.state().moveMode);
    EXPECT_TRUE(frm.progressLine->text().startsWith("13 "))
        << frm.progressLine->text().toStdString();
    EXPECT_TRUE(frm.creationDoneButton->isHidden() == false && frm.moveDoneButton->isHidden());
    EXPECT_TRUE(frm.creationTitle->isHidden() == false && frm.moveTitle->isHidden());
    EXPECT_FALSE(frm.classifyInstructions->isHidden());
    ASSERT_EQ(frm.copiesList->count(), 3);
    // Still sorted by name: Chess and Writer now in video, Gone where it was.
    EXPECT_EQ(frm.copyFolders.at(0), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.copyFolders.at(2), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.copiesBox->currentIndex(), -1);
    EXPECT_TRUE(frm.copiesList->selectedItems().isEmpty());
}

TEST_F(MaintenancePanels, MovingNothingAsksForASelectionAndKeepsTheModifyPanel) {
    frm.modifyClicked();
    frm.copiesBox->setSelected(0, false);
    ui.expectMessage();
    QTest::mouseClick(frm.moveButton, Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(Message::SelectShortcuts)});
    expectOnly(frm.modifyPanel, frm.removeButton, frm.modifyDoneButton);
    EXPECT_FALSE(frm.state().moveMode);
}

TEST_F(MaintenancePanels, PurgeListsTheOrphanAndDeletesIt) {
    watchPumps();
    QTest::mouseClick(frm.cleanUpButton, Qt::LeftButton);
    // One pump before the build, one per classified copy.
    ASSERT_EQ(panelsAtPumps.size(), 4u);
    for (const auto& panels : panelsAtPumps)
        EXPECT_TRUE(panels.empty());
    expectOnly(frm.purgesPanel, frm.purgeButton, frm.purgesBackButton);
    EXPECT_EQ(frm.progressLine->text(), "100 %");
    ASSERT_EQ(frm.orphansList->count(), 1);
    EXPECT_EQ(frm.orphansList->item(0)->text(), "Gone");
    EXPECT_TRUE(frm.orphansBox->isSelected(0));
    EXPECT_EQ(frm.focusWidget(), frm.orphansList);

    QTest::mouseClick(frm.purgeButton, Qt::LeftButton);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Gone.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Chess.lnk"), "chess copy");
    EXPECT_EQ(frm.orphansList->count(), 0);
    EXPECT_EQ(frm.orphanFolders.count(), 0);
    EXPECT_TRUE(ui.dialogs().empty());

    ui.expectMessage();
    frm.orphansList->setFocus();
    QTest::keyClick(frm.orphansList, Qt::Key_Return);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(Message::SelectShortcuts)});
}

TEST_F(MaintenancePanels, ResetAnsweredNoKeepsTheMenuAndEveryCopy) {
    const auto before = tree.snapshot();
    ui.expectMessage(Answer::No);
    QTest::mouseClick(frm.resetButton, Qt::LeftButton);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs()[0].text, frm.messageText(Message::DeleteAllQuestion));
    EXPECT_EQ(ui.dialogs()[0].title, "Caution!");
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(MaintenancePanels, ResetDeletesTheClassificationsAndAnalysesAgain) {
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    watchPumps();
    QTest::mouseClick(frm.resetButton, Qt::LeftButton);
    ASSERT_EQ(ui.messageTexts(), std::vector<QString>({frm.messageText(Message::DeleteAllQuestion),
                                                       frm.messageText(Message::AllDeleted)}));
    ASSERT_FALSE(panelsAtPumps.empty());
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_EQ(frm.copyNames.count(), 0);
    EXPECT_EQ(frm.shortcutNames.count(), 2);
    EXPECT_EQ(frm.copiesList->count(), 0);
}

TEST_F(MaintenancePanels, AFailedAnalysisAfterTheResetLeavesOnlyTheSettingsPanel) {
    frm.state().programsPath = tree.path("Start Menu/Gone");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    ui.expectMessage();
    QTest::mouseClick(frm.resetButton, Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>({frm.messageText(Message::DeleteAllQuestion),
                                                       frm.messageText(Message::AllDeleted),
                                                       frm.messageText(Message::WrongSettings)}));
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    expectOnly(frm.configPanel, frm.settingsOkButton, frm.settingsOkButton);
}

} // namespace
} // namespace tvn::test
