#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/DebugFrame.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/LanguagesPanel.h"

// The settings between the file's records and the panels that show them.

namespace tvn {

ConfigRecords MainWindow::configFromWindow() const {
    return {state_.configured,
            state_.windowsDrive,
            config_->startMenuPath(),
            config_->programsPath(),
            introduction_->skipIntroductionValue(),
            state_.languageIndex,
            config_->hideHelpValue(),
            debugFrame_->text()};
}

void MainWindow::applyConfig(const ConfigRecords& records) {
    state_.configured = records.configured;
    state_.windowsDrive = records.windowsDrive;
    config_->setStartMenuPath(records.startMenuPath);
    config_->setProgramsPath(records.programsPath);
    // Both skip-introduction boxes show the stored value.
    introduction_->setSkipIntroductionValue(records.skipIntroduction);
    config_->setSkipIntroductionValue(records.skipIntroduction);
    state_.languageIndex = records.languageIndex;
    languages_->choose(records.languageIndex);
    config_->setHideHelpValue(records.hideHelpShortcuts);
    debugFrame_->setText(records.debugText);
}

} // namespace tvn
