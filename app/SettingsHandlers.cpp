#include "FrmMain.h"
#include "SystemAnalysis.h"
#include "Ui.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

// The settings panel, the drive check and the debug action.

namespace tvn {

void FrmMain::COK_Click() {
    leavePanel(Config);
    state_.scanFailed = false;
    state_.configured = true;
    state_.windowsDrive = Drive1->currentText();
    LoadDefaultCategories();
    SaveCustomCategories();
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

void FrmMain::ApplySettings() {
    state_.startMenuPath = StartMenuCustomPath->text();
    state_.programsPath = ProgramsMenuCustomPath->text();
    // Stand-in: checking both folders and rewriting Config.tvn come with the settings file.
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

void FrmMain::LoadDefaultCategories() {
    // Stand-in: puts the language's block of Default.tvn on the category buttons; comes with
    // the settings file.
}

void FrmMain::SaveCustomCategories() {
    // Stand-in: writes the eleven captions to Custom.tvn; comes with the category names.
}

void FrmMain::CmdDebug_Click() {
    KillConfig(false);
}

void FrmMain::KillConfig(bool silent) {
    // Stand-in: asks, then deletes Config.tvn so that the next start is a first run; comes
    // with the settings file.
    static_cast<void>(silent);
}

} // namespace tvn
