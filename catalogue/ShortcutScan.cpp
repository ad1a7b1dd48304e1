#include "catalogue/ShortcutScan.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/ProgressText.h"
#include "platform/FileSystem.h"
#include "platform/Ui.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tvn {
namespace {

// Lists the folder and appends its shortcuts to `list`; nothing when it cannot be listed.
std::optional<FileSystem::Listing> collectFolder(Tvn& tvn, CatalogueList list,
                                                 const QString& folder) {
    auto listing = tvn.fs.listFolder(folder);
    if (listing) {
        for (const QString& name : listing->shortcuts)
            list.add(name, folder);
    }
    return listing;
}

// A tree's own folder that cannot be listed means the configuration is wrong: it is reported,
// ScanFailed set, so the settings panel follows the walk. A folder inside is only noted: one
// message at the end of the analysis names them all.
void reportScanFailure(Tvn& tvn, const QString& folder, bool isRoot) {
    if (!isRoot) {
        tvn.state.unreadableFolders.append(folder);
        return;
    }
    tvn.ui.message(tvn.window.messageText(Message::WrongSettings),
                   logicText(LogicText::ErrorTitle, tvn.state.languageIndex), Buttons::Ok,
                   Icon::Exclamation);
    tvn.state.scanFailed = true;
}

void finishFolder(Tvn& tvn) {
    tvn.window.setProgressText(nextFolderCount(tvn.window.progressText()));
    tvn.ui.pumpEvents();
}

// The Programs folders the Start Menu walk leaves out, by path and by the folder on disk.
struct ProgramsFolders {
    QStringList paths;
    std::vector<FileId> ids;
};

// The Programs folders are compared by the objects on disk as well as by the configured paths,
// so one spelt differently (letter case, a link) is still skipped and its originals never
// count as classified copies.
void scanStartMenuFolder(Tvn& tvn, const QString& folder, const ProgramsFolders& programs,
                         bool isRoot) {
    if (programs.paths.contains(folder))
        return;
    if (!programs.ids.empty()) {
        const auto id = tvn.fs.identity(folder);
        if (id && std::find(programs.ids.begin(), programs.ids.end(), *id) != programs.ids.end())
            return;
    }
    const auto listing = collectFolder(tvn, fastList(tvn.lists), folder);
    if (!listing) {
        reportScanFailure(tvn, folder, isRoot);
        return;
    }
    for (const QString& subfolder : listing->subfolders)
        scanStartMenuFolder(tvn, subfolder, programs, false);
    finishFolder(tvn);
}

// `userTree` is false for the all-users tree: the user cannot change where it lies, so its folder
// that cannot be listed is left without a message and without sending the user to the settings.
void scanProgramsFolder(Tvn& tvn, const QString& folder, bool userTree, bool isRoot) {
    const auto listing = collectFolder(tvn, progsList(tvn.lists), folder);
    if (!listing) {
        if (userTree || !isRoot)
            reportScanFailure(tvn, folder, isRoot);
        return;
    }
    if (tvn.window.debugText() == kNoAnalysisDebugText)
        return;
    for (const QString& subfolder : listing->subfolders)
        scanProgramsFolder(tvn, subfolder, userTree, false);
    finishFolder(tvn);
}

} // namespace

void ScanStartMenu(Tvn& tvn, const QString& folder) {
    ProgramsFolders programs;
    for (const QString& tree : programsTrees(tvn.state)) {
        programs.paths.append(tree);
        if (const auto id = tvn.fs.identity(tree))
            programs.ids.push_back(*id);
    }
    scanStartMenuFolder(tvn, folder, programs, true);
}

void ScanPrograms(Tvn& tvn, const QString& folder) {
    scanProgramsFolder(tvn, folder, true, true);
}

void ScanAllUsersPrograms(Tvn& tvn, const QString& folder) {
    scanProgramsFolder(tvn, folder, false, true);
}

} // namespace tvn
