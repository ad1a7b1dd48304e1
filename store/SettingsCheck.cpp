#include "store/SettingsCheck.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QDir>

namespace tvn {

namespace {

#ifdef _WIN32
constexpr qsizetype kMaxPath = 259;
#else
constexpr qsizetype kMaxPath = 4095;
#endif

QString parentOf(const QString& folder) {
    const qsizetype separator = folder.lastIndexOf(QChar(kPathSeparator));
    if (separator < 0)
        return {};
    // "/a" -> "/", "C:\a" -> "C:\".
    return separator == 0 || (separator == 2 && folder.at(1) == u':') ? folder.left(separator + 1)
                                                                      : folder.left(separator);
}

bool isFileSystemRoot(FileSystem& fs, const QString& folder) {
    const QString parent = parentOf(folder);
    if (parent.isEmpty() || parent == folder)
        return true;
    const auto self = fs.identity(folder);
    const auto above = fs.identity(parent);
    // The top of a disk: its own folder, or one on another disk than the folder above.
    return self && above && (*self == *above || self->device != above->device);
}

// The system's own trees, refused at any depth, and the folders that hold users' files, refused
// only themselves (Wine prefixes live inside them).
bool isSystemFolder(const QString& folder, const QString& homeFolder) {
#ifdef _WIN32
    const QString path = QDir::fromNativeSeparators(folder).mid(2).toLower();
    static const QStringList deep = {"/windows", "/program files", "/program files (x86)"};
    static const QStringList exact = {"/programdata", "/users"};
#else
    const QString path = QDir::cleanPath(folder);
    static const QStringList deep = {"/bin", "/boot", "/dev", "/etc", "/lib", "/lib64", "/proc",
                                     "/run", "/sbin", "/srv", "/sys", "/usr", "/var"};
    static const QStringList exact = {"/home", "/media", "/mnt", "/opt", "/root", "/tmp"};
#endif
    if (!homeFolder.isEmpty() &&
        QDir::cleanPath(folder).compare(QDir::cleanPath(homeFolder), Qt::CaseInsensitive) == 0)
        return true;
    if (exact.contains(path))
        return true;
    for (const QString& top : deep)
        if (path == top || path.startsWith(top + u'/'))
            return true;
    return false;
}

std::optional<FolderProblem> folderProblem(FileSystem& fs, const QString& folder,
                                           const QString& homeFolder) {
    if (folder.isEmpty())
        return FolderProblem::Empty;
    if (folder.contains(u'"'))
        return FolderProblem::Quote;
    if (folder.size() > kMaxPath)
        return FolderProblem::TooLong;
    if (!fs.folderExists(folder))
        return fs.fileExists(folder) ? FolderProblem::NotAFolder : FolderProblem::Missing;
    if (!fs.listFolder(folder))
        return FolderProblem::Unreadable;
    if (isFileSystemRoot(fs, folder))
        return FolderProblem::FileSystemRoot;
    if (isSystemFolder(folder, homeFolder))
        return FolderProblem::SystemFolder;
    return std::nullopt;
}

} // namespace

QString resolvedFolder(const QString& typed, const QString& homeFolder,
                       const QString& currentFolder) {
    QString path = typed.trimmed();
    if (path.isEmpty())
        return {};
    if (path == u'~')
        path = homeFolder;
    else if (path.startsWith(QStringLiteral("~/")) || path.startsWith(QStringLiteral("~\\")))
        path = homeFolder + path.mid(1);
    if (QDir::isRelativePath(path))
        path = QDir(currentFolder).filePath(path);
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

std::optional<SettingsProblem> settingsProblem(FileSystem& fs, const QString& startMenu,
                                               const QString& programs, const QString& homeFolder) {
    using Box = SettingsProblem::Box;
    if (const auto problem = folderProblem(fs, startMenu, homeFolder))
        return SettingsProblem{Box::StartMenu, *problem};
    if (const auto problem = folderProblem(fs, programs, homeFolder))
        return SettingsProblem{Box::Programs, *problem};
    return std::nullopt;
}

} // namespace tvn
