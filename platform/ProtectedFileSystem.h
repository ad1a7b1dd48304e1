#pragma once

#include "platform/FileSystem.h"

#include <vector>

namespace tvn {

// Guards folder trees (the Programs folders, whose shortcuts are the user's originals) over
// another file system: every delete, rename, folder creation or removal, copy and write whose
// path lies inside a tree is refused, and so is renaming or removing such a folder itself or a
// folder that holds it. Paths are judged by the objects on disk, so no spelling, letter case,
// ".." or link that reaches a tree gets through. Reads and listings pass through.
class ProtectedFileSystem final : public FileSystem {
public:
    explicit ProtectedFileSystem(FileSystem& inner)
        : inner_(inner) {}

    // Replaces the guarded trees with these; empty paths protect nothing.
    void setProtectedFolders(const QStringList& paths);
    void setProtectedFolder(const QString& path) { setProtectedFolders({path}); }

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
    struct Tree {
        QString path;
        // The folders from the tree's own up to the root; empty while it does not exist.
        std::vector<FileId> chain;
    };
    using Trees = std::vector<const Tree*>;

    const std::vector<FileId>& chainOf(Tree& tree);
    // The guarded trees that exist now.
    Trees existingTrees();
    // The entry, a folder or a file, is or holds a protected folder or lies inside one.
    bool guarded(const QString& path);
    // The same for an entry that a file operation acts on: only its folder decides.
    bool guardedFile(const QString& path);
    static bool spelt(const Trees& trees, const QString& path);
    bool isChainFolder(const Trees& trees, const QString& path);
    bool liesInside(const Trees& trees, QString folder);
    // Records why the operation is refused and returns its result: false.
    static bool refuse(const char* operation, const QString& path, const QString& target = {});

    FileSystem& inner_;
    std::vector<Tree> trees_;
};

} // namespace tvn
