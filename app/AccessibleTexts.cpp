#include "app/FrmMain.h"
#include "app/ListFilter.h"
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
        {unclassifiedList, creationTitle},
        {startMenuPathBox, startMenuCaption},
        {programsPathBox, programsCaption},
    };
    for (const auto& [control, label] : named)
        control->setAccessibleName(label->text());
    // Its label gets its text only when the settings panel fills the chooser.
    prefixChooser->setAccessibleName(text(BuiltInText::PrefixCaption));

    const std::pair<QWidget*, QLabel*> describedByLabel[] = {
        {unclassifiedList, classifyInstructions},
        {hideHelpOption, helpShortcutsNote},
        {startMenuPathBox, configPrompt},
        {programsPathBox, configPrompt},
    };
    for (const auto& [control, label] : describedByLabel)
        control->setAccessibleDescription(label->text());

    const std::pair<QWidget*, BuiltInText> described[] = {
        {creationDoneButton, BuiltInText::BackToMenu},
        {moveDoneButton, BuiltInText::EndMove},
        {changeLanguageButton, BuiltInText::ChooseLanguage},
        {settingsOkButton, BuiltInText::ConfirmSettings},
        {settingsCancelButton, BuiltInText::BackToMenu},
        {prefixChooser, BuiltInText::ChoosePrefix},
        {skipIntroductionSetting, BuiltInText::SkipIntroduction},
    };
    for (const auto& [control, t] : described)
        control->setAccessibleDescription(text(t));
    unclassifiedFilter->applyAccessibleTexts(state_.languageIndex);
    languages_->applyAccessibleTexts(state_.languageIndex);
    introduction_->applyAccessibleTexts(state_.languageIndex);
    menu_->applyAccessibleTexts(state_.languageIndex);
    modify_->applyAccessibleTexts(state_.languageIndex);
    purges_->applyAccessibleTexts(state_.languageIndex);
    ShowCategoryHints();
}

void FrmMain::ShowCategoryHints() {
    for (int k = 0; k < kCategoryCount; ++k) {
        QString hint = builtInText(BuiltInText::CategoryDescription, state_.languageIndex)
                           .arg(QKeySequence(categoryKey(k)).toString(QKeySequence::NativeText));
        if (k == suggestedCategory_)
            hint += u' ' + builtInText(BuiltInText::CategorySuggested, state_.languageIndex);
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        button->setToolTip(hint);
        button->setAccessibleDescription(hint);
    }
}

} // namespace tvn
