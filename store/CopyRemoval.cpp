#include "CopyRemoval.h"

#include "FileSystem.h"
#include "FolderRefresh.h"
#include "Paths.h"
#include "Ui.h"

namespace tvn {

namespace {

// The file is not there, and that is known for sure: its folder is gone, or it can be listed
// and the file is not in it. A folder that cannot be read proves nothing.
bool isGone(Tvn& tvn, const QString& folder, const QString& path) {
    return !tvn.fs.fileExists(path) &&
           (!tvn.fs.folderExists(folder) || tvn.fs.listFolder(folder).has_value());
}

} // namespace

CopyRemoval RemoveCopy(Tvn& tvn, const QString& folder, const QString& fileName) {
    const QString path = joinPath(folder, fileName);
    if (!tvn.fs.deleteFile(path)) {
        if (!isGone(tvn, folder, path))
            return {false, true};
        if (!tvn.fs.folderExists(folder))
            return {true, false};
    }
    const bool refreshed =
        RenameAndRestore(tvn, folder, folder + u'_') && RemoveFolderIfNoShortcuts(tvn, folder);
    return {true, !refreshed};
}

void RemoveSelectedCopies(Tvn& tvn, const CopySelection& selection) {
    ListBox& shown = selection.shown;
    if (shown.currentIndex() < 0 || shown.count() == 0) {
        tvn.ui.message(tvn.window.messageText(1));
        return;
    }
    int last = 0;
    int i = 0;
    while (i < shown.count()) {
        if (!shown.isSelected(i)) {
            ++i;
            continue;
        }
        const CopyRemoval result = RemoveCopy(tvn, selection.folder(i), selection.fileName(i));
        if (result.gone)
            selection.removeAt(i);
        if (result.failed) {
            ReportUnexpectedError(tvn.ui);
            return;
        }
        last = i;
    }
    if (shown.count() > last)
        shown.selectOnly(last);
}

} // namespace tvn
