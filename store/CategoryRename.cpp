#include "store/CategoryRename.h"

#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/CopyPlacement.h"
#include "store/FolderRefresh.h"

namespace tvn {

namespace {

// Moves the shortcut files of the old category folder into the new one. A name no folder bears
// yet takes the whole folder in one rename, so that an interruption never leaves the copies split
// between a category and a folder no category names any more. Otherwise each file goes alone, and
// failures are skipped: a file that could not be copied stays in the old folder, which is then
// kept (and beeps).
void carryCopiesOver(Tvn& tvn, const QString& oldName, const QString& newName) {
    const QString oldFolder = categoryFolder(tvn, oldName);
    const QString newFolder = categoryFolder(tvn, newName);
    const auto files = tvn.fs.shortcutFiles(oldFolder);
    if (tvn.state.scanFailed || !files || files->isEmpty())
        return;
    // A category named like the Programs folder holds the user's originals, not copies.
    if (holdsProgramsFolder(tvn, oldFolder))
        return;
    // Names that differ only in letter case reach the same folder: moving each file onto
    // itself would delete it.
    if (isSameFolder(tvn.fs, oldFolder, newFolder))
        return;
    if (!tvn.fs.folderExists(newFolder) && tvn.fs.rename(oldFolder, newFolder))
        return;
    MakeFolder(tvn, newFolder);
    // A folder of the new name may hold namesakes already: both stay, told apart by name.
    FolderNames names(tvn.fs);
    for (const QString& file : *files) {
        const QString source = joinPath(oldFolder, file);
        const auto placement = placeCopy(tvn.fs, names, source, newFolder, file, {});
        if (!placement)
            continue;
        if (!placement->alreadyThere && !tvn.fs.copyFile(source, placement->target))
            continue;
        names.add(newFolder, placement->target.mid(newFolder.size() + 1));
        tvn.fs.deleteFile(source);
    }
    RemoveCategoryFolder(tvn, oldName);
}

} // namespace

bool RenameCategory(Tvn& tvn) {
    const int index = tvn.state.popupCategoryIndex;
    if (index < 0 || index >= kCategoryCount)
        return false;
    const QString oldName = tvn.window.categoryCaption(index);
    const QString newName =
        tvn.ui.input(tvn.window.messageText(Message::NewCategoryPrompt), {}, oldName);
    if (newName.isEmpty() || newName == tvn.window.categoryCaption(index))
        return false;
    if (!isValidCategoryName(newName)) {
        tvn.ui.message(invalidCategoryNameText(tvn.state.languageIndex), {}, Buttons::Ok,
                       Icon::Exclamation);
        return false;
    }
    const QString question = tvn.window.messageText(Message::RenameQuestionStart) + oldName +
                             tvn.window.messageText(Message::RenameQuestionMiddle) + newName +
                             tvn.window.messageText(Message::RenameQuestionEnd);
    const Answer answer = tvn.ui.message(question, {}, Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes)
        carryCopiesOver(tvn, oldName, newName);
    tvn.window.setCategoryCaption(index, newName);
    SaveCustomCategories(tvn);
    return true;
}

} // namespace tvn
