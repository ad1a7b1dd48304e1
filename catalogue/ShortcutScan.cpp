#include "ShortcutScan.h"

#include "CatalogueList.h"
#include "FileSystem.h"
#include "ProgressText.h"
#include "Ui.h"

#include <optional>

namespace tvn {
namespace {

// Lists the folder and appends its shortcuts to `list`. A folder that cannot be listed means
// the configuration is wrong: it is reported, ScanFailed set and the folder left, so the
// settings panel follows the walk.
std::optional<FileSystem::Listing> collectFolder(Tvn& tvn, CatalogueList list,
                                                 const QString& folder) {
    auto listing = tvn.fs.listFolder(folder);
    if (!listing) {
        tvn.ui.message(tvn.window.messageText(2), QStringLiteral("ERROR!"), Buttons::Ok,
                       Icon::Exclamation);
        tvn.state.scanFailed = true;
        return std::nullopt;
    }
    for (const QString& name : listing->shortcuts)
        list.add(name, folder);
    return listing;
}

void finishFolder(Tvn& tvn) {
    tvn.window.setProgressText(nextFolderCount(tvn.window.progressText()));
    tvn.ui.pumpEvents();
}

// `programs` is the Programs folder on disk, when it exists. It is compared as well as the
// configured path, so a Programs folder spelt differently (letter case, a link) is still
// skipped and its originals never count as classified copies.
void scanStartMenuFolder(Tvn& tvn, const QString& folder, const std::optional<FileId>& programs) {
    if (folder == tvn.state.programsPath)
        return;
    if (programs && tvn.fs.identity(folder) == programs)
        return;
    const auto listing = collectFolder(tvn, fastList(tvn.lists), folder);
    if (!listing)
        return;
    for (const QString& subfolder : listing->subfolders)
        scanStartMenuFolder(tvn, subfolder, programs);
    finishFolder(tvn);
}

void scanProgramsFolder(Tvn& tvn, const QString& folder) {
    const auto listing = collectFolder(tvn, progsList(tvn.lists), folder);
    if (!listing)
        return;
    if (tvn.window.debugText() == kNoAnalysisDebugText)
        return;
    for (const QString& subfolder : listing->subfolders)
        scanProgramsFolder(tvn, subfolder);
    finishFolder(tvn);
}

} // namespace

void ScanStartMenu(Tvn& tvn, const QString& folder) {
    scanStartMenuFolder(tvn, folder, tvn.fs.identity(tvn.state.programsPath));
}

void ScanPrograms(Tvn& tvn, const QString& folder) {
    scanProgramsFolder(tvn, folder);
}

} // namespace tvn
