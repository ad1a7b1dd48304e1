#include "store/CopyRemoval.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "store/FolderSafety.h"

namespace tvn {

namespace {

// The file is not there, and that is known for sure: its folder is gone, or it can be listed
// and the file is not in it. A folder that cannot be read proves nothing.
bool isGone(FileSystem& fs, const QString& folder, const QString& path) {
    return !fs.fileExists(path) && (!fs.folderExists(folder) || fs.listFolder(folder).has_value());
}

} // namespace

EntryOutcome removeCopy(Tvn& tvn, const QString& folder, const QString& fileName) {
    const QString path = joinPath(folder, fileName);
    if (!tvn.fs.deleteFile(path)) {
        if (!isGone(tvn.fs, folder, path))
            return EntryOutcome::Failed;
        if (!tvn.fs.folderExists(folder))
            return EntryOutcome::Done;
    }
    return removeFolderIfNoShortcuts(tvn, folder) ? EntryOutcome::Done
                                                  : EntryOutcome::DoneButReport;
}

} // namespace tvn
