#include "OrphanPurge.h"

#include "CatalogueList.h"
#include "CopyRemoval.h"
#include "ProgressText.h"
#include "Ui.h"

#include <QSet>

namespace tvn {

namespace {

// The names of the Programs shortcuts, case-folded: a copy is alive exactly when its folded
// name is among them, the same answer as comparing it with each Progs name ignoring case.
QSet<QString> sourceNames(const ListBox& progs) {
    QSet<QString> names;
    names.reserve(progs.count());
    for (int j = 0; j < progs.count(); ++j)
        names.insert(progs.at(j).toCaseFolded());
    return names;
}

} // namespace

void BuildPurgeList(Tvn& tvn) {
    CatalogueList purge = purgeList(tvn.lists);
    purge.clear();
    tvn.window.setProgressText(QString());

    const ListBox& fast = tvn.lists.fast;
    const ListBox& fastDirs = tvn.lists.fastDirs;
    const QSet<QString> sources = sourceNames(tvn.lists.progs);
    const int n = fast.count();
    QStringList names;
    QStringList folders;
    for (int i = 0; i < n; ++i) {
        const QString name = fast.at(i);
        if (!sources.contains(name.toCaseFolded())) {
            names.append(displayName(name));
            folders.append(fastDirs.at(i));
        }
        if (const auto text = percentText(i, n))
            tvn.window.setProgressText(*text);
        tvn.ui.pumpEvents();
    }
    purge.assignInOrder(names, folders);
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
