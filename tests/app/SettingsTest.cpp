#include "FrmMainFixture.h"
#include "platform/Ui.h"
#include "platform/WineShellFolders.h"
#include "tests/support/ScopedEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <string_view>

namespace tvn::test {
namespace {

// The records of a configuration file, each line ended by CR LF.
QByteArray configLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

class SettingsTest : public FrmMainTest {
protected:
    SettingsTest() {
        tree.write("Start Menu/Games/Solitaire.lnk");
        tree.write("Start Menu/Programs/Editor/Editor.lnk");
    }

    // The file a confirmed settings panel writes with the fixture's folders.
    QByteArray writtenConfig(const QString& programsPath, const QString& debugText = {}) const {
        return configLines({"#TRUE#", quoted("c:"), quoted(startMenu()), quoted(programsPath), "0",
                            "0", "1", quoted(debugText)});
    }

    bool customNamesRead() const {
        for (const auto& op : faults.operations())
            if (op.kind == FaultInjectingFileSystem::Kind::ReadFile &&
                op.path.endsWith(QStringLiteral("/Custom.tvn")))
                return true;
        return false;
    }

    static int checkedLanguage(const FrmMain& window) {
        for (int k = 0; k < 3; ++k)
            if (window.Language[static_cast<size_t>(k)]->isChecked())
                return k;
        return -1;
    }
};

TEST_F(SettingsTest, ConfirmedSettingsComeBackAtTheNextStart) {
    ui.allowOkMessages(false);
    frm.ShowConfig();
    frm.DoNotShowAgain2->click();
    frm.Language[2]->setChecked(true);
    frm.ReadLanguageChoice();
    frm.ChkHide->setChecked(false);
    frm.DebugBox->setText(QStringLiteral("a, \u00abdebug\u00bb text"));
    frm.COK_Click();
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);
    const QByteArray written = tree.read("Config.tvn");

    // The next start skips the introduction and goes through the analysis to the menu.
    auto next = newWindow(shell);
    std::vector<std::vector<QString>> panelsAtPumps;
    ui.onPump = [&] {
        panelsAtPumps.push_back(visiblePanelsOf(*next));
    };
    next->Form_Load();
    ui.onPump = nullptr;
    EXPECT_EQ(visiblePanelsOf(*next), std::vector<QString>{"Menu"});
    for (const auto& panels : panelsAtPumps)
        EXPECT_TRUE(panels.empty());
    EXPECT_EQ(next->Progs.count(), 1);
    EXPECT_EQ(next->Fast.count(), 1);

