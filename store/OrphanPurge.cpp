#include "store/OrphanPurge.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/DisplayList.h"
#include "catalogue/SameShortcut.h"
#include "catalogue/SelectedEntries.h"
#include "store/CopyRemoval.h"

namespace tvn {

void BuildPurgeList(Tvn& tvn) {
    const ShortcutMatches matches =
        matchCopiesToShortcuts(tvn.fs, progsList(tvn.lists), fastList(tvn.lists));
    BuildDisplayList(tvn, purgeList(tvn.lists), fastList(tvn.lists),
                     [&](int k) { return !matches.copyHasSource[static_cast<size_t>(k)]; });
}

void PurgeSelectedOrphans(Tvn& tvn) {
    CatalogueLists& lists = tvn.lists;
    if (!CheckSelection(tvn.ui, tvn.window, lists.purgeList))
        return;
    ProcessSelectedEntries(
        tvn.ui, tvn.window, lists.purgeList,
        [&](int k) {
            return RemoveCopy(tvn, lists.purgeDirs.at(k),
                              lists.purgeList.at(k) + QStringLiteral(".lnk"));
        },
        [&](int k) { purgeList(lists).removeAt(k); });
}

} // namespace tvn
