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
        {"ShowMenu", [&] { frm.ShowMenu(); }, frm.menuPanel, frm.classifyButton, frm.exitButton},
        {"ShowIntroduction", [&] { frm.ShowIntroduction(); }, frm.introductionPanel,
         frm.continueButton, frm.introductionExitButton},
        {"ShowLanguages", [&] { frm.ShowLanguages(); }, frm.languagesPanel, frm.languageOkButton,
         frm.languagesExitButton},
        {"ShowModify", [&] { frm.ShowModify(); }, frm.modifyPanel, frm.removeButton,
         frm.modifyDoneButton},
        {"ShowPurges", [&] { frm.ShowPurges(); }, frm.purgesPanel, frm.purgeButton,
         frm.purgesBackButton},
        {"ShowConfig", [&] { frm.ShowConfig(); }, frm.configPanel, frm.settingsOkButton,
         frm.settingsOkButton},
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
    EXPECT_TRUE(frm.settingsOkButton->isDefault());
}

TEST_F(NavigationTest, LanguagesHidesTheSettingsPanelItCanBeReachedFrom) {
    frm.ShowConfig();
    frm.ShowLanguages();
    expectOnly(frm.languagesPanel, frm.languageOkButton, frm.languagesExitButton);
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
        {"classifyButton", frm.menuPanel, [&] { frm.classifyClicked(); }, frm.creationPanel,
         frm.creationDoneButton},
        {"modifyButton", frm.menuPanel, [&] { frm.modifyClicked(); }, frm.modifyPanel,
         frm.modifyDoneButton},
        {"cleanUpButton", frm.menuPanel, [&] { frm.cleanUpClicked(); }, frm.purgesPanel,
         frm.purgesBackButton},
        {"rescanButton", frm.menuPanel, [&] { frm.rescanClicked(); }, frm.menuPanel,
         frm.exitButton},
        {"creationDoneButton", frm.creationPanel, [&] { frm.creationDoneClicked(); }, frm.menuPanel,
         frm.exitButton},
        {"modifyDoneButton", frm.modifyPanel, [&] { frm.modifyDoneClicked(); }, frm.menuPanel,
         frm.exitButton},
        {"purgesBackButton", frm.purgesPanel, [&] { frm.purgesBackClicked(); }, frm.menuPanel,
         frm.exitButton},
        {"settingsOkButton", frm.configPanel,
         [&] {
             frm.ReadShellFolders();
             frm.settingsOkClicked();
         },
         frm.menuPanel, frm.exitButton},
        {"continueButton", frm.introductionPanel,
         [&] {
             frm.state().configured = false;
             frm.continueClicked();
         },
         frm.configPanel, frm.settingsOkButton},
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
            waitTextUncovered = waitTextUncovered &&
                                frm.childAt(frm.pleaseWait->geometry().center()) == frm.pleaseWait;
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
    EXPECT_NE(frm.childAt(frm.pleaseWait->geometry().center()), frm.pleaseWait);
    EXPECT_NE(frm.childAt(frm.progressLine->geometry().center()), frm.progressLine);
}

TEST_F(NavigationTest, FirstStartGoesThroughLanguagesIntroductionAndSettings) {
    bool windowVisibleDuringAbout = true;
    ui.onModal = [&](ModalWindow&) {
        windowVisibleDuringAbout = frm.isVisible();
    };
    frm.hide();
    frm.StartUp();
    ASSERT_FALSE(ui.calls().empty());
    EXPECT_EQ(ui.calls().front().kind, UiCall::Kind::Modal);
    EXPECT_EQ(ui.calls().front().text, QStringLiteral("frmAbout"));
    EXPECT_FALSE(windowVisibleDuringAbout);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(frm.state().appFolder, tree.path());
    EXPECT_TRUE(frm.hideHelpOption->isChecked());
    EXPECT_TRUE(frm.languageOptions[0]->isChecked());
    expectOnly(frm.languagesPanel, frm.languageOkButton, frm.languagesExitButton);
    EXPECT_TRUE(frm.languagesExitButton->isVisible());

    frm.languageOkClicked();
    expectOnly(frm.introductionPanel, frm.continueButton, frm.introductionExitButton);

    ui.clearCalls();
    frm.continueClicked();
    // The small-icons hint names a Windows option: none on Linux.
    EXPECT_TRUE(ui.dialogs().empty());
    expectOnly(frm.configPanel, frm.settingsOkButton, frm.settingsOkButton);
    EXPECT_FALSE(frm.changeLanguageButton->isVisible());
    EXPECT_TRUE(frm.state().configured);
}

