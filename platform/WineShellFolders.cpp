#include "platform/WineShellFolders.h"

#include "platform/CaseInsensitivePaths.h"
#include "platform/Registry.h"
#include "platform/WineRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace tvn {

namespace {

QString absolutePrefix(const QString& path) {
    return path.startsWith(u'/') ? QDir::cleanPath(path) : QString();
}

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

// The names of the path after its drive, with "." and ".." worked out as Windows does (never
// above the drive's root).
QStringList namesAfterDrive(const QString& windowsPath) {
    QStringList names;
    QString rest = windowsPath.sliced(3);
    rest.replace(u'/', u'\\');
    for (const QString& name : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (name == u"..") {
            if (!names.isEmpty())
                names.removeLast();
        } else if (name != u".") {
            names << name;
        }
    }
    return names;
}

// The folder that holds `path` ("/" for "/a"), or an empty text for "/".
QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0 || path == u"/")
        return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

bool isPrefix(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/system.reg")).isFile() &&
           QFileInfo(folder + QStringLiteral("/dosdevices")).isDir();
}

QString prefixAbove(const QString& path) {
    for (QString above = parentOf(path); !above.isEmpty(); above = parentOf(above)) {
        if (isPrefix(above))
            return above;
    }
    return {};
}

// The variables of a fresh prefix that shortcuts use in their paths, each as Wine sets it.
QString expandedVariables(QString path) {
    static const std::pair<QString, QString> variables[] = {
        {QStringLiteral("%SystemRoot%"), QStringLiteral("C:\\windows")},
        {QStringLiteral("%windir%"), QStringLiteral("C:\\windows")},
        {QStringLiteral("%SystemDrive%"), QStringLiteral("C:")},
        {QStringLiteral("%ProgramFiles%"), QStringLiteral("C:\\Program Files")},
        {QStringLiteral("%ProgramW6432%"), QStringLiteral("C:\\Program Files")},
        {QStringLiteral("%ProgramFiles(x86)%"), QStringLiteral("C:\\Program Files (x86)")},
        {QStringLiteral("%CommonProgramFiles%"), QStringLiteral("C:\\Program Files\\Common Files")},
        {QStringLiteral("%CommonProgramFiles(x86)%"),
         QStringLiteral("C:\\Program Files (x86)\\Common Files")},
        {QStringLiteral("%ProgramData%"), QStringLiteral("C:\\ProgramData")},
        {QStringLiteral("%ALLUSERSPROFILE%"), QStringLiteral("C:\\ProgramData")},
        {QStringLiteral("%PUBLIC%"), QStringLiteral("C:\\users\\Public")},
    };
    if (!path.contains(u'%'))
        return path;
    for (const auto& [name, value] : variables)
        path.replace(name, value, Qt::CaseInsensitive);
    return path;
}

} // namespace

WineShellFolders::WineShellFolders(QString prefix)
    : prefix_(std::move(prefix)) {}

QString WineShellFolders::defaultWinePrefix() {
    if (qEnvironmentVariableIsSet("WINEPREFIX"))
        return absolutePrefix(qEnvironmentVariable("WINEPREFIX"));
    const QString home = absolutePrefix(qEnvironmentVariable("HOME"));
    return home.isEmpty() ? QString() : QDir::cleanPath(home + QStringLiteral("/.wine"));
}

QString WineShellFolders::shellFolder(const QString& valueName) {
    if (prefix_.isEmpty())
        return {};
    WineRegistry registry(prefix_ + QStringLiteral("/user.reg"));
    return unixPath(
        getRegString(registry, kHkeyCurrentUser, QString::fromUtf16(kShellFoldersKey), valueName));
}

QString WineShellFolders::prefixHolding(const QString& folder) {
    const QString given = absolutePrefix(folder);
    if (given.isEmpty())
        return {};
    if (QString prefix = prefixAbove(given); !prefix.isEmpty())
        return prefix;
    // A Start Menu reached through a link from outside its prefix.
    const QString real = QFileInfo(given).canonicalFilePath();
    return real.isEmpty() || real == given ? QString() : prefixAbove(real);
}

QString WineShellFolders::allUsersPrograms(const QString& startMenuFolder) {
    const QString prefix = prefixHolding(startMenuFolder);
    if (prefix.isEmpty())
        return {};
    WineRegistry machine(prefix + QStringLiteral("/system.reg"), kHkeyLocalMachine);
    return WineShellFolders(prefix).unixPath(getRegString(machine, kHkeyLocalMachine,
                                                          QString::fromUtf16(kShellFoldersKey),
                                                          QStringLiteral("Common Programs")));
}

QString WineShellFolders::unixPath(const QString& windowsPath) const {
    if (prefix_.isEmpty() || windowsPath.size() < 3 || windowsPath[0].unicode() > 0x7F ||
        !windowsPath[0].isLetter() || windowsPath[1] != u':' || !isSeparator(windowsPath[2]))
        return {};
    const QString driveLink =
        prefix_ + QStringLiteral("/dosdevices/") + windowsPath[0].toLower() + u':';
    auto known = drives_.constFind(driveLink);
    if (known == drives_.constEnd())
        known = drives_.insert(driveLink, QFileInfo(driveLink).canonicalFilePath());
    const QString drive = *known;
    if (drive.isEmpty())
        return {};

    QByteArray path = QFile::encodeName(drive);
    bool onDisk = true;
    for (const QString& name : namesAfterDrive(windowsPath)) {
        const QByteArray written = posix::joinNative(path, QFile::encodeName(name));
        if (onDisk) {
            if (auto resolved = posix::resolveExisting(written)) {
                path = std::move(*resolved);
                continue;
            }
            onDisk = false;
        }
        path = written;
    }
    return QFile::decodeName(path);
}

QString WineShellFolders::unixPathOfLinkedFile(const QString& path, const QString& base) const {
    const QString expanded = expandedVariables(path.trimmed());
    const bool absolute = expanded.size() >= 3 && expanded[1] == u':' && isSeparator(expanded[2]);
    if (absolute || expanded.isEmpty())
        return unixPath(expanded);
    return unixPath(base + u'\\' + expanded);
}

} // namespace tvn
