#include "app/ButtonRoles.h"
#include "app/ConfigControls.h"
#include "app/FrmMain.h"
#include "app/PathBox.h"
#include "app/PathLabel.h"
#include "app/Widgets.h"
#include "app/WrapCheckBox.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/SystemAnalysis.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/NoticeTexts.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/SettingsCheck.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The Config panel (the settings), applying the settings and the drive check.

namespace tvn {

namespace {

// The debug text that lets unusable folders through, for trying the program without them.
constexpr auto kNoChecksDebugText = u"Do not check for errors";

} // namespace

void FrmMain::buildConfigPanel() {
    configPanel = makePanel(QStringLiteral("configPanel"));
    QVBoxLayout* layout = makePanelLayout(configPanel);
    configTitle = makeLabel(configPanel, QStringLiteral("configTitle"),
                            QStringLiteral("CONFIGURAZIONE"), LabelStyle::Title);
    configPrompt = makeLabel(
        configPanel, QStringLiteral("configPrompt"),
        QStringLiteral("Per assicurare il corretto funzionamento del programma vi prego di "
                       "verificare che le seguenti affermazioni siano giuste. Se non lo sono, "
                       "correggetele."));
    startMenuCaption = makeLabel(configPanel, QStringLiteral("startMenuCaption"),
                                 QStringLiteral("Percorso della cartella MENU AVVIO :"));
    startMenuPathBox = new PathBox(QStringLiteral("\\Windows\\Start Menu"), configPanel);
    startMenuPathBox->setObjectName(QStringLiteral("startMenuPathBox"));
    programsCaption =
        makeLabel(configPanel, QStringLiteral("programsCaption"),
                  QStringLiteral("Percorso della cartella PROGRAMMI nel Menu Avvio :"));
    programsPathBox = new PathBox(QStringLiteral("\\Windows\\Start Menu\\programs"), configPanel);
    programsPathBox->setObjectName(QStringLiteral("programsPathBox"));
    hideHelpOption = new WrapCheckBox(QStringLiteral("Durante la classificazione delle icone, non "
                                                     "elencare le icone di aiuto, testo e "
                                                     "disinstallazione."),
                                      configPanel);
    hideHelpOption->setObjectName(QStringLiteral("hideHelpOption"));
    skipIntroductionSetting = new WrapCheckBox(QStringLiteral("Selezionatemi se non volete vedere "
                                                              "l'introduzione quando avviate il "
                                                              "programma"),
                                               configPanel);
    skipIntroductionSetting->setObjectName(QStringLiteral("skipIntroductionSetting"));

    prefixCaption = makeLabel(configPanel, QStringLiteral("prefixCaption"), QString());
    prefixCaption->setWordWrap(false);
    prefixCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    prefixChooser = new QComboBox(configPanel);
    prefixChooser->setObjectName(QStringLiteral("prefixChooser"));
    // Long prefix names give way rather than widen the panel.
    prefixChooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    prefixChooser->setMinimumContentsLength(10);
    allUsersProgramsLine = new PathLabel(configPanel);
    allUsersProgramsLine->setObjectName(QStringLiteral("allUsersProgramsLine"));
    desktopMenuNote = makeLabel(configPanel, QStringLiteral("desktopMenuNote"), QString());
    desktopMenuNote->hide();

    layout->addWidget(configTitle);
    layout->addWidget(configPrompt);
    auto* prefix = new QHBoxLayout;
    prefix->addWidget(prefixCaption);
    prefix->addWidget(prefixChooser, 1);
    layout->addLayout(prefix);
    auto* paths = new QVBoxLayout;
    paths->setSpacing(3);
    paths->addWidget(startMenuCaption);
    paths->addWidget(startMenuPathBox);
    paths->addSpacing(4);
    paths->addWidget(programsCaption);
    paths->addWidget(programsPathBox);
    paths->addWidget(allUsersProgramsLine);
    layout->addLayout(paths);
    layout->addWidget(hideHelpOption);
    layout->addWidget(skipIntroductionSetting);
    layout->addWidget(desktopMenuNote);
    layout->addStretch();

    changeLanguageButton = makeButton(configPanel, QStringLiteral("changeLanguageButton"),
                                      QStringLiteral("Lingua..."));
    settingsOkButton =
        makeButton(configPanel, QStringLiteral("settingsOkButton"), QStringLiteral("OK"));
    settingsCancelButton =
        makeButton(configPanel, QStringLiteral("settingsCancelButton"), QString());
    addButtonRow(*layout, {changeLanguageButton}, {settingsCancelButton, settingsOkButton});
}

void FrmMain::ShowConfig() {
    FillPrefixChooser();
    FillConfigBoxes();
    settingsBeforeShow_ = configFromWindow(*this);
    showConfigPanel();
}

void FrmMain::showConfigPanel() {
    // In the interface language, even when the boxes kept their texts.
    ShowAllUsersPrograms();
    ShowDesktopMenuNote();
    helpCover->hide();
    configPanel->show();
    // Settings that work can be gone back to; otherwise Esc confirms them just as OK does.
    const bool canCancel = settingsInUse_ && state_.configured && !state_.scanFailed;
    settingsCancelButton->setVisible(canCancel);
    roles_->setDefaultButton(settingsOkButton);
    roles_->setCancelButton(canCancel ? settingsCancelButton : settingsOkButton);
    settingsOkButton->setFocus();
    changeLanguageButton->setVisible(state_.configured);
    state_.configured = true;
}

void FrmMain::FillConfigBoxes() {
    // The folders in use, once there are; before that the registry's.
    if (!settingsInUse_ || !state_.configured) {
        ReadShellFolders();
        return;
    }
    startMenuPathBox->setText(state_.startMenuPath);
    programsPathBox->setText(state_.programsPath);
    startMenuPathBox->setCursorPosition(0);
    programsPathBox->setCursorPosition(0);
}

void FrmMain::settingsCancelClicked() {
    applyConfig(*this, settingsBeforeShow_);
    leavePanel(configPanel);
    ShowMenu();
}

void FrmMain::ReadShellFolders() {
    // The registry's folders; a failed lookup leaves the box empty, saying why inside it.
    const QString notFound = builtInText(BuiltInText::NotInRegistry, state_.languageIndex);
    for (const auto& [box, valueName] : {std::pair{startMenuPathBox, QStringLiteral("Start Menu")},
                                         std::pair{programsPathBox, QStringLiteral("Programs")}}) {
        box->setText(shellFolders_.shellFolder(valueName));
        box->setPlaceholderText(box->text().isEmpty() ? notFound : QString());
    }
    // Long paths show from their beginning.
    startMenuPathBox->setCursorPosition(0);
    programsPathBox->setCursorPosition(0);
}

void FrmMain::setProgramsGuard(std::function<void(const QStringList&)> guard) {
    tvn_->guardProgramsTrees = std::move(guard);
}

QString FrmMain::configFilePath() const {
    return joinPath(state_.appFolder, QString::fromUtf16(kConfigFileName));
}

void FrmMain::settingsOkClicked() {
    configPanel->hide();
    state_.scanFailed = false;
    ui_.pumpEvents();
    state_.configured = true;
    state_.windowsDrive = windowsDriveBox->currentText();
    // The category names start again from the language's defaults.
    LoadDefaultCategories(tvn());
    SaveCustomCategories(tvn());
    ApplySettings();
}

void FrmMain::settingsClicked() {
    // The advice to delete the classifications first matters only when there are some.
    if (copyNames.count() > 0 && ui_.message(messageText(Message::ResetBeforeChange), {},
                                             Buttons::YesNo, Icon::Exclamation) == Answer::No)
        return;
    leavePanel(menuPanel);
    CheckDrive();
    ShowConfig();
}

bool FrmMain::CheckDrive() {
    // Without drive letters the saved drive is a stored name that always selects.
    if (windowsDriveBox->findText(state_.windowsDrive) < 0)
        windowsDriveBox->addItem(state_.windowsDrive);
    windowsDriveBox->setCurrentText(state_.windowsDrive);
    return false;
}

void FrmMain::ApplySettings() {
    // "~" and relative paths are kept as the absolute folders they name from here.
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    for (QLineEdit* box : {startMenuPathBox, programsPathBox})
        box->setText(resolvedFolder(box->text(), home, QDir::currentPath()));
    if (const auto problem =
            settingsProblem(fs_, startMenuPathBox->text(), programsPathBox->text(), home)) {
        QLineEdit* wrong = ReportSettingsProblem(*problem);
        if (debugBox->text() != kNoChecksDebugText) {
            // The boxes keep what was typed, for the user to put right.
            showConfigPanel();
            wrong->setFocus();
            wrong->selectAll();
            return;
        }
        ui_.beep();
    }
    state_.startMenuPath = startMenuPathBox->text();
    state_.programsPath = programsPathBox->text();
    settingsInUse_ = true;
    // From now on nothing inside the Programs trees may change, whatever the later steps do.
    UpdateProgramsTrees(tvn());
    // What a copy killed mid-way left behind (at start, the last session's) is the program's own.
    RemoveLeftoverTemporaries(tvn());

    if (!writeConfigFile(fs_, configFilePath(), configFromWindow(*this)))
        ui_.message(messageText(Message::SettingsNotSaved),
                    logicText(LogicText::ErrorTitle, state_.languageIndex), Buttons::Ok,
                    Icon::Exclamation);

    tvn::AnalyseSystem(tvn());
    // At start, this completes what a sync cut short by the end of the last run left.
    SyncDesktopMenu();
    if (!state_.scanFailed) {
        ShowMenu();
        helpCover->hide();
    }
}

void FrmMain::skipIntroductionSettingToggled() {
    mirrorCheckBox(*skipIntroductionSetting, *skipIntroduction);
}

} // namespace tvn
