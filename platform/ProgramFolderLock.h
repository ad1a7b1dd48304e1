#pragma once

#include <memory>
#include <QLockFile>
#include <QString>

namespace tvn {

// One running program per program folder: two would each write Config.tvn and Custom.tvn over
// the other's changes. The lock lies in the temporary folder, named after the user and the
// program folder, so the program folder holds only the user's files; a lock left by a program
// that was killed is taken over.
class ProgramFolderLock {
public:
    explicit ProgramFolderLock(const QString& programFolder);
    ~ProgramFolderLock();
    ProgramFolderLock(const ProgramFolderLock&) = delete;
    ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

    // False only when another running program holds the folder. A lock that cannot be made at
    // all (no writable temporary folder) lets the program run: it would refuse a user for a
    // reason that has nothing to do with them.
    bool acquire();

    // Where the lock of that program folder lies.
    static QString lockPath(const QString& programFolder);

private:
    bool takeOverLeftLock();

    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tvn
