#include "OrphanPurge.h"

#include "CatalogueList.h"
#include "CopyRemoval.h"
#include "DisplayList.h"

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

void CPurge_Click(Tvn& tvn) {
    CatalogueLists& lists = tvn.lists;
    RemoveSelectedCopies(tvn,
                         {lists.purgeList, [&](int k) { return lists.purgeDirs.at(k); },
                          [&](int k) { return lists.purgeList.at(k) + QStringLiteral(".lnk"); },
                          [&](int k) {
                              purgeList(lists).removeAt(k);
                          }});
}

} // namespace tvn
