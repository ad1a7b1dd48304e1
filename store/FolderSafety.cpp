#include "store/FolderSafety.h"

#include "catalogue/ProgramsTrees.h"
#include "platform/FileSystem.h"
#include "platform/FolderChain.h"

#include <algorithm>

namespace tvn {

bool holdsProgramsFolder(Tvn& tvn, const QString& folder) {
    const QStringList trees = programsTrees(tvn.state);
    return std::any_of(trees.begin(), trees.end(), [&](const QString& programs) {
        return !programs.isEmpty() && isSameOrAncestor(tvn.fs, folder, programs);
    });
}

bool liesInProgramsTree(Tvn& tvn, const QString& folder) {
    const QStringList trees = programsTrees(tvn.state);
    return std::any_of(trees.begin(), trees.end(), [&](const QString& programs) {
        return !programs.isEmpty() && isSameOrAncestor(tvn.fs, programs, folder);
    });
}

bool removeFolderIfNoShortcuts(Tvn& tvn, const QString& folder) {
    const auto content = tvn.fs.folderContent(folder);
    if (!content)
        return false;
    // A folder that keeps anything else (a desktop.ini, a read-me, a hidden file) stays.
    if (*content != FileSystem::FolderContent::Empty ||
        isSameFolder(tvn.fs, folder, tvn.state.startMenuPath) || holdsProgramsFolder(tvn, folder))
        return true;
    return tvn.fs.removeFolder(folder);
}

} // namespace tvn
