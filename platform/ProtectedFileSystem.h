#pragma once

#include "FileSystem.h"

#include <vector>

namespace tvn {

// Guards one folder tree (the Programs folder, whose shortcuts are the user's originals) over
// another file system: every delete, rename, folder creation or removal, copy and write whose
// path lies inside the tree is refused, and so is renaming or removing the folder itself or a
// folder that holds it. Paths are judged by the objects on disk, so no spelling, letter case,
// ".." or link that reaches the tree gets through. Reads and listings pass through.
class ProtectedFileSystem final : public FileSystem {
public:
    explicit ProtectedFileSystem(FileSystem& inner)
        : inner_(inner) {}

    // An empty path protects nothing.
    void setProtectedFolder(const QString& path);

    std::optional<Listing> listFolder(const QString& folder) override;
    bool folderExists(const QString& path) override;
    bool fileExists(const QString& path) override;
    bool createFolder(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool rename(const QString& from, const QString& to) override;
    bool copyFile(const QString& from, const QString& to) override;
    bool deleteFile(const QString& path) override;
    std::optional<QByteArray> readFile(const QString& path,
                                       qsizetype maxBytes = kMaxDataFileBytes) override;
    bool writeFile(const QString& path, const QByteArray& content) override;
    std::optional<FileId> identity(const QString& path) override;

private:
    // The folders from the protected one up to the root; empty while it does not exist.
    const std::vector<FileId>& protectedChain();
    bool guarded(const QString& path);
    bool guardedAsSpelt(const QString& path) const;
    // Records why the operation is refused and returns its result: false.
    static bool refuse(const char* operation, const QString& path, const QString& target = {});

    FileSystem& inner_;
    QString protectedPath_;
    std::vector<FileId> chain_;
};

} // namespace tvn
