#include "app/ConfigControls.h"
#include "app/FrmMain.h"
#include "app/panels/DebugFrame.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/LanguagesPanel.h"

#include <QCheckBox>
#include <QLineEdit>

// The settings between the file's records and the panels that show them.

namespace tvn {

ConfigRecords FrmMain::configFromWindow() const {
    return {state_.configured,
            state_.windowsDrive,
            startMenuPathBox->text(),
            programsPathBox->text(),
            introduction_->skipIntroductionValue(),
            state_.languageIndex,
            checkBoxValue(*hideHelpOption),
            debugFrame_->text()};
}

void FrmMain::applyConfig(const ConfigRecords& records) {
    state_.configured = records.configured;
    state_.windowsDrive = records.windowsDrive;
    startMenuPathBox->setText(records.startMenuPath);
    programsPathBox->setText(records.programsPath);
    // Both skip-introduction boxes show the stored value.
    introduction_->setSkipIntroductionValue(records.skipIntroduction);
    setCheckBoxValue(*skipIntroductionSetting, records.skipIntroduction);
    state_.languageIndex = records.languageIndex;
    languages_->choose(records.languageIndex);
    setCheckBoxValue(*hideHelpOption, records.hideHelpShortcuts);
    debugFrame_->setText(records.debugText);
}

} // namespace tvn
