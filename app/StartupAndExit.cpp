#include "app/FrmMain.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/IntroductionPanel.h"
#include "dialogs/FrmAbout.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"

#include <QCloseEvent>

// Start-up and the end of the program.

namespace tvn {

void FrmMain::StartUp() {
    state_.appFolder = currentFolder_();
    state_.configured = false;
    state_.windowsDrive = QStringLiteral("c:");
    config_->setHideHelpValue(1);
    LoadSettings();
    {
        // In the language chosen, or before any choice in the system's when it is one of ours.
        FrmAbout about(state_.configured ? chosenLanguage() : systemLanguage());
        ui_.showModal(about);
    }
    LayOutWindow();
    show();
    introduction_->armExitButton();
    ui_.pumpEvents();
    if (!state_.configured) {
        ShowLanguages();
        return;
    }
    ReadLanguageChoice();
    LoadLanguageTexts();
    if (introduction_->skipIntroductionValue() == 1)
        continueClicked();
    else
        ShowIntroduction();
}

void FrmMain::LoadSettings() {
    // The settings a short or damaged file does not reach keep the values they have now.
    ConfigRecords records = configFromWindow();
    const int read = readConfigFile(fs_, configFilePath(), records);
    applyConfig(records);
    // The category names are taken only from a start whose settings are complete.
    if (read == kConfigRecordCount)
        ReadCustomCategories(tvn());
}

void FrmMain::CloseDown() {
    // Nothing is saved at exit: the settings are written only when they are applied.
    ui_.endProgram();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    CloseDown();
    event->accept();
}

} // namespace tvn
