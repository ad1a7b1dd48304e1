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

// The shortcut already lies in the category folder: the same folder path, or another spelling
// of the same folder on disk (a folder "Giochi" reached through the caption "giochi"). Copying
// would then copy the file onto itself, and a move would delete the only copy. The folders are
// compared, not the files, since the target most often does not exist yet.
bool sameFolder(Tvn& tvn, const QString& folder, const QString& category) {
    if (folder == category)
        return true;
    const auto id = tvn.fs.identity(folder);
    return id && id == tvn.fs.identity(category);
}

// What became of one entry: `done` once its shortcut is in the category folder and, when
// moving, gone from where it was, so the entry leaves the lists whatever follows; `failed` when
// a step failed, which ends the action.
struct EntryResult {
    bool done = false;
    bool failed = false;
};

// Copies (or moves) one shortcut into the category folder, up to the first failing step.
EntryResult classifyEntry(Tvn& tvn, const QString& caption, const QString& name,
                          const QString& folder) {
    const QString category = categoryFolder(tvn, caption);
    if (!RenameAndRestore(tvn, category, categoryFolder(tvn, u'_' + caption)))
        return {false, true};
    if (sameFolder(tvn, folder, category))
        return {true, false};
    const QString source = shortcutPath(folder, name);
    const QString target = shortcutPath(category, name);
    if (!tvn.fs.copyFile(source, target))
        return {false, true};
    if (!tvn.state.moveMode)
        return {true, false};
    // The copy is complete and verified before its source goes.
    if (!tvn.fs.deleteFile(source))
        return {false, true};
    // The shortcut has moved: a folder that cannot be refreshed or tidied after it is reported,
    // but the entry no longer names a file there.
    const bool tidied =
        RenameAndRestore(tvn, folder, folder + u'_') && RemoveFolderIfNoShortcuts(tvn, folder);
    return {true, !tidied};
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
        const EntryResult result =
            caption ? classifyEntry(tvn, *caption, notYet.at(i), tvn.lists.notYetDirs.at(i))
                    : EntryResult{false, true};
        if (result.done) {
            last = i;
            entries.removeAt(i);
        }
        if (result.failed) {
            ReportUnexpectedError(tvn.ui);
            return;
        }
    }
    if (entries.count() > last)
        notYet.selectOnly(last);
}

} // namespace tvn
