#include "i18n/NoticeTexts.h"
#include "MainWindowFixture.h"
#include "platform/Ui.h"
#include "platform/WineShellFolders.h"
#include "tests/support/ScopedEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

class SettingsTest : public MainWindowTest {
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

    static int checkedLanguage(const MainWindow& window) {
        for (int k = 0; k < 3; ++k)
            if (languageOption(window, k)->isChecked())
                return k;
        return -1;
    }
};

TEST_F(SettingsTest, ConfirmedSettingsComeBackAtTheNextStart) {
    ui.allowOkMessages(false);
    tree.write("Start Menu/giochi/Solitaire.lnk");
    frm.showConfig();
    control<QCheckBox>(frm, "skipIntroductionSetting")->click();
    languageOption(frm, 2)->setChecked(true);
    frm.readLanguageChoice();
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(false);
    control<QLineEdit>(frm, "debugBox")->setText(QStringLiteral("a, \u00abdebug\u00bb text"));
    frm.settingsOkClicked();
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    const QByteArray written = tree.read("Config.tvn");

    // The next start skips the introduction and goes through the analysis to the menu.
    auto next = newWindow(shell);
    std::vector<std::vector<QString>> panelsAtPumps;
    ui.onPump = [&] {
        panelsAtPumps.push_back(visiblePanelsOf(*next));
    };
    next->startUp();
    ui.onPump = nullptr;
    EXPECT_EQ(visiblePanelsOf(*next), std::vector<QString>{"menuPanel"});
    for (const auto& panels : panelsAtPumps)
        EXPECT_TRUE(panels.empty());
    EXPECT_EQ(next->shortcutNames.count(), 1);
    EXPECT_EQ(next->copyNames.count(), 1);

    EXPECT_EQ(control<QLineEdit>(*next, "startMenuPathBox")->text(), startMenu());
    EXPECT_EQ(control<QLineEdit>(*next, "programsPathBox")->text(), programs());
    EXPECT_EQ(control<QCheckBox>(*next, "skipIntroduction")->checkState(), Qt::Checked);
    EXPECT_EQ(control<QCheckBox>(*next, "skipIntroductionSetting")->checkState(), Qt::Checked);
    EXPECT_EQ(checkedLanguage(*next), 2);
    EXPECT_EQ(next->state().languageIndex, 2);
    EXPECT_EQ(control<QCheckBox>(*next, "hideHelpOption")->checkState(), Qt::Unchecked);
    EXPECT_EQ(control<QLineEdit>(*next, "debugBox")->text(),
              control<QLineEdit>(frm, "debugBox")->text());
    EXPECT_EQ(control<QComboBox>(*next, "windowsDriveBox")->currentText(), QStringLiteral("c:"));
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
        {"no file",
         {},
         "languagesPanel",
         false,
         "\\Windows\\Start Menu",
         Qt::Unchecked,
         0,
         Qt::Checked},
        {"binary garbage", QByteArray("\x01\x00\xff#TRUE#", 9), "languagesPanel", false,
         "\\Windows\\Start Menu", Qt::Unchecked, 0, Qt::Checked},
        {"not configured", configLines({"#FALSE#", quoted("c:"), quoted("/sm")}), "languagesPanel",
         false, "/sm", Qt::Unchecked, 0, Qt::Checked},
        {"seven records", head + configLines({"0", "1", "0"}), "introductionPanel", true, "/sm",
         Qt::Unchecked, 1, Qt::Unchecked},
        {"language index 3", head + configLines({"0", "3", "0", quoted("x")}), "introductionPanel",
         true, "/sm", Qt::Unchecked, 0, Qt::Checked},
        {"grey skip boxes", head + configLines({"2", "0", "1", quoted("")}), "introductionPanel",
         true, "/sm", Qt::PartiallyChecked, 0, Qt::Checked, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(tree.path("Config.tvn"));
        if (!c.content.isEmpty())
            tree.write("Config.tvn", c.content);
        tree.write("Custom.tvn", configLines({quoted("user's games")}));
        // A file of one name is damaged: the start says so.
        if (c.customRead)
            ui.expectMessage();
        faults.clearLog();
        auto window = newWindow(shell);
        window->startUp();
        EXPECT_EQ(visiblePanelsOf(*window), std::vector<QString>{c.firstPanel});
        EXPECT_EQ(window->state().configured, c.configured);
        EXPECT_EQ(control<QLineEdit>(*window, "startMenuPathBox")->text(),
                  QString::fromUtf8(c.startMenuBox));
        EXPECT_EQ(control<QCheckBox>(*window, "skipIntroduction")->checkState(), c.skip);
        EXPECT_EQ(control<QCheckBox>(*window, "skipIntroductionSetting")->checkState(), c.skip);
        EXPECT_EQ(checkedLanguage(*window), c.language);
        EXPECT_EQ(window->state().languageIndex, c.language);
        EXPECT_EQ(control<QCheckBox>(*window, "hideHelpOption")->checkState(), c.hideHelp);
        EXPECT_EQ(control<QLineEdit>(*window, "debugBox")->text(), QString());
        EXPECT_EQ(customNamesRead(), c.customRead);
        EXPECT_EQ(categoryButton(*window, 0)->text(),
                  c.customRead ? QStringLiteral("user's games") : categoryButton(frm, 0)->text());
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
    window->startUp();
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"languagesPanel"});
    EXPECT_TRUE(control<QPushButton>(*window, "languagesExitButton")->isVisible());
    QTest::mouseClick(control<QPushButton>(*window, "languageOkButton"), Qt::LeftButton);
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"introductionPanel"});

    ui.clearCalls();
    QTest::mouseClick(control<QPushButton>(*window, "continueButton"), Qt::LeftButton);
    // The small-icons hint names a Windows option: none on Linux.
    ASSERT_TRUE(ui.messageTexts().empty());
    ASSERT_EQ(visiblePanelsOf(*window), std::vector<QString>{"configPanel"});
    EXPECT_EQ(control<QLineEdit>(*window, "startMenuPathBox")->text(), tree.path(menu));
    EXPECT_EQ(control<QLineEdit>(*window, "programsPathBox")->text(),
              tree.path(menu + "/Programs"));
    EXPECT_FALSE(control<QPushButton>(*window, "changeLanguageButton")->isVisible());

    QTest::keyClick(control<QLineEdit>(*window, "startMenuPathBox"), Qt::Key_Escape);
    EXPECT_EQ(visiblePanelsOf(*window), std::vector<QString>{"menuPanel"});
    EXPECT_EQ(window->shortcutNames.count(), 1);
    EXPECT_EQ(tree.read("Config.tvn"),
              configLines({"#TRUE#", quoted("c:"), quoted(tree.path(menu)),
                           quoted(tree.path(menu + "/Programs")), "0", "0", "1", quoted("")}));
}

