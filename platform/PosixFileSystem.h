#pragma once

#include "platform/FileSystem.h"

namespace tvn {

// The Linux file system with the Windows semantics the program expects (see FileSystem):
// names resolved ignoring letter case, hidden and system files recognised by a leading dot or
// by the DOS attributes Wine and Samba keep in `user.DOSATTRIB`, listings that never descend
// into links, renames that never replace, copies and writes through a temporary file.
class PosixFileSystem final : public FileSystem {
public:
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
};

} // namespace tvn
