#include "platform/ProgramFolderLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tvn {

ProgramFolderLock::ProgramFolderLock(const QString& programFolder)
    : lock_(std::make_unique<QLockFile>(lockPath(programFolder))) {
    // Never stale by age: only a lock whose program is gone is taken over.
    lock_->setStaleLockTime(0);
}

QString ProgramFolderLock::lockPath(const QString& programFolder) {
    // The same folder however it was reached.
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(programFolder).absolutePath());
#ifdef _WIN32
    folder = folder.toLower();
#endif
    // Each user's own: another user's lock on a shared temporary folder must not stand in the
    // way.
    const QByteArray key = (QDir::homePath() + u'\n' + folder).toUtf8();
    const QByteArray digest =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QDir::tempPath() + QStringLiteral("/torvane-") + QString::fromLatin1(digest) +
           QStringLiteral(".lock");
}

bool ProgramFolderLock::acquire() {
    if (lock_->tryLock(0))
        return true;
    return lock_->error() != QLockFile::LockFailedError;
}

} // namespace tvn
