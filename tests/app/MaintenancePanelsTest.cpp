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
    frm.Label31->setText("7");
    watchPumps();
    QTest::mouseClick(frm.Command6, Qt::LeftButton);
    ASSERT_EQ(panelsAtPumps.size(), 1u);
    EXPECT_TRUE(panelsAtPumps.front().empty());
    EXPECT_EQ(frm.Label31->text(), QString());
    expectOnly(frm.Modify, frm.CRemove, frm.Command2);
    ASSERT_EQ(frm.ListModify->count(), 3);
    EXPECT_EQ(frm.ListModify->item(2)->text(), "Writer");
    EXPECT_EQ(frm.listModifyBox->currentIndex(), 0);
    EXPECT_TRUE(frm.listModifyBox->isSelected(0));

    // The list opens with the focus; Enter presses the remove button: the selected copy goes.
    EXPECT_EQ(frm.focusWidget(), frm.ListModify);
    QTest::keyClick(frm.ListModify, Qt::Key_Return);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Chess.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Gone.lnk"), "orphan");
    EXPECT_EQ(frm.ListModify->count(), 2);
    EXPECT_EQ(frm.Fast.count(), 2);
    EXPECT_EQ(frm.Fast_Dirs.count(), 2);
    EXPECT_TRUE(ui.dialogs().empty());
}

TEST_F(MaintenancePanels, MoveSwitchesTheCreationPanelAndItsDoneButtonComesBack) {
    frm.Command6_Click();
    frm.listModifyBox->setSelected(2, true);
    frm.CMove_Click();

    expectOnly(frm.Creation, nullptr, frm.Command8);
    EXPECT_TRUE(frm.state().moveMode);
    EXPECT_FALSE(frm.Label100->isVisible());
    EXPECT_TRUE(frm.Label5->isVisible());
    EXPECT_FALSE(frm.Command10->isVisible());
    EXPECT_TRUE(frm.Command8->isVisible());
    EXPECT_FALSE(frm.Label15->isVisible());
    EXPECT_TRUE(frm.Label38->isVisible());
    EXPECT_EQ(frm.focusWidget(), frm.NotYet);
    ASSERT_EQ(frm.notYetBox->count(), 2);
    EXPECT_EQ(frm.notYetBox->at(0), "Chess");
    EXPECT_EQ(frm.NotYet_Dirs.at(0), tree.path("Start Menu/giochi"));
    EXPECT_EQ(frm.NotYet_Dirs.at(1), tree.path(QStringLiteral("Start Menu/utilità")));

    QTest::mouseClick(frm.Categories[3], Qt::LeftButton);
    EXPECT_EQ(tree.read("Start Menu/video/Chess.lnk"), "chess copy");
    EXPECT_EQ(tree.read("Start Menu/video/Writer.lnk"), "writer copy");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));

    // Esc is the done button of the move; the walk counts on from the label.
    frm.Label31->setText("10");
    watchPumps();
    QTest::keyClick(frm.NotYet, Qt::Key_Escape);
    ASSERT_EQ(panelsAtPumps.size(), 4u); // the one before the walk, one per folder walked
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(frm.Modify, frm.CRemove, frm.Command2);
    EXPECT_FALSE(frm.state().moveMode);
    EXPECT_TRUE(frm.Label31->text().startsWith("13 ")) << frm.Label31->text().toStdString();
    EXPECT_TRUE(frm.Command10->isHidden() == false && frm.Command8->isHidden());
    EXPECT_TRUE(frm.Label15->isHidden() == false && frm.Label38->isHidden());
    EXPECT_FALSE(frm.Label100->isHidden());
    ASSERT_EQ(frm.ListModify->count(), 3);
    EXPECT_EQ(frm.Fast_Dirs.at(1), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.Fast_Dirs.at(2), tree.path("Start Menu/video"));
    EXPECT_EQ(frm.listModifyBox->currentIndex(), -1);
    EXPECT_TRUE(frm.ListModify->selectedItems().isEmpty());
}

TEST_F(MaintenancePanels, MovingNothingAsksForASelectionAndKeepsTheModifyPanel) {
    frm.Command6_Click();
    frm.listModifyBox->setSelected(0, false);
    ui.expectMessage();
    QTest::mouseClick(frm.CMove, Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(1)});
    expectOnly(frm.Modify, frm.CRemove, frm.Command2);
    EXPECT_FALSE(frm.state().moveMode);
}

TEST_F(MaintenancePanels, PurgeListsTheOrphanAndDeletesIt) {
    watchPumps();
    QTest::mouseClick(frm.CShowPurges, Qt::LeftButton);
    // One pump before the build, one per classified copy.
    ASSERT_EQ(panelsAtPumps.size(), 4u);
    for (const auto& panels : panelsAtPumps)
        EXPECT_TRUE(panels.empty());
    expectOnly(frm.Purges, frm.CPurge, frm.Command1);
    EXPECT_EQ(frm.Label31->text(), "100 %");
    ASSERT_EQ(frm.PurgeList->count(), 1);
    EXPECT_EQ(frm.PurgeList->item(0)->text(), "Gone");
    EXPECT_TRUE(frm.purgeListBox->isSelected(0));
    EXPECT_EQ(frm.focusWidget(), frm.PurgeList);

    QTest::mouseClick(frm.CPurge, Qt::LeftButton);
    EXPECT_FALSE(tree.exists("Start Menu/giochi/Gone.lnk"));
    EXPECT_EQ(tree.read("Start Menu/giochi/Chess.lnk"), "chess copy");
    EXPECT_EQ(frm.PurgeList->count(), 0);
    EXPECT_EQ(frm.Purge_Dirs.count(), 0);
    EXPECT_TRUE(ui.dialogs().empty());

    ui.expectMessage();
    frm.PurgeList->setFocus();
    QTest::keyClick(frm.PurgeList, Qt::Key_Return);
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(1)});
}

TEST_F(MaintenancePanels, ResetAnsweredNoKeepsTheMenuAndEveryCopy) {
    const auto before = tree.snapshot();
    ui.expectMessage(Answer::No);
    QTest::mouseClick(frm.Command7, Qt::LeftButton);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs()[0].text, frm.messageText(6));
    EXPECT_EQ(ui.dialogs()[0].title, "Caution!");
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(MaintenancePanels, ResetDeletesTheClassificationsAndAnalysesAgain) {
    const auto programsBefore = tree.snapshot("Start Menu/Programs");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    watchPumps();
    QTest::mouseClick(frm.Command7, Qt::LeftButton);
    ASSERT_EQ(ui.messageTexts(), std::vector<QString>({frm.messageText(6), frm.messageText(7)}));
    ASSERT_FALSE(panelsAtPumps.empty());
    EXPECT_TRUE(panelsAtPumps.front().empty());
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/utilità")));
    EXPECT_EQ(tree.snapshot("Start Menu/Programs"), programsBefore);
    EXPECT_EQ(frm.Fast.count(), 0);
    EXPECT_EQ(frm.Progs.count(), 2);
    EXPECT_EQ(frm.ListModify->count(), 0);
}

TEST_F(MaintenancePanels, AFailedAnalysisAfterTheResetLeavesOnlyTheSettingsPanel) {
    frm.state().programsPath = tree.path("Start Menu/Gone");
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    ui.expectMessage();
    QTest::mouseClick(frm.Command7, Qt::LeftButton);
    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>({frm.messageText(6), frm.messageText(7), frm.messageText(2)}));
    EXPECT_FALSE(tree.exists("Start Menu/giochi"));
    expectOnly(frm.Config, frm.COK, frm.COK);
}

} // namespace
} // namespace tvn::test
