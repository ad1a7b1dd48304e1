#include "catalogue/ShortcutScan.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/ProgressText.h"
#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

#include <algorithm>
#include <optional>
#include <QDir>
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
                   Icon::Exclamation, QDir::toNativeSeparators(folder));
    tvn.state.scanFailed = true;
}

void finishFolder(Tvn& tvn) {
    tvn.window.setProgressText(nextFolderCount(tvn.window.progressText()));
    tvn.ui.pumpEvents();
}

// The category folders of the current captions, as the Start Menu folder's listing spells them:
// the exact name first, else the first that differs only in letter case, as the file system
// resolves a caption. A Programs folder is never one, whatever a caption says, so its originals
// never count as classified copies; two captions that reach one folder give it once.
QStringList categoryFolders(Tvn& tvn, const QStringList& subfolders) {
    const QStringList trees = programsTrees(tvn.state);
    std::vector<FileId> excluded;
    for (const QString& tree : trees)
        if (const auto id = tvn.fs.identity(tree))
            excluded.push_back(*id);
    QStringList folders;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (caption.isEmpty())
            continue;
        const QString exact = joinPath(tvn.state.startMenuPath, caption);
        QString found = subfolders.contains(exact) ? exact : QString();
        for (qsizetype s = 0; found.isEmpty() && s < subfolders.size(); ++s)
            if (caseFoldedName(folderName(subfolders.at(s))) == caseFoldedName(caption))
                found = subfolders.at(s);
        if (found.isEmpty() || folders.contains(found) || trees.contains(found))
            continue;
        const auto id = tvn.fs.identity(found);
        if (!id || std::find(excluded.begin(), excluded.end(), *id) != excluded.end())
            continue;
        excluded.push_back(*id);
        folders.append(found);
    }
    return folders;
}

// `userTree` is false for the all-users tree: the user cannot change where it lies, so its folder
// that cannot be listed is left without a message and without sending the user to the settings.
void scanProgramsFolder(Tvn& tvn, const QString& folder, bool userTree, bool isRoot) {
    const auto listing = collectFolder(tvn, progsList(tvn.lists), folder);
    if (!listing) {
        // The all-users folder that is not there at all holds nothing; one that is there but
        // cannot be read is unknown, like any folder inside a tree.
        if (!userTree && isRoot && !tvn.fs.folderExists(folder))
            return;
        if (!isRoot || !userTree)
            tvn.state.unreadableProgramsFolders.append(folder);
        reportScanFailure(tvn, folder, isRoot && userTree);
        return;
    }
    if (tvn.window.debugText() == kNoAnalysisDebugText)
        return;
    for (const QString& subfolder : listing->subfolders)
        scanProgramsFolder(tvn, subfolder, userTree, false);
    finishFolder(tvn);
}

} // namespace

void scanStartMenu(Tvn& tvn, const QString& folder) {
    // A Start Menu folder that is a Programs folder holds originals only.
    for (const QString& tree : programsTrees(tvn.state))
        if (!tree.isEmpty() && isSameFolder(tvn.fs, tree, folder))
            return;
    const auto root = tvn.fs.listFolder(folder);
    if (!root) {
        reportScanFailure(tvn, folder, true);
        return;
    }
    // Only the category folders hold the program's copies: a shortcut or folder of the user's
    // own elsewhere in the Start Menu folder is never listed, so never moved, removed or reset.
    for (const QString& category : categoryFolders(tvn, root->subfolders)) {
        if (!collectFolder(tvn, fastList(tvn.lists), category)) {
            reportScanFailure(tvn, category, false);
            continue;
        }
        finishFolder(tvn);
    }
    finishFolder(tvn);
}

void scanPrograms(Tvn& tvn, const QString& folder) {
    scanProgramsFolder(tvn, folder, true, true);
}

void scanAllUsersPrograms(Tvn& tvn, const QString& folder) {
    scanProgramsFolder(tvn, folder, false, true);
}

} // namespace tvn
