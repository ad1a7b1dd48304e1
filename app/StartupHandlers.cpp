#include "ButtonRoles.h"
#include "CategoryFiles.h"
#include "ConfigControls.h"
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
    // The settings a short or damaged file does not reach keep the values they have now.
    ConfigRecords records = configFromWindow(*this);
    const int read = readConfigFile(fs_, configFilePath(), records);
    applyConfig(*this, records);
    // The category names are taken only from a start whose settings are complete.
    if (read == kConfigRecordCount)
        ReadCustomCategories(tvn());
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

namespace {

// The two skip-introduction boxes always show the same state, the grey one a stored
// configuration may give included. Once a box leaves the grey state, clicks only check and
// uncheck.
void mirrorCheckBox(QCheckBox& from, QCheckBox& to) {
    if (from.checkState() != Qt::PartiallyChecked) {
        from.setTristate(false);
        to.setTristate(false);
    }
    to.setCheckState(from.checkState());
}

} // namespace

void FrmMain::DoNotShowAgain_Click() {
    mirrorCheckBox(*DoNotShowAgain, *DoNotShowAgain2);
}

void FrmMain::DoNotShowAgain2_Click() {
    mirrorCheckBox(*DoNotShowAgain2, *DoNotShowAgain);
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
