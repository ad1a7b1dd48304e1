#include "ButtonRoles.h"
#include "FrmAbout.h"
#include "FrmMain.h"
#include "Ui.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

// Start-up, the introduction panel and the end of the program.

namespace tvn {

void FrmMain::Form_Load() {
    {
        FrmAbout about;
        ui_.showModal(about);
    }
    state_.appFolder = currentFolder_();
    state_.configured = false;
    state_.windowsDrive = QStringLiteral("c:");
    ChkHide->setChecked(true);
    LoadSettings();
    LayOutWindow();
    show();
    roles_->setCancelButton(Command3);
    ui_.pumpEvents();
    if (!state_.configured) {
        ShowLanguages();
        return;
    }
    ReadLanguageChoice();
    LoadLanguageTexts();
    if (DoNotShowAgain->checkState() == Qt::Checked)
        CContinue_Click();
    else
        ShowIntroduction();
}

void FrmMain::LoadSettings() {
    // Stand-in: reads Config.tvn and then Custom.tvn into the state and the controls; until
    // the settings file is built every start is a first run.
}

void FrmMain::CContinue_Click() {
    leavePanel(Introduction);
    if (CheckDrive())
        return;
    if (state_.configured) {
        ApplySettings();
        return;
    }
    ui_.message(messageText(4));
    ShowConfig();
}

void FrmMain::DoNotShowAgain_Click() {
    DoNotShowAgain2->setChecked(DoNotShowAgain->checkState() == Qt::Checked);
}

void FrmMain::DoNotShowAgain2_Click() {
    DoNotShowAgain->setChecked(DoNotShowAgain2->checkState() == Qt::Checked);
}

void FrmMain::Command3_Click() {
    close();
}

void FrmMain::Command4_Click() {
    close();
}

void FrmMain::CExit_Click() {
    close();
}

void FrmMain::Form_Unload() {
    // Nothing is saved at exit: the settings are written only when they are applied.
    ui_.endProgram();
}

} // namespace tvn
