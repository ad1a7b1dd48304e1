#include "Classification.h"

#include "CatalogueList.h"
#include "CategoryFolders.h"
#include "CategoryNames.h"
#include "FileSystem.h"
#include "FolderRefresh.h"
#include "Paths.h"
#include "Ui.h"

#include <optional>

namespace tvn {

namespace {

QString shortcutPath(const QString& folder, const QString& name) {
    return joinPath(folder, name + QStringLiteral(".lnk"));
}

// Both paths name one file: the same spelling, or another spelling of the same object on disk
// (a folder "Giochi" reached through the caption "giochi"). Copying would then copy the file
// onto itself, and a move would delete the only copy.
bool sameFile(Tvn& tvn, const QString& source, const QString& target) {
    if (source == target)
        return true;
    const auto id = tvn.fs.identity(source);
    return id && id == tvn.fs.identity(target);
}

// Copies (or moves) one shortcut into the category folder; false at the first failing step.
bool classifyEntry(Tvn& tvn, const QString& caption, const QString& name, const QString& folder) {
    const QString category = categoryFolder(tvn, caption);
    if (!RenameAndRestore(tvn, category, categoryFolder(tvn, u'_' + caption)))
        return false;
    const QString source = shortcutPath(folder, name);
    const QString target = shortcutPath(category, name);
    if (sameFile(tvn, source, target))
        return true;
    if (!tvn.fs.copyFile(source, target))
        return false;
    if (!tvn.state.moveMode)
        return true;
    // The copy is complete and verified before its source goes.
    return tvn.fs.deleteFile(source) && RenameAndRestore(tvn, folder, folder + u'_') &&
           RemoveFolderIfNoShortcuts(tvn, folder);
}

} // namespace

void Categories_Click(Tvn& tvn, int index) {
    ListBox& notYet = tvn.lists.notYet;
    if (notYet.currentIndex() < 0 || notYet.count() == 0) {
        tvn.ui.message(tvn.window.messageText(1));
        return;
    }
    // The caption names a folder inside the Start Menu folder: one that is not a single valid
    // folder name could reach outside it, so nothing is done with it.
    const auto validCaption = [&]() -> std::optional<QString> {
        const QString caption = tvn.window.categoryCaption(index);
        return isValidCategoryName(caption) ? std::optional(caption) : std::nullopt;
    };
    const auto first = validCaption();
    if (!first) {
        ReportUnexpectedError(tvn.ui);
        return;
    }
    MakeFolder(tvn, categoryFolder(tvn, *first));

    CatalogueList entries = notYetList(tvn.lists);
    int last = 0;
    int i = 0;
    while (i < entries.count()) {
        if (!notYet.isSelected(i)) {
            ++i;
            continue;
        }
        const auto caption = validCaption();
        if (!caption || !classifyEntry(tvn, *caption, notYet.at(i), tvn.lists.notYetDirs.at(i))) {
            ReportUnexpectedError(tvn.ui);
            return;
        }
        last = i;
        entries.removeAt(i);
    }
    if (entries.count() > last)
        notYet.selectOnly(last);
}

} // namespace tvn
