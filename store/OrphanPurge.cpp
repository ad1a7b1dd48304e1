#include "store/OrphanPurge.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/DisplayList.h"
#include "catalogue/SelectedEntries.h"
#include "store/CopyRemoval.h"

#include <QSet>

namespace tvn {

namespace {

// The names of the Programs shortcuts, case-folded: a copy is alive exactly when its folded
// name is among them, the same answer as comparing it with each Progs name ignoring case.
QSet<QString> sourceNames(const ListBox& progs) {
    QSet<QString> names;
    names.reserve(progs.count());
    for (int j = 0; j < progs.count(); ++j)
        names.insert(caseFoldedName(progs.at(j)));
    return names;
}

} // namespace

void BuildPurgeList(Tvn& tvn) {
    const QSet<QString> sources = sourceNames(tvn.lists.progs);
    BuildDisplayList(tvn, purgeList(tvn.lists), fastList(tvn.lists),
                     [&](const QString& name) { return !sources.contains(caseFoldedName(name)); });
}

void PurgeSelectedOrphans(Tvn& tvn) {
    CatalogueLists& lists = tvn.lists;
    if (!CheckSelection(tvn.ui, tvn.window, lists.purgeList))
        return;
    ProcessSelectedEntries(
        tvn.ui, lists.purgeList,
        [&](int k) {
            return RemoveCopy(tvn, lists.purgeDirs.at(k),
                              lists.purgeList.at(k) + QStringLiteral(".lnk"));
        },
        [&](int k) { purgeList(lists).removeAt(k); });
}

} // namespace tvn
