#include "store/CategoryRename.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/ProgramsTrees.h"
#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"
#include "platform/SequentialFile.h"
#include "platform/Ui.h"
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/CopyPlacement.h"
#include "store/FolderSafety.h"

#include <optional>

namespace tvn {

namespace {

constexpr auto kRenameNoteName = u"Rename.tvn";

// What a rename that moves copies writes down before it starts.
struct RenameNote {
    int index = 0;
    QString oldFolder;
    QString newFolder;
    QString newName;
};

QString renameNotePath(const Tvn& tvn) {
    return joinPath(tvn.state.appFolder, QString::fromUtf16(kRenameNoteName));
}

// The note is the action's own file: it goes without passing through the trash, and leaves
// nothing for the Undo of the rename to bring back.
void clearRenameNote(Tvn& tvn) {
    tvn.fs.deleteFile(renameNotePath(tvn));
}

void reportProgramFolderReadOnly(Tvn& tvn) {
    tvn.ui.message(logicText(LogicText::ProgramFolderReadOnly, tvn.state.languageIndex)
                       .arg(tvn.state.appFolder),
                   {}, Buttons::Ok, Icon::Exclamation);
}

bool writeRenameNote(Tvn& tvn, const RenameNote& note) {
    SequentialWriter writer;
    writer.writeNumber(note.index);
    writer.writeString(note.oldFolder);
    writer.writeString(note.newFolder);
    writer.writeString(note.newName);
    return writer.save(tvn.fs, renameNotePath(tvn));
}

std::optional<RenameNote> readRenameNote(Tvn& tvn) {
    auto reader = SequentialReader::open(tvn.fs, renameNotePath(tvn));
    if (!reader)
        return std::nullopt;
    RenameNote note;
    const auto index = itemToInteger16(reader->next());
    note.oldFolder = reader->next().text;
    note.newFolder = reader->next().text;
    note.newName = reader->next().text;
    if (!index || *index < 0 || *index >= kCategoryCount || !isValidCategoryName(note.newName) ||
        note.oldFolder.isEmpty() || note.newFolder.isEmpty())
        return std::nullopt;
    note.index = *index;
    return note;
}

// Moves the shortcut files of the old category folder into the new one. A name no folder bears
// yet takes the whole folder in one rename, so that an interruption never leaves the copies split
// between a category and a folder no category names any more. Otherwise each file goes alone, and
// failures are skipped: a file that could not be copied stays in the old folder, which is then
// kept (and beeps). Run again on what an interruption left, it moves the rest and removes the
// old folder once nothing is left in it.
void carryCopiesOver(Tvn& tvn, const QString& oldFolder, const QString& newFolder) {
    const auto files = tvn.fs.shortcutFiles(oldFolder);
    if (tvn.state.scanFailed || !files)
        return;
    // A category named like the Programs folder holds the user's originals, not copies.
    if (holdsProgramsFolder(tvn, oldFolder) || liesInProgramsTree(tvn, newFolder))
        return;
    // Names that differ only in letter case reach the same folder: moving each file onto
    // itself would delete it.
    if (isSameFolder(tvn.fs, oldFolder, newFolder))
        return;
    const bool hadCopies = !files->isEmpty();
    if (hadCopies && !tvn.fs.folderExists(newFolder) && tvn.fs.rename(oldFolder, newFolder))
        return;
    if (hadCopies)
        makeFolder(tvn, newFolder);
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
    // What a copy cut short left in either folder is the program's own.
    tvn.fs.removeLeftoverTemporaries(oldFolder);
    tvn.fs.removeLeftoverTemporaries(newFolder);
    // A folder that kept something beeps; one left empty by an earlier, interrupted run goes.
    if (!tvn.fs.removeFolder(oldFolder) && hadCopies)
        tvn.ui.beep();
}

// Why a new name cannot be taken, in the interface language; nothing when it can.
std::optional<QString> nameProblem(Tvn& tvn, int index, const QString& newName) {
    const int language = tvn.state.languageIndex;
    if (newName.size() > kMaxCategoryNameLength)
        return logicText(LogicText::CategoryNameTooLong, language)
            .arg(QString::number(kMaxCategoryNameLength));
    if (!isValidCategoryName(newName))
        return invalidCategoryNameText(language);
    const QString folded = caseFoldedName(newName);
    for (const QString& tree : programsTrees(tvn.state))
        if (!tree.isEmpty() && (caseFoldedName(folderName(tree)) == folded ||
                                isSameOrAncestor(tvn.fs, categoryFolder(tvn, newName), tree)))
            return logicText(LogicText::CategoryNameIsPrograms, language).arg(newName);
    for (int k = 0; k < kCategoryCount; ++k)
        if (k != index && caseFoldedName(tvn.window.categoryCaption(k)) == folded)
            return logicText(LogicText::CategoryNameTaken, language).arg(newName);
    return std::nullopt;
}

// A folder of the new name that already holds something of the user's becomes the category's:
// the user is told what that means and may keep the old name.
bool acceptsExistingFolder(Tvn& tvn, const QString& oldFolder, const QString& newFolder) {
    if (isSameFolder(tvn.fs, oldFolder, newFolder))
        return true;
    const auto content = tvn.fs.folderContent(newFolder);
    if (!content || *content == FileSystem::FolderContent::Empty)
        return true;
    return tvn.ui.message(logicText(LogicText::RenameIntoExistingFolder, tvn.state.languageIndex)
                              .arg(folderName(newFolder)),
                          {}, Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

} // namespace

bool renameCategory(Tvn& tvn) {
    const int index = tvn.state.popupCategoryIndex;
    if (index < 0 || index >= kCategoryCount)
        return false;
    const QString oldName = tvn.window.categoryCaption(index);
    const QString newName =
        tvn.ui.input(tvn.window.messageText(Message::NewCategoryPrompt), {}, oldName);
    if (newName.isEmpty() || newName == tvn.window.categoryCaption(index))
        return false;
    if (const auto problem = nameProblem(tvn, index, newName)) {
        tvn.ui.message(*problem, {}, Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const QString question = tvn.window.messageText(Message::RenameQuestionStart) + oldName +
                             tvn.window.messageText(Message::RenameQuestionMiddle) + newName +
                             tvn.window.messageText(Message::RenameQuestionEnd);
    const Answer answer = tvn.ui.message(question, {}, Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No) {
        // Only the name changes: it is kept only when Custom.tvn can hold it.
        tvn.window.setCategoryCaption(index, newName);
        if (saveCustomCategories(tvn))
            return true;
        tvn.window.setCategoryCaption(index, oldName);
        reportProgramFolderReadOnly(tvn);
        return false;
    }
    const RenameNote note{index, categoryFolder(tvn, oldName), categoryFolder(tvn, newName),
                          newName};
    if (!acceptsExistingFolder(tvn, note.oldFolder, note.newFolder))
        return false;
    // Nothing is moved that the program folder cannot record: the note is written first.
    if (!writeRenameNote(tvn, note)) {
        reportProgramFolderReadOnly(tvn);
        return false;
    }
    carryCopiesOver(tvn, note.oldFolder, note.newFolder);
    tvn.window.setCategoryCaption(index, newName);
    if (saveCustomCategories(tvn))
        clearRenameNote(tvn);
    return true;
}

void finishInterruptedRename(Tvn& tvn) {
    const auto note = readRenameNote(tvn);
    if (!note) {
        // A note that cannot be read names nothing to finish.
        if (tvn.fs.fileExists(renameNotePath(tvn)))
            tvn.fs.deleteFile(renameNotePath(tvn));
        return;
    }
    if (tvn.fs.folderExists(note->oldFolder))
        carryCopiesOver(tvn, note->oldFolder, note->newFolder);
    tvn.window.setCategoryCaption(note->index, note->newName);
    if (saveCustomCategories(tvn))
        tvn.fs.deleteFile(renameNotePath(tvn));
}

} // namespace tvn
