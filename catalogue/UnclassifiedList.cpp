#include "catalogue/UnclassifiedList.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/DisplayList.h"

#include <QSet>

namespace tvn {
namespace {

// The names of the classified copies, case-folded as the orphan test folds them: the disk
// matches names without regard to case, so "Paint.LNK" is classified by its copy "Paint.lnk".
QSet<QString> classifiedNames(const ListBox& fast) {
    QSet<QString> names;
    names.reserve(fast.count());
    for (int j = 0; j < fast.count(); ++j)
        names.insert(caseFoldedName(fast.at(j)));
    return names;
}

} // namespace

// The hash set answers the same question as a search through Fast: is this name there, letter
// case ignored.
void BuildNotYetList(Tvn& tvn) {
    const QSet<QString> classified = classifiedNames(tvn.lists.fast);
    BuildDisplayList(tvn, notYetList(tvn.lists), progsList(tvn.lists), [&](const QString& name) {
        return !classified.contains(caseFoldedName(name));
    });
}

} // namespace tvn
