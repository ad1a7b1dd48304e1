#include "app/FrmMain.h"
#include "app/ListFilter.h"
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
        {NotYet, Label15},
        {ListModify, Label21},
        {PurgeList, Label18},
        {StartMenuCustomPath, Label28},
        {ProgramsMenuCustomPath, Label29},
    };
    for (const auto& [control, label] : named)
        control->setAccessibleName(label->text());
    // Its label gets its text only when the settings panel fills the chooser.
    CboPrefix->setAccessibleName(text(BuiltInText::PrefixCaption));

    const std::pair<QWidget*, QLabel*> describedByLabel[] = {
        {CAdd, Label10},
        {Command6, Label12},
        {CShowPurges, Label11},
        {Command7, Label13},
        {NotYet, Label100},
        {ListModify, Label22},
        {CRemove, Label23},
        {PurgeList, Label19},
        {CPurge, Label20},
        {CContinue, Label7},
        {ChkHide, Label16},
        {StartMenuCustomPath, Label25},
        {ProgramsMenuCustomPath, Label25},
    };
    for (const auto& [control, label] : describedByLabel)
        control->setAccessibleDescription(label->text());

    const std::pair<QWidget*, BuiltInText> described[] = {
        {Command10, BuiltInText::BackToMenu},
        {Command2, BuiltInText::BackToMenu},
        {Command1, BuiltInText::BackToMenu},
        {Command8, BuiltInText::EndMove},
        {CMove, BuiltInText::MoveCopies},
        {CExit, BuiltInText::EndProgram},
        {Command3, BuiltInText::EndProgram},
        {Command4, BuiltInText::EndProgram},
        {Command5, BuiltInText::OpenSettings},
        {CReAnalyse, BuiltInText::ReAnalyse},
        {Command9, BuiltInText::ShowHelp},
        {Command11, BuiltInText::ShowInfo},
        {CmdChangeLanguage, BuiltInText::ChooseLanguage},
        {CmdLanguageOK, BuiltInText::UseLanguage},
        {COK, BuiltInText::ConfirmSettings},
        {CboPrefix, BuiltInText::ChoosePrefix},
        {DoNotShowAgain, BuiltInText::SkipIntroduction},
        {DoNotShowAgain2, BuiltInText::SkipIntroduction},
    };
    for (const auto& [control, t] : described)
        control->setAccessibleDescription(text(t));
    for (QRadioButton* option : Language)
        option->setAccessibleDescription(text(BuiltInText::ChooseLanguage));

    for (ListFilter* filter : {notYetFilter, listModifyFilter, purgeListFilter}) {
        filter->box()->setPlaceholderText(text(BuiltInText::FilterName));
        filter->box()->setAccessibleName(text(BuiltInText::FilterName));
        filter->box()->setAccessibleDescription(text(BuiltInText::FilterDescription));
        filter->count()->setAccessibleName(text(BuiltInText::CountName));
    }
    ShowCategoryHints();
}

void FrmMain::ShowCategoryHints() {
    for (int k = 0; k < kCategoryCount; ++k) {
        QString hint = builtInText(BuiltInText::CategoryDescription, state_.languageIndex)
                           .arg(QKeySequence(categoryKey(k)).toString(QKeySequence::NativeText));
        if (k == suggestedCategory_)
            hint += u' ' + builtInText(BuiltInText::CategorySuggested, state_.languageIndex);
        QPushButton* button = Categories[static_cast<size_t>(k)];
        button->setToolTip(hint);
        button->setAccessibleDescription(hint);
    }
}

} // namespace tvn
