#include "platform/PosixTrash.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvn::posix {

namespace {

constexpr char kInfoSuffix[] = ".trashinfo";
constexpr qsizetype kInfoSuffixSize = sizeof kInfoSuffix - 1;
// Enough for any trash a user keeps; a trash that full fails rather than loops.
constexpr int kMaxNameAttempts = 1000;

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

bool isOwnPrivateFolder(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// Creates the folder and any missing parents, each private to the user.
bool makeFolders(const QByteArray& path) {
    struct stat st;
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (path.size() <= 1 || !makeFolders(parentOf(path)))
        return false;
    return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST;
}

// The disk a path lies on, or of the nearest folder above it that exists.
dev_t deviceOf(QByteArray path) {
    struct stat st;
    while (::stat(path.constData(), &st) != 0) {
        if (path.size() <= 1)
            return 0;
        path = parentOf(path);
    }
    return st.st_dev;
}

// The top folder of the disk holding the existing folder `path`.
QByteArray topOfDisk(QByteArray path, dev_t device) {
    while (path.size() > 1) {
        const QByteArray parent = parentOf(path);
        struct stat st;
        if (::stat(parent.constData(), &st) != 0 || st.st_dev != device)
            break;
        path = parent;
    }
    return path;
}

QByteArray homeTrash() {
    QByteArray data = qgetenv("XDG_DATA_HOME");
    if (!data.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            return {};
        data = home + "/.local/share";
    }
    while (data.size() > 1 && data.endsWith('/'))
        data.chop(1);
    return data + "/Trash";
}

struct Trash {
    QByteArray folder;
    // Records name files relative to this folder (a disk's own trash), or absolutely.
    QByteArray relativeTo;
};

bool prepare(const QByteArray& trash) {
    return makeFolders(trash + "/files") && makeFolders(trash + "/info") &&
           isOwnPrivateFolder(trash + "/files") && isOwnPrivateFolder(trash + "/info");
}

std::optional<Trash> trashFor(const QByteArray& file, dev_t device) {
    const QByteArray home = homeTrash();
    if (!home.isEmpty() && deviceOf(home) == device)
        return prepare(home) ? std::optional<Trash>(Trash{home, {}}) : std::nullopt;
    const QByteArray top = topOfDisk(parentOf(file), device);
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    // An administrator's shared trash counts only when it is a real sticky folder.
    const QByteArray shared = base + "/.Trash";
    struct stat st;
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        prepare(shared + '/' + uid))
        return Trash{shared + '/' + uid, top};
    const QByteArray own = base + "/.Trash-" + uid;
    if ((::mkdir(own.constData(), 0700) == 0 || errno == EEXIST) && isOwnPrivateFolder(own) &&
        prepare(own))
        return Trash{own, top};
    return std::nullopt;
}

// The name in `files/` for the given attempt: the file's own name, then "stem.N.ext", cut so
// that its record's name still fits the disk's limit, never inside a UTF-8 character.
QByteArray trashName(const QByteArray& name, int attempt) {
    const qsizetype dot = name.lastIndexOf('.');
    const bool hasExtension = dot > 0 && name.size() - dot <= 16;
    QByteArray stem = hasExtension ? name.left(dot) : name;
    const QByteArray extension = hasExtension ? name.mid(dot) : QByteArray();
    const QByteArray number = attempt == 0 ? QByteArray() : '.' + QByteArray::number(attempt + 1);
    const qsizetype room = NAME_MAX - kInfoSuffixSize - extension.size() - number.size();
    if (stem.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xc0) == 0x80)
            --cut;
        stem.truncate(cut);
    }
    return stem + number + extension;
}

QByteArray deletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

bool writeRecord(int fd, const QByteArray& record) {
    const char* data = record.constData();
    std::size_t left = static_cast<std::size_t>(record.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// A rename that never replaces; a disk without RENAME_NOREPLACE gets a link and an unlink.
bool moveNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    if (::unlink(from.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return false;
}

} // namespace

std::optional<QByteArray> moveToTrash(const QByteArray& path) {
    struct stat st;
    if (!path.startsWith('/') || ::lstat(path.constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    const auto trash = trashFor(path, st.st_dev);
    if (!trash)
        return std::nullopt;

    QByteArray original = path;
    if (!trash->relativeTo.isEmpty() && trash->relativeTo != "/")
        original = path.mid(trash->relativeTo.size() + 1);
    else if (!trash->relativeTo.isEmpty())
        original = path.mid(1);
    const QByteArray record = "[Trash Info]\nPath=" + original.toPercentEncoding("/") +
                              "\nDeletionDate=" + deletionDate() + "\n";

    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const QByteArray trashedName = trashName(name, attempt);
        const QByteArray info = trash->folder + "/info/" + trashedName + kInfoSuffix;
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return std::nullopt;
        }
        const bool written = writeRecord(fd, record);
        if (::close(fd) != 0 || !written) {
            ::unlink(info.constData());
            return std::nullopt;
        }
        const QByteArray trashed = trash->folder + "/files/" + trashedName;
        if (moveNoReplace(path, trashed))
            return trashed;
        const int error = errno;
        ::unlink(info.constData());
        // A file left in the trash without its record keeps its name taken.
        if (error != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

void dropTrashRecord(const QByteArray& trashed) {
    const qsizetype slash = trashed.lastIndexOf('/');
    const QByteArray folder = trashed.left(slash);
    if (slash <= 0 || !(folder == "files" || folder.endsWith("/files")))
        return;
    const QByteArray info =
        folder.left(folder.size() - 5) + "info/" + trashed.mid(slash + 1) + kInfoSuffix;
    ::unlink(info.constData());
}

} // namespace tvn::posix
