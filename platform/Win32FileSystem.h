#pragma once

#include "platform/FileSystem.h"

namespace tvn {

// The Windows file system through the wide-character Win32 functions. Windows itself matches
// names without regard to letter case and never lets a rename replace its target; this adds
// the rest of what the program expects (see FileSystem): listings in name order without hidden
// and system files that never descend into reparse points (junctions, links), and copies and
// writes through a temporary file beside the target.
class Win32FileSystem final : public FileSystem {
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
