#include "UnclassifiedList.h"

#include "CatalogueList.h"
#include "DisplayList.h"

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
    const QSet<QString> classified = classifiedNames(tvn.lists.fast);
    BuildDisplayList(tvn, notYetList(tvn.lists), progsList(tvn.lists),
                     [&](const QString& name) { return !classified.contains(name); });
}

} // namespace tvn
