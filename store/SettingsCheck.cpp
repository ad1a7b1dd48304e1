#include "store/SettingsCheck.h"

#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

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

// Where the folder really lies, every link resolved; the folder as given when it cannot be.
QString realFolder(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? folder : QDir::toNativeSeparators(real);
}

bool isHomeFolder(const QString& folder, const QString& homeFolder) {
    return !homeFolder.isEmpty() &&
           (QDir::cleanPath(folder).compare(QDir::cleanPath(homeFolder), Qt::CaseInsensitive) ==
                0 ||
            QDir::cleanPath(folder).compare(QDir::cleanPath(realFolder(homeFolder)),
                                            Qt::CaseInsensitive) == 0);
}

// The Windows folder of a Wine prefix (".../drive_c/windows") or of Windows ("C:\Windows"), or a
// folder inside it.
bool isWindowsFolder(const QString& folder) {
    const QStringList names = QDir::fromNativeSeparators(folder).split(u'/', Qt::SkipEmptyParts);
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (names.at(k).compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0)
            continue;
#ifdef _WIN32
        if (k == 1)
            return true;
#endif
        if (k > 0 && names.at(k - 1).compare(QStringLiteral("drive_c"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The system's own trees, refused at any depth, and the shared folders that hold users' files,
// disks or programs, refused only themselves (Wine prefixes live inside them).
std::optional<FolderProblem> systemFolderProblem(const QString& folder) {
#ifdef _WIN32
    const QString path = QDir::fromNativeSeparators(folder).mid(2).toLower();
    static const QStringList deep = {"/program files", "/program files (x86)"};
    static const QStringList exact = {"/programdata", "/users"};
#else
    const QString path = QDir::cleanPath(folder);
    static const QStringList deep = {"/bin", "/boot", "/dev", "/etc", "/lib", "/lib64", "/proc",
                                     "/run", "/sbin", "/srv", "/sys", "/usr", "/var"};
    static const QStringList exact = {"/home", "/media", "/mnt", "/opt", "/root", "/tmp"};
#endif
    if (exact.contains(path))
        return FolderProblem::SharedFolder;
    for (const QString& top : deep)
        if (path == top || path.startsWith(top + u'/'))
            return FolderProblem::SystemFolder;
    return std::nullopt;
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
    // Judged as given and where it really lies: a link to "/" is the top of the disk.
    for (const QString& path : {folder, realFolder(folder)}) {
        if (isFileSystemRoot(fs, path))
            return FolderProblem::FileSystemRoot;
        if (isHomeFolder(path, homeFolder))
            return FolderProblem::HomeFolder;
        if (isWindowsFolder(path))
            return FolderProblem::WindowsFolder;
        if (const auto problem = systemFolderProblem(path))
            return problem;
    }
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
    if (!isSameOrAncestor(fs, startMenu, programs) || isSameFolder(fs, startMenu, programs))
        return SettingsProblem{Box::Programs, FolderProblem::OutsideStartMenu};
    return std::nullopt;
}

} // namespace tvn
