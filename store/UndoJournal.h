#pragma once

#include "catalogue/ProgramState.h"
#include "platform/FileSystem.h"

#include <array>
#include <functional>
#include <vector>

namespace tvn {

// Where an action was taken: each panel takes back the last action taken on it. Moving copies
// happens on the Creation panel; once the move ends, its steps belong to the Modify panel.
enum class UndoScope { Creation, Moving, Modify, Purges, Menu };

// One change an action made on disk, with what it takes to change it back.
struct UndoStep {
    enum class Kind {
        FolderCreated,
        FolderRemoved,
        Renamed,        // path renamed to target
        CopyMade,       // path written by a copy; digest is its content's
        Trashed,        // path (as the disk spelt it) moved to the trash at target, object id
        DeletedForGood, // path deleted with the user's consent: it cannot come back
        FileWritten,    // path rewritten; before is its old content, unless it was new
    };
    Kind kind;
    QString path;
    QString target = {};
    QByteArray digest = {};
    FileId id = {};
    std::optional<QByteArray> before = {};
    // Trashed: the file was in the way of a copy, not one the action meant to delete.
    bool replaced = false;
};

// One action: its changes in the order made, and the category names around it.
struct UndoEntry {
    UndoScope scope;
    std::vector<UndoStep> steps;
    std::array<QString, kCategoryCount> captionsBefore;
    std::array<QString, kCategoryCount> captionsAfter;
};

// The file system the actions work through, under the Programs guard (so a refused original is
// never a question for the user). Between begin() and end() it keeps every change in
// the action's entry, in order, and deletes nothing for good without asking: a deleted file,
// or one a copy would replace, goes to the desktop's trash; one the trash cannot take is
// deleted only when `deleteForGood` agrees (asked once per action; No keeps the file and the
// operation fails). A rename that undoes the one just before it (a folder renamed away and
// back) leaves no step. Outside an action everything passes straight through.
class UndoJournal final : public FileSystem {
public:
    using DeleteForGoodQuestion = std::function<bool(const QString& path)>;

    explicit UndoJournal(FileSystem& inner)
        : inner_(inner) {}

    // Without a question nothing is deleted for good.
    void setDeleteForGoodQuestion(DeleteForGoodQuestion question) {
        deleteForGood_ = std::move(question);
    }

    void begin(UndoScope scope, const std::array<QString, kCategoryCount>& captionsBefore);
    // Keeps the entry when the action changed something on disk or a category name. An action
    // that deleted a file for good can never be taken back: it keeps no entry, and the earlier
    // entries of its scope go with it.
    void end(const std::array<QString, kCategoryCount>& captionsAfter);
    bool recording() const { return open_.has_value(); }
    UndoEntry* openEntry() { return open_ ? &*open_ : nullptr; }

    const std::vector<UndoEntry>& entries() const { return entries_; }
    // The last entry of that scope, or nothing.
    UndoEntry* lastEntry(UndoScope scope);
    void dropEntry(const UndoEntry* entry);
    // An action recorded by another run of the program (a tidy without a window) becomes the
    // last one of its scope.
    void adoptEntry(UndoEntry entry) { entries_.push_back(std::move(entry)); }
    // The ended move's steps now belong to the Modify panel.
    void moveScope(UndoScope from, UndoScope to);

    std::optional<Listing> listFolder(const QString& folder) override;
    std::optional<FolderContent> folderContent(const QString& folder) override;
    bool folderExists(const QString& path) override;
    bool fileExists(const QString& path) override;
    bool createFolder(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool rename(const QString& from, const QString& to) override;
    bool copyFile(const QString& from, const QString& to) override;
    bool deleteFile(const QString& path) override;
    int removeLeftoverTemporaries(const QString& folder) override;
    std::optional<TrashedFile> moveToTrash(const QString& path) override;
    bool restoreFromTrash(const TrashedFile& file) override;
    std::optional<QByteArray> readFile(const QString& path,
                                       qsizetype maxBytes = kMaxDataFileBytes) override;
    bool writeFile(const QString& path, const QByteArray& content) override;
    std::optional<FileId> identity(const QString& path) override;

private:
    enum class Removal { Trashed, MayDeleteForGood, Kept };
    // Puts the file in the trash and records it, or says whether it may be deleted for good.
    Removal trash(const QString& path);
    bool mayDeleteForGood(const QString& path);
    void record(UndoStep step) { open_->steps.push_back(std::move(step)); }
    // The path of an existing folder as the disk spells its last name.
    QString diskSpelling(const QString& path);

    FileSystem& inner_;
    DeleteForGoodQuestion deleteForGood_;
    std::vector<UndoEntry> entries_;
    std::optional<UndoEntry> open_;
    // The user's answer for this action, once asked.
    std::optional<bool> forGoodAnswer_;
};

// The digest an undo compares a file's content by.
QByteArray contentDigest(const QByteArray& content);

} // namespace tvn
