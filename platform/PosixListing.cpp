#include "CaseInsensitivePaths.h"
#include "DosAttributes.h"
#include "Paths.h"
#include "PosixFileSystem.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace tvn {

namespace {

#if defined(__x86_64__) && !defined(SYS_getxattrat)
#define SYS_getxattrat 464
#endif

#ifdef SYS_getxattrat
// The argument block of getxattrat(2) (Linux 6.13), which reads an attribute relative to an
// open folder and so spares a path lookup per entry.
struct XattrArgs {
    std::uint64_t value;
    std::uint32_t size;
    std::uint32_t flags;
};

std::atomic<bool> getxattratMissing{false};
#endif

// Far more than any DOS attribute record; a longer value is not one.
constexpr std::size_t kAttributeBufferSize = 256;

// Whether the entry `name` of the open folder carries the hidden or system attribute.
bool hasHidingAttribute(int folderFd, const QByteArray& folder, const char* name) {
    char value[kAttributeBufferSize];
    ssize_t size = -1;
#ifdef SYS_getxattrat
    if (!getxattratMissing.load(std::memory_order_relaxed)) {
        XattrArgs args{reinterpret_cast<std::uintptr_t>(value), sizeof value, 0};
        size = ::syscall(SYS_getxattrat, folderFd, name, 0, kDosAttributeName, &args, sizeof args);
        if (size >= 0)
            return dosAttributesHide(QByteArrayView(value, size));
        if (errno != ENOSYS)
            return false;
        getxattratMissing.store(true, std::memory_order_relaxed);
    }
#else
    (void)folderFd;
#endif
    const QByteArray path = posix::joinNative(folder, name);
    size = ::getxattr(path.constData(), kDosAttributeName, value, sizeof value);
    return size >= 0 && dosAttributesHide(QByteArrayView(value, size));
}

bool hasShortcutSuffix(const char* name, std::size_t size) {
    if (size < 5)
        return false;
    const char* suffix = name + size - 4;
    return suffix[0] == '.' && (suffix[1] | 0x20) == 'l' && (suffix[2] | 0x20) == 'n' &&
           (suffix[3] | 0x20) == 'k';
}

struct Entry {
    QString name;
    QByteArray bytes;
};

// Name order: letter case ignored, ties broken by the bytes on disk.
bool listsBefore(const Entry& a, const Entry& b) {
    const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return byName != 0 ? byName < 0 : a.bytes < b.bytes;
}

QStringList sortedNames(std::vector<Entry>& entries, const QString& prefix) {
    std::sort(entries.begin(), entries.end(), listsBefore);
    QStringList names;
    names.reserve(static_cast<qsizetype>(entries.size()));
    for (const Entry& entry : entries)
        names.append(prefix + entry.name);
    return names;
}

int openFolder(const QString& folder, QByteArray& native) {
    native = folder.toUtf8();
    int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || (errno != ENOENT && errno != ENOTDIR))
        return fd;
    const auto resolved = posix::resolveExisting(native);
    if (!resolved)
        return -1;
    native = *resolved;
    return ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

std::optional<FileSystem::Listing> PosixFileSystem::listFolder(const QString& folder) {
    QByteArray native;
    const int fd = openFolder(folder, native);
    if (fd < 0)
        return std::nullopt;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<Entry> folders;
    std::vector<Entry> shortcuts;
    bool failed = false;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            failed = errno != 0;
            break;
        }
        const char* name = entry->d_name;
        if (name[0] == '.')
            continue;
        const std::size_t size = std::strlen(name);
        unsigned char type = entry->d_type;
        struct stat st;
        if (type == DT_UNKNOWN) {
            if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(st.st_mode)   ? DT_DIR
                   : S_ISREG(st.st_mode) ? DT_REG
                   : S_ISLNK(st.st_mode) ? DT_LNK
                                         : DT_UNKNOWN;
        }
        // A link to a file counts as that file; a link to a folder is no subfolder, so that a
        // walk never follows it.
        if (type == DT_LNK && hasShortcutSuffix(name, size) && ::fstatat(fd, name, &st, 0) == 0 &&
            S_ISREG(st.st_mode))
            type = DT_REG;
        std::vector<Entry>* into = nullptr;
        if (type == DT_DIR)
            into = &folders;
        else if (type == DT_REG && hasShortcutSuffix(name, size))
            into = &shortcuts;
        else
            continue;
        auto decoded = posix::decodeName(name, static_cast<qsizetype>(size));
        if (!decoded || hasHidingAttribute(fd, native, name))
            continue;
        into->push_back({std::move(*decoded), QByteArray(name, static_cast<qsizetype>(size))});
    }
    ::closedir(dir);
    if (failed)
        return std::nullopt;
    Listing listing;
    listing.subfolders = sortedNames(folders, folder + QChar(kPathSeparator));
    listing.shortcuts = sortedNames(shortcuts, QString());
    return listing;
}

} // namespace tvn
