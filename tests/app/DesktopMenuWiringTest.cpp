#include "catalogue/SystemAnalysis.h"
#include "i18n/BuiltInTexts.h"
#include "MainWindowFixture.h"
#include "tests/support/PrintQString.h"

#include <functional>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

// When the window brings the desktop menu in step with the category folders, and what the user
// is told about it. The menu's content itself is tested against Wine in tests/desktopmenu.

namespace tvn::test {
namespace {

class DesktopMenuWiring : public MainWindowTest {
protected:
    DesktopMenuWiring() {
        // A prefix as Wine sets it up, its Start Menu with one original and one classified copy.
        tree.write("prefix/system.reg");
        tree.write("prefix/.update-timestamp");
        tree.makeFolder("prefix/dosdevices");
        QFile::link("../drive_c", tree.path("prefix/dosdevices/c:"));
        tree.write(menu + "/Programs/Games/Chess.lnk", "chess");
        tree.write(menu + "/giochi/Chess.lnk", "chess");
        frm.state().startMenuPath = tree.path(menu);
        frm.state().programsPath = tree.path(menu + "/Programs");
        analyseSystem(frm.tvn());
        frm.setDesktopMenu(
            {"/bin/false", tree.path("data"), tree.path("config"), tree.path("home")});
        ui.clearCalls();
        hideAllPanels();
        frm.showMenu();
    }

    // An entry left in a submenu the program made, for a copy that is gone: a sync removes it.
    void putStaleEntry() {
        tree.write(staleEntry);
        tree.write("data/desktop-directories/wine-giochi.directory",
                   "[Desktop Entry]\nType=Directory\nName=giochi\nX-Torvane-Category=true\n");
    }

    // Lets the event loop run until the sync has reached its end and told the window.
    void waitForMenu() {
        QElapsedTimer clock;
        clock.start();
        while (frm.desktopMenuSyncing() && clock.elapsed() < 60'000)
            QTest::qWait(5);
        ASSERT_FALSE(frm.desktopMenuSyncing());
    }

    const QString menu = "prefix/drive_c/users/ann/Start Menu";
    const QString staleEntry = "data/applications/wine/giochi/Gone.desktop";
};

TEST_F(DesktopMenuWiring, FollowsTheStoreOnLeavingAPanelAfterARenameTheResetAndAClassification) {
    const struct {
        const char* what;
        std::function<void()> act;
    } rows[] = {
        {"Creation done",
         [this] {
             frm.classifyClicked();
             frm.creationDoneClicked();
         }},
        {"Modify done",
         [this] {
             frm.modifyClicked();
             frm.modifyDoneClicked();
         }},
        {"Purges back",
         [this] {
             frm.cleanUpClicked();
             frm.purgesBackClicked();
         }},
        {"rename",
         [this] {
             frm.classifyClicked();
             ui.expectInput("jeux");
             ui.expectMessage(Answer::No);
             frm.state().popupCategoryIndex = 0;
             frm.renameCategoryTriggered();
         }},
        {"reset",
         [this] {
             ui.expectMessage(Answer::Yes);
             ui.expectMessage();
             frm.resetClicked();
         }},
        {"classified, the panel still open",
         [this] {
             tree.write(menu + "/Programs/Games/Go.lnk", "go");
             analyseSystem(frm.tvn());
             frm.classifyClicked();
             frm.categoryClicked(1);
         }},
        {"Modify opened only",
         [this] {
             frm.modifyClicked();
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        putStaleEntry();
        ui.allowOkMessages();
        row.act();
        waitForMenu();
        EXPECT_EQ(tree.exists(staleEntry), QString(row.what) == "Modify opened only");
        EXPECT_TRUE(ui.scriptDone());
        hideAllPanels();
        frm.showMenu();
    }
}

// The window goes on while the sync runs, and says that it runs and when it is done; the copies
// that got no entry (a file stands where the entries' folder belongs) are told once a run, named
// in the details.
TEST_F(DesktopMenuWiring, RunsBesideTheWindowAndTellsOnceWhichCopiesGotNoEntry) {
    tree.write("data/applications/wine", "not a folder");
    frm.classifyClicked();
    QTest::mouseClick(control<QPushButton>(frm, "creationDoneButton"), Qt::LeftButton);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_TRUE(frm.desktopMenuSyncing());
    EXPECT_TRUE(control<QLabel>(frm, "desktopMenuStatus")->isVisible());
    const QString running = control<QLabel>(frm, "desktopMenuStatus")->text();
    EXPECT_TRUE(ui.dialogs().empty());

    ui.expectMessage();
    waitForMenu();
    ASSERT_EQ(ui.dialogs().size(), 1u);
    const UiCall told = ui.dialogs().front();
    EXPECT_EQ(told.text, builtInText(BuiltInText::MenuEntriesFailed, frm.state().languageIndex));
    EXPECT_EQ(told.details, tree.path(menu + "/giochi/Chess.lnk"));
    EXPECT_EQ(told.icon, Icon::Exclamation);
    EXPECT_TRUE(control<QLabel>(frm, "desktopMenuStatus")->isVisible());
    EXPECT_NE(control<QLabel>(frm, "desktopMenuStatus")->text(), running);

    frm.classifyClicked();
    frm.creationDoneClicked();
    waitForMenu();
    EXPECT_EQ(ui.dialogs().size(), 1u);
}

TEST_F(DesktopMenuWiring, TheSettingsSayOnlyWhenWineIsMissing) {
    const struct {
        bool wineInstalled;
        bool noteShown;
    } rows[] = {{true, false}, {false, true}};
    for (const auto& row : rows) {
        frm.setDesktopMenu(
            {row.wineInstalled ? "/bin/false" : "", tree.path("data"), tree.path("config"), {}});
        hideAllPanels();
        frm.showConfig();
        EXPECT_EQ(control<QLabel>(frm, "desktopMenuNote")->isVisible(), row.noteShown);
        EXPECT_FALSE(control<QLabel>(frm, "desktopMenuNote")->text().isEmpty());
    }
}

} // namespace
} // namespace tvn::test
