#include "MainWindowFixture.h"

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

using NavigationTest = MainWindowTest;

TEST_F(NavigationTest, ShowProceduresShowTheirPanelAndArmItsButtons) {
    struct Case {
        const char* name;
        std::function<void()> show;
        QFrame* panel;
        QPushButton* defaultButton;
        QPushButton* cancelButton;
    };
    const Case cases[] = {
        {"ShowMenu", [&] { frm.showMenu(); }, control<QFrame>(frm, "menuPanel"),
         control<QPushButton>(frm, "classifyButton"), control<QPushButton>(frm, "exitButton")},
        {"ShowIntroduction", [&] { frm.showIntroduction(); },
         control<QFrame>(frm, "introductionPanel"), control<QPushButton>(frm, "continueButton"),
         control<QPushButton>(frm, "introductionExitButton")},
        {"ShowLanguages", [&] { frm.showLanguages(); }, control<QFrame>(frm, "languagesPanel"),
         control<QPushButton>(frm, "languageOkButton"),
         control<QPushButton>(frm, "languagesExitButton")},
        {"ShowModify", [&] { frm.showModify(); }, control<QFrame>(frm, "modifyPanel"),
         control<QPushButton>(frm, "removeButton"), control<QPushButton>(frm, "modifyDoneButton")},
        {"ShowPurges", [&] { frm.showPurges(); }, control<QFrame>(frm, "purgesPanel"),
         control<QPushButton>(frm, "purgeButton"), control<QPushButton>(frm, "purgesBackButton")},
        {"ShowConfig", [&] { frm.showConfig(); }, control<QFrame>(frm, "configPanel"),
         control<QPushButton>(frm, "settingsOkButton"),
         control<QPushButton>(frm, "settingsOkButton")},
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
    EXPECT_TRUE(control<QPushButton>(frm, "settingsOkButton")->isDefault());
}

TEST_F(NavigationTest, LanguagesHidesTheSettingsPanelItCanBeReachedFrom) {
    frm.showConfig();
    frm.showLanguages();
    expectOnly(control<QFrame>(frm, "languagesPanel"),
               control<QPushButton>(frm, "languageOkButton"),
               control<QPushButton>(frm, "languagesExitButton"));
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
        {"classifyButton", control<QFrame>(frm, "menuPanel"), [&] { frm.classifyClicked(); },
         control<QFrame>(frm, "creationPanel"), control<QPushButton>(frm, "creationDoneButton")},
        {"modifyButton", control<QFrame>(frm, "menuPanel"), [&] { frm.modifyClicked(); },
         control<QFrame>(frm, "modifyPanel"), control<QPushButton>(frm, "modifyDoneButton")},
        {"cleanUpButton", control<QFrame>(frm, "menuPanel"), [&] { frm.cleanUpClicked(); },
         control<QFrame>(frm, "purgesPanel"), control<QPushButton>(frm, "purgesBackButton")},
        {"rescanButton", control<QFrame>(frm, "menuPanel"), [&] { frm.rescanClicked(); },
         control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "exitButton")},
        {"creationDoneButton", control<QFrame>(frm, "creationPanel"),
         [&] { frm.creationDoneClicked(); }, control<QFrame>(frm, "menuPanel"),
         control<QPushButton>(frm, "exitButton")},
        {"modifyDoneButton", control<QFrame>(frm, "modifyPanel"), [&] { frm.modifyDoneClicked(); },
         control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "exitButton")},
        {"purgesBackButton", control<QFrame>(frm, "purgesPanel"), [&] { frm.purgesBackClicked(); },
         control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "exitButton")},
        {"settingsOkButton", control<QFrame>(frm, "configPanel"),
         [&] {
             frm.readShellFolders();
             frm.settingsOkClicked();
         },
         control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "exitButton")},
        {"continueButton", control<QFrame>(frm, "introductionPanel"),
         [&] {
             frm.state().configured = false;
             frm.continueClicked();
         },
         control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton")},
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
                waitTextUncovered &&
                frm.childAt(control<QLabel>(frm, "pleaseWait")->geometry().center()) ==
                    control<QLabel>(frm, "pleaseWait");
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
    frm.showMenu();
    EXPECT_NE(frm.childAt(control<QLabel>(frm, "pleaseWait")->geometry().center()),
              control<QLabel>(frm, "pleaseWait"));
    EXPECT_NE(frm.childAt(control<QLabel>(frm, "progressLine")->geometry().center()),
              control<QLabel>(frm, "progressLine"));
}

TEST_F(NavigationTest, FirstStartGoesThroughLanguagesIntroductionAndSettings) {
    bool windowVisibleDuringAbout = true;
    ui.onModal = [&](ModalWindow&) {
        windowVisibleDuringAbout = frm.isVisible();
    };
    frm.hide();
    frm.startUp();
    ASSERT_FALSE(ui.calls().empty());
    EXPECT_EQ(ui.calls().front().kind, UiCall::Kind::Modal);
    EXPECT_EQ(ui.calls().front().text, QStringLiteral("frmAbout"));
    EXPECT_FALSE(windowVisibleDuringAbout);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(frm.state().appFolder, tree.path());
    EXPECT_TRUE(control<QCheckBox>(frm, "hideHelpOption")->isChecked());
    EXPECT_TRUE(languageOption(frm, 0)->isChecked());
    expectOnly(control<QFrame>(frm, "languagesPanel"),
               control<QPushButton>(frm, "languageOkButton"),
               control<QPushButton>(frm, "languagesExitButton"));
    EXPECT_TRUE(control<QPushButton>(frm, "languagesExitButton")->isVisible());

    frm.languageOkClicked();
    expectOnly(control<QFrame>(frm, "introductionPanel"),
               control<QPushButton>(frm, "continueButton"),
               control<QPushButton>(frm, "introductionExitButton"));

    ui.clearCalls();
    frm.continueClicked();
    // The small-icons hint names a Windows option: none on Linux.
    EXPECT_TRUE(ui.dialogs().empty());
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
    EXPECT_FALSE(control<QPushButton>(frm, "changeLanguageButton")->isVisible());
    EXPECT_TRUE(frm.state().configured);
}

