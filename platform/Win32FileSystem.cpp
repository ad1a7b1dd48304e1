#include "platform/Win32FileSystem.h"

#include "platform/ListingRules.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <shlobj.h>
#include <vector>
#include <windows.h>

namespace tvn {

namespace {

// Every Win32 call takes NUL-terminated text: a path holding a NUL would silently name another
// object, so such a path names nothing, and neither does an empty one.
bool usable(const QString& path) {
    return !path.isEmpty() && !path.contains(QChar(u'\0'));
}

const wchar_t* wide(const QString& path) {
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

// Tells the shell that a shortcut or folder came, went or changed its name, so an open Start
// menu or Explorer window shows it at once. Always true: the change itself is done.
bool toldShell(LONG event, const QString& path, const QString& newPath = {}) {
    SHChangeNotify(event, SHCNF_PATHW | SHCNF_FLUSHNOWAIT, wide(path),
                   newPath.isEmpty() ? nullptr : wide(newPath));
    return true;
}

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

DWORD attributesOf(const QString& path) {
    return usable(path) ? GetFileAttributesW(wide(path)) : INVALID_FILE_ATTRIBUTES;
}

bool isFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isFile(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool close() {
        const bool closed = !valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

class FindHandle {
public:
    explicit FindHandle(HANDLE handle)
        : handle_(handle) {}
    ~FindHandle() {
        if (valid())
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::optional<std::uint64_t> sizeOf(const QString& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data))
        return std::nullopt;
    return std::uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// The folder part of a path with its separator ("C:\a\b.lnk" -> "C:\a\"); empty for a bare name.
QString folderPart(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]) || path[i] == u':')
            return path.left(i + 1);
    }
    return {};
}

// Creates a new file beside `target` through `create` (which fails when the name is taken),
// retrying with other names; the temporary's path, or nothing. The name never matches "*.lnk",
// so no shortcut listing shows a temporary that a crash left behind.
template <typename Create>
std::optional<QString> createTemporary(const QString& target, Create create) {
    const QString folder = folderPart(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const quint64 nonce = QRandomGenerator::global()->generate64();
        QString temporary =
            folder + QStringLiteral(".tvn-") + QString::number(nonce, 16) + QStringLiteral(".tmp");
        if (create(temporary))
            return temporary;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return std::nullopt;
    }
    return std::nullopt;
}

void discard(const QString& temporary) {
    SetFileAttributesW(wide(temporary), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(wide(temporary));
}

// Flushes a complete file to the disk, so that the rename into place cannot reach the disk
// before its content.
bool flushToDisk(const QString& path) {
    Handle file(CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool ok = file.valid() && FlushFileBuffers(file.get());
    return file.close() && ok;
}

// Replaces the target with a complete temporary; on failure the temporary goes and the
// target stays as it was. A read-only target is never replaced: Windows refuses it, and Wine,
// which would replace it, is held to the same rule.
bool moveIntoPlace(const QString& temporary, const QString& target) {
    const DWORD attributes = attributesOf(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        discard(temporary);
        return false;
    }
    if (MoveFileExW(wide(temporary), wide(target),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    discard(temporary);
    return false;
}

bool writeAll(HANDLE file, const QByteArray& content) {
    constexpr qsizetype kChunk = 1024 * 1024;
    for (qsizetype offset = 0; offset < content.size();) {
        const auto chunk = DWORD(std::min(kChunk, content.size() - offset));
        DWORD written = 0;
        if (!WriteFile(file, content.constData() + offset, chunk, &written, nullptr) ||
            written == 0)
            return false;
        offset += written;
    }
    return true;
}

} // namespace

namespace {

enum class EntryKind { Other, Subfolder, Shortcut };

// What a listing makes of one entry: every real subfolder, hidden and system ones too (a
// junction or a link to a folder is none, so that a walk never follows it), and the visible
// files whose name ends in ".lnk" (checked here: the pattern "*.lnk" would also match
// "x.lnk2" through its short name).
EntryKind kindOf(const WIN32_FIND_DATAW& entry, const QString& name) {
    const DWORD attributes = entry.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 ? EntryKind::Subfolder
                                                                : EntryKind::Other;
    if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
        return EntryKind::Other;
    return listing::isShortcutName(name) ? EntryKind::Shortcut : EntryKind::Other;
}

QString folderPrefix(const QString& folder) {
    return isSeparator(folder.back()) ? folder : folder + QChar(kPathSeparator);
}

// Reads the entries of a folder, "." and ".." left out, until `take` returns false. False when
// the folder cannot be read.
template <typename Take> bool readEntries(Win32FileSystem& fs, const QString& folder, Take take) {
    if (!usable(folder))
        return false;
    const QString pattern = folderPrefix(folder) + u'*';
    WIN32_FIND_DATAW entry;
    FindHandle find(FindFirstFileExW(wide(pattern), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find.valid()) {
        // Only a drive's root has no "." entry, and so can list as nothing at all.
        return GetLastError() == ERROR_FILE_NOT_FOUND && fs.folderExists(folder);
    }
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (name != u"." && name != u".." && !take(entry, name))
            return true;
    } while (FindNextFileW(find.get(), &entry));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

} // namespace

std::optional<FileSystem::Listing> Win32FileSystem::listFolder(const QString& folder) {
    std::vector<QString> folders;
    std::vector<QString> shortcuts;
    const auto take = [&](const WIN32_FIND_DATAW& entry, const QString& name) {
        const EntryKind kind = kindOf(entry, name);
        if (kind != EntryKind::Other)
            (kind == EntryKind::Subfolder ? folders : shortcuts).push_back(name);
        return true;
    };
    if (!readEntries(*this, folder, take))
        return std::nullopt;
    Listing result;
    result.subfolders = listing::sortedNames(folders, folderPrefix(folder));
    result.shortcuts = listing::sortedNames(shortcuts, QString());
    return result;
}

std::optional<FileSystem::FolderContent> Win32FileSystem::folderContent(const QString& folder) {
    FolderContent content = FolderContent::Empty;
    const auto take = [&](const WIN32_FIND_DATAW& entry, const QString& name) {
        content = kindOf(entry, name) == EntryKind::Shortcut ? FolderContent::Shortcut
                                                             : FolderContent::NoShortcut;
        return content != FolderContent::Shortcut;
    };
    if (!readEntries(*this, folder, take))
        return std::nullopt;
    return content;
}

bool Win32FileSystem::folderExists(const QString& path) {
    return isFolder(attributesOf(path));
}

bool Win32FileSystem::fileExists(const QString& path) {
    return isFile(attributesOf(path));
}

bool Win32FileSystem::createFolder(const QString& path) {
    return usable(path) && CreateDirectoryW(wide(path), nullptr) && toldShell(SHCNE_MKDIR, path);
}

bool Win32FileSystem::removeFolder(const QString& path) {
    // RemoveDirectory would remove a junction itself, as it stands; like a link on Linux, it
    // is not a folder to remove.
    const DWORD attributes = attributesOf(path);
    return isFolder(attributes) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
           RemoveDirectoryW(wide(path)) && toldShell(SHCNE_RMDIR, path);
}

bool Win32FileSystem::rename(const QString& from, const QString& to) {
    if (!usable(from) || !usable(to))
        return false;
    // A new letter case for the same name goes through a temporary name: Wine reports such a
    // rename done without changing the name.
    if (from != to && QString::compare(from, to, Qt::CaseInsensitive) == 0 && identity(from) &&
        identity(from) == identity(to)) {
        const auto temporary = createTemporary(to, [&](const QString& candidate) {
            return MoveFileW(wide(from), wide(candidate)) != 0;
        });
        if (!temporary)
            return false;
        if (MoveFileW(wide(*temporary), wide(to)))
            return toldShell(SHCNE_RENAMEFOLDER, from, to);
        MoveFileW(wide(*temporary), wide(from));
        return false;
    }
    const bool folder = isFolder(attributesOf(from));
    return MoveFileW(wide(from), wide(to)) &&
           toldShell(folder ? SHCNE_RENAMEFOLDER : SHCNE_RENAMEITEM, from, to);
}

bool Win32FileSystem::copyFile(const QString& from, const QString& to) {
    if (!isFile(attributesOf(from)) || !usable(to))
        return false;
    const DWORD targetAttributes = attributesOf(to);
    if (isFolder(targetAttributes))
        return false;
    // Copying a file onto itself (another spelling of its path) is refused, as on Linux.
    if (targetAttributes != INVALID_FILE_ATTRIBUTES) {
        const auto source = identity(from);
        if (!source || source == identity(to))
            return false;
    }
    const auto expectedSize = sizeOf(from);
    if (!expectedSize)
        return false;
    const auto temporary = createTemporary(to, [&](const QString& candidate) {
        return CopyFileW(wide(from), wide(candidate), TRUE) != 0;
    });
    if (!temporary)
        return false;
    // The copy is the program's own file, which it must be able to move and remove later: it
    // does not keep the read-only mark CopyFileW carries over from the source.
    const DWORD copied = attributesOf(*temporary);
    if ((copied & FILE_ATTRIBUTE_READONLY) != 0 &&
        !SetFileAttributesW(wide(*temporary), copied & ~DWORD(FILE_ATTRIBUTE_READONLY))) {
        discard(*temporary);
        return false;
    }
    if (sizeOf(*temporary) != expectedSize || !flushToDisk(*temporary)) {
        discard(*temporary);
        return false;
    }
    return moveIntoPlace(*temporary, to) && toldShell(SHCNE_CREATE, to);
}

bool Win32FileSystem::deleteFile(const QString& path) {
    return usable(path) && DeleteFileW(wide(path)) && toldShell(SHCNE_DELETE, path);
}

int Win32FileSystem::removeLeftoverTemporaries(const QString& folder) {
    std::vector<QString> leftovers;
    readEntries(*this, folder, [&](const WIN32_FIND_DATAW& entry, const QString& name) {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            listing::isLeftoverTemporaryName(name))
            leftovers.push_back(folderPrefix(folder) + name);
        return true;
    });
    int removed = 0;
    for (const QString& path : leftovers) {
        SetFileAttributesW(wide(path), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileW(wide(path)))
            ++removed;
    }
    return removed;
}

std::optional<FileSystem::TrashedFile> Win32FileSystem::moveToTrash(const QString& path) {
    if (!isFile(attributesOf(path)))
        return std::nullopt;
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed))
        return std::nullopt;
    toldShell(SHCNE_DELETE, path);
    return TrashedFile{path, QDir::toNativeSeparators(trashed)};
}

bool Win32FileSystem::restoreFromTrash(const TrashedFile& file) {
    if (!usable(file.trashed) || !usable(file.original) ||
        attributesOf(file.original) != INVALID_FILE_ATTRIBUTES ||
        !MoveFileW(wide(file.trashed), wide(file.original)))
        return false;
    // The Recycle Bin keeps each file as "$R..." beside its record "$I..." of the same tail; a
    // record left behind would show a file the bin no longer holds.
    const qsizetype separator = file.trashed.lastIndexOf(u'\\');
    const QString name = file.trashed.mid(separator + 1);
    if (name.startsWith(u"$R"))
        DeleteFileW(wide(file.trashed.left(separator + 1) + QStringLiteral("$I") + name.mid(2)));
    return toldShell(SHCNE_CREATE, file.original);
}

std::optional<QByteArray> Win32FileSystem::readFile(const QString& path, qsizetype maxBytes) {
    if (!usable(path))
        return std::nullopt;
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open; the type check keeps devices
    // and pipes out.
    Handle file(CreateFileW(wide(path), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;
    const qsizetype limit = std::max<qsizetype>(maxBytes, 0);
    QByteArray content;
    qsizetype filled = 0;
    while (filled < limit) {
        constexpr qsizetype kChunk = 64 * 1024;
        content.resize(std::min(limit, filled + kChunk));
        DWORD got = 0;
        if (!ReadFile(file.get(), content.data() + filled, DWORD(content.size() - filled), &got,
                      nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    content.truncate(filled);
    return content;
}

bool Win32FileSystem::writeFile(const QString& path, const QByteArray& content) {
    const DWORD previous = attributesOf(path);
    if (!usable(path) || isFolder(previous))
        return false;
    HANDLE created = INVALID_HANDLE_VALUE;
    const auto temporary = createTemporary(path, [&](const QString& candidate) {
        created = CreateFileW(wide(candidate), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        return created != INVALID_HANDLE_VALUE;
    });
    if (!temporary)
        return false;
    Handle file(created);
    bool ok = writeAll(file.get(), content) && FlushFileBuffers(file.get());
    ok = file.close() && ok && sizeOf(*temporary) == std::uint64_t(content.size());
    // The replaced file keeps its hidden and system marks.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    if (ok && previous != INVALID_FILE_ATTRIBUTES && (previous & kKept) != 0)
        ok = SetFileAttributesW(wide(*temporary), previous & kKept);
    if (!ok) {
        discard(*temporary);
        return false;
    }
    return moveIntoPlace(*temporary, path);
}

std::optional<FileId> Win32FileSystem::identity(const QString& path) {
    if (!usable(path))
        return std::nullopt;
    // Opening follows links and junctions; backup semantics lets a folder open too.
    Handle object(CreateFileW(wide(path), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!object.valid() || !GetFileInformationByHandle(object.get(), &information))
        return std::nullopt;
    return FileId{information.dwVolumeSerialNumber,
                  std::uint64_t(information.nFileIndexHigh) << 32 | information.nFileIndexLow};
}

} // namespace tvn
