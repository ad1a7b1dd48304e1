#include "app/widgets/PathBox.h"
#include "MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

using ShowConfigTest = MainWindowTest;

const QString kStartMenu = QStringLiteral("/p/drive_c/users/ann/Start Menu");
const QString kPrograms = QStringLiteral("/p/drive_c/users/ann/Start Menu/Programs");

TEST_F(ShowConfigTest, EveryOpeningProposesTheShellFoldersAfresh) {
    shell.values = {{QStringLiteral("Start Menu"), kStartMenu},
                    {QStringLiteral("Programs"), kPrograms}};
    frm.showConfig();
    EXPECT_EQ(shell.asked, QStringList({"Start Menu", "Programs"}));
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), kStartMenu);
    EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(), kPrograms);

    // Edits last only until the panel opens again.
    control<QLineEdit>(frm, "startMenuPathBox")->setText(QStringLiteral("/elsewhere"));
    control<QLineEdit>(frm, "programsPathBox")->setText(QStringLiteral("/elsewhere/Programs"));
    frm.showConfig();
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), kStartMenu);
    EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(), kPrograms);
}

TEST_F(ShowConfigTest, LongPathsShowBothEndsUntilEditedAndKeepTheirWholeText) {
    const QString roaming =
        QStringLiteral("/home/ann/.wine/drive_c/users/ann/AppData/Roaming/Microsoft/Windows");
    shell.values = {{QStringLiteral("Start Menu"), roaming + QStringLiteral("/Start Menu")},
                    {QStringLiteral("Programs"), roaming + QStringLiteral("/Start Menu/Programs")}};
    frm.showConfig();
    frm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    for (QLineEdit* edit : {control<QLineEdit>(frm, "startMenuPathBox"),
                            control<QLineEdit>(frm, "programsPathBox")}) {
        const auto* box = dynamic_cast<PathBox*>(edit);
        ASSERT_NE(box, nullptr);
        const QString path = box->text();
        EXPECT_EQ(path, shell.values.at(edit == control<QLineEdit>(frm, "startMenuPathBox")
                                            ? "Start Menu"
                                            : "Programs"));
        EXPECT_EQ(box->toolTip(), path);
        const QString shown = box->shownText();
        EXPECT_LT(shown.size(), path.size());
        EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/")));
        EXPECT_TRUE(shown.endsWith(path.section(u'/', -1)));

        edit->setFocus();
        EXPECT_EQ(box->shownText(), path);
        control<QPushButton>(frm, "settingsOkButton")->setFocus();
    }
}

TEST_F(ShowConfigTest, AFailedLookupLeavesItsBoxEmpty) {
    shell.values = {{QStringLiteral("Start Menu"), kStartMenu}};
    frm.showConfig();
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), kStartMenu);
    EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(), QString());

    shell.values.clear();
    frm.showConfig();
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), QString());
}

TEST_F(ShowConfigTest, TheLanguageButtonShowsOnceTheSettingsWereOpenedBefore) {
    control<QFrame>(frm, "helpCover")->show();
    ASSERT_FALSE(frm.state().configured);
    frm.showConfig();
    EXPECT_FALSE(control<QPushButton>(frm, "changeLanguageButton")->isVisible());
    EXPECT_TRUE(frm.state().configured);
    EXPECT_FALSE(control<QFrame>(frm, "helpCover")->isVisible());

    frm.showConfig();
    EXPECT_TRUE(control<QPushButton>(frm, "changeLanguageButton")->isVisible());
}

TEST_F(ShowConfigTest, ConfirmingTakesTheBoxesAsTheWorkingFolders) {
    frm.state().startMenuPath.clear();
    frm.state().programsPath.clear();
    frm.showConfig();
    frm.state().scanFailed = true;
    frm.settingsOkClicked();
    EXPECT_EQ(frm.state().startMenuPath, startMenu());
    EXPECT_EQ(frm.state().programsPath, programs());
    EXPECT_FALSE(frm.state().scanFailed);
    EXPECT_TRUE(frm.state().configured);
    EXPECT_EQ(frm.state().windowsDrive, QStringLiteral("c:"));
}

} // namespace
} // namespace tvn::test
