#include "store/OrphanPurge.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/DisplayList.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/SameShortcut.h"
#include "catalogue/SelectedEntries.h"
#include "platform/Ui.h"
#include "store/CopyRemoval.h"

namespace tvn {

void buildPurgeList(Tvn& tvn) {
    // A copy is an orphan only when its original is known to be gone: while a folder of the
    // Programs trees cannot be read, any copy's original may lie in it.
    const QStringList unknown = tvn.state.unreadableProgramsFolders;
    if (!unknown.isEmpty()) {
        purgeList(tvn.lists).clear();
        tvn.ui.message(
            logicText(LogicText::OrphansUnknown, tvn.state.languageIndex).arg(unknown.join(u'\n')),
            {}, Buttons::Ok, Icon::Exclamation);
        return;
    }
    const ShortcutMatches matches =
        matchCopiesToShortcuts(tvn.fs, progsList(tvn.lists), fastList(tvn.lists));
    buildDisplayList(tvn, purgeList(tvn.lists), fastList(tvn.lists),
                     [&](int k) { return !matches.copyHasSource[static_cast<size_t>(k)]; });
}

void purgeSelectedOrphans(Tvn& tvn) {
    CatalogueLists& lists = tvn.lists;
    if (!checkSelection(tvn.ui, tvn.window, lists.purgeList))
        return;
    processSelectedEntries(
        tvn.ui, tvn.window, lists.purgeList,
        [&](int k) {
            return removeCopy(tvn, lists.purgeDirs.at(k),
                              lists.purgeList.at(k) + QStringLiteral(".lnk"));
        },
        [&](int k) { purgeList(lists).removeAt(k); });
}

} // namespace tvn
