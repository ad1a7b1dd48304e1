#include "FrmMainFixture.h"

#include <functional>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

using NavigationTest = FrmMainTest;

TEST_F(NavigationTest, ShowProceduresShowTheirPanelAndArmItsButtons) {
    struct Case {
        const char* name;
        std::function<void()> show;
        QFrame* panel;
        QPushButton* defaultButton;
        QPushButton* cancelButton;
    };
    const Case cases[] = {
        {"ShowMenu", [&] { frm.ShowMenu(); }, frm.Menu, frm.CAdd, frm.CExit},
        {"ShowIntroduction", [&] { frm.ShowIntroduction(); }, frm.Introduction, frm.CContinue,
         frm.Command3},
        {"ShowLanguages", [&] { frm.ShowLanguages(); }, frm.Languages, frm.CmdLanguageOK,
         frm.Command4},
        {"ShowModify", [&] { frm.ShowModify(); }, frm.Modify, frm.CRemove, frm.Command2},
        {"ShowPurges", [&] { frm.ShowPurges(); }, frm.Purges, frm.CPurge, frm.Command1},
        {"ShowConfig", [&] { frm.ShowConfig(); }, frm.Config, frm.COK, frm.COK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hideAllPanels();
        c.show();
        expectOnly(c.panel, c.defaultButton, c.cancelButton);
        EXPECT_EQ(frm.focusWidget(), c.defaultButton);
    }
    // Taking a role takes it from the button that held it: one default frame at a time.
    int defaults = 0;
    for (const QPushButton* button : frm.findChildren<QPushButton*>())
        defaults += button->isDefault() ? 1 : 0;
    EXPECT_EQ(defaults, 1);
    EXPECT_TRUE(frm.COK->isDefault());
}

TEST_F(NavigationTest, LanguagesHidesTheSettingsPanelItCanBeReachedFrom) {
    frm.ShowConfig();
    frm.ShowLanguages();
    expectOnly(frm.Languages, frm.CmdLanguageOK, frm.Command4);
}

// Every way out of a panel hides it, lets the window repaint with the wait text showing, and
// ends with exactly one panel.
TEST_F(NavigationTest, LeavingAPanelShowsTheWaitTextUntilTheNextPanel) {
    struct Case {
        const char* name;
        QFrame* from;
        std::function<void()> handler;
        QFrame* to;
        QPushButton* cancelButton;
    };
    const Case cases[] = {
        {"CAdd", frm.Menu, [&] { frm.CAdd_Click(); }, frm.Creation, frm.Command10},
        {"Command6", frm.Menu, [&] { frm.Command6_Click(); }, frm.Modify, frm.Command2},
        {"CShowPurges", frm.Menu, [&] { frm.CShowPurges_Click(); }, frm.Purges, frm.Command1},
        {"CReAnalyse", frm.Menu, [&] { frm.CReAnalyse_Click(); }, frm.Menu, frm.CExit},
        {"Command10", frm.Creation, [&] { frm.Command10_Click(); }, frm.Menu, frm.CExit},
        {"Command2", frm.Modify, [&] { frm.Command2_Click(); }, frm.Menu, frm.CExit},
        {"Command1", frm.Purges, [&] { frm.Command1_Click(); }, frm.Menu, frm.CExit},
        {"COK", frm.Config,
         [&] {
             frm.ReadShellFolders();
             frm.COK_Click();
         },
         frm.Menu, frm.CExit},
        {"CContinue", frm.Introduction,
         [&] {
             frm.state().configured = false;
             frm.CContinue_Click();
         },
         frm.Config, frm.COK},
    };
    ui.allowOkMessages();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hideAllPanels();
        c.from->show();
        std::vector<std::vector<QString>> panelsAtPumps;
        bool waitTextUncovered = true;
        ui.onPump = [&] {
            panelsAtPumps.push_back(visiblePanels());
            waitTextUncovered =
                waitTextUncovered && frm.childAt(frm.Label17->geometry().center()) == frm.Label17;
        };
        c.handler();
        ui.onPump = nullptr;
        ASSERT_FALSE(panelsAtPumps.empty());
        EXPECT_TRUE(panelsAtPumps.front().empty());
        EXPECT_TRUE(waitTextUncovered);
        expectOnly(c.to, nullptr, c.cancelButton);
    }
}

TEST_F(NavigationTest, VisiblePanelCoversTheWaitText) {
    frm.ShowMenu();
    EXPECT_NE(frm.childAt(frm.Label17->geometry().center()), frm.Label17);
    EXPECT_NE(frm.childAt(frm.Label31->geometry().center()), frm.Label31);
}