    EXPECT_EQ(next->StartMenuCustomPath->text(), startMenu());
    EXPECT_EQ(next->ProgramsMenuCustomPath->text(), programs());
    EXPECT_EQ(next->DoNotShowAgain->checkState(), Qt::Checked);
    EXPECT_EQ(next->DoNotShowAgain2->checkState(), Qt::Checked);
    EXPECT_EQ(checkedLanguage(*next), 2);
    EXPECT_EQ(next->state().languageIndex, 2);
    EXPECT_EQ(next->ChkHide->checkState(), Qt::Unchecked);
    EXPECT_EQ(next->DebugBox->text(), frm.DebugBox->text());
    EXPECT_EQ(next->Drive1->currentText(), QStringLiteral("c:"));
    // The start rewrote the file from what it loaded.
    EXPECT_EQ(tree.read("Config.tvn"), written);
}

TEST_F(SettingsTest, StartUpUsesWhatADamagedFileHoldsBeforeTheDamage) {
    const QByteArray head = configLines({"#TRUE#", quoted("e:"), quoted("/sm"), quoted("/sm/p")});
    struct Case {
        const char* name;
        QByteArray content; // empty: no file
        const char* firstPanel;
        bool configured;
        const char* startMenuBox;
        Qt::CheckState skip;
        int language;
        Qt::CheckState hideHelp;
        bool customRead = false;
    };
    const Case cases[] = {
        {"no file", {}, "Languages", false, "\\Windows\\Start Menu", Qt::Unchecked, 0, Qt::Checked},
        {"binary garbage", QByteArray("\x01\x00\xff#TRUE#", 9), "Languages", false,
         "\\Windows\\Start Menu", Qt::Unchecked, 0, Qt::Checked},
        {"not configured", configLines({"#FALSE#", quoted("c:"), quoted("/sm")}), "Languages",
         false, "/sm", Qt::Unchecked, 0, Qt::Checked},
        {"seven records", head + configLines({"0", "1", "0"}), "Introduction", true, "/sm",
         Qt::Unchecked, 1, Qt::Unchecked},
        {"language index 3", head + configLines({"0", "3", "0", quoted("x")}), "Introduction", true,
         "/sm", Qt::Unchecked, 0, Qt::Checked},
        {"grey skip boxes", head + configLines({"2", "0", "1", quoted("")}), "Introduction", true,
         "/sm", Qt::PartiallyChecked, 0, Qt::Checked, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(tree.path("Config.tvn"));
        if (!c.content.isEmpty())
            tree.write("Config.tvn", c.content);
        tree.write("Custom.tvn", configLines({quoted("user's games")}));
        faults.clearLog();
        auto window = newWindow(shell);
        window->Form_Load();
        EXPECT_EQ(visiblePanelsOf(*window), std::vector<QString>{c.firstPanel});
        EXPECT_EQ(window->state().configured, c.configured);
        EXPECT_EQ(window->StartMenuCustomPath->text(), QString::fromUtf8(c.startMenuBox));
        EXPECT_EQ(window->DoNotShowAgain->checkState(), c.skip);
        EXPECT_EQ(window->DoNotShowAgain2->checkState(), c.skip);
        EXPECT_EQ(checkedLanguage(*window), c.language);
        EXPECT_EQ(window->state().languageIndex, c.language);
        EXPECT_EQ(window->ChkHide->checkState(), c.hideHelp);
        EXPECT_EQ(window->DebugBox->text(), QString());
        EXPECT_EQ(customNamesRead(), c.customRead);
        EXPECT_EQ(window->Categories[0]->text(),
                  c.customRead ? QStringLiteral("user's games") : frm.Categories[0]->text());
    }
}

// The first run as a user meets it, on a prefix as Wine writes it; Esc confirms the settings.
TEST_F(SettingsTest, FirstRunOnAWinePrefixWritesTheEightRecords) {
    QFile sample(QStringLiteral(TORVANE_SAMPLE_USER_REG));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    tree.write("prefix/user.reg", sample.readAll());
    const QString menu =
        QStringLiteral("prefix/drive_c/users/root/AppData/Roaming/Microsoft/Windows/Start Menu");
    tree.write(menu + "/Programs/Editor/Editor.lnk");
    tree.makeFolder("prefix/dosdevices");
    ASSERT_TRUE(QFile::link("../drive_c", tree.path("prefix/dosdevices/c:")));
    WineShellFolders wine(tree.path("prefix"));

    auto window = newWindow(wine);
    window->Form_Load();
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"Languages"});
    EXPECT_TRUE(window->Command4->isVisible());
    QTest::mouseClick(window->CmdLanguageOK, Qt::LeftButton);
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"Introduction"});

    ui.clearCalls();
    QTest::mouseClick(window->CContinue, Qt::LeftButton);
    // The small-icons hint names a Windows option: none on Linux.
    ASSERT_TRUE(ui.messageTexts().empty());
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"Config"});
    EXPECT_EQ(window->StartMenuCustomPath->text(), tree.path(menu));
    EXPECT_EQ(window->ProgramsMenuCustomPath->text(), tree.path(menu + "/Programs"));
    EXPECT_FALSE(window->CmdChangeLanguage->isVisible());

    QTest::keyClick(window->StartMenuCustomPath, Qt::Key_Escape);
    EXPECT_EQ(visiblePanelsOf(*window), std::vector<QString>{"Menu"});
    EXPECT_EQ(window->Progs.count(), 1);
    EXPECT_EQ(tree.read("Config.tvn"),
              configLines({"#TRUE#", quoted("c:"), quoted(tree.path(menu)),
                           quoted(tree.path(menu + "/Programs")), "0", "0", "1", quoted("")}));
}

TEST_F(SettingsTest, ConfirmingInFrenchPutsTheFrenchDefaultsOnTheButtonsAndInCustomTvn) {
    tree.write("Custom.tvn", configLines({quoted("renamed earlier")}));
    frm.ShowConfig();
    hideAllPanels();
    frm.ShowConfig();
    frm.CmdChangeLanguage->click();
    frm.Language[1]->click();
    frm.CmdLanguageOK->click();
    ASSERT_EQ(visiblePanels(), std::vector<QString>{"Config"});
    frm.COK->click();
    expectOnly(frm.Menu, frm.CAdd, frm.CExit);

    // The second of the three blocks of eleven names.
    const QList<QByteArray> defaults = tree.read("Default.tvn").split('\n');
    QByteArray french;
    for (qsizetype k = 11; k < 22; ++k)
        french += defaults[k] + '\n';
    EXPECT_EQ(tree.read("Custom.tvn"), french);
    EXPECT_EQ(frm.Categories[0]->text(), QStringLiteral("jeux"));
    EXPECT_EQ(frm.Categories[3]->text(), QStringLiteral("vid\u00e9o"));
    EXPECT_EQ(frm.Categories[10]->text(), QStringLiteral("divers"));
}

