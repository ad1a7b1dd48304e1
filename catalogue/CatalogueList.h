#pragma once

#include "catalogue/ListBox.h"
#include "catalogue/Tvn.h"

#include <QStringList>

namespace tvn {

// A name list and its folder list, kept at the same positions: entry k of `folders` is the
// folder holding the file named by entry k of `names`. Every change goes through here, so the
// two lists can never get out of step.
struct CatalogueList {
    ListBox& names;
    ListBox& folders;

    int count() const { return names.count(); }
    // Adds the name where its list puts it (the end, or its sorted place) and the folder at
    // that same position; returns the position.
    int add(const QString& name, const QString& folder);
    void removeAt(int index);
    void clear();
    // Replaces both lists at once, in the order given.
    void assign(const QStringList& newNames, const QStringList& newFolders);
    // Replaces both lists at once with the pairs given, placed as adding them one by one would
    // place them: a sorted name list puts equal names in the order given. One stable sort
    // instead of shifting the lists at every insertion.
    void assignInOrder(const QStringList& newNames, const QStringList& newFolders);
    // Puts pairs of file names and folders in the order of the names a visible list shows
    // (displayName), letter case ignored, equal names keeping their order, whether or not the
    // name list sorts itself.
    void sortByShownName();

private:
    void assignSorted(const QStringList& newNames, const QStringList& newFolders,
                      const QStringList& keys);
};

inline CatalogueList progsList(const CatalogueLists& lists) {
    return {lists.progs, lists.progsDirs};
}
inline CatalogueList fastList(const CatalogueLists& lists) {
    return {lists.fast, lists.fastDirs};
}
inline CatalogueList notYetList(const CatalogueLists& lists) {
    return {lists.notYet, lists.notYetDirs};
}
inline CatalogueList purgeList(const CatalogueLists& lists) {
    return {lists.purgeList, lists.purgeDirs};
}

// A name in the form in which names are told apart without regard to letter case, as the disk
// tells them apart. Unlike QString::toCaseFolded it keeps a lone surrogate (the stand-in for a
// byte of a Linux file name that is not UTF-8), so names that differ only there stay apart.
QString caseFoldedName(const QString& name);

// The name a visible list shows for a shortcut file: the file name less its last four
// characters (the ".lnk").
QString displayName(const QString& fileName);

} // namespace tvn
