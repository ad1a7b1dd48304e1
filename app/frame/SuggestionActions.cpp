#include "app/frame/MainWindow.h"
#include "app/panels/CreationPanel.h"
#include "app/widgets/QtListBox.h"
#include "catalogue/ProgramHosts.h"
#include "catalogue/ShellLinkFields.h"
#include "platform/Paths.h"
#include "platform/ProgramFolders.h"
#include "platform/ProgramVersionText.h"

#ifndef _WIN32
#include "platform/WineShellFolders.h"
#endif

// The category suggested for the shortcuts of the Creation panel.

namespace tvn {

void MainWindow::loadSuggester() {
    if (suggesterLoaded_)
        return;
    suggesterLoaded_ = true;
    addShippedSuggestionData(suggester_, fs_, [this](const QString& fileName) {
        return dataFilePath(fs_, state_.dataFolders(), fileName);
    });
}

ShortcutClues MainWindow::cluesOf(int entry) const {
    const QString name = creation_->unclassified().at(entry);
    const QString folder = unclassifiedFolders.at(entry);
    ShortcutClues clues{name, foldersBelowPrograms(state_, folder), {}, {}};
    // Each shortcut's file is read when its suggestion is first wanted, not during the
    // analysis, which stays as fast for a Start Menu of thousands of shortcuts.
    const QString path = joinPath(folder, name + QStringLiteral(".lnk"));
    auto fields = shortcutFields_.constFind(path);
    if (fields == shortcutFields_.constEnd())
        fields = shortcutFields_.insert(path, readShellLink(fs_, path).value_or(ShellLinkFields{}));
    clues.description = fields->description;
    clues.targetPath = programPathOf(name, *fields);
    return clues;
}

ProgramVersionTexts MainWindow::programVersionTextsOf(const QString& targetPath) const {
    auto text = programVersionTexts_.constFind(targetPath);
    if (text == programVersionTexts_.constEnd()) {
#ifdef _WIN32
        const QString file = targetPath;
#else
        // The target is a file of the prefix that holds the Start Menu.
        const QString file = WineShellFolders(WineShellFolders::prefixHolding(state_.startMenuPath))
                                 .unixPathOfLinkedFile(targetPath, {});
#endif
        text = programVersionTexts_.insert(targetPath, programVersionTexts(file));
    }
    return *text;
}

} // namespace tvn
