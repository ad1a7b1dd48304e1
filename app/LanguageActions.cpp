#include "app/FrmMain.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/LanguagesPanel.h"
#include "app/panels/WindowSurface.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageTextFile.h"
#include "i18n/QtTranslations.h"
#include "platform/ProgramFolders.h"

#include <QFrame>
#include <QLocale>

// The frame's answers to the Languages panel, the language texts and the language picture.

namespace tvn {

void FrmMain::ShowLanguages() {
    config_->hide();
    languages_->open();
}

void FrmMain::languageOkClicked() {
    ReadLanguageChoice();
    LoadLanguageTexts();
    surface_->hideAboutFrame();
    languages_->hide();
    if (state_.configured)
        ShowConfig();
    else
        ShowIntroduction();
}

void FrmMain::changeLanguageClicked() {
    ShowLanguages();
    languages_->hideExitButton();
}

void FrmMain::languagesExitClicked() {
    close();
}

void FrmMain::ReadLanguageChoice() {
    state_.languageIndex = chosenLanguage();
}

int FrmMain::chosenLanguage() const {
    return languages_->chosenLanguage(state_.languageIndex);
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
    const ProgramFolders folders = state_.dataFolders();
    bool loaded = tvn::LoadLanguageTexts(ui_, fs_, folders, state_.languageIndex, *this, [] {});
    if (!loaded && (state_.languageIndex == 1 || state_.languageIndex == 2)) {
        // A language whose file cannot be read gives way to English, read over the captions
        // already set, so that no text of the window stays in another language.
        state_.languageIndex = 0;
        loaded = tvn::LoadLanguageTexts(ui_, fs_, folders, 0, *this, [] {});
    }
    useQtTranslations(state_.languageIndex);
    LoadLanguagePicture();
    // The texts the language files have no field for follow the ones they have.
    if (loaded) {
        ShowUndoTexts();
        creation_->showReviewTexts(state_.languageIndex);
        config_->showTidyOptionText(state_.languageIndex);
        ShowSurfaceTexts();
    }
    loadSuggester();
    ApplyAccessibleTexts();
    ShowSuggestion();
}

void FrmMain::LoadLanguagePicture() {
    surface_->loadLanguagePicture(ui_, fs_, state_.dataFolders(), state_.languageIndex);
}

} // namespace tvn
