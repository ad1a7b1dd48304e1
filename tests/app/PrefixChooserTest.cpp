// The settings panel's Wine prefix chooser over a home holding demo prefixes, with the real
// registry lookup: what a choice puts in the path boxes, what reopening the panel keeps, and
// the all-users Programs line.
#include "app/frame/MainWindow.h"
#include "app/widgets/PathLabel.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/WineShellFolders.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tools/demoprefix/DemoPrefix.h"
#include "WindowControls.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>

namespace tvn::test {
namespace {

// The Start Menu of a demo prefix's user, and its all-users Programs folder.
QString startMenuOf(const QString& prefix, const QString& user) {
    return prefix + "/drive_c/users/" + user + "/AppData/Roaming/Microsoft/Windows/Start Menu";
}
QString allUsersOf(const QString& prefix) {
    return prefix + "/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs";
}

class PrefixChooserTest : public ::testing::Test {
protected:
    PrefixChooserTest() {
        makePrefix(wine, "ann");
        makePrefix(games, "bob");
        frm.state().appFolder = tree.path("App");
        tree.makeFolder("App");
        ui.allowOkMessages();
    }

    void makePrefix(const QString& folder, const QString& user) {
        tools::DemoPrefixRequest request{folder, user, false};
        const auto made = tools::makeDemoPrefix(request);
        ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    }

    void choose(const QString& prefix) {
        const int k = control<QComboBox>(frm, "prefixChooser")->findData(prefix);
        ASSERT_GE(k, 0) << prefix.toStdString();
        control<QComboBox>(frm, "prefixChooser")->setCurrentIndex(k);
        frm.prefixChosen();
    }

    // The prefix the chooser shows, and the Start Menu folder the boxes propose.
    QString chosen() const {
        return control<QComboBox>(frm, "prefixChooser")->currentData().toString();
    }
    QString startMenuBox() const { return control<QLineEdit>(frm, "startMenuPathBox")->text(); }

    TempTree tree;
    QString home = tree.path("home");
    QString wine = home + "/.wine";
    QString games = home + "/.local/share/wineprefixes/games";
    ScopedEnvironment fakeHome{"HOME", home};
    ScopedEnvironment noWinePrefix{"WINEPREFIX", QString()};
    ScriptedUi ui;
    PosixFileSystem disk;
    ProtectedFileSystem fs{disk};
    WineShellFolders shell{WineShellFolders::defaultWinePrefix()};
    MainWindow frm{ui, fs, shell, [this] {
                       return tree.path("App");
                   }};
};

TEST_F(PrefixChooserTest, ChoosingAPrefixFillsTheBoxesFromItsRegistry) {
    frm.showConfig();
    ASSERT_EQ(control<QComboBox>(frm, "prefixChooser")->count(),
              3); // the two prefixes and "Other folder..."
    EXPECT_EQ(chosen(), wine);
    EXPECT_EQ(startMenuBox(), startMenuOf(wine, "ann"));
    EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(),
              startMenuOf(wine, "ann") + "/Programs");
    EXPECT_EQ(control<PathLabel>(frm, "allUsersProgramsLine")->path(), allUsersOf(wine));

    choose(games);
    EXPECT_EQ(startMenuBox(), startMenuOf(games, "bob"));
    EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(),
              startMenuOf(games, "bob") + "/Programs");
    EXPECT_EQ(control<PathLabel>(frm, "allUsersProgramsLine")->path(), allUsersOf(games));

    // Boxes typed outside any prefix bring no all-users folder in.
    control<QLineEdit>(frm, "startMenuPathBox")->setText(tree.path("App"));
    EXPECT_EQ(control<PathLabel>(frm, "allUsersProgramsLine")->path(), QString());
    EXPECT_FALSE(control<PathLabel>(frm, "allUsersProgramsLine")->text().isEmpty());
}

TEST_F(PrefixChooserTest, ReopeningTheSettingsKeepsThePrefixInUse) {
    frm.showConfig();
    choose(games);
    frm.settingsOkClicked();
    ASSERT_EQ(frm.state().startMenuPath, startMenuOf(games, "bob"));
    EXPECT_EQ(frm.state().allUsersProgramsPath, allUsersOf(games));

    // The next start proposes from Wine's own prefix; the settings still open on the one in use.
    shell.setPrefix(wine);
    frm.showConfig();
    EXPECT_EQ(chosen(), games);
    EXPECT_EQ(startMenuBox(), startMenuOf(games, "bob"));
    EXPECT_EQ(control<PathLabel>(frm, "allUsersProgramsLine")->path(),
              frm.state().allUsersProgramsPath);
}

TEST_F(PrefixChooserTest, OtherFolderTakesOnlyAPrefix) {
    const QString elsewhere = tree.path("elsewhere");
    makePrefix(elsewhere, "cy");
    frm.showConfig();
    const int other = control<QComboBox>(frm, "prefixChooser")->count() - 1;
    const auto chooseOther = [&](const QString& picked) {
        ui.expectFolder(picked);
        control<QComboBox>(frm, "prefixChooser")->setCurrentIndex(other);
        frm.prefixChosen();
    };

    // Cancelled, or a folder without a registry: the prefix in use and its folders stay.
    for (const QString& picked : {QString(), tree.path("App")}) {
        ui.clearCalls();
        chooseOther(picked);
        EXPECT_EQ(chosen(), wine);
        EXPECT_EQ(startMenuBox(), startMenuOf(wine, "ann"));
        EXPECT_EQ(ui.messageTexts().size(), picked.isEmpty() ? 0u : 1u);
    }

    chooseOther(elsewhere);
    EXPECT_EQ(chosen(), elsewhere);
    EXPECT_EQ(startMenuBox(), startMenuOf(elsewhere, "cy"));
    EXPECT_EQ(control<QComboBox>(frm, "prefixChooser")->count(), 4);
    EXPECT_EQ(control<QComboBox>(frm, "prefixChooser")
                  ->itemData(control<QComboBox>(frm, "prefixChooser")->count() - 1),
              QVariant());
}

} // namespace
} // namespace tvn::test