TEST_F(SettingsTest, AnUnusableFolderIsRefusedAndTheRegistryValuesProposedAgain) {
    tree.makeFolder("Start Menu/Pro\"grams");
    const QString unusable[] = {tree.path("Start Menu/Missing"),
                                tree.path("Start Menu/Pro\"grams")};
    for (const QString& path : unusable) {
        SCOPED_TRACE(path.toStdString());
        tree.write("Config.tvn", "previous");
        shell.values[QStringLiteral("Programs")] = path;
        hideAllPanels();
        frm.ShowConfig();
        // The user points the Start Menu elsewhere; the Programs folder stays unusable.
        frm.StartMenuCustomPath->setText(tree.path("Start Menu/Games"));
        ui.clearCalls();
        ui.expectMessage();
        frm.COK_Click();
        ASSERT_EQ(ui.dialogs().size(), 1u);
        EXPECT_EQ(ui.dialogs()[0].text, frm.messageText(2));
        EXPECT_EQ(ui.dialogs()[0].title, QStringLiteral("ERROR!"));
        EXPECT_EQ(ui.dialogs()[0].icon, Icon::Exclamation);
        EXPECT_EQ(ui.beeps(), 0);
        expectOnly(frm.Config, frm.COK, frm.COK);
        EXPECT_EQ(frm.StartMenuCustomPath->text(), startMenu());
        EXPECT_EQ(frm.ProgramsMenuCustomPath->text(), path);
        EXPECT_EQ(tree.read("Config.tvn"), "previous");
        EXPECT_EQ(frm.Fast.count(), 0); // no analysis
        // The category names were reset to the defaults before the check.
        EXPECT_EQ(frm.Categories[0]->text(), QStringLiteral("games"));
        EXPECT_TRUE(tree.exists("Custom.tvn"));
    }
}

