#include "store/CategoryFolders.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryNames.h"

namespace tvn {

QString categoryFolder(const Tvn& tvn, const QString& name) {
    return joinPath(tvn.state.startMenuPath, name);
}

void MakeFolder(Tvn& tvn, const QString& path) {
    tvn.fs.createFolder(path);
}

void RemoveCategoryFolder(Tvn& tvn, const QString& name) {
    if (!isValidCategoryName(name) || !tvn.fs.removeFolder(categoryFolder(tvn, name)))
        tvn.ui.beep();
}

} // namespace tvn
