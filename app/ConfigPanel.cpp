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
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"

#include <QComboBox>
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
    Config = makePanel(QStringLiteral("Config"));
    QVBoxLayout* layout = makePanelLayout(Config);
    Label24 = makeLabel(Config, QStringLiteral("Label24"), QStringLiteral("CONFIGURAZIONE"),
                        LabelStyle::Title);
    Label25 = makeLabel(
        Config, QStringLiteral("Label25"),
        QStringLiteral("Per assicurare il corretto funzionamento del programma vi prego di "
                       "verificare che le seguenti affermazioni siano giuste. Se non lo sono, "
                       "correggetele."));
    Label28 = makeLabel(Config, QStringLiteral("Label28"),
                        QStringLiteral("Percorso della cartella MENU AVVIO :"));
    StartMenuCustomPath = new PathBox(QStringLiteral("\\Windows\\Start Menu"), Config);
    StartMenuCustomPath->setObjectName(QStringLiteral("StartMenuCustomPath"));
    Label29 = makeLabel(Config, QStringLiteral("Label29"),
                        QStringLiteral("Percorso della cartella PROGRAMMI nel Menu Avvio :"));
    ProgramsMenuCustomPath = new PathBox(QStringLiteral("\\Windows\\Start Menu\\programs"), Config);
    ProgramsMenuCustomPath->setObjectName(QStringLiteral("ProgramsMenuCustomPath"));
    ChkHide = new WrapCheckBox(QStringLiteral("Durante la classificazione delle icone, non "
                                              "elencare le icone di aiuto, testo e "
                                              "disinstallazione."),
                               Config);
    ChkHide->setObjectName(QStringLiteral("ChkHide"));
    DoNotShowAgain2 = new WrapCheckBox(QStringLiteral("Selezionatemi se non volete vedere "
                                                      "l'introduzione quando avviate il "
                                                      "programma"),
                                       Config);
    DoNotShowAgain2->setObjectName(QStringLiteral("DoNotShowAgain2"));

    LblPrefix = makeLabel(Config, QStringLiteral("LblPrefix"), QString());
    LblPrefix->setWordWrap(false);
    LblPrefix->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    CboPrefix = new QComboBox(Config);
    CboPrefix->setObjectName(QStringLiteral("CboPrefix"));
    // Long prefix names give way rather than widen the panel.
    CboPrefix->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CboPrefix->setMinimumContentsLength(10);
    LblAllUsers = new PathLabel(Config);
    LblAllUsers->setObjectName(QStringLiteral("LblAllUsers"));
    LblDesktopMenu = makeLabel(Config, QStringLiteral("LblDesktopMenu"), QString());
    LblDesktopMenu->hide();

    layout->addWidget(Label24);
    layout->addWidget(Label25);
    auto* prefix = new QHBoxLayout;
    prefix->addWidget(LblPrefix);
    prefix->addWidget(CboPrefix, 1);
    layout->addLayout(prefix);
    auto* paths = new QVBoxLayout;
    paths->setSpacing(3);
    paths->addWidget(Label28);
    paths->addWidget(StartMenuCustomPath);
    paths->addSpacing(4);
    paths->addWidget(Label29);
    paths->addWidget(ProgramsMenuCustomPath);
    paths->addWidget(LblAllUsers);
    layout->addLayout(paths);
    layout->addWidget(ChkHide);
    layout->addWidget(DoNotShowAgain2);
    layout->addWidget(LblDesktopMenu);
    layout->addStretch();

    CmdChangeLanguage =
        makeButton(Config, QStringLiteral("CmdChangeLanguage"), QStringLiteral("Lingua..."));
    COK = makeButton(Config, QStringLiteral("COK"), QStringLiteral("OK"));
    addButtonRow(*layout, {CmdChangeLanguage}, {COK});
}

void FrmMain::ShowConfig() {
    FillPrefixChooser();
    ReadShellFolders();
    // In the interface language, even when the boxes kept their texts.
    ShowAllUsersPrograms();
    ShowDesktopMenuNote();
    About2->hide();
    Config->show();
    // Esc confirms the settings just as OK does.
    roles_->setDefaultButton(COK);
    roles_->setCancelButton(COK);
    COK->setFocus();
    CmdChangeLanguage->setVisible(state_.configured);
    state_.configured = true;
}

void FrmMain::ReadShellFolders() {
    // Every opening proposes the folders afresh; a failed lookup leaves the box empty.
    StartMenuCustomPath->setText(shellFolders_.shellFolder(QStringLiteral("Start Menu")));
    ProgramsMenuCustomPath->setText(shellFolders_.shellFolder(QStringLiteral("Programs")));
    // Long paths show from their beginning.
    StartMenuCustomPath->setCursorPosition(0);
    ProgramsMenuCustomPath->setCursorPosition(0);
}

void FrmMain::setProgramsGuard(std::function<void(const QStringList&)> guard) {
    tvn_->guardProgramsTrees = std::move(guard);
}

QString FrmMain::configFilePath() const {
    return joinPath(state_.appFolder, QString::fromUtf16(kConfigFileName));
}

void FrmMain::COK_Click() {
    Config->hide();
    state_.scanFailed = false;
    ui_.pumpEvents();
    state_.configured = true;
    state_.windowsDrive = Drive1->currentText();
    // The category names start again from the language's defaults.
    LoadDefaultCategories(tvn());
    SaveCustomCategories(tvn());
    ApplySettings();
}

void FrmMain::Command5_Click() {
    if (ui_.message(messageText(5), {}, Buttons::YesNo, Icon::Exclamation) == Answer::No)
        return;
    leavePanel(Menu);
    CheckDrive();
    ShowConfig();
}

bool FrmMain::CheckDrive() {
    // Without drive letters the saved drive is a stored name that always selects.
    if (Drive1->findText(state_.windowsDrive) < 0)
        Drive1->addItem(state_.windowsDrive);
    Drive1->setCurrentText(state_.windowsDrive);
    return false;
}

bool FrmMain::usableFolder(const QString& path) {
    // A double quote could not be read back from Config.tvn, so such a path is refused too.
    return !path.contains(u'"') && fs_.folderExists(path) && fs_.listFolder(path).has_value();
}

void FrmMain::ApplySettings() {
    state_.startMenuPath = StartMenuCustomPath->text();
    state_.programsPath = ProgramsMenuCustomPath->text();
    // From now on nothing inside the Programs trees may change, whatever the later steps do.
    UpdateProgramsTrees(tvn());

    if (!usableFolder(state_.startMenuPath) || !usableFolder(state_.programsPath)) {
        ui_.message(messageText(2), logicText(LogicText::ErrorTitle, state_.languageIndex),
                    Buttons::Ok, Icon::Exclamation);
        if (DebugBox->text() != kNoChecksDebugText) {
            ShowConfig();
            return;
        }
        ui_.beep();
    }

    if (!writeConfigFile(fs_, configFilePath(), configFromWindow(*this)))
        ui_.message(messageText(3), logicText(LogicText::ErrorTitle, state_.languageIndex),
                    Buttons::Ok, Icon::Exclamation);

    tvn::AnalyseSystem(tvn());
    if (!state_.scanFailed) {
        ShowMenu();
        About2->hide();
    }
}

void FrmMain::DoNotShowAgain2_Click() {
    mirrorCheckBox(*DoNotShowAgain2, *DoNotShowAgain);
}

} // namespace tvn
