#include "store/FolderRefresh.h"

#include "catalogue/ProgramsTrees.h"
#include "platform/FileSystem.h"
#include "platform/FolderChain.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tvn {

namespace {

// A rename back that fails at once is most often a passing lock (a virus scanner, the
// shell's own watcher), so it is retried for about a quarter of a second.
constexpr int kRestoreRetries = 5;
constexpr std::chrono::milliseconds kRestorePause{50};

} // namespace

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

bool RenameAndRestore(Tvn& tvn, const QString& folder, const QString& temporary) {
    if (holdsProgramsFolder(tvn, folder))
        return true;
    if (!tvn.fs.rename(folder, temporary))
        return false;
    if (tvn.fs.rename(temporary, folder))
        return true;
    for (int retry = 0; retry < kRestoreRetries; ++retry) {
        std::this_thread::sleep_for(kRestorePause);
        if (tvn.fs.rename(temporary, folder))
            break;
    }
    return false;
}

bool RemoveFolderIfNoShortcuts(Tvn& tvn, const QString& folder) {
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
