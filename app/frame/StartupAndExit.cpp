#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/IntroductionPanel.h"
#include "dialogs/AboutDialog.h"
#include "platform/SystemLanguage.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"

#include <QCloseEvent>

// Start-up and the end of the program.

namespace tvn {

void MainWindow::startUp() {
    state_.appFolder = currentFolder_();
    state_.configured = false;
    state_.windowsDrive = QStringLiteral("c:");
    config_->setHideHelpValue(1);
    loadSettings();
    {
        // In the language chosen, or before any choice in the system's when it is one of ours.
        AboutDialog about(state_.configured ? chosenLanguage() : systemLanguageIndex());
        ui_.showModal(about);
    }
    layOutWindow();
    show();
    introduction_->armExitButton();
    ui_.pumpEvents();
    if (!state_.configured) {
        showLanguages();
        return;
    }
    readLanguageChoice();
    loadLanguageTexts();
    if (introduction_->skipIntroductionValue() == 1)
        continueClicked();
    else
        showIntroduction();
}

void MainWindow::loadSettings() {
    // The settings a short or damaged file does not reach keep the values they have now.
    ConfigRecords records = configFromWindow();
    const int read = readConfigFile(fs_, configFilePath(), records);
    applyConfig(records);
    // The category names are taken only from a start whose settings are complete.
    if (read == kConfigRecordCount)
        readCustomCategories(tvn());
}

void MainWindow::closeDown() {
    // Nothing is saved at exit: the settings are written only when they are applied.
    ui_.endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closeDown();
    event->accept();
}

} // namespace tvn
