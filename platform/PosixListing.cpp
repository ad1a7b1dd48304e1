#include "CaseInsensitivePaths.h"
#include "DosAttributes.h"
#include "ListingRules.h"
#include "Paths.h"
#include "PosixFileSystem.h"

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
        // An older kernel lacks the call; a container's system-call filter may refuse it with
        // EPERM, which reading a user attribute never gives otherwise.
        if (errno != ENOSYS && errno != EPERM && errno != EINVAL)
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

int openFolder(const QString& folder, QByteArray& native) {
    native = folder.toUtf8();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    const int fd = ::open(native.constData(), flags);
    if (fd >= 0 || (errno != ENOENT && errno != ENOTDIR))
        return fd;
    const auto resolved = posix::resolveExisting(native);
    if (!resolved)
        return -1;
    native = *resolved;
    return ::open(native.constData(), flags);
}

// Sorts the entries of one open folder into visible subfolders and shortcuts.
class Lister {
public:
    Lister(int fd, const QByteArray& native)
        : fd_(fd)
        , native_(native) {}

    void add(const char* name, unsigned char type) {
        if (name[0] == '.')
            return;
        const std::size_t size = std::strlen(name);
        struct stat st;
        if (type == DT_UNKNOWN) {
            if (::fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return;
            type = S_ISDIR(st.st_mode)   ? DT_DIR
                   : S_ISREG(st.st_mode) ? DT_REG
                   : S_ISLNK(st.st_mode) ? DT_LNK
                                         : DT_UNKNOWN;
        }
        // A link to a file counts as that file; a link to a folder is no subfolder, so that a
        // walk never follows it.
        const bool shortcutName = listing::isShortcutName(name, size);
        if (type == DT_LNK && shortcutName && ::fstatat(fd_, name, &st, 0) == 0 &&
            S_ISREG(st.st_mode))
            type = DT_REG;
        std::vector<QString>* into = type == DT_DIR                   ? &folders
                                     : type == DT_REG && shortcutName ? &shortcuts
                                                                      : nullptr;
        if (!into)
            return;
        auto decoded = posix::decodeName(name, static_cast<qsizetype>(size));
        if (decoded && !hasHidingAttribute(fd_, native_, name))
            into->push_back(std::move(*decoded));
    }

    std::vector<QString> folders;
    std::vector<QString> shortcuts;

private:
    int fd_;
    const QByteArray& native_;
};

} // namespace

std::optional<FileSystem::Listing> PosixFileSystem::listFolder(const QString& folder) {
    QByteArray native;
    const int fd = openFolder(folder, native);
    if (fd < 0)
        return std::nullopt;
    // getdents64 straight into a buffer: a directory stream would cost three more system calls
    // per folder.
    alignas(dirent64) char buffer[32 * 1024];
    Lister lister(fd, native);
    ssize_t got;
    while ((got = ::getdents64(fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t offset = 0; offset < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
            lister.add(entry->d_name, entry->d_type);
            offset += entry->d_reclen;
        }
    }
    ::close(fd);
    if (got < 0)
        return std::nullopt;
    Listing result;
    result.subfolders = listing::sortedNames(lister.folders, folder + QChar(kPathSeparator));
    result.shortcuts = listing::sortedNames(lister.shortcuts, QString());
    return result;
}

} // namespace tvn
