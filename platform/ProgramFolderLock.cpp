#include "platform/ProgramFolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <QCryptographicHash>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tvn {

namespace {

// The same folder however it was reached.
QString canonicalFolder(const QString& programFolder) {
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(QDir(programFolder).absolutePath()) : folder;
}

} // namespace

ProgramFolderLock::ProgramFolderLock(const QString& programFolder)
    : folder_(canonicalFolder(programFolder)) {}

#ifdef _WIN32

namespace {

// A named mutex of the user's session, named after the folder: the system closes it with the
// last process that holds it.
QString mutexName(const QString& folder, const char* kind) {
    const QByteArray digest =
        QCryptographicHash::hash(folder.toLower().toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("Local\\torvane-") + QLatin1String(kind) +
           QString::fromLatin1(digest.left(32));
}

} // namespace

ProgramFolderLock::~ProgramFolderLock() {
    release();
}

void ProgramFolderLock::release() {
    if (tidyMutex_)
        CloseHandle(static_cast<HANDLE>(tidyMutex_));
    if (mutex_)
        CloseHandle(static_cast<HANDLE>(mutex_));
    tidyMutex_ = nullptr;
    mutex_ = nullptr;
}

bool ProgramFolderLock::acquireForTidy() {
    // The mark comes first: the window then never sees the folder held by anything else.
    if (!tidyMutex_) {
        const QString name = mutexName(folder_, "tidy-");
        tidyMutex_ = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(name.utf16()));
    }
    if (acquire())
        return true;
    if (tidyMutex_)
        CloseHandle(static_cast<HANDLE>(tidyMutex_));
    tidyMutex_ = nullptr;
    return false;
}

bool ProgramFolderLock::heldByTidy() const {
    const QString name = mutexName(folder_, "tidy-");
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, reinterpret_cast<const wchar_t*>(name.utf16()));
    if (!mutex)
        return false;
    CloseHandle(mutex);
    return true;
}

bool ProgramFolderLock::acquire() {
    if (mutex_)
        return true;
    const QString name = mutexName(folder_, "");
    HANDLE mutex = CreateMutexW(nullptr, TRUE, reinterpret_cast<const wchar_t*>(name.utf16()));
    if (!mutex)
        return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

#else

// An advisory lock on the folder itself: a read-only program folder can be locked too, and
// the kernel drops the lock with the process.
ProgramFolderLock::~ProgramFolderLock() {
    release();
}

void ProgramFolderLock::release() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

namespace {

// A tidy marks its lock with a record lock on the folder's first byte, which the folder lock
// (flock) does not see: the two kinds are independent on Linux.
struct flock tidyMark(short type) {
    struct flock mark = {};
    mark.l_type = type;
    mark.l_whence = SEEK_SET;
    mark.l_start = 0;
    mark.l_len = 1;
    return mark;
}

} // namespace

bool ProgramFolderLock::acquireForTidy() {
    if (!acquire())
        return false;
    if (descriptor_ >= 0) {
        struct flock mark = tidyMark(F_RDLCK);
        ::fcntl(descriptor_, F_OFD_SETLK, &mark);
    }
    return true;
}

bool ProgramFolderLock::heldByTidy() const {
    const int descriptor =
        ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct flock probe = tidyMark(F_WRLCK);
    const bool marked = ::fcntl(descriptor, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(descriptor);
    return marked;
}

bool ProgramFolderLock::acquire() {
    if (descriptor_ >= 0)
        return true;
    const int descriptor =
        ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(descriptor);
        return !held;
    }
    descriptor_ = descriptor;
    return true;
}

#endif

} // namespace tvn
