#include "UnclassifiedList.h"

#include "CatalogueList.h"
#include "ProgressText.h"
#include "Ui.h"

#include <algorithm>
#include <QSet>
#include <vector>

namespace tvn {
namespace {

struct Unclassified {
    QString name;
    QString folder;
};

QSet<QString> classifiedNames(const ListBox& fast) {
    QSet<QString> names;
    names.reserve(fast.count());
    for (int j = 0; j < fast.count(); ++j)
        names.insert(fast.at(j));
    return names;
}

} // namespace

// The list box would place each name after the equal ones already in it; a stable sort of the
// whole list gives the same order and positions without shifting the list at every insertion.
// The hash set answers the same question as a search through Fast: is this exact name there.
void BuildNotYetList(Tvn& tvn) {
    CatalogueList notYet = notYetList(tvn.lists);
    notYet.clear();
    tvn.window.setProgressText(QString());

    const ListBox& progs = tvn.lists.progs;
    const ListBox& progsDirs = tvn.lists.progsDirs;
    const QSet<QString> classified = classifiedNames(tvn.lists.fast);
    const int n = progs.count();
    std::vector<Unclassified> entries;
    for (int i = 0; i < n; ++i) {
        const QString name = progs.at(i);
        if (!classified.contains(name))
            entries.push_back({displayName(name), progsDirs.at(i)});
        if (const auto text = percentText(i, n))
            tvn.window.setProgressText(*text);
        tvn.ui.pumpEvents();
    }

    std::stable_sort(
        entries.begin(), entries.end(),
        [](const Unclassified& a, const Unclassified& b) { return sortsBefore(a.name, b.name); });
    QStringList names;
    QStringList folders;
    names.reserve(static_cast<qsizetype>(entries.size()));
    folders.reserve(static_cast<qsizetype>(entries.size()));
    for (Unclassified& e : entries) {
        names.append(std::move(e.name));
        folders.append(std::move(e.folder));
    }
    notYet.assign(names, folders);
}

} // namespace tvn
