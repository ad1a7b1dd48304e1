#include "store/ModifyList.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/SelectedEntries.h"
#include "catalogue/ShortcutScan.h"
#include "platform/Ui.h"
#include "store/CopyRemoval.h"
#include "store/FolderSafety.h"

namespace tvn {

void fillModifyList(Tvn& tvn) {
    // The walk lists the copies folder by folder; the user looks for a name.
    fastList(tvn.lists).sortByShownName();
    const ListBox& fast = tvn.lists.fast;
    QStringList names;
    names.reserve(fast.count());
    for (int k = 0; k < fast.count(); ++k)
        names.append(displayName(fast.at(k)));
    tvn.lists.listModify.assign(names);
}

void removeSelectedCopies(Tvn& tvn) {
    CatalogueLists& lists = tvn.lists;
    ListBox& shown = lists.listModify;
    bool anySelected = false;
    for (int k = 0; k < shown.count() && !anySelected; ++k)
        anySelected = shown.isSelected(k);
    // Removing takes a selected copy, never the current entry alone.
    if (!anySelected) {
        tvn.ui.message(tvn.window.messageText(Message::SelectShortcuts));
        return;
    }
    bool failed = false;
    processSelectedEntries(
        tvn.ui, tvn.window, shown,
        [&](int k) {
            const EntryOutcome outcome = removeCopy(tvn, lists.fastDirs.at(k), lists.fast.at(k));
            failed = failed || outcome != EntryOutcome::Done;
            return outcome;
        },
        [&](int k) {
            shown.removeAt(k);
            fastList(lists).removeAt(k);
        });
    // The entry that moved up stays current but unselected: a second press of the remove key
    // must not take it too.
    const int current = shown.currentIndex();
    if (!failed && current >= 0)
        shown.setSelected(current, false);
}

bool loadSelectedCopiesForMove(Tvn& tvn) {
    const ListBox& listModify = tvn.lists.listModify;
    CatalogueList notYet = notYetList(tvn.lists);
    notYet.clear();
    QStringList names;
    QStringList folders;
    bool refused = false;
    const int n = listModify.count();
    for (int i = 0; i < n; ++i) {
        if (!listModify.isSelected(i))
            continue;
        const QString folder = tvn.lists.fastDirs.at(i);
        if (liesInProgramsTree(tvn, folder)) {
            refused = true;
            continue;
        }
        names.append(listModify.at(i));
        folders.append(folder);
    }
    if (refused)
        reportUnexpectedError(tvn.ui);
    if (names.isEmpty()) {
        if (!refused)
            tvn.ui.message(tvn.window.messageText(Message::SelectShortcuts));
        return false;
    }
    // Each name lands where the sorted list puts it, and its folder at that same place.
    notYet.assignInOrder(names, folders);
    for (int k = 0; k < notYet.count(); ++k)
        tvn.lists.notYet.setSelected(k, true);
    tvn.state.moveMode = true;
    return true;
}

void reloadModifyList(Tvn& tvn) {
    fastList(tvn.lists).clear();
    scanStartMenu(tvn, tvn.state.startMenuPath);
    fillModifyList(tvn);
}

} // namespace tvn
