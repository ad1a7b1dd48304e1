#pragma once

#include "platform/FileSystem.h"

namespace tvn {

// Forwards to the system's file system and records each failure with the system's reason as
// the last failure (FailureCause.h), so that an error report can say what went wrong. The
// answers of folderExists, fileExists and identity are not failures.
class FailureRecordingFileSystem final : public FileSystem {
public:
    explicit FailureRecordingFileSystem(FileSystem& inner)
        : inner_(inner) {}

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
    FileSystem& inner_;
};

} // namespace tvn
