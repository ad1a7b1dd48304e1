#include "platform/FailureRecordingFileSystem.h"

#include "platform/FailureCause.h"

namespace tvn {

namespace {

// Runs the operation with the system's error cleared, so that a failure the implementation
// found by itself (a target that exists, a folder that is not empty) is not blamed on an
// older error.
template <typename Operation>
auto recorded(const char* name, const QString& path, const QString& target, Operation operation) {
    clearSystemError();
    auto result = operation();
    if (!result) {
        QString reason = systemErrorText();
        const FailureKind kind = systemErrorKind();
        if (reason.isEmpty())
            reason = QStringLiteral("refused by the file system");
        recordFailure({QString::fromLatin1(name), path, target, reason, false, kind});
    }
    return result;
}

} // namespace

std::optional<FileSystem::Listing> FailureRecordingFileSystem::listFolder(const QString& folder) {
    return recorded("list folder", folder, {}, [&] { return inner_.listFolder(folder); });
}

std::optional<FileSystem::FolderContent>
FailureRecordingFileSystem::folderContent(const QString& folder) {
    return recorded("list folder", folder, {}, [&] { return inner_.folderContent(folder); });
}

bool FailureRecordingFileSystem::folderExists(const QString& path) {
    return inner_.folderExists(path);
}

bool FailureRecordingFileSystem::fileExists(const QString& path) {
    return inner_.fileExists(path);
}

bool FailureRecordingFileSystem::createFolder(const QString& path) {
    return recorded("create folder", path, {}, [&] { return inner_.createFolder(path); });
}

bool FailureRecordingFileSystem::removeFolder(const QString& path) {
    return recorded("remove folder", path, {}, [&] { return inner_.removeFolder(path); });
}

bool FailureRecordingFileSystem::rename(const QString& from, const QString& to) {
    return recorded("rename", from, to, [&] { return inner_.rename(from, to); });
}

bool FailureRecordingFileSystem::copyFile(const QString& from, const QString& to) {
    return recorded("copy", from, to, [&] { return inner_.copyFile(from, to); });
}

bool FailureRecordingFileSystem::deleteFile(const QString& path) {
    return recorded("delete", path, {}, [&] { return inner_.deleteFile(path); });
}

int FailureRecordingFileSystem::removeLeftoverTemporaries(const QString& folder) {
    return inner_.removeLeftoverTemporaries(folder);
}

std::optional<FileSystem::TrashedFile>
FailureRecordingFileSystem::moveToTrash(const QString& path) {
    return recorded("move to trash", path, {}, [&] { return inner_.moveToTrash(path); });
}

bool FailureRecordingFileSystem::restoreFromTrash(const TrashedFile& file) {
    return recorded("restore from trash", file.trashed, file.original,
                    [&] { return inner_.restoreFromTrash(file); });
}

std::optional<QByteArray> FailureRecordingFileSystem::readFile(const QString& path,
                                                               qsizetype maxBytes) {
    return recorded("read", path, {}, [&] { return inner_.readFile(path, maxBytes); });
}

bool FailureRecordingFileSystem::writeFile(const QString& path, const QByteArray& content) {
    return recorded("write", path, {}, [&] { return inner_.writeFile(path, content); });
}

std::optional<FileId> FailureRecordingFileSystem::identity(const QString& path) {
    return inner_.identity(path);
}

} // namespace tvn
