#include "platform/ProgramFolderLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSysInfo>

namespace tvn {

namespace {

// The locks this process holds, by path.
QSet<QString>& heldHere() {
    static QSet<QString> paths;
    return paths;
}

} // namespace

ProgramFolderLock::ProgramFolderLock(const QString& programFolder)
    : path_(lockPath(programFolder))
    , lock_(std::make_unique<QLockFile>(path_)) {
    // Never stale by age: only a lock whose program is gone is taken over.
    lock_->setStaleLockTime(0);
}

ProgramFolderLock::~ProgramFolderLock() {
    if (lock_->isLocked())
        heldHere().remove(path_);
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
    if (lock_->tryLock(0) || (lock_->error() == QLockFile::LockFailedError && takeOverLeftLock())) {
        heldHere().insert(path_);
        return true;
    }
    return lock_->error() != QLockFile::LockFailedError;
}

// Wine soon gives a new process the number a killed one had, so a lock left by a killed
// program looks held by a live one: this very process. A lock in this process's name that it does
// not hold was left behind. (On Windows Qt writes the computer's name in capitals.)
bool ProgramFolderLock::takeOverLeftLock() {
    qint64 pid = 0;
    QString hostName;
    QString application;
    if (heldHere().contains(path_) || !lock_->getLockInfo(&pid, &hostName, &application) ||
        pid != QCoreApplication::applicationPid() ||
        hostName.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) != 0)
        return false;
    return lock_->removeStaleLockFile() && lock_->tryLock(0);
}

} // namespace tvn
