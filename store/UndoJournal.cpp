#include "store/UndoJournal.h"

#include "platform/FailureCause.h"
#include "platform/Paths.h"

#include <algorithm>
#include <iterator>
#include <QCryptographicHash>

namespace tvn {

QByteArray contentDigest(const QByteArray& content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

void UndoJournal::begin(UndoScope scope,
                        const std::array<QString, kCategoryCount>& captionsBefore) {
    open_ = UndoEntry{scope, {}, captionsBefore, captionsBefore};
    forGoodAnswer_.reset();
}

void UndoJournal::end(const std::array<QString, kCategoryCount>& captionsAfter) {
    if (!open_)
        return;
    open_->captionsAfter = captionsAfter;
    const auto& steps = open_->steps;
    const bool irreversible = std::any_of(steps.begin(), steps.end(), [](const UndoStep& step) {
        return step.kind == UndoStep::Kind::DeletedForGood;
    });
    if (irreversible) {
        // What was deleted for good cannot come back, and the panel's earlier actions cannot be
        // reached past it: the panel offers no Undo until its next action.
        const UndoScope scope = open_->scope;
        std::erase_if(entries_, [scope](const UndoEntry& e) { return e.scope == scope; });
    } else if (!steps.empty() || open_->captionsBefore != captionsAfter) {
        entries_.push_back(std::move(*open_));
    }
    open_.reset();
}

UndoEntry* UndoJournal::lastEntry(UndoScope scope) {
    const auto found = std::find_if(entries_.rbegin(), entries_.rend(),
                                    [scope](const UndoEntry& e) { return e.scope == scope; });
    return found == entries_.rend() ? nullptr : &*found;
}

void UndoJournal::dropEntry(const UndoEntry* entry) {
    std::erase_if(entries_, [entry](const UndoEntry& e) { return &e == entry; });
}

void UndoJournal::moveScope(UndoScope from, UndoScope to) {
    for (UndoEntry& entry : entries_)
        if (entry.scope == from)
            entry.scope = to;
}

bool UndoJournal::mayDeleteForGood(const QString& path) {
    if (!forGoodAnswer_)
        forGoodAnswer_ = deleteForGood_ && deleteForGood_(path);
    if (!*forGoodAnswer_)
        recordFailure({QStringLiteral("delete"),
                       path,
                       {},
                       QStringLiteral("the trash cannot take it and the user kept it"),
                       true});
    return *forGoodAnswer_;
}

UndoJournal::Removal UndoJournal::trash(const QString& path) {
    if (const auto trashed = inner_.moveToTrash(path)) {
        record({UndoStep::Kind::Trashed,
                trashed->original,
                trashed->trashed,
                {},
                inner_.identity(trashed->trashed).value_or(FileId{})});
        return Removal::Trashed;
    }
    // A file that is gone is no question for the user.
    if (!inner_.fileExists(path))
        return Removal::Kept;
    return mayDeleteForGood(path) ? Removal::MayDeleteForGood : Removal::Kept;
}

std::optional<FileSystem::Listing> UndoJournal::listFolder(const QString& folder) {
    return inner_.listFolder(folder);
}

std::optional<FileSystem::FolderContent> UndoJournal::folderContent(const QString& folder) {
    return inner_.folderContent(folder);
}

bool UndoJournal::folderExists(const QString& path) {
    return inner_.folderExists(path);
}

bool UndoJournal::fileExists(const QString& path) {
    return inner_.fileExists(path);
}

bool UndoJournal::createFolder(const QString& path) {
    const bool created = inner_.createFolder(path);
    if (created && open_)
        record({UndoStep::Kind::FolderCreated, path});
    return created;
}

bool UndoJournal::removeFolder(const QString& path) {
    // Taken back, the folder comes back as the disk spelled it, not as the caller named it: a
    // category "Giochi" may live in a folder "giochi".
    const QString spelled = open_ ? diskSpelling(path) : path;
    const bool removed = inner_.removeFolder(path);
    if (!removed || !open_)
        return removed;
    // A folder this action made, and nothing since reached into, is as if never made.
    auto& steps = open_->steps;
    const auto created = std::find_if(steps.rbegin(), steps.rend(), [&](const UndoStep& step) {
        return step.kind == UndoStep::Kind::FolderCreated && step.path == path;
    });
    const QString inside = path + QChar(kPathSeparator);
    const auto reaches = [&](const QString& other) {
        return other == path || other.startsWith(inside);
    };
    const bool untouched =
        created != steps.rend() && std::none_of(steps.rbegin(), created, [&](const UndoStep& step) {
            return reaches(step.path) || reaches(step.target);
        });
    if (untouched)
        steps.erase(std::prev(created.base()));
    else
        record({UndoStep::Kind::FolderRemoved, spelled});
    return removed;
}

QString UndoJournal::diskSpelling(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QChar(kPathSeparator));
    const auto listing = cut > 0 ? inner_.listFolder(path.left(cut)) : std::nullopt;
    if (!listing)
        return path;
    if (listing->subfolders.contains(path))
        return path;
    for (const QString& folder : listing->subfolders)
        if (folder.compare(path, Qt::CaseInsensitive) == 0)
            return folder;
    return path;
}

bool UndoJournal::rename(const QString& from, const QString& to) {
    const bool renamed = inner_.rename(from, to);
    if (!renamed || !open_)
        return renamed;
    auto& steps = open_->steps;
    if (!steps.empty() && steps.back().kind == UndoStep::Kind::Renamed && steps.back().path == to &&
        steps.back().target == from)
        steps.pop_back();
    else
        record({UndoStep::Kind::Renamed, from, to});
    return renamed;
}

bool UndoJournal::copyFile(const QString& from, const QString& to) {
    if (!open_)
        return inner_.copyFile(from, to);
    const size_t stepsBefore = open_->steps.size();
    bool replacedForGood = false;
    if (inner_.fileExists(to)) {
        const Removal removal = trash(to);
        if (removal == Removal::Kept)
            return false;
        if (removal == Removal::Trashed)
            open_->steps.back().replaced = true;
        replacedForGood = removal == Removal::MayDeleteForGood;
    }
    if (!inner_.copyFile(from, to)) {
        // The file the copy was to replace goes back where it was.
        if (open_->steps.size() > stepsBefore) {
            const UndoStep trashed = open_->steps.back();
            if (inner_.restoreFromTrash({trashed.path, trashed.target}))
                open_->steps.pop_back();
        }
        return false;
    }
    if (replacedForGood)
        record({UndoStep::Kind::DeletedForGood, to});
    const auto content = inner_.readFile(to);
    record({UndoStep::Kind::CopyMade, to, {}, content ? contentDigest(*content) : QByteArray()});
    return true;
}

bool UndoJournal::deleteFile(const QString& path) {
    if (!open_)
        return inner_.deleteFile(path);
    // The copy this action has just made (and now takes back) held nothing of the user's: it
    // goes at once, with no trash and no question, and leaves no step.
    auto& steps = open_->steps;
    if (!steps.empty() && steps.back().kind == UndoStep::Kind::CopyMade &&
        steps.back().path == path) {
        if (!inner_.deleteFile(path))
            return false;
        steps.pop_back();
        return true;
    }
    // So does a file this action wrote where there was none (a note of its own progress), with
    // every later write of it.
    const auto created = std::find_if(steps.begin(), steps.end(), [&](const UndoStep& step) {
        return step.kind == UndoStep::Kind::FileWritten && step.path == path && !step.before;
    });
    if (created != steps.end()) {
        if (!inner_.deleteFile(path))
            return false;
        steps.erase(std::remove_if(created, steps.end(),
                                   [&](const UndoStep& step) {
                                       return step.kind == UndoStep::Kind::FileWritten &&
                                              step.path == path;
                                   }),
                    steps.end());
        return true;
    }
    switch (trash(path)) {
    case Removal::Trashed:
        return true;
    case Removal::Kept:
        return false;
    case Removal::MayDeleteForGood:
        break;
    }
    if (!inner_.deleteFile(path))
        return false;
    record({UndoStep::Kind::DeletedForGood, path});
    return true;
}

// A temporary file is the program's own half-written work, never the user's: nothing to undo.
int UndoJournal::removeLeftoverTemporaries(const QString& folder) {
    return inner_.removeLeftoverTemporaries(folder);
}

std::optional<FileSystem::TrashedFile> UndoJournal::moveToTrash(const QString& path) {
    return inner_.moveToTrash(path);
}

bool UndoJournal::restoreFromTrash(const TrashedFile& file) {
    return inner_.restoreFromTrash(file);
}

std::optional<QByteArray> UndoJournal::readFile(const QString& path, qsizetype maxBytes) {
    return inner_.readFile(path, maxBytes);
}

bool UndoJournal::writeFile(const QString& path, const QByteArray& content) {
    if (!open_)
        return inner_.writeFile(path, content);
    std::optional<QByteArray> before;
    const bool existed = inner_.fileExists(path);
    if (existed)
        before = inner_.readFile(path);
    if (!inner_.writeFile(path, content))
        return false;
    if (existed && !before)
        record({UndoStep::Kind::DeletedForGood, path});
    else
        record({UndoStep::Kind::FileWritten, path, {}, contentDigest(content), {}, before});
    return true;
}

std::optional<FileId> UndoJournal::identity(const QString& path) {
    return inner_.identity(path);
}

} // namespace tvn
