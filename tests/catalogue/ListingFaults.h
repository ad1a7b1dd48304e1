#pragma once

#include "FileSystem.h"

#include <QSet>

namespace tvn::test {

// The real file system, except that the folders named in `unlistable` cannot be listed: a
// folder the walk can see but not read, which permission bits cannot give a test run as root.
class ListingFaults final : public FileSystem {
public:
    explicit ListingFaults(FileSystem& inner)
        : inner_(inner) {}

    QSet<QString> unlistable;

    std::optional<Listing> listFolder(const QString& folder) override {
        if (unlistable.contains(folder))
            return std::nullopt;
        return inner_.listFolder(folder);
    }
    bool folderExists(const QString& path) override { return inner_.folderExists(path); }
    bool fileExists(const QString& path) override { return inner_.fileExists(path); }
    bool createFolder(const QString& path) override { return inner_.createFolder(path); }
    bool removeFolder(const QString& path) override { return inner_.removeFolder(path); }
    bool rename(const QString& from, const QString& to) override { return inner_.rename(from, to); }
    bool copyFile(const QString& from, const QString& to) override {
        return inner_.copyFile(from, to);
    }
    bool deleteFile(const QString& path) override { return inner_.deleteFile(path); }
    std::optional<QByteArray> readFile(const QString& path, qsizetype maxBytes) override {
        return inner_.readFile(path, maxBytes);
    }
    bool writeFile(const QString& path, const QByteArray& content) override {
        return inner_.writeFile(path, content);
    }
    std::optional<FileId> identity(const QString& path) override { return inner_.identity(path); }

private:
    FileSystem& inner_;
};

} // namespace tvn::test