TEST_F(SettingsTest, ConfirmingInFrenchPutsTheFrenchDefaultsOnTheButtonsAndInCustomTvn) {
    tree.write("Custom.tvn", configLines({quoted("renamed earlier")}));
    frm.showConfig();
    hideAllPanels();
    frm.showConfig();
    control<QPushButton>(frm, "changeLanguageButton")->click();
    languageOption(frm, 1)->click();
    control<QPushButton>(frm, "languageOkButton")->click();
    ASSERT_EQ(visiblePanels(), std::vector<QString>{"configPanel"});
    control<QPushButton>(frm, "settingsOkButton")->click();
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));

    // The second of the three blocks of eleven names.
    const QList<QByteArray> defaults = tree.read("Default.tvn").split('\n');
    QByteArray french;
    for (qsizetype k = 11; k < 22; ++k)
        french += defaults[k] + '\n';
    EXPECT_EQ(tree.read("Custom.tvn"), french);
    EXPECT_EQ(categoryButton(frm, 0)->text(), QStringLiteral("jeux"));
    EXPECT_EQ(categoryButton(frm, 3)->text(), QStringLiteral("vid\u00e9o"));
    EXPECT_EQ(categoryButton(frm, 10)->text(), QStringLiteral("divers"));
}

// The message names the box and what is wrong, in the interface language; the boxes keep what
// was typed, for the user to put right.
TEST_F(SettingsTest, AnUnusableFolderIsRefusedNamingItsBoxAndKeptToBePutRight) {
    tree.makeFolder("Start Menu/Pro\"grams");
    const std::pair<QString, NoticeText> unusable[] = {
        {tree.path("Start Menu/Missing"), NoticeText::FolderMissing},
        {tree.path("Start Menu/Pro\"grams"), NoticeText::FolderQuote}};
    frm.state().languageIndex = 1;
    for (const auto& [path, reason] : unusable) {
        SCOPED_TRACE(path.toStdString());
        tree.write("Config.tvn", "previous");
        shell.values[QStringLiteral("Programs")] = path;
        hideAllPanels();
        frm.showConfig();
        // The user points the Start Menu elsewhere; the Programs folder stays unusable.
        control<QLineEdit>(frm, "startMenuPathBox")->setText(tree.path("Start Menu/Games"));
        ui.clearCalls();
        ui.expectMessage();
        std::vector<QString> panelsBehind;
        ui.onMessage = [&] {
            panelsBehind = visiblePanels();
        };
        frm.settingsOkClicked();
        ui.onMessage = nullptr;
        EXPECT_EQ(panelsBehind, std::vector<QString>{"configPanel"});
        ASSERT_EQ(ui.dialogs().size(), 1u);
        EXPECT_EQ(ui.dialogs()[0].text,
                  noticeText(NoticeText::SettingsProblem, 1)
                      .arg(noticeText(NoticeText::ProgramsBox, 1), noticeText(reason, 1), path));
        EXPECT_EQ(ui.dialogs()[0].title, noticeText(NoticeText::SettingsTitle, 1));
        EXPECT_EQ(ui.dialogs()[0].icon, Icon::Exclamation);
        EXPECT_EQ(ui.beeps(), 0);
        expectOnly(control<QFrame>(frm, "configPanel"),
                   control<QPushButton>(frm, "settingsOkButton"),
                   control<QPushButton>(frm, "settingsOkButton"));
        EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(),
                  tree.path("Start Menu/Games"));
        EXPECT_EQ(control<QLineEdit>(frm, "programsPathBox")->text(), path);
        EXPECT_EQ(tree.read("Config.tvn"), "previous");
        EXPECT_EQ(frm.copyNames.count(), 0); // no analysis
        // The category names were reset to the defaults before the check.
        EXPECT_EQ(categoryButton(frm, 0)->text(), QStringLiteral("jeux"));
        EXPECT_TRUE(tree.exists("Custom.tvn"));
    }
}