TEST_F(NavigationTest, LanguagePanelFromTheSettingsOffersNoExitAndLeadsBack) {
    frm.state().configured = true;
    frm.showConfig();
    ASSERT_TRUE(control<QPushButton>(frm, "changeLanguageButton")->isVisible());
    frm.changeLanguageClicked();
    expectOnly(control<QFrame>(frm, "languagesPanel"),
               control<QPushButton>(frm, "languageOkButton"),
               control<QPushButton>(frm, "languagesExitButton"));
    EXPECT_FALSE(control<QPushButton>(frm, "languagesExitButton")->isVisible());

    languageOption(frm, 1)->setChecked(true);
    frm.languageOkClicked();
    EXPECT_EQ(frm.state().languageIndex, 1);
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
}

// The advice to delete the classifications first comes only when there are some.
TEST_F(NavigationTest, ConfigureAsksFirstOnlyWithClassificationsAndNoKeepsTheMenu) {
    frm.showMenu();
    frm.settingsClicked();
    EXPECT_TRUE(ui.dialogs().empty());
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));

    hideAllPanels();
    frm.showMenu();
    frm.copyNames.assign({QStringLiteral("Chess.lnk")});
    ui.clearCalls();
    ui.expectMessage(Answer::No);
    frm.settingsClicked();
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().front().text, frm.messageText(Message::ResetBeforeChange));
    EXPECT_EQ(ui.dialogs().front().buttons, Buttons::YesNo);
    EXPECT_EQ(ui.dialogs().front().icon, Icon::Exclamation);
    EXPECT_EQ(ui.pumps(), 0);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));

    ui.expectMessage(Answer::Yes);
    frm.settingsClicked();
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
}

TEST_F(NavigationTest, HelpLeavesTheWindowAsItWas) {
    frm.showMenu();
    ui.expectMessage();
    frm.helpClicked();
    ASSERT_EQ(ui.messageTexts().size(), 1u);
    EXPECT_TRUE(ui.messageTexts().front().startsWith(frm.messageText(Message::Description)));
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_TRUE(control<QLabel>(frm, "languagePicture")->isVisible());
    EXPECT_FALSE(control<QFrame>(frm, "aboutFrame")->isVisible());
    EXPECT_FALSE(control<QFrame>(frm, "helpCover")->isVisible());
}

TEST_F(NavigationTest, ExitButtonsAndTheCloseCommandEndTheProgram) {
    const std::function<void()> exits[] = {
        [&] { control<QPushButton>(frm, "exitButton")->click(); },
        [&] { control<QPushButton>(frm, "introductionExitButton")->click(); },
        [&] { control<QPushButton>(frm, "languagesExitButton")->click(); },
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
    control<QCheckBox>(frm, "skipIntroduction")->setChecked(true);
    EXPECT_TRUE(control<QCheckBox>(frm, "skipIntroductionSetting")->isChecked());
    control<QCheckBox>(frm, "skipIntroductionSetting")->click();
    EXPECT_FALSE(control<QCheckBox>(frm, "skipIntroduction")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(frm, "skipIntroductionSetting")->isChecked());
}

TEST_F(NavigationTest, HoldingTheMouseOnThePictureShowsTheAboutFrame) {
    QTest::mousePress(control<QLabel>(frm, "languagePicture"), Qt::LeftButton);
    EXPECT_TRUE(control<QFrame>(frm, "aboutFrame")->isVisible());
    EXPECT_FALSE(control<QLabel>(frm, "languagePicture")->isVisible());
    // The frame now lies under the mouse and takes the release.
    QTest::mouseRelease(control<QFrame>(frm, "aboutFrame"), Qt::LeftButton);
    EXPECT_FALSE(control<QFrame>(frm, "aboutFrame")->isVisible());
    EXPECT_TRUE(control<QLabel>(frm, "languagePicture")->isVisible());
}

TEST_F(NavigationTest, MouseOnACategoryRemembersItAndTheRightButtonOpensThePopup) {
    hideAllPanels();
    control<QFrame>(frm, "creationPanel")->show();
    QTest::mousePress(categoryButton(frm, 6), Qt::RightButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 6);
    EXPECT_TRUE(control<QMenu>(frm, "categoryMenu")->isVisible());
    control<QMenu>(frm, "categoryMenu")->hide();

    ui.expectMessage(); // nothing to classify
    QTest::mouseClick(categoryButton(frm, 2), Qt::LeftButton);
    EXPECT_EQ(frm.state().popupCategoryIndex, 2);
    EXPECT_FALSE(control<QMenu>(frm, "categoryMenu")->isVisible());
}

} // namespace
} // namespace tvn::test
