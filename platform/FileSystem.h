#pragma once

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tvn {

// Identifies one file-system object, whatever spelling of its path reached it.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

// The file system as the program sees it: Windows semantics on every platform. Names are
// matched without regard to letter case, listings come in name order and leave out hidden and
// system files (never folders), a rename never replaces its target, a copy never leaves a half
// file, and a folder is removed only when it is empty. Every operation takes full paths; a failure
// is reported by the result, never by an exception.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // One listing of a folder, taken in a single pass.
    struct Listing {
        // The full paths (folder, separator, name) of every subfolder, hidden and system ones
        // too, in name order. Links to folders are not subfolders, so a walk cannot loop.
        QStringList subfolders;
        // The bare names of the visible files matching "*.lnk" in any letter case, in name
        // order.
        QStringList shortcuts;
    };

    // Nothing when the folder is missing or cannot be listed.
    virtual std::optional<Listing> listFolder(const QString& folder) = 0;

    std::optional<QStringList> shortcutFiles(const QString& folder) {
        auto listing = listFolder(folder);
        return listing ? std::optional<QStringList>(std::move(listing->shortcuts)) : std::nullopt;
    }

    // What a folder holds, read only as far as the answer needs: the reading stops at the first
    // shortcut a listing would show.
    enum class FolderContent {
        Empty,
        NoShortcut, // something, but no shortcut a listing would show
        Shortcut,
    };
    // Nothing when the folder is missing or cannot be read.
    virtual std::optional<FolderContent> folderContent(const QString& folder) = 0;

    virtual bool folderExists(const QString& path) = 0;
    virtual bool fileExists(const QString& path) = 0;

    // Fails when something of that name exists already.
    virtual bool createFolder(const QString& path) = 0;
    // Removes the folder only when it holds nothing at all (hidden files included).
    virtual bool removeFolder(const QString& path) = 0;
    // Renames a file or folder; fails rather than replace an existing target.
    virtual bool rename(const QString& from, const QString& to) = 0;
    // Copies a file, replacing the target. The copy is written beside the target under a
    // temporary name and renamed into place once complete and verified, so a failure leaves
    // the previous target (or nothing) and never a half file.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
    virtual bool deleteFile(const QString& path) = 0;
    // Deletes the temporary files that an interrupted copy or write of this program left in the
    // folder (".tvn-<hex>.tmp", never another name); returns how many went.
    virtual int removeLeftoverTemporaries(const QString& folder) = 0;

    // A file in the desktop's trash: the path it had, spelt as the disk spelt it, and where it
    // lies in the trash.
    struct TrashedFile {
        QString original;
        QString trashed;
        friend bool operator==(const TrashedFile&, const TrashedFile&) = default;
    };
    // Moves a file (never a folder) to the desktop's trash: the freedesktop trash on Linux, the
    // Recycle Bin on Windows. Nothing when the file cannot go there (no trash on that disk).
    virtual std::optional<TrashedFile> moveToTrash(const QString& path) = 0;
    // Puts a trashed file back where it was, never replacing what lies there now, and drops the
    // trash's record of it.
    virtual bool restoreFromTrash(const TrashedFile& file) = 0;

    // At most `maxBytes` of the file's beginning, so a huge data file cannot exhaust memory.
    virtual std::optional<QByteArray> readFile(const QString& path,
                                               qsizetype maxBytes = kMaxDataFileBytes) = 0;
    // Replaces the file's content through a temporary file and a rename: an interrupted or
    // failed write leaves the previous file whole.
    virtual bool writeFile(const QString& path, const QByteArray& content) = 0;

    // The object a path names (following links), or nothing when it does not exist.
    virtual std::optional<FileId> identity(const QString& path) = 0;

    static constexpr qsizetype kMaxDataFileBytes = 4 * 1024 * 1024;
};

} // namespace tvn