// Once settings are in use, the panel shows them (not what the registry says now), warns about
// the classifications only when there are some, and Cancel leaves everything as it was.
TEST_F(SettingsTest, ReopenedSettingsShowTheFoldersInUseAndCancelChangesNothing) {
    frm.showConfig();
    EXPECT_FALSE(control<QPushButton>(frm, "settingsCancelButton")->isVisible())
        << "nothing to go back to yet";
    frm.settingsOkClicked();
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    const QByteArray config = tree.read("Config.tvn");
    shell.values[QStringLiteral("Start Menu")] = tree.path("Elsewhere");

    ui.clearCalls();
    ui.expectMessage(Answer::Yes); // Games/Solitaire.lnk is a classification
    frm.settingsClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<QString>{frm.messageText(Message::ResetBeforeChange)});
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsCancelButton"));
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), startMenu());
    control<QLineEdit>(frm, "startMenuPathBox")->setText(tree.path("Elsewhere"));
    control<QCheckBox>(frm, "hideHelpOption")->setChecked(false);
    control<QPushButton>(frm, "settingsCancelButton")->click();
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_EQ(frm.state().startMenuPath, startMenu());
    EXPECT_TRUE(control<QCheckBox>(frm, "hideHelpOption")->isChecked());
    EXPECT_EQ(tree.read("Config.tvn"), config);

    ASSERT_TRUE(QFile::remove(tree.path("Start Menu/Games/Solitaire.lnk")));
    frm.rescanClicked();
    ui.clearCalls();
    frm.settingsClicked();
    EXPECT_TRUE(ui.dialogs().empty()) << "no classification, no warning";
    EXPECT_EQ(control<QLineEdit>(frm, "startMenuPathBox")->text(), startMenu());
}

