#include "store/Undo.h"

#include "catalogue/CatalogueList.h"
#include "platform/FileSystem.h"

#include <map>

namespace tvn {

namespace {

using Kind = UndoStep::Kind;
using Captions = std::array<QString, kCategoryCount>;

Captions captionsOf(const Tvn& tvn) {
    Captions captions;
    for (int k = 0; k < kCategoryCount; ++k)
        captions[static_cast<size_t>(k)] = tvn.window.categoryCaption(k);
    return captions;
}

// The disk as it will be after the steps checked so far are taken back: what they change is
// kept here, everything else is asked of the disk. Names are told apart as the disk tells them.
class ProjectedDisk {
public:
    enum class Entry { Absent, File, Folder };

    explicit ProjectedDisk(FileSystem& fs)
        : fs_(fs) {}

    Entry at(const QString& path) {
        const auto changed = changed_.find(caseFoldedName(path));
        if (changed != changed_.end())
            return changed->second;
        if (fs_.fileExists(path))
            return Entry::File;
        return fs_.folderExists(path) ? Entry::Folder : Entry::Absent;
    }
    // The file lies there as the action left it: not rewritten by an earlier step taken back.
    bool untouched(const QString& path) const { return !changed_.count(caseFoldedName(path)); }
    void set(const QString& path, Entry entry) { changed_[caseFoldedName(path)] = entry; }

private:
    FileSystem& fs_;
    std::map<QString, Entry> changed_;
};

bool sameContent(FileSystem& fs, const QString& path, const QByteArray& digest) {
    const auto content = fs.readFile(path);
    return content && !digest.isEmpty() && contentDigest(*content) == digest;
}

struct Blocker {
    QString path;
    UndoOutcome::Reason reason = UndoOutcome::Reason::Changed;
};

// Checks that the step can be taken back once the later steps are, and projects its undoing.
// Returns what stands in the way, or nothing.
std::optional<Blocker> blocker(FileSystem& fs, ProjectedDisk& disk, const UndoStep& step) {
    using Entry = ProjectedDisk::Entry;
    switch (step.kind) {
    case Kind::FolderCreated:
        if (disk.at(step.path) != Entry::Folder)
            return Blocker{step.path};
        disk.set(step.path, Entry::Absent);
        return std::nullopt;
    case Kind::FolderRemoved:
        if (disk.at(step.path) == Entry::File)
            return Blocker{step.path};
        disk.set(step.path, Entry::Folder);
        return std::nullopt;
    case Kind::Renamed: {
        const Entry moved = disk.at(step.target);
        if (moved == Entry::Absent)
            return Blocker{step.target};
        if (caseFoldedName(step.path) != caseFoldedName(step.target)) {
            if (disk.at(step.path) != Entry::Absent)
                return Blocker{step.path};
            disk.set(step.target, Entry::Absent);
        }
        disk.set(step.path, moved);
        return std::nullopt;
    }
    case Kind::CopyMade:
    case Kind::FileWritten:
        if (disk.at(step.path) != Entry::File ||
            (disk.untouched(step.path) && !sameContent(fs, step.path, step.digest)))
            return Blocker{step.path};
        disk.set(step.path,
                 step.kind == Kind::CopyMade || !step.before ? Entry::Absent : Entry::File);
        return std::nullopt;
    case Kind::Trashed:
        // Emptied from the trash, or restored from it by hand.
        if (fs.identity(step.target) != step.id)
            return Blocker{step.path, UndoOutcome::Reason::GoneFromTrash};
        if (disk.at(step.path) != Entry::Absent)
            return Blocker{step.path};
        disk.set(step.path, Entry::File);
        return std::nullopt;
    case Kind::DeletedForGood:
        return Blocker{step.path};
    }
    return Blocker{step.path};
}

bool takeBack(FileSystem& fs, const UndoStep& step) {
    switch (step.kind) {
    case Kind::FolderCreated: {
        // A folder that holds something the action did not put there stays, with it.
        const auto content = fs.folderContent(step.path);
        return content &&
               (*content != FileSystem::FolderContent::Empty || fs.removeFolder(step.path));
    }
    case Kind::FolderRemoved:
        return fs.folderExists(step.path) || fs.createFolder(step.path);
    case Kind::Renamed:
        return fs.rename(step.target, step.path);
    case Kind::CopyMade:
        return fs.deleteFile(step.path);
    case Kind::FileWritten:
        return step.before ? fs.writeFile(step.path, *step.before) : fs.deleteFile(step.path);
    case Kind::Trashed:
        return fs.restoreFromTrash({step.path, step.target});
    case Kind::DeletedForGood:
        return false;
    }
    return false;
}

} // namespace

void recordUndoable(Tvn& tvn, UndoJournal& journal, UndoScope scope,
                    const std::function<void()>& action) {
    journal.begin(scope, captionsOf(tvn));
    action();
    journal.end(captionsOf(tvn));
}

UndoOutcome undoLastAction(Tvn& tvn, UndoJournal& journal, UndoScope scope) {
    UndoEntry* entry = journal.lastEntry(scope);
    if (!entry)
        return {UndoOutcome::Result::Nothing};
    auto& steps = entry->steps;

    // A category renamed since (or given its default names by the settings) is not the one
    // the action named.
    const Captions now = captionsOf(tvn);
    for (size_t k = 0; k < now.size(); ++k)
        if (entry->captionsBefore[k] != entry->captionsAfter[k] &&
            now[k] != entry->captionsAfter[k]) {
            const QString name = entry->captionsAfter[k];
            journal.dropEntry(entry);
            return {UndoOutcome::Result::Outdated, name};
        }
    ProjectedDisk disk(tvn.fs);
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (const auto found = blocker(tvn.fs, disk, *step)) {
            journal.dropEntry(entry);
            return {UndoOutcome::Result::Outdated, found->path, found->reason};
        }

    UndoOutcome outcome{UndoOutcome::Result::Undone};
    while (!steps.empty()) {
        const UndoStep& step = steps.back();
        if (!takeBack(tvn.fs, step)) {
            outcome.result = UndoOutcome::Result::Failed;
            return outcome;
        }
        if (step.kind == Kind::Trashed && !step.replaced)
            outcome.restored.append(step.path);
        steps.pop_back();
    }
    for (int k = 0; k < kCategoryCount; ++k)
        tvn.window.setCategoryCaption(k, entry->captionsBefore[static_cast<size_t>(k)]);
    journal.dropEntry(entry);
    return outcome;
}

} // namespace tvn
