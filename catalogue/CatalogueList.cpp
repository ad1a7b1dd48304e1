#include "CatalogueList.h"

#include <algorithm>

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

QString displayName(const QString& fileName) {
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}

} // namespace tvn