// "~" and a relative path are saved as the absolute folders they name.
TEST_F(SettingsTest, TypedHomeAndRelativePathsAreSavedAbsolute) {
    const ScopedEnvironment home("HOME", tree.path());
    frm.showConfig();
    control<QLineEdit>(frm, "startMenuPathBox")->setText(QStringLiteral("~/Start Menu/"));
    const QString relative =
        QDir::current().relativeFilePath(QDir::fromNativeSeparators(programs()));
    control<QLineEdit>(frm, "programsPathBox")->setText(QDir::toNativeSeparators(relative));
    frm.settingsOkClicked();
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
    EXPECT_EQ(tree.read("Config.tvn"), writtenConfig(programs()));
}

TEST_F(SettingsTest, WithoutErrorChecksAnUnusableFolderIsSavedAndAnalysed) {
    control<QLineEdit>(frm, "debugBox")->setText(QStringLiteral("Do not check for errors"));
    const QString missing = tree.path("Start Menu/Missing");
    shell.values[QStringLiteral("Programs")] = missing;
    frm.showConfig();
    ui.clearCalls();
    ui.expectMessage(); // the folder check
    ui.expectMessage(); // the Programs walk
    frm.settingsOkClicked();
    std::vector<UiCall::Kind> kinds;
    for (const UiCall& call : ui.calls())
        if (call.kind != UiCall::Kind::Pump)
            kinds.push_back(call.kind);
    EXPECT_EQ(kinds, (std::vector<UiCall::Kind>{UiCall::Kind::Message, UiCall::Kind::Beep,
                                                UiCall::Kind::Message}));
    EXPECT_EQ(tree.read("Config.tvn"),
              writtenConfig(missing, control<QLineEdit>(frm, "debugBox")->text()));
    EXPECT_GT(frm.copyNames.count(), 0);
    // The failed walk has handed the user back to the settings.
    expectOnly(control<QFrame>(frm, "configPanel"), control<QPushButton>(frm, "settingsOkButton"),
               control<QPushButton>(frm, "settingsOkButton"));
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
        {"checked", "", programs(), {frm.messageText(Message::SettingsNotSaved)}},
        {"without checks",
         "Do not check for errors",
         tree.path("Missing"),
         {noticeText(NoticeText::SettingsProblem, 0)
              .arg(noticeText(NoticeText::ProgramsBox, 0), noticeText(NoticeText::FolderMissing, 0),
                   tree.path("Missing")),
          frm.messageText(Message::SettingsNotSaved), frm.messageText(Message::WrongSettings)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        control<QLineEdit>(frm, "debugBox")->setText(QString::fromUtf8(c.debugText));
        hideAllPanels();
        frm.showConfig();
        control<QLineEdit>(frm, "programsPathBox")->setText(c.programs);
        ui.clearCalls();
        for (size_t k = 0; k < c.messages.size(); ++k)
            ui.expectMessage();
        frm.settingsOkClicked();
        EXPECT_EQ(ui.messageTexts(), c.messages);
        const UiCall report = ui.dialogs()[c.messages.size() > 1 ? 1 : 0];
        EXPECT_EQ(report.title, QStringLiteral("ERROR!"));
        EXPECT_EQ(report.icon, Icon::Exclamation);
        EXPECT_EQ(tree.read("Config.tvn"), "previous");
        EXPECT_GT(frm.copyNames.count(), 0); // the analysis ran all the same
    }
}

TEST_F(SettingsTest, AppliedSettingsGuardTheProgramsTree) {
    frm.showConfig();
    frm.settingsOkClicked();
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
    frm.killConfigClicked();
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
    frm.killConfigClicked();
    EXPECT_EQ(ui.messageTexts(), (std::vector<QString>{"OK?", "OK!"}));
    EXPECT_EQ(ui.dialogs()[1].buttons, Buttons::Ok);
    EXPECT_FALSE(tree.exists("Config.tvn"));
    EXPECT_FALSE(frm.state().configured);

    frm.state().configured = true;
    ui.clearCalls();
    ui.expectMessage(Answer::Yes);
    ui.expectMessage();
    frm.killConfigClicked();
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
        window->showConfig();
        EXPECT_EQ(control<QLineEdit>(*window, "startMenuPathBox")->text(), QString());
        EXPECT_EQ(control<QLineEdit>(*window, "programsPathBox")->text(), QString());
        // An empty box says why it is empty.
        EXPECT_FALSE(control<QLineEdit>(*window, "startMenuPathBox")->placeholderText().isEmpty());
    }
}

} // namespace
} // namespace tvn::test
