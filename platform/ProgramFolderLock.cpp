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

// A named mutex of the user's session, named after the folder: the system closes it with the
// last process that holds it.
ProgramFolderLock::~ProgramFolderLock() {
    if (mutex_)
        CloseHandle(static_cast<HANDLE>(mutex_));
}

bool ProgramFolderLock::acquire() {
    if (mutex_)
        return true;
    const QByteArray digest =
        QCryptographicHash::hash(folder_.toLower().toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString name = QStringLiteral("Local\\torvane-") + QString::fromLatin1(digest.left(32));
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
    if (descriptor_ >= 0)
        ::close(descriptor_);
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
