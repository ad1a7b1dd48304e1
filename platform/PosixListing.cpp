#include "platform/CaseInsensitivePaths.h"
#include "platform/DosAttributes.h"
#include "platform/ListingRules.h"
#include "platform/Paths.h"
#include "platform/PosixFileSystem.h"

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
    native = posix::encodeName(folder);
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

bool isSelfOrParent(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

enum class EntryKind { Other, Subfolder, Shortcut };

// What a listing makes of the entry `name` of the open folder: every real subfolder, hidden
// ones too, and the visible files matching "*.lnk".
EntryKind kindOf(int fd, const QByteArray& native, const char* name, unsigned char type) {
    const bool shortcutName = name[0] != '.' && listing::isShortcutName(name, std::strlen(name));
    struct stat st;
    if (type == DT_UNKNOWN) {
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Other;
        type = S_ISDIR(st.st_mode)   ? DT_DIR
               : S_ISREG(st.st_mode) ? DT_REG
               : S_ISLNK(st.st_mode) ? DT_LNK
                                     : DT_UNKNOWN;
    }
    // A link to a folder is no subfolder, so that a walk never follows it.
    if (type == DT_DIR)
        return EntryKind::Subfolder;
    if (!shortcutName)
        return EntryKind::Other;
    // A link to a file counts as that file.
    if (type == DT_LNK && ::fstatat(fd, name, &st, 0) == 0 && S_ISREG(st.st_mode))
        type = DT_REG;
    return type == DT_REG && !hasHidingAttribute(fd, native, name) ? EntryKind::Shortcut
                                                                   : EntryKind::Other;
}

// Reads the entries of an open folder, one buffer at a time, until `take` returns false.
// False when the folder cannot be read.
template <typename Take> bool readEntries(int fd, char* buffer, std::size_t size, Take take) {
    ssize_t got;
    while ((got = ::getdents64(fd, buffer, size)) > 0) {
        for (ssize_t offset = 0; offset < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
            offset += entry->d_reclen;
            if (!isSelfOrParent(entry->d_name) && !take(entry->d_name, entry->d_type))
                return true;
        }
    }
    return got == 0;
}

class FolderFd {
public:
    explicit FolderFd(int fd)
        : fd_(fd) {}
    ~FolderFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FolderFd(const FolderFd&) = delete;
    FolderFd& operator=(const FolderFd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::optional<FileSystem::Listing> PosixFileSystem::listFolder(const QString& folder) {
    QByteArray native;
    const FolderFd fd(openFolder(folder, native));
    if (fd.get() < 0)
        return std::nullopt;
    std::vector<QString> folders;
    std::vector<QString> shortcuts;
    const auto take = [&](const char* name, unsigned char type) {
        const EntryKind kind = kindOf(fd.get(), native, name, type);
        if (kind != EntryKind::Other)
            (kind == EntryKind::Subfolder ? folders : shortcuts)
                .push_back(posix::decodeName(name, static_cast<qsizetype>(std::strlen(name))));
        return true;
    };
    // getdents64 straight into a buffer: a directory stream would cost three more system calls
    // per folder.
    alignas(dirent64) char buffer[32 * 1024];
    if (!readEntries(fd.get(), buffer, sizeof buffer, take))
        return std::nullopt;
    Listing result;
    result.subfolders = listing::sortedNames(folders, folder + QChar(kPathSeparator));
    result.shortcuts = listing::sortedNames(shortcuts, QString());
    return result;
}

std::optional<FileSystem::FolderContent> PosixFileSystem::folderContent(const QString& folder) {
    QByteArray native;
    const FolderFd fd(openFolder(folder, native));
    if (fd.get() < 0)
        return std::nullopt;
    FolderContent content = FolderContent::Empty;
    const auto take = [&](const char* name, unsigned char type) {
        content = kindOf(fd.get(), native, name, type) == EntryKind::Shortcut
                      ? FolderContent::Shortcut
                      : FolderContent::NoShortcut;
        return content != FolderContent::Shortcut;
    };
    // A small buffer: the first entries read are most often a shortcut already.
    alignas(dirent64) char buffer[4 * 1024];
    if (!readEntries(fd.get(), buffer, sizeof buffer, take))
        return std::nullopt;
    return content;
}

} // namespace tvn
