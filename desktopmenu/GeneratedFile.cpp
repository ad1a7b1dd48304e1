#include "desktopmenu/GeneratedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QFile>
#include <QRandomGenerator>
#include <unistd.h>

namespace tvn {

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (written < 0 && errno != EINTR)
            return false;
        at += std::max<ssize_t>(written, 0);
    }
    return true;
}

QByteArray temporaryNameFor(const QByteArray& target) {
    return target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

} // namespace

bool writeGeneratedFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    int fd = -1;
    // A name of its own, so two programs writing the same file never share one; the file gets
    // the permissions the umask gives, as any file the user makes.
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        temporary = temporaryNameFor(target);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    // rename(2) replaces an existing file in one step, which QFile::rename refuses to do.
    if (::close(fd) == 0 && written && std::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

bool linkGeneratedFile(const QString& existing, const QString& path) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = temporaryNameFor(target);
    if (::link(QFile::encodeName(existing).constData(), temporary.constData()) != 0)
        return false;
    if (std::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

} // namespace tvn
