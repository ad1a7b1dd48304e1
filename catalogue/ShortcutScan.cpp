#include "ShortcutScan.h"

#include "CatalogueList.h"
#include "FileSystem.h"
#include "ProgressText.h"
#include "Ui.h"

#include <optional>

namespace tvn {
namespace {

// The error trap of one folder: the configuration is wrong, the settings panel will follow.
void reportScanFailure(Tvn& tvn) {
    tvn.ui.message(tvn.window.messageText(2), QStringLiteral("ERROR!"), Buttons::Ok,
                   Icon::Exclamation);
    tvn.state.scanFailed = true;
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
    const auto listing = tvn.fs.listFolder(folder);
    if (!listing) {
        reportScanFailure(tvn);
        return;
    }
    CatalogueList fast = fastList(tvn.lists);
    for (const QString& name : listing->shortcuts)
        fast.add(name, folder);
    for (const QString& subfolder : listing->subfolders)
        scanStartMenuFolder(tvn, subfolder, programs);
    finishFolder(tvn);
}

void scanProgramsFolder(Tvn& tvn, const QString& folder) {
    const auto listing = tvn.fs.listFolder(folder);
    if (!listing) {
        reportScanFailure(tvn);
        return;
    }
    CatalogueList progs = progsList(tvn.lists);
    for (const QString& name : listing->shortcuts)
        progs.add(name, folder);
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
