#pragma once

#include "FileSystem.h"

#include <QFile>

namespace tvn::test {

// Reads real files from the disk and records the whole-file writes instead of making them, so a
// test can fail a write and see what would have been written. The other operations are not
// used by the data-file code and fail.
class DiskReadFileSystem : public FileSystem {
public:
    bool failWrites = false;
    struct Write {
        QString path;
        QByteArray content;
    };
    std::vector<Write> writes;

    std::optional<QByteArray> readFile(const QString& path, qsizetype maxBytes) override {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.read(maxBytes);
    }
    bool writeFile(const QString& path, const QByteArray& content) override {
        writes.push_back({path, content});
        return !failWrites;
    }

    std::optional<Listing> listFolder(const QString&) override { return std::nullopt; }
    bool folderExists(const QString&) override { return false; }
    bool fileExists(const QString&) override { return false; }
    bool createFolder(const QString&) override { return false; }
    bool removeFolder(const QString&) override { return false; }
    bool rename(const QString&, const QString&) override { return false; }
    bool copyFile(const QString&, const QString&) override { return false; }
    bool deleteFile(const QString&) override { return false; }
    std::optional<FileId> identity(const QString&) override { return std::nullopt; }
};

} // namespace tvn::test
