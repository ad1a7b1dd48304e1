#pragma once

#include <QString>

namespace tvn {

// One running program per program folder: two would each write Config.tvn and Custom.tvn over
// the other's changes. The lock belongs to the folder on disk itself, however it is spelt and
// whatever the environment (another temporary folder, another home) says; the system drops it
// when the program ends, killed or not, so no record is ever left behind.
class ProgramFolderLock {
public:
    explicit ProgramFolderLock(const QString& programFolder);
    ~ProgramFolderLock();
    ProgramFolderLock(const ProgramFolderLock&) = delete;
    ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

    // False only when another program (or another lock of this one) holds the folder. A lock
    // that cannot be taken at all (a folder that cannot be opened) lets the program run: it would
    // refuse a user for a reason that has nothing to do with them.
    bool acquire();
    // The same for a tidy without a window, which also marks the lock as a tidy's: the window
    // waits for a tidy to end instead of refusing to start.
    bool acquireForTidy();
    // Gives the folder back before the end of the program.
    void release();
    // Another program holds the folder for a tidy.
    bool heldByTidy() const;

private:
    QString folder_;
#ifdef _WIN32
    void* mutex_ = nullptr;
    void* tidyMutex_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

} // namespace tvn
