#include "platform/PosixFileSystem.h"

#include "platform/CaseInsensitivePaths.h"
#include "platform/ListingRules.h"
#include "platform/PosixTrash.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <QRandomGenerator>
#include <sys/stat.h>
#include <unistd.h>

namespace tvn {

namespace {

using posix::joinNative;
using posix::resolveExisting;
using posix::resolveTarget;

QByteArray native(const QString& path) {
    return posix::encodeName(path);
}

bool statFollowing(const QByteArray& path, struct stat& st) {
    return ::stat(path.constData(), &st) == 0;
}

bool sameObject(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Opens a regular file for reading; O_NONBLOCK keeps a named pipe from blocking the open.
int openRegularFile(const QByteArray& path, struct stat& st) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

ssize_t readSome(int fd, char* data, std::size_t size) {
    ssize_t got;
    do
        got = ::read(fd, data, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// A new, hidden file in `folder` (the leading dot keeps it out of every listing).
int createTemporary(const QByteArray& folder, QByteArray& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const quint64 nonce = QRandomGenerator::global()->generate64();
        path = joinNative(folder, ".tvn-" + QByteArray::number(nonce, 16) + ".tmp");
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes the new content beside the target and renames it over the target only once it is
// complete, synced and of the expected size: any failure leaves the previous target whole.
bool replaceThroughTemporary(const posix::Target& target, const std::function<bool(int)>& fill,
                             off_t expectedSize, std::optional<mode_t> mode) {
    QByteArray temporary;
    const int fd = createTemporary(target.folder, temporary);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = fill(fd) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0 &&
              ::fstat(fd, &st) == 0 && st.st_size == expectedSize;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), target.path.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

// A rename that never replaces its target. File systems without RENAME_NOREPLACE get a hard
// link and unlink for files (link fails on an existing target) and a checked rename for
// folders.
bool renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat st;
    if (::lstat(from.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        if (::link(from.constData(), to.constData()) == 0) {
            if (::unlink(from.constData()) == 0)
                return true;
            ::unlink(to.constData());
            return false;
        }
        if (errno == EEXIST)
            return false;
    }
    if (::lstat(to.constData(), &st) == 0 || errno != ENOENT)
        return false;
    return ::rename(from.constData(), to.constData()) == 0;
}

} // namespace

bool PosixFileSystem::folderExists(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    return resolved && statFollowing(*resolved, st) && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::fileExists(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    return resolved && statFollowing(*resolved, st) && !S_ISDIR(st.st_mode);
}

bool PosixFileSystem::createFolder(const QString& path) {
    const auto target = resolveTarget(native(path));
    return target && !target->exists && ::mkdir(target->path.constData(), 0777) == 0;
}

bool PosixFileSystem::removeFolder(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    return resolved && ::lstat(resolved->constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::rmdir(resolved->constData()) == 0;
}

bool PosixFileSystem::rename(const QString& from, const QString& to) {
    const auto source = resolveExisting(native(from));
    const auto target = resolveTarget(native(to));
    if (!source || !target)
        return false;
    QByteArray destination = target->path;
    if (target->exists) {
        // Only a change of letter case of the same entry may reach an existing name.
        struct stat a, b;
        if (::lstat(source->constData(), &a) != 0 || ::lstat(target->path.constData(), &b) != 0 ||
            !sameObject(a, b))
            return false;
        destination = joinNative(target->folder, target->name);
        if (destination == *source)
            return true;
    }
    return renameNoReplace(*source, destination);
}

bool PosixFileSystem::copyFile(const QString& from, const QString& to) {
    const auto source = resolveExisting(native(from));
    if (!source)
        return false;
    struct stat sourceStat;
    const FileDescriptor in(openRegularFile(*source, sourceStat));
    const auto target = resolveTarget(native(to));
    if (!in.valid() || !target)
        return false;
    struct stat targetStat;
    // Copying a file onto itself (another spelling, a link) would truncate it; like Windows,
    // refuse.
    if (target->exists && statFollowing(target->path, targetStat) &&
        (S_ISDIR(targetStat.st_mode) || sameObject(sourceStat, targetStat)))
        return false;
    const auto copy = [&](int out) {
        char buffer[64 * 1024];
        off_t total = 0;
        for (;;) {
            const ssize_t got = readSome(in.get(), buffer, sizeof buffer);
            if (got == 0)
                return total == sourceStat.st_size;
            if (got < 0 || !writeAll(out, buffer, static_cast<std::size_t>(got)))
                return false;
            total += got;
        }
    };
    return replaceThroughTemporary(*target, copy, sourceStat.st_size, sourceStat.st_mode & 07777);
}

bool PosixFileSystem::deleteFile(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    if (!resolved || (statFollowing(*resolved, st) && S_ISDIR(st.st_mode)))
        return false;
    return ::unlink(resolved->constData()) == 0;
}

int PosixFileSystem::removeLeftoverTemporaries(const QString& folder) {
    const auto resolved = resolveExisting(native(folder));
    if (!resolved)
        return 0;
    DIR* dir = ::opendir(resolved->constData());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!listing::isLeftoverTemporaryName(QString::fromLatin1(name)))
            continue;
        const QByteArray path = joinNative(*resolved, name);
        struct stat st;
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::unlink(path.constData()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<FileSystem::TrashedFile> PosixFileSystem::moveToTrash(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    if (!resolved || (statFollowing(*resolved, st) && S_ISDIR(st.st_mode)))
        return std::nullopt;
    const auto trashed = posix::moveToTrash(*resolved);
    if (!trashed)
        return std::nullopt;
    return TrashedFile{posix::decodeName(*resolved), posix::decodeName(*trashed)};
}

bool PosixFileSystem::restoreFromTrash(const TrashedFile& file) {
    const QByteArray trashed = native(file.trashed);
    const auto target = resolveTarget(native(file.original));
    if (!target || target->exists || !renameNoReplace(trashed, target->path))
        return false;
    posix::dropTrashRecord(trashed);
    return true;
}

std::optional<QByteArray> PosixFileSystem::readFile(const QString& path, qsizetype maxBytes) {
    const auto resolved = resolveExisting(native(path));
    if (!resolved)
        return std::nullopt;
    struct stat st;
    const FileDescriptor fd(openRegularFile(*resolved, st));
    if (!fd.valid())
        return std::nullopt;
    const qsizetype limit = std::max<qsizetype>(maxBytes, 0);
    QByteArray content;
    content.resize(std::min<qsizetype>(limit, static_cast<qsizetype>(st.st_size)));
    qsizetype filled = 0;
    for (;;) {
        if (filled == content.size()) {
            // The file may have grown since it was measured.
            if (filled == limit)
                break;
            content.resize(std::min<qsizetype>(limit, filled + 64 * 1024));
        }
        const ssize_t got = readSome(fd.get(), content.data() + filled,
                                     static_cast<std::size_t>(content.size() - filled));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    content.truncate(filled);
    return content;
}

bool PosixFileSystem::writeFile(const QString& path, const QByteArray& content) {
    const auto target = resolveTarget(native(path));
    if (!target)
        return false;
    std::optional<mode_t> mode;
    struct stat st;
    if (target->exists && statFollowing(target->path, st)) {
        if (S_ISDIR(st.st_mode))
            return false;
        mode = st.st_mode & 07777;
    }
    const auto fill = [&](int out) {
        return writeAll(out, content.constData(), static_cast<std::size_t>(content.size()));
    };
    return replaceThroughTemporary(*target, fill, content.size(), mode);
}

std::optional<FileId> PosixFileSystem::identity(const QString& path) {
    const auto resolved = resolveExisting(native(path));
    struct stat st;
    if (!resolved || !statFollowing(*resolved, st))
        return std::nullopt;
    return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

} // namespace tvn
