#include "store/Reset.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/SystemAnalysis.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/FolderSafety.h"
#include "store/ModifyList.h"

#include <algorithm>
#include <vector>

namespace tvn {

namespace {

// The category folders the reset may empty and remove. A caption that is no valid folder name
// names no category folder, and one that reaches the Programs folder (a category named like
// it) names the user's originals.
std::vector<QString> categoryFolders(Tvn& tvn) {
    std::vector<QString> folders;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (!isValidCategoryName(caption))
            continue;
        const QString folder = categoryFolder(tvn, caption);
        if (!holdsProgramsFolder(tvn, folder) && !liesInProgramsTree(tvn, folder))
            folders.push_back(folder);
    }
    return folders;
}

std::vector<FileId> identities(Tvn& tvn, const std::vector<QString>& folders) {
    std::vector<FileId> ids;
    for (const QString& folder : folders)
        if (const auto id = tvn.fs.identity(folder))
            ids.push_back(*id);
    return ids;
}

} // namespace

bool confirmReset(Tvn& tvn) {
    return tvn.ui.message(tvn.window.messageText(Message::DeleteAllQuestion),
                          logicText(LogicText::CautionTitle, tvn.state.languageIndex),
                          Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

void deleteAllClassifications(Tvn& tvn) {
    fillModifyList(tvn);
    const std::vector<QString> folders = categoryFolders(tvn);
    const std::vector<FileId> categories = identities(tvn, folders);
    const ListBox& fast = tvn.lists.fast;
    const ListBox& fastDirs = tvn.lists.fastDirs;
    for (int c = 0; c < fast.count(); ++c) {
        const auto folder = tvn.fs.identity(fastDirs.at(c));
        if (folder && std::find(categories.begin(), categories.end(), *folder) != categories.end())
            tvn.fs.deleteFile(joinPath(fastDirs.at(c), fast.at(c)));
    }
    // Every entry has been dealt with, deleted or spared; the analysis lists what is left.
    tvn.lists.listModify.clear();
    fastList(tvn.lists).clear();

    // A copy interrupted by a crash left its temporary file: the program's own, it goes too.
    for (const QString& folder : folders) {
        tvn.fs.removeLeftoverTemporaries(folder);
        tvn.fs.removeFolder(folder);
    }
    // The desktop menu follows while the user reads the message, and even when the analysis
    // fails.
    tvn.window.syncDesktopMenu();
    tvn.ui.message(tvn.window.messageText(Message::AllDeleted));
    analyseSystem(tvn);
}

} // namespace tvn
