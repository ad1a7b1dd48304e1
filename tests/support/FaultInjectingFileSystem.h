#pragma once

#include "platform/FileSystem.h"

#include <functional>
#include <iosfwd>
#include <vector>

namespace tvn::test {

// A file system for tests that forwards to a real one, records every operation in order and
// fails the operations it is told to fail without performing them (a failed copy therefore
// leaves nothing behind, not even a half file), recording each as the last failure.
class FaultInjectingFileSystem final : public FileSystem {
public:
    enum class Kind {
        ListFolder,
        FolderContent,
        FolderExists,
        FileExists,
        CreateFolder,
        RemoveFolder,
        Rename,
        CopyFile,
        DeleteFile,
        MoveToTrash,
        RestoreFromTrash,
        ReadFile,
        WriteFile,
        Identity,
    };

    struct Operation {
        Kind kind;
        QString path;
        QString target; // the second path of a rename or copy
        bool failed = false;

        bool isMutation() const;
        friend bool operator==(const Operation&, const Operation&) = default;
    };

    enum class Counting { Mutations, AllOperations };
    using Predicate = std::function<bool(const Operation&)>;

    explicit FaultInjectingFileSystem(FileSystem& real)
        : real_(real) {}

    // Fails the n-th operation from now (1 = the next one), counting only the operations that
    // change the disk or all of them.
    void failNth(int n, Counting counting = Counting::Mutations);
    // Fails every operation the predicate accepts, until clearFaults().
    void failWhen(Predicate predicate);
    void clearFaults();

    const std::vector<Operation>& operations() const { return operations_; }
    std::vector<Operation> mutations() const;
    void clearLog() { operations_.clear(); }

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
    // Records the operation; true when it must fail instead of running.
    bool fails(Kind kind, const QString& path, const QString& target = {});

    FileSystem& real_;
    std::vector<Operation> operations_;
    int countdown_ = 0;
    Counting counting_ = Counting::Mutations;
    Predicate predicate_;
};

// Readable operations in test failure messages.
void PrintTo(const FaultInjectingFileSystem::Operation& operation, std::ostream* out);

} // namespace tvn::test
