#include "catalogue/CatalogueList.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tvn {

int CatalogueList::add(const QString& name, const QString& folder) {
    const int index = names.add(name);
    folders.insert(index, folder);
    return index;
}

void CatalogueList::removeAt(int index) {
    names.removeAt(index);
    folders.removeAt(index);
}

void CatalogueList::clear() {
    names.clear();
    folders.clear();
}

void CatalogueList::assign(const QStringList& newNames, const QStringList& newFolders) {
    names.assign(newNames);
    folders.assign(newFolders);
}

void CatalogueList::assignInOrder(const QStringList& newNames, const QStringList& newFolders) {
    if (names.isSorted())
        assignSorted(newNames, newFolders, newNames);
    else
        assign(newNames, newFolders);
}

void CatalogueList::sortByShownName() {
    QStringList currentNames;
    QStringList currentFolders;
    QStringList shown;
    currentNames.reserve(count());
    currentFolders.reserve(count());
    shown.reserve(count());
    for (int k = 0; k < count(); ++k) {
        currentNames.append(names.at(k));
        currentFolders.append(folders.at(k));
        shown.append(displayName(currentNames.back()));
    }
    assignSorted(currentNames, currentFolders, shown);
}

void CatalogueList::assignSorted(const QStringList& newNames, const QStringList& newFolders,
                                 const QStringList& keys) {
    std::vector<qsizetype> order(static_cast<size_t>(newNames.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return sortsBefore(keys[a], keys[b]); });
    QStringList sortedNames;
    QStringList sortedFolders;
    sortedNames.reserve(newNames.size());
    sortedFolders.reserve(newNames.size());
    for (const qsizetype k : order) {
        sortedNames.append(newNames[k]);
        sortedFolders.append(newFolders[k]);
    }
    assign(sortedNames, sortedFolders);
}

QString caseFoldedName(const QString& name) {
    const auto lone = [&](qsizetype i) {
        const QChar c = name[i];
        return (c.isHighSurrogate() && (i + 1 == name.size() || !name[i + 1].isLowSurrogate())) ||
               (c.isLowSurrogate() && (i == 0 || !name[i - 1].isHighSurrogate()));
    };
    qsizetype i = 0;
    while (i < name.size() && !lone(i))
        ++i;
    if (i == name.size())
        return name.toCaseFolded();
    // Fold the pieces between lone surrogates and keep those as they are.
    QString folded;
    folded.reserve(name.size());
    qsizetype piece = 0;
    for (i = 0; i < name.size(); ++i) {
        if (!lone(i))
            continue;
        folded += QStringView(name).mid(piece, i - piece).toString().toCaseFolded();
        folded += name[i];
        piece = i + 1;
    }
    folded += QStringView(name).mid(piece).toString().toCaseFolded();
    return folded;
}

QString displayName(const QString& fileName) {
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}

} // namespace tvn
