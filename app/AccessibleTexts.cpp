#include "app/FrmMain.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/LanguagesPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/ModifyPanel.h"
#include "app/panels/PurgesPanel.h"
#include "i18n/BuiltInTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

// What assistive technology says of each control, in the interface language. A button, box or
// option is named by its caption, as the toolkit does by itself; this names the lists and text
// boxes after the label that tells what they hold, and gives every control a description.

namespace tvn {

void FrmMain::ApplyAccessibleTexts() {
    const auto text = [this](BuiltInText t) {
        return builtInText(t, state_.languageIndex);
    };
    const std::pair<QWidget*, QLabel*> named[] = {
        {startMenuPathBox, startMenuCaption},
        {programsPathBox, programsCaption},
    };
    for (const auto& [control, label] : named)
        control->setAccessibleName(label->text());
    // Its label gets its text only when the settings panel fills the chooser.
    prefixChooser->setAccessibleName(text(BuiltInText::PrefixCaption));

    hideHelpOption->setAccessibleDescription(creation_->helpShortcutsNoteText());
    for (QWidget* box : {startMenuPathBox, programsPathBox})
        box->setAccessibleDescription(configPrompt->text());

    const std::pair<QWidget*, BuiltInText> described[] = {
        {changeLanguageButton, BuiltInText::ChooseLanguage},
        {settingsOkButton, BuiltInText::ConfirmSettings},
        {settingsCancelButton, BuiltInText::BackToMenu},
        {prefixChooser, BuiltInText::ChoosePrefix},
        {skipIntroductionSetting, BuiltInText::SkipIntroduction},
    };
    for (const auto& [control, t] : described)
        control->setAccessibleDescription(text(t));
    languages_->applyAccessibleTexts(state_.languageIndex);
    introduction_->applyAccessibleTexts(state_.languageIndex);
    menu_->applyAccessibleTexts(state_.languageIndex);
    modify_->applyAccessibleTexts(state_.languageIndex);
    purges_->applyAccessibleTexts(state_.languageIndex);
    creation_->applyAccessibleTexts(state_.languageIndex);
}

} // namespace tvn
