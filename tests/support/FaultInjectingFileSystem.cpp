#include "tests/support/FaultInjectingFileSystem.h"

#include "platform/FailureCause.h"

#include <ostream>

namespace tvn::test {

namespace {

using Kind = FaultInjectingFileSystem::Kind;

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::ListFolder:
        return "listFolder";
    case Kind::FolderContent:
        return "folderContent";
    case Kind::FolderExists:
        return "folderExists";
    case Kind::FileExists:
        return "fileExists";
    case Kind::CreateFolder:
        return "createFolder";
    case Kind::RemoveFolder:
        return "removeFolder";
    case Kind::Rename:
        return "rename";
    case Kind::CopyFile:
        return "copyFile";
    case Kind::DeleteFile:
        return "deleteFile";
    case Kind::MoveToTrash:
        return "moveToTrash";
    case Kind::RestoreFromTrash:
        return "restoreFromTrash";
    case Kind::ReadFile:
        return "readFile";
    case Kind::WriteFile:
        return "writeFile";
    case Kind::Identity:
        return "identity";
    }
    return "?";
}

} // namespace

bool FaultInjectingFileSystem::Operation::isMutation() const {
    switch (kind) {
    case Kind::CreateFolder:
    case Kind::RemoveFolder:
    case Kind::Rename:
    case Kind::CopyFile:
    case Kind::DeleteFile:
    case Kind::MoveToTrash:
    case Kind::RestoreFromTrash:
    case Kind::WriteFile:
        return true;
    default:
        return false;
    }
}

void PrintTo(const FaultInjectingFileSystem::Operation& operation, std::ostream* out) {
    *out << kindName(operation.kind) << "(" << operation.path.toStdString();
    if (!operation.target.isEmpty())
        *out << ", " << operation.target.toStdString();
    *out << ")" << (operation.failed ? " failed" : "");
}

void FaultInjectingFileSystem::failNth(int n, Counting counting) {
    countdown_ = n;
    counting_ = counting;
}

void FaultInjectingFileSystem::failWhen(Predicate predicate) {
    predicate_ = std::move(predicate);
}

void FaultInjectingFileSystem::clearFaults() {
    countdown_ = 0;
    predicate_ = nullptr;
}

std::vector<FaultInjectingFileSystem::Operation> FaultInjectingFileSystem::mutations() const {
    std::vector<Operation> result;
    for (const Operation& operation : operations_)
        if (operation.isMutation())
            result.push_back(operation);
    return result;
}

bool FaultInjectingFileSystem::fails(Kind kind, const QString& path, const QString& target) {
    Operation operation{kind, path, target};
    bool fail = predicate_ && predicate_(operation);
    if (countdown_ > 0 && (counting_ == Counting::AllOperations || operation.isMutation()))
        fail = --countdown_ == 0 || fail;
    operation.failed = fail;
    operations_.push_back(operation);
    // As the system's file system does, say why.
    if (fail)
        recordFailure({QString::fromLatin1(kindName(kind)), path, target,
                       QStringLiteral("injected failure")});
    return fail;
}

std::optional<FileSystem::Listing> FaultInjectingFileSystem::listFolder(const QString& folder) {
    if (fails(Kind::ListFolder, folder))
        return std::nullopt;
    return real_.listFolder(folder);
}

std::optional<FileSystem::FolderContent>
FaultInjectingFileSystem::folderContent(const QString& folder) {
    if (fails(Kind::FolderContent, folder))
        return std::nullopt;
    return real_.folderContent(folder);
}

bool FaultInjectingFileSystem::folderExists(const QString& path) {
    return !fails(Kind::FolderExists, path) && real_.folderExists(path);
}

bool FaultInjectingFileSystem::fileExists(const QString& path) {
    return !fails(Kind::FileExists, path) && real_.fileExists(path);
}

bool FaultInjectingFileSystem::createFolder(const QString& path) {
    return !fails(Kind::CreateFolder, path) && real_.createFolder(path);
}

bool FaultInjectingFileSystem::removeFolder(const QString& path) {
    return !fails(Kind::RemoveFolder, path) && real_.removeFolder(path);
}

bool FaultInjectingFileSystem::rename(const QString& from, const QString& to) {
    return !fails(Kind::Rename, from, to) && real_.rename(from, to);
}

bool FaultInjectingFileSystem::copyFile(const QString& from, const QString& to) {
    return !fails(Kind::CopyFile, from, to) && real_.copyFile(from, to);
}

bool FaultInjectingFileSystem::deleteFile(const QString& path) {
    return !fails(Kind::DeleteFile, path) && real_.deleteFile(path);
}

int FaultInjectingFileSystem::removeLeftoverTemporaries(const QString& folder) {
    return real_.removeLeftoverTemporaries(folder);
}

std::optional<FileSystem::TrashedFile> FaultInjectingFileSystem::moveToTrash(const QString& path) {
    if (fails(Kind::MoveToTrash, path))
        return std::nullopt;
    return real_.moveToTrash(path);
}

bool FaultInjectingFileSystem::restoreFromTrash(const TrashedFile& file) {
    return !fails(Kind::RestoreFromTrash, file.trashed, file.original) &&
           real_.restoreFromTrash(file);
}

std::optional<QByteArray> FaultInjectingFileSystem::readFile(const QString& path,
                                                             qsizetype maxBytes) {
    if (fails(Kind::ReadFile, path))
        return std::nullopt;
    return real_.readFile(path, maxBytes);
}

bool FaultInjectingFileSystem::writeFile(const QString& path, const QByteArray& content) {
    return !fails(Kind::WriteFile, path) && real_.writeFile(path, content);
}

std::optional<FileId> FaultInjectingFileSystem::identity(const QString& path) {
    if (fails(Kind::Identity, path))
        return std::nullopt;
    return real_.identity(path);
}

} // namespace tvn::test