TEST_F(SettingsTest, WithoutErrorChecksAnUnusableFolderIsSavedAndAnalysed) {
    frm.DebugBox->setText(QStringLiteral("Do not check for errors"));
    const QString missing = tree.path("Start Menu/Missing");
    shell.values[QStringLiteral("Programs")] = missing;
    frm.ShowConfig();
    ui.clearCalls();
    ui.expectMessage(); // the folder check
    ui.expectMessage(); // the Programs walk
    frm.COK_Click();
    std::vector<UiCall::Kind> kinds;
    for (const UiCall& call : ui.calls())
        if (call.kind != UiCall::Kind::Pump)
            kinds.push_back(call.kind);
    EXPECT_EQ(kinds, (std::vector<UiCall::Kind>{UiCall::Kind::Message, UiCall::Kind::Beep,
                                                UiCall::Kind::Message}));
    EXPECT_EQ(tree.read("Config.tvn"), writtenConfig(missing, frm.DebugBox->text()));
    EXPECT_GT(frm.Fast.count(), 0);
    // The failed walk has handed the user back to the settings.
    expectOnly(frm.Config, frm.COK, frm.COK);
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsReportedAndThePreviousOneKept) {
    tree.write("Config.tvn", "previous");
    faults.failWhen([](const FaultInjectingFileSystem::Operation& op) {
        return op.kind == FaultInjectingFileSystem::Kind::WriteFile &&
               op.path.endsWith(QStringLiteral("/Config.tvn"));
    });
    struct Case {
        const char* name;
        const char* debugText;
        QString programs;
        std::vector<QString> messages;
    };
    const Case cases[] = {
        {"checked", "", programs(), {frm.messageText(3)}},
        {"without checks",
         "Do not check for errors",
         tree.path("Missing"),
         {frm.messageText(2), frm.messageText(3), frm.messageText(2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frm.DebugBox->setText(QString::fromUtf8(c.debugText));
        shell.values[QStringLiteral("Programs")] = c.programs;
        hideAllPanels();
        frm.ShowConfig();
        ui.clearCalls();
        for (size_t k = 0; k < c.messages.size(); ++k)
            ui.expectMessage();
        frm.COK_Click();
        EXPECT_EQ(ui.messageTexts(), c.messages);
        const UiCall report = ui.dialogs()[c.messages.size() > 1 ? 1 : 0];
        EXPECT_EQ(report.title, QStringLiteral("ERROR!"));
        EXPECT_EQ(report.icon, Icon::Exclamation);
        EXPECT_EQ(tree.read("Config.tvn"), "previous");
        EXPECT_GT(frm.Fast.count(), 0); // the analysis ran all the same
    }
}

TEST_F(SettingsTest, AppliedSettingsGuardTheProgramsTree) {
    frm.ShowConfig();
    frm.COK_Click();
    ASSERT_EQ(frm.state().programsPath, programs());
    FileSystem& windowFs = frm.tvn().fs;
    const QString original = programs() + "/Editor/Editor.lnk";
    EXPECT_FALSE(windowFs.deleteFile(original));
    EXPECT_FALSE(windowFs.deleteFile(tree.path("Start Menu/programs/editor/EDITOR.LNK")));
    EXPECT_FALSE(windowFs.rename(programs() + "/Editor", startMenu() + "/Editor"));
    EXPECT_TRUE(tree.exists("Start Menu/Programs/Editor/Editor.lnk"));
    // Outside the tree the classified copies can still be removed.
    EXPECT_TRUE(windowFs.deleteFile(startMenu() + "/Games/Solitaire.lnk"));
}

TEST_F(SettingsTest, KillConfigAsksDeletesAndReportsAMissingFile) {
    tree.write("Config.tvn", "settings");
    frm.state().configured = true;
    ui.expectMessage(Answer::No);
    frm.CmdDebug_Click();
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs()[0].text, QStringLiteral("OK?"));
    EXPECT_EQ(ui.dialogs()[0].title, QString());
    EXPECT_EQ(ui.dialogs()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.dialogs()[0].icon, Icon::None);
    EXPECT_TRUE(tree.exists("Config.tvn"));
    EXPECT_TRUE(frm.state().configured);

    ui.clearCalls();
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    frm.CmdDebug_Click();
    EXPECT_EQ(ui.messageTexts(), (std::vector<QString>{"OK?", "OK!"}));
    EXPECT_EQ(ui.dialogs()[1].buttons, Buttons::Ok);
    EXPECT_FALSE(tree.exists("Config.tvn"));
    EXPECT_FALSE(frm.state().configured);

    frm.state().configured = true;
    ui.clearCalls();
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    frm.CmdDebug_Click();
    EXPECT_EQ(ui.messageTexts(), (std::vector<QString>{"OK?", unexpectedErrorText()}));
    EXPECT_TRUE(frm.state().configured);
}

TEST_F(SettingsTest, AnUnusableUserRegProposesEmptyFolders) {
    // No other prefix of the machine's may stand in for it.
    ScopedEnvironment emptyHome{"HOME", tree.path("home")};
    ScopedEnvironment noWinePrefix{"WINEPREFIX", QString()};
    tree.makeFolder("prefix/drive_c");
    tree.makeFolder("prefix/dosdevices");
    ASSERT_TRUE(QFile::link("../drive_c", tree.path("prefix/dosdevices/c:")));
    const QByteArray key = "WINE REGISTRY Version 2\n"
                           "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\"
                           "Shell Folders]\n";
    const std::pair<const char*, QByteArray> cases[] = {
        {"missing", {}},
        {"binary", QByteArray(4096, '\0') + "\xff\xfe\x01"},
        {"malformed", key + "\"Start Menu\"=\"C:\\\\users\n\"Programs\"=str(2):\"C:\\\\\n"},
        // Readable keys, but in a file past any sane size.
        {"huge", key + "\"Start Menu\"=\"C:\\\\sm\"\n\"Programs\"=\"C:\\\\sm\\\\p\"\n"},
    };
    WineShellFolders wine(tree.path("prefix"));
    auto window = newWindow(wine);
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        QFile::remove(tree.path("prefix/user.reg"));
        if (!content.isEmpty())
            tree.write("prefix/user.reg", content);
        if (std::string_view(name) == "huge") {
            QFile huge(tree.path("prefix/user.reg"));
            ASSERT_TRUE(huge.resize(qint64(1) << 30)); // sparse, so the test stays quick
        }
        window->ShowConfig();
        EXPECT_EQ(window->StartMenuCustomPath->text(), QString());
        EXPECT_EQ(window->ProgramsMenuCustomPath->text(), QString());
    }
}

} // namespace
} // namespace tvn::test
