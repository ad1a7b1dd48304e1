#include "store/CategoryFolders.h"

#include "catalogue/Window.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryNames.h"

namespace tvn {

QString categoryFolder(const Tvn& tvn, const QString& name) {
    return joinPath(tvn.state.startMenuPath, name);
}

void makeFolder(Tvn& tvn, const QString& path) {
    tvn.fs.createFolder(path);
}

void removeCategoryFolder(Tvn& tvn, const QString& name) {
    if (!isValidCategoryName(name) || !tvn.fs.removeFolder(categoryFolder(tvn, name)))
        tvn.ui.beep();
}

void removeLeftoverTemporaries(Tvn& tvn) {
    if (tvn.state.startMenuPath.isEmpty())
        return;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (isValidCategoryName(caption))
            tvn.fs.removeLeftoverTemporaries(categoryFolder(tvn, caption));
    }
    if (!tvn.state.appFolder.isEmpty())
        tvn.fs.removeLeftoverTemporaries(tvn.state.appFolder);
}

} // namespace tvn
