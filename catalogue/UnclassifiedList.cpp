#include "UnclassifiedList.h"

#include "CatalogueList.h"
#include "ProgressText.h"
#include "Ui.h"

#include <QSet>

namespace tvn {
namespace {

QSet<QString> classifiedNames(const ListBox& fast) {
    QSet<QString> names;
    names.reserve(fast.count());
    for (int j = 0; j < fast.count(); ++j)
        names.insert(fast.at(j));
    return names;
}

} // namespace

// The hash set answers the same question as a search through Fast: is this exact name there.
void BuildNotYetList(Tvn& tvn) {
    CatalogueList notYet = notYetList(tvn.lists);
    notYet.clear();
    tvn.window.setProgressText(QString());

    const ListBox& progs = tvn.lists.progs;
    const ListBox& progsDirs = tvn.lists.progsDirs;
    const QSet<QString> classified = classifiedNames(tvn.lists.fast);
    const int n = progs.count();
    QStringList names;
    QStringList folders;
    for (int i = 0; i < n; ++i) {
        const QString name = progs.at(i);
        if (!classified.contains(name)) {
            names.append(displayName(name));
            folders.append(progsDirs.at(i));
        }
        if (const auto text = percentText(i, n))
            tvn.window.setProgressText(*text);
        tvn.ui.pumpEvents();
    }

    notYet.assignInOrder(names, folders);
}

} // namespace tvn