TEST_F(NavigationTest, LanguagePanelFromTheSettingsOffersNoExitAndLeadsBack) {
    frm.state().configured = true;
    frm.ShowConfig();
    ASSERT_TRUE(frm.changeLanguageButton->isVisible());
    frm.changeLanguageClicked();
    expectOnly(frm.languagesPanel, frm.languageOkButton, frm.languagesExitButton);
    EXPECT_FALSE(frm.languagesExitButton->isVisible());

    frm.languageOptions[1]->setChecked(true);
    frm.languageOkClicked();
    EXPECT_EQ(frm.state().languageIndex, 1);
    expectOnly(frm.configPanel, frm.settingsOkButton, frm.settingsOkButton);
}

// The advice to delete the classifications first comes only when there are some.
TEST_F(NavigationTest, ConfigureAsksFirstOnlyWithClassificationsAndNoKeepsTheMenu) {
    frm.ShowMenu();
    frm.settingsClicked();
    EXPECT_TRUE(ui.dialogs().empty());
    expectOnly(frm.configPanel, frm.settingsOkButton, frm.settingsOkButton);

    hideAllPanels();
    frm.ShowMenu();
    frm.copyNames.assign({QStringLiteral("Chess.lnk")});
    ui.clearCalls();
    ui.expectMessage(Answer::No);
    frm.settingsClicked();
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().front().text, frm.messageText(Message::ResetBeforeChange));
    EXPECT_EQ(ui.dialogs().front().buttons, Buttons::YesNo);
    EXPECT_EQ(ui.dialogs().front().icon, Icon::Exclamation);
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);

    ui.expectMessage(Answer::Yes);
    frm.settingsClicked();
    expectOnly(frm.configPanel, frm.settingsOkButton, frm.settingsOkButton);
}

TEST_F(NavigationTest, HelpLeavesTheWindowAsItWas) {
    frm.ShowMenu();
    ui.expectMessage();
    frm.helpClicked();
    ASSERT_EQ(ui.messageTexts().size(), 1u);
    EXPECT_EQ(ui.messageTexts().front(), frm.messageText(Message::Description));
    expectOnly(frm.menuPanel, frm.classifyButton, frm.exitButton);
    EXPECT_TRUE(frm.languagePicture->isVisible());
    EXPECT_FALSE(frm.aboutFrame->isVisible());
    EXPECT_FALSE(frm.helpCover->isVisible());
}

TEST_F(NavigationTest, ExitButtonsAndTheCloseCommandEndTheProgram) {
    const std::function<void()> exits[] = {
        [&] { frm.exitButton->click(); },
        [&] { frm.introductionExitButton->click(); },
        [&] { frm.languagesExitButton->click(); },
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
    frm.skipIntroduction->setChecked(true);
    EXPECT_TRUE(frm.skipIntroductionSetting->isChecked());
    frm.skipIntroductionSetting->click();
    EXPECT_FALSE(frm.skipIntroduction->isChecked());
    EXPECT_FALSE(frm.skipIntroductionSetting->isChecked());
}

TEST_F(NavigationTest, HoldingTheMouseOnThePictureShowsTheAboutFrame) {
    QTest::mousePress(frm.languagePicture, Qt::LeftButton);
    EXPECT_TRUE(frm.aboutFrame->isVisible());
    EXPECT_FALSE(frm.languagePicture->isVisible());
    // The frame now lies under the mouse and takes the release.
    QTest::mouseRelease(frm.aboutFrame, Qt::LeftButton);
    EXPECT_FALSE(frm.aboutFrame->isVisible());
    EXPECT_TRUE(frm.languagePicture->isVisible());
}

TEST_F(NavigationTest, MouseOnACategoryRemembersItAndTheRightButtonOpensThePopup) {
    hideAllPanels();
    frm.creationPanel->show();
    QTest::mousePress(frm.categoryButtons[6], Qt::RightButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 6);
    EXPECT_TRUE(frm.categoryMenu->isVisible());
    frm.categoryMenu->hide();

    ui.expectMessage(); // nothing to classify
    QTest::mouseClick(frm.categoryButtons[2], Qt::LeftButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 2);
    EXPECT_FALSE(frm.categoryMenu->isVisible());
}

} // namespace
} // namespace tvn::test
