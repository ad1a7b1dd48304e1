#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/Widgets.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguagePictureFile.h"
#include "i18n/LanguageTextFile.h"
#include "i18n/QtTranslations.h"
#include "platform/ProgramFolders.h"
#include "tools/pictures/BuiltInPictures.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// The Languages panel, the language texts and the language picture.

namespace tvn {

void FrmMain::buildLanguagesPanel() {
    languagesPanel = makePanel(QStringLiteral("languagesPanel"));
    QVBoxLayout* layout = makePanelLayout(languagesPanel);
    // No language is chosen yet: the prompt stands in all three.
    italianPrompt = makeLabel(languagesPanel, QStringLiteral("italianPrompt"),
                              QStringLiteral("Prima di cominciare, scegliete la vostra lingua:"),
                              LabelStyle::Strong);
    frenchPrompt = makeLabel(languagesPanel, QStringLiteral("frenchPrompt"),
                             QStringLiteral("Avant de commencer, choisissez votre langue\u00A0:"),
                             LabelStyle::Strong);
    englishPrompt =
        makeLabel(languagesPanel, QStringLiteral("englishPrompt"),
                  QStringLiteral("Before you start, choose your language:"), LabelStyle::Strong);
    layout->addSpacing(10);
    layout->addWidget(italianPrompt);
    layout->addWidget(frenchPrompt);
    layout->addWidget(englishPrompt);
    layout->addSpacing(16);

    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(12);
    choices->setVerticalSpacing(10);
    choices->setContentsMargins(40, 0, 0, 0);
    const QString names[] = {QStringLiteral("English"), QStringLiteral("Français"),
                             QStringLiteral("Italiano")};
    const BuiltInPicture flags[] = {BuiltInPicture::FlagUnitedKingdom, BuiltInPicture::FlagFrance,
                                    BuiltInPicture::FlagItaly};
    const QString optionNames[] = {QStringLiteral("english"), QStringLiteral("french"),
                                   QStringLiteral("italian")};
    for (int k = 0; k < 3; ++k) {
        auto* flag = new QLabel(languagesPanel);
        flag->setObjectName(optionNames[k] + QStringLiteral("Flag"));
        // A one-pixel frame around the flag drawn at its own size.
        flag->setFrameShape(QFrame::Box);
        flag->setPixmap(QPixmap(builtInPicturePath(flags[k])));
        flag->setFixedSize(flag->pixmap().size() + QSize(2, 2));
        languageFlags[static_cast<size_t>(k)] = flag;
        auto* option = new QRadioButton(names[k], languagesPanel);
        option->setObjectName(optionNames[k] + QStringLiteral("Option"));
        languageOptions[static_cast<size_t>(k)] = option;
        choices->addWidget(flag, k, 0);
        choices->addWidget(option, k, 1);
    }
    choices->setColumnStretch(1, 1);
    languageOptions[0]->setChecked(true);
    layout->addLayout(choices);
    layout->addStretch();

    // Shown before any language is chosen: in all three, as the prompts above.
    languagesExitButton = makeButton(languagesPanel, QStringLiteral("languagesExitButton"),
                                     QStringLiteral("Exit / Quitter / Esci"));
    languageOkButton =
        makeButton(languagesPanel, QStringLiteral("languageOkButton"), QStringLiteral("OK"));
    addButtonRow(*layout, {languagesExitButton}, {languageOkButton});
}

void FrmMain::ShowLanguages() {
    configPanel->hide();
    languagesPanel->show();
    roles_->setCancelButton(languagesExitButton);
    roles_->setDefaultButton(languageOkButton);
    languageOkButton->setFocus();
}

void FrmMain::languageOkClicked() {
    ReadLanguageChoice();
    LoadLanguageTexts();
    aboutFrame->hide();
    languagesPanel->hide();
    if (state_.configured)
        ShowConfig();
    else
        ShowIntroduction();
}

void FrmMain::changeLanguageClicked() {
    ShowLanguages();
    // The exit button is offered only on the first start's language panel.
    languagesExitButton->hide();
}

void FrmMain::languagesExitClicked() {
    close();
}

void FrmMain::ReadLanguageChoice() {
    state_.languageIndex = chosenLanguage();
}

int FrmMain::chosenLanguage() const {
    for (int k = 0; k < 3; ++k)
        if (languageOptions[static_cast<size_t>(k)]->isChecked())
            return k;
    return state_.languageIndex;
}

int FrmMain::systemLanguage() {
    switch (QLocale::system().language()) {
    case QLocale::French:
        return 1;
    case QLocale::Italian:
        return 2;
    default:
        return 0;
    }
}

void FrmMain::LoadLanguageTexts() {
    useQtTranslations(state_.languageIndex);
    // The texts the language files have no field for follow the ones they have.
    if (tvn::LoadLanguageTexts(ui_, fs_, state_.dataFolders(), state_.languageIndex, *this,
                               [this] { LoadLanguagePicture(); })) {
        ShowUndoTexts();
        ShowSurfaceTexts();
    }
    categoryWords_ = ReadCategoryWords(
        fs_, dataFilePath(fs_, state_.dataFolders(), categoryWordsFileName(state_.languageIndex)));
    ApplyAccessibleTexts();
    ShowSuggestion();
}

void FrmMain::LoadLanguagePicture() {
    tvn::LoadLanguagePicture(ui_, fs_, state_.dataFolders(), state_.languageIndex,
                             *languagePicture);
}

} // namespace tvn
