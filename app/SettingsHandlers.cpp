#include "CategoryFiles.h"
#include "ConfigControls.h"
#include "FileSystem.h"
#include "FrmMain.h"
#include "Paths.h"
#include "ProgramsTrees.h"
#include "SystemAnalysis.h"
#include "Ui.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

// The settings panel, applying the settings, the drive check and the debug action.

namespace tvn {

namespace {

// The debug text that lets unusable folders through, for trying the program without them.
constexpr auto kNoChecksDebugText = u"Do not check for errors";

} // namespace

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
        ui_.message(messageText(2), QStringLiteral("ERROR!"), Buttons::Ok, Icon::Exclamation);
        if (DebugBox->text() != kNoChecksDebugText) {
            ShowConfig();
            return;
        }
        ui_.beep();
    }

    if (!writeConfigFile(fs_, configFilePath(), configFromWindow(*this)))
        ui_.message(messageText(3), QStringLiteral("Error!"), Buttons::Ok, Icon::Exclamation);

    tvn::AnalyseSystem(tvn());
    if (!state_.scanFailed) {
        ShowMenu();
        About2->hide();
    }
}

void FrmMain::ReadLanguageChoice() {
    for (int k = 0; k < 3; ++k)
        if (Language[static_cast<size_t>(k)]->isChecked())
            state_.languageIndex = k;
}

void FrmMain::CmdDebug_Click() {
    KillConfig(false);
}

void FrmMain::KillConfig(bool silent) {
    if (!silent && ui_.message(QStringLiteral("OK?"), {}, Buttons::YesNo) != Answer::Yes)
        return;
    if (!fs_.deleteFile(configFilePath())) {
        ReportUnexpectedError(ui_);
        return;
    }
    // The next start is a first run; this one goes on as it is.
    state_.configured = false;
    ui_.message(QStringLiteral("OK!"));
}

} // namespace tvn
