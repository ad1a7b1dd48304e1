#include "app/FrmMain.h"
#include "app/panels/CreationPanel.h"
#include "app/QtListBox.h"
#include "i18n/LanguageFiles.h"
#include "platform/ProgramFolders.h"

// The category suggested for the shortcuts of the Creation panel.

namespace tvn {

void FrmMain::loadSuggester() {
    if (suggesterLoaded_)
        return;
    suggesterLoaded_ = true;
    // Every language's words at once: a program's name does not follow the interface language.
    for (int language = 0; language < 3; ++language)
        suggester_.addWords(ReadCategoryWords(
            fs_, dataFilePath(fs_, state_.dataFolders(), categoryWordsFileName(language))));
    suggester_.addKnownPrograms(ReadKnownPrograms(
        fs_, dataFilePath(fs_, state_.dataFolders(), QStringLiteral("Known programs.tvn"))));
}

ShortcutClues FrmMain::cluesOf(int entry) const {
    return {creation_->unclassified().at(entry),
            FoldersBelowPrograms(state_, unclassifiedFolders.at(entry)),
            {},
            {}};
}

} // namespace tvn
