#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/LanguagesPanel.h"
#include "app/panels/WindowSurface.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageTextFile.h"
#include "i18n/QtTranslations.h"
#include "platform/ProgramFolders.h"

#include <QFrame>

// The frame's answers to the Languages panel, the language texts and the language picture.

namespace tvn {

void MainWindow::showLanguages() {
    config_->hide();
    languages_->open();
}

void MainWindow::languageOkClicked() {
    readLanguageChoice();
    loadLanguageTexts();
    surface_->hideAboutFrame();
    languages_->hide();
    if (state_.configured)
        showConfig();
    else
        showIntroduction();
}

void MainWindow::changeLanguageClicked() {
    showLanguages();
    languages_->hideExitButton();
}

void MainWindow::languagesExitClicked() {
    close();
}

void MainWindow::readLanguageChoice() {
    state_.languageIndex = chosenLanguage();
}

int MainWindow::chosenLanguage() const {
    return languages_->chosenLanguage(state_.languageIndex);
}

void MainWindow::loadLanguageTexts() {
    const ProgramFolders folders = state_.dataFolders();
    bool loaded = tvn::loadLanguageTexts(ui_, fs_, folders, state_.languageIndex, *this, [] {});
    if (!loaded && (state_.languageIndex == 1 || state_.languageIndex == 2)) {
        // A language whose file cannot be read gives way to English, read over the captions
        // already set, so that no text of the window stays in another language.
        state_.languageIndex = 0;
        loaded = tvn::loadLanguageTexts(ui_, fs_, folders, 0, *this, [] {});
    }
    useQtTranslations(state_.languageIndex);
    loadLanguagePicture();
    // The texts the language files have no field for follow the ones they have.
    if (loaded) {
        showUndoTexts();
        creation_->showReviewTexts(state_.languageIndex);
        config_->showTidyOptionText(state_.languageIndex);
        showSurfaceTexts();
    }
    loadSuggester();
    applyAccessibleTexts();
    showSuggestion();
}

void MainWindow::loadLanguagePicture() {
    surface_->loadLanguagePicture(ui_, fs_, state_.dataFolders(), state_.languageIndex);
}

} // namespace tvn
