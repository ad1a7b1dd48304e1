#pragma once

#include "platform/FileSystem.h"

#include <map>

namespace tvn::fuzz {

// The files a fuzz target reads and writes, kept in memory: every run starts from the same
// state and costs no disk access. Folders and shortcuts do not exist here.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<QString, QByteArray> files;

    std::optional<Listing> listFolder(const QString&) override { return std::nullopt; }
    std::optional<FolderContent> folderContent(const QString&) override { return std::nullopt; }
    bool folderExists(const QString&) override { return false; }
    bool fileExists(const QString& path) override { return files.count(path) != 0; }
    bool createFolder(const QString&) override { return false; }
    bool removeFolder(const QString&) override { return false; }
    bool rename(const QString&, const QString&) override { return false; }
    bool copyFile(const QString&, const QString&) override { return false; }
    bool deleteFile(const QString& path) override { return files.erase(path) != 0; }
    int removeLeftoverTemporaries(const QString&) override { return 0; }
    std::optional<TrashedFile> moveToTrash(const QString&) override { return std::nullopt; }
    bool restoreFromTrash(const TrashedFile&) override { return false; }
    std::optional<QByteArray> readFile(const QString& path, qsizetype maxBytes) override {
        auto file = files.find(path);
        if (file == files.end())
            return std::nullopt;
        return file->second.left(maxBytes);
    }
    bool writeFile(const QString& path, const QByteArray& content) override {
        files[path] = content;
        return true;
    }
    std::optional<FileId> identity(const QString&) override { return std::nullopt; }
};

} // namespace tvn::fuzz