TEST_F(NavigationTest, FirstStartGoesThroughLanguagesIntroductionAndSettings) {
    bool windowVisibleDuringAbout = true;
    ui.onModal = [&](ModalWindow&) {
        windowVisibleDuringAbout = frm.isVisible();
    };
    frm.hide();
    frm.Form_Load();
    ASSERT_FALSE(ui.calls().empty());
    EXPECT_EQ(ui.calls().front().kind, UiCall::Kind::Modal);
    EXPECT_EQ(ui.calls().front().text, QStringLiteral("frmAbout"));
    EXPECT_FALSE(windowVisibleDuringAbout);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(frm.state().appFolder, tree.path());
    EXPECT_TRUE(frm.ChkHide->isChecked());
    EXPECT_TRUE(frm.Language[0]->isChecked());
    expectOnly(frm.Languages, frm.CmdLanguageOK, frm.Command4);
    EXPECT_TRUE(frm.Command4->isVisible());

    frm.CmdLanguageOK_Click();
    expectOnly(frm.Introduction, frm.CContinue, frm.Command3);

    ui.clearCalls();
    frm.CContinue_Click();
    // The small-icons hint names a Windows option: none on Linux.
    EXPECT_TRUE(ui.dialogs().empty());
    expectOnly(frm.Config, frm.COK, frm.COK);
    EXPECT_FALSE(frm.CmdChangeLanguage->isVisible());
    EXPECT_TRUE(frm.state().configured);
}

TEST_F(NavigationTest, LanguagePanelFromTheSettingsOffersNoExitAndLeadsBack) {
    frm.state().configured = true;
    frm.ShowConfig();
    ASSERT_TRUE(frm.CmdChangeLanguage->isVisible());
    frm.CmdChangeLanguage_Click();
    expectOnly(frm.Languages, frm.CmdLanguageOK, frm.Command4);
    EXPECT_FALSE(frm.Command4->isVisible());

    frm.Language[1]->setChecked(true);
    frm.CmdLanguageOK_Click();
    EXPECT_EQ(frm.state().languageIndex, 1);
    expectOnly(frm.Config, frm.COK, frm.COK);
}

TEST_F(NavigationTest, ConfigureAnsweredNoKeepsTheMenu) {
    frm.ShowMenu();
    ui.expectMessage(Answer::No);
    frm.Command5_Click();
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().front().text, frm.messageText(5));
    EXPECT_EQ(ui.dialogs().front().buttons, Buttons::YesNo);
    EXPECT_EQ(ui.dialogs().front().icon, Icon::Exclamation);
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);

    ui.expectMessage(Answer::Yes);
    frm.Command5_Click();
    expectOnly(frm.Config, frm.COK, frm.COK);
}

TEST_F(NavigationTest, HelpLeavesTheWindowAsItWas) {
    frm.ShowMenu();
    ui.expectMessage();
    frm.Command9_Click();
    ASSERT_EQ(ui.messageTexts().size(), 1u);
    EXPECT_EQ(ui.messageTexts().front(), frm.messageText(8));
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
    EXPECT_TRUE(frm.PreviewPicture->isVisible());
    EXPECT_FALSE(frm.About->isVisible());
    EXPECT_FALSE(frm.About2->isVisible());
}

TEST_F(NavigationTest, ExitButtonsAndTheCloseCommandEndTheProgram) {
    const std::function<void()> exits[] = {
        [&] { frm.CExit->click(); },
        [&] { frm.Command3->click(); },
        [&] { frm.Command4->click(); },
        [&] { frm.close(); },
    };
    for (const auto& exit : exits) {
        ui.clearCalls();
        frm.show();
        exit();
        EXPECT_TRUE(ui.ended());
        EXPECT_TRUE(ui.dialogs().empty());
    }
}

TEST_F(NavigationTest, SkipIntroductionBoxesMirrorEachOther) {
    frm.DoNotShowAgain->setChecked(true);
    EXPECT_TRUE(frm.DoNotShowAgain2->isChecked());
    frm.DoNotShowAgain2->click();
    EXPECT_FALSE(frm.DoNotShowAgain->isChecked());
    EXPECT_FALSE(frm.DoNotShowAgain2->isChecked());
}

TEST_F(NavigationTest, HoldingTheMouseOnThePictureShowsTheAboutFrame) {
    QTest::mousePress(frm.PreviewPicture, Qt::LeftButton);
    EXPECT_TRUE(frm.About->isVisible());
    EXPECT_FALSE(frm.PreviewPicture->isVisible());
    // The frame now lies under the mouse and takes the release.
    QTest::mouseRelease(frm.About, Qt::LeftButton);
    EXPECT_FALSE(frm.About->isVisible());
    EXPECT_TRUE(frm.PreviewPicture->isVisible());
}

TEST_F(NavigationTest, MouseOnACategoryRemembersItAndTheRightButtonOpensThePopup) {
    hideAllPanels();
    frm.Creation->show();
    QTest::mousePress(frm.Categories[6], Qt::RightButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 6);
    EXPECT_TRUE(frm.MnuPopup->isVisible());
    frm.MnuPopup->hide();

    ui.expectMessage(); // nothing to classify
    QTest::mouseClick(frm.Categories[2], Qt::LeftButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 2);
    EXPECT_FALSE(frm.MnuPopup->isVisible());
}

} // namespace
} // namespace tvn::test
