#include "i18n/NoticeTexts.h"
#include "MainWindowFixture.h"
#include "platform/FailureCause.h"
#include "platform/Ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tvn::test {
namespace {

class CreationPanelTest : public MainWindowTest {
protected:
    CreationPanelTest() {
        for (const char* name : {"Zip Tool.lnk", "apps/Paint.lnk", "apps/paint help.lnk",
                                 "apps/Uninstall Paint.lnk", "apps/uninstall paint.lnk",
                                 "apps/ReadMe.lnk", "Word/Word.lnk", "Word/word readme.lnk"})
            tree.write(QStringLiteral("Start Menu/Programs/") + QString::fromLatin1(name));
        tree.write(QStringLiteral("Start Menu/giochi/Zip Tool.lnk"));
    }

    // Confirms the settings panel as proposed, which analyses the Start Menu.
    void confirmSettings() {
        frm.showConfig();
        frm.settingsOkClicked();
        ASSERT_EQ(visiblePanels(), std::vector<QString>{QStringLiteral("menuPanel")});
    }
};

TEST_F(CreationPanelTest, ClassifyListsTheUnclassifiedShortcutsSortedWithoutHelpWhileTicked) {
    confirmSettings();
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(true);

    frm.classifyClicked();

    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
    EXPECT_EQ(notYetShown(), QStringList({"Paint", "Word"}));
    EXPECT_EQ(frm.unclassifiedFolders.entries(),
              QStringList({programs() + "/apps", programs() + "/Word"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Paint"}));
    EXPECT_EQ(frm.tvn().lists.notYet.currentIndex(), 0);

    frm.creationDoneClicked();
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(false);
    frm.classifyClicked();
    EXPECT_EQ(notYetShown(), QStringList({"Paint", "paint help", "ReadMe", "Uninstall Paint",
                                          "uninstall paint", "Word", "word readme"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Paint"}));
}

TEST_F(CreationPanelTest, LeavingTheCreationPanelCountsNewCopiesAsClassified) {
    confirmSettings();
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(true);
    frm.classifyClicked();
    tree.write(QStringLiteral("Start Menu/%1/Paint.lnk").arg(categoryButton(frm, 2)->text()));

    frm.creationDoneClicked();
    frm.classifyClicked();

    EXPECT_EQ(notYetShown(), QStringList({"Word"}));
}

TEST_F(CreationPanelTest, AFailedCopyIsReportedWithItsPathAndReasonAsDetails) {
    confirmSettings();
    frm.classifyClicked();
    const QString source = programs() + QStringLiteral("/apps/Paint.lnk");
    faults.failWhen([&](const FaultInjectingFileSystem::Operation& op) {
        return op.kind == FaultInjectingFileSystem::Kind::CopyFile && op.path == source;
    });
    ui.expectMessage();
    frm.categoryClicked(0);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().back().text, unexpectedErrorText());
    EXPECT_TRUE(ui.dialogs().back().details.contains(source));
    EXPECT_TRUE(ui.dialogs().back().details.contains(QStringLiteral("injected failure")));

    // A failure the file system never saw has no details, not those of an earlier failure.
    recordFailure({QStringLiteral("read"), tree.path(QStringLiteral("Custom.tvn")), {}, {}});
    frm.setCategoryCaption(1, QStringLiteral("a/b"));
    ui.expectMessage();
    frm.categoryClicked(1);
    ASSERT_EQ(ui.dialogs().size(), 2u);
    EXPECT_EQ(ui.dialogs().back().details, QString());
}

// One shortcut that failed alone is one in the report, in the interface language.
TEST_F(CreationPanelTest, OneShortcutGoneMeanwhileIsReportedInTheSingular) {
    confirmSettings();
    frm.state().languageIndex = 1;
    frm.classifyClicked();
    ASSERT_TRUE(QFile::remove(programs() + QStringLiteral("/apps/Paint.lnk")));
    ui.expectMessage();
    frm.categoryClicked(0);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    const UiCall report = ui.dialogs().back();
    EXPECT_TRUE(report.text.startsWith(noticeText(NoticeText::FailedEntry, 1) + u' ' +
                                       noticeText(NoticeText::ListsShowTheDisk, 1) + u'\n'))
        << report.text.toStdString();
    EXPECT_TRUE(report.text.contains(noticeText(NoticeText::ReasonGone, 1).arg("Paint")));
}

TEST_F(CreationPanelTest, EmptyProgramsTreeSelectsNothing) {
    frm.state().programsPath = tree.path(QStringLiteral("Empty"));
    tree.makeFolder(QStringLiteral("Empty"));
    frm.rescanClicked();

    frm.classifyClicked();

    EXPECT_EQ(control<QListWidget>(frm, "unclassifiedList")->count(), 0);
    EXPECT_EQ(frm.tvn().lists.notYet.currentIndex(), -1);
    EXPECT_EQ(control<QLabel>(frm, "progressLine")->text(), QString());
    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
}

TEST_F(CreationPanelTest, ReanalysingAMissingStartMenuReportsOnceAndLeavesOnlyTheSettingsPanel) {
    frm.state().startMenuPath = tree.path(QStringLiteral("Gone"));
    frm.showMenu();
    shell.asked.clear();
    ui.expectMessage();

    frm.rescanClicked();

    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().front().text, frm.messageText(Message::WrongSettings));
    EXPECT_EQ(ui.dialogs().front().title, QStringLiteral("ERROR!"));
    EXPECT_EQ(ui.dialogs().front().icon, Icon::Exclamation);
    EXPECT_TRUE(frm.state().scanFailed);
    EXPECT_EQ(frm.tvn().lists.progs.count(), 0);
    // The settings panel was opened (its boxes read afresh) and stays the only panel, with
    // Enter and Esc on its own button.
    EXPECT_EQ(shell.asked, QStringList({"Start Menu", "Programs"}));
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
}

} // namespace
} // namespace tvn::test
