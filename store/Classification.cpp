#include "store/Classification.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/SelectedEntries.h"
#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/CopyPlacement.h"
#include "store/FolderSafety.h"

#include <optional>
#include <set>
#include <vector>

namespace tvn {

namespace {

QString shortcutPath(const QString& folder, const QString& name) {
    return joinPath(folder, name + QStringLiteral(".lnk"));
}

// What tells a shortcut's copy apart from a namesake's: the folder it came from, unless that is a
// Programs folder itself or, for a copy being moved, a category folder.
QString tellingApartTag(const Tvn& tvn, const QString& folder) {
    if (tvn.state.moveMode)
        return {};
    for (const QString& tree : programsTrees(tvn.state))
        if (caseFoldedName(tree) == caseFoldedName(folder))
            return {};
    return folder.mid(folder.lastIndexOf(QChar(kPathSeparator)) + 1);
}

// Copies (or moves) one shortcut into the category folder, up to the first failing step. Done
// once the shortcut is in the category folder and, when moving, gone from where it was, so the
// entry leaves the lists whatever follows.
EntryOutcome classifyEntry(Tvn& tvn, FolderNames& names, const QString& caption,
                           const QString& name, const QString& folder) {
    const QString category = categoryFolder(tvn, caption);
    // The shortcut already lies in the category folder, maybe under another spelling (a folder
    // "Giochi" reached through the caption "giochi"): copying would copy the file onto itself,
    // and a move would delete the only copy. The folders are compared, not the files, since the
    // target most often does not exist yet.
    if (isSameFolder(tvn.fs, folder, category))
        return EntryOutcome::Done;
    const QString source = shortcutPath(folder, name);
    // A shortcut deleted or renamed since the list was made is no fault of the program's.
    const auto failed = [&] {
        return tvn.fs.fileExists(source) ? EntryOutcome::Failed : EntryOutcome::Gone;
    };
    const auto placement = placeCopy(tvn.fs, names, source, category, name + QStringLiteral(".lnk"),
                                     tellingApartTag(tvn, folder));
    if (!placement)
        return failed();
    if (!placement->alreadyThere) {
        if (!tvn.fs.copyFile(source, placement->target))
            return failed();
        names.add(category, placement->target.mid(category.size() + 1));
    }
    if (!tvn.state.moveMode)
        return EntryOutcome::Done;
    // The copy is complete and verified before its source goes. A source that cannot go (locked,
    // read-only) takes its new copy back with it, so the shortcut is not left in both categories.
    if (!tvn.fs.deleteFile(source)) {
        if (!placement->alreadyThere)
            tvn.fs.deleteFile(placement->target);
        return EntryOutcome::Failed;
    }
    // The shortcut has moved: a folder that cannot be refreshed or tidied after it is reported,
    // but the entry no longer names a file there.
    return removeFolderIfNoShortcuts(tvn, folder) ? EntryOutcome::Done
                                                  : EntryOutcome::DoneButReport;
}

// A shortcut found gone leaves the catalogue too, so no list built from it shows it again.
void forgetShortcut(Tvn& tvn, const QString& name, const QString& folder) {
    CatalogueList progs = progsList(tvn.lists);
    for (int k = 0; k < progs.count(); ++k)
        if (progs.folders.at(k) == folder && displayName(progs.names.at(k)) == name) {
            progs.removeAt(k);
            return;
        }
}

// Walks the selected NotYet entries, each into its own category: `categories` holds the
// category of every entry, in step with the list.
void classifyEachSelected(Tvn& tvn, std::vector<int> categories) {
    ListBox& shown = tvn.lists.notYet;
    // A caption names a folder inside the Start Menu folder: one that is not a single valid
    // folder name could reach outside it, so nothing is done with it.
    const auto validCaption = [&](int index) -> std::optional<QString> {
        const QString caption = tvn.window.categoryCaption(index);
        return isValidCategoryName(caption) ? std::optional(caption) : std::nullopt;
    };
    std::set<int> used;
    for (int k = 0; k < shown.count(); ++k)
        if (shown.isSelected(k))
            used.insert(categories.at(static_cast<size_t>(k)));
    for (const int index : used)
        if (!validCaption(index)) {
            reportUnexpectedError(tvn.ui);
            return;
        }
    QStringList made;
    for (const int index : used) {
        const QString folder = categoryFolder(tvn, *validCaption(index));
        if (tvn.fs.createFolder(folder))
            made.append(folder);
    }

    CatalogueList entries = notYetList(tvn.lists);
    FolderNames names(tvn.fs);
    processSelectedEntries(
        tvn.ui, tvn.window, entries.names,
        [&](int k) {
            const auto caption = validCaption(categories.at(static_cast<size_t>(k)));
            const EntryOutcome outcome =
                caption ? classifyEntry(tvn, names, *caption, entries.names.at(k),
                                        entries.folders.at(k))
                        : EntryOutcome::Failed;
            if (outcome == EntryOutcome::Gone && !tvn.state.moveMode)
                forgetShortcut(tvn, entries.names.at(k), entries.folders.at(k));
            return outcome;
        },
        [&](int k) {
            entries.removeAt(k);
            categories.erase(categories.begin() + k);
        });
    // A folder this action made and nothing was copied into is not left behind.
    for (const QString& folder : made)
        if (tvn.fs.folderContent(folder) == FileSystem::FolderContent::Empty)
            tvn.fs.removeFolder(folder);
}

} // namespace

void classifySelected(Tvn& tvn, int index) {
    if (!checkSelection(tvn.ui, tvn.window, tvn.lists.notYet))
        return;
    classifyEachSelected(tvn,
                         std::vector<int>(static_cast<size_t>(tvn.lists.notYet.count()), index));
}

void classifyEntries(Tvn& tvn, const std::vector<EntryCategory>& choices) {
    ListBox& shown = tvn.lists.notYet;
    std::vector<int> categories(static_cast<size_t>(shown.count()), -1);
    for (const EntryCategory& choice : choices)
        if (choice.entry >= 0 && choice.entry < shown.count())
            categories[static_cast<size_t>(choice.entry)] = choice.category;
    for (int k = 0; k < shown.count(); ++k)
        shown.setSelected(k, categories[static_cast<size_t>(k)] >= 0);
    if (!choices.empty())
        classifyEachSelected(tvn, std::move(categories));
    if (shown.count() > 0)
        shown.selectOnly(0);
}

} // namespace tvn
