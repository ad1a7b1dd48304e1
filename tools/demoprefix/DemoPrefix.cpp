#include "tools/demoprefix/DemoPrefix.h"

#include "tools/demoprefix/DemoStartMenu.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <filesystem>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sys/xattr.h>

namespace tvn::tools {

namespace fs = std::filesystem;

namespace {

const QString kAllUsersStartMenuWindows =
    QStringLiteral("C:\\ProgramData\\Microsoft\\Windows\\Start Menu");
const QString kAllUsersProgramsWindows = kAllUsersStartMenuWindows + QStringLiteral("\\Programs");

// 2024-03-04 09:30 UTC as a FILETIME; each shortcut's target is dated a few minutes later.
constexpr quint64 kBaseFileTime = 133540182000000000ull;
constexpr quint64 kFileTimeMinute = 600000000ull;

QString startMenuWindowsPath(const QString& user) {
    return QStringLiteral("C:\\users\\") + user +
           QStringLiteral("\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu");
}

// A registry string as Wine writes it: backslash and quote escaped, characters outside
// printable ASCII as \x with four hex digits (so a following hex digit is never swallowed).
QString regString(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == '\\' || c == '"')
            out += '\\' + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QChar('0'));
        else
            out += c;
    }
    return out;
}

QByteArray userRegistry(const QString& user) {
    const QString profile = QStringLiteral("C:\\users\\") + user;
    const QString roaming = profile + QStringLiteral("\\AppData\\Roaming");
    const QString startMenu = startMenuWindowsPath(user);
    const QString value = QStringLiteral("\"%1\"=\"%2\"\n");
    QString text =
        QStringLiteral("WINE REGISTRY Version 2\n"
                       ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
                       "\n"
                       "#arch=win64\n"
                       "\n"
                       "[Control Panel\\\\Desktop] 1709544600\n"
                       "#time=1da6e0d5f1e2a00\n"
                       "\"MenuShowDelay\"=\"400\"\n"
                       "\n"
                       "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer"
                       "\\\\Shell Folders] 1709544600\n"
                       "#time=1da6e0d5f1e3b10\n");
    text += value.arg(QStringLiteral("AppData"), regString(roaming));
    text += value.arg(QStringLiteral("Desktop"), regString(profile + "\\Desktop"));
    text += value.arg(QStringLiteral("Personal"), regString(profile + "\\Documents"));
    text += value.arg(QStringLiteral("Programs"), regString(startMenu + "\\Programs"));
    text += value.arg(QStringLiteral("Start Menu"), regString(startMenu));
    text += value.arg(QStringLiteral("StartUp"), regString(startMenu + "\\Programs\\StartUp"));
    text += QStringLiteral("\n");
    return text.toUtf8();
}

// The machine's branch as Wine 8 writes it into a fresh prefix, cut to the Shell Folders key.
QByteArray systemRegistry(const QString& user) {
    const QString value = QStringLiteral("\"%1\"=\"%2\"\n");
    QString text = QStringLiteral("WINE REGISTRY Version 2\n"
                                  ";; All keys relative to REGISTRY\\\\Machine\n"
                                  "\n"
                                  "#arch=win64\n"
                                  "\n"
                                  "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer"
                                  "\\\\Shell Folders] 1709544600\n"
                                  "#time=1da6e0d5f1e3b10\n");
    text +=
        value.arg(QStringLiteral("Common AppData"), regString(QStringLiteral("C:\\ProgramData")));
    text += value.arg(QStringLiteral("Common Desktop"),
                      regString(QStringLiteral("C:\\users\\Public\\Desktop")));
    text += value.arg(QStringLiteral("Common Favorites"),
                      regString(QStringLiteral("C:\\users\\") + user + "\\Favorites"));
    text += value.arg(QStringLiteral("Common Programs"), regString(kAllUsersProgramsWindows));
    text += value.arg(QStringLiteral("Common Start Menu"), regString(kAllUsersStartMenuWindows));
    text += value.arg(QStringLiteral("Common StartUp"),
                      regString(kAllUsersProgramsWindows + "\\StartUp"));
    text += QStringLiteral("\n");
    return text.toUtf8();
}

bool writeFile(const QString& path, const QByteArray& content, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(content) != content.size() || !file.flush()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool makePath(const QString& path, QString& error) {
    if (QDir().mkpath(path))
        return true;
    error = QStringLiteral("cannot create the folder %1").arg(path);
    return false;
}

bool makeLink(const QString& target, const QString& link, QString& error) {
    std::error_code code;
    fs::create_directory_symlink(target.toStdString(), link.toStdString(), code);
    if (!code)
        return true;
    error = QStringLiteral("cannot create the link %1: %2")
                .arg(link, QString::fromStdString(code.message()));
    return false;
}

// Empties the way for a new prefix; false (with `error` set) when the folder must be kept.
bool prepareFolder(const DemoPrefixRequest& request, QString& error) {
    const QFileInfo info(request.folder);
    if (!info.exists() && !info.isSymLink())
        return makePath(request.folder, error);
    if (!info.isDir() || info.isSymLink()) {
        error = QStringLiteral("%1 exists and is not a folder").arg(request.folder);
        return false;
    }
    const QDir dir(request.folder);
    if (dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    if (!request.replace) {
        error = QStringLiteral("%1 is not empty; pass --replace to replace a demo prefix "
                               "made earlier")
                    .arg(request.folder);
        return false;
    }
    if (!QFileInfo::exists(dir.filePath(QString::fromLatin1(kDemoPrefixMarker)))) {
        error = QStringLiteral("%1 is not a demo prefix made by this tool; it is left as it is")
                    .arg(request.folder);
        return false;
    }
    // remove_all removes links themselves and never follows them (z: points at "/").
    std::error_code code;
    fs::remove_all(request.folder.toStdString(), code);
    if (code) {
        error = QStringLiteral("cannot remove the old demo prefix %1: %2")
                    .arg(request.folder, QString::fromStdString(code.message()));
        return false;
    }
    return makePath(request.folder, error);
}

bool setDosAttributes(const QString& path, const QByteArray& attributes) {
    const QByteArray native = QFile::encodeName(path);
    return ::setxattr(native.constData(), "user.DOSATTRIB", attributes.constData(),
                      size_t(attributes.size()), 0) == 0;
}

// Writes the files of a Programs tree into `programs` (`programsWindows` on drive C:), counting
// its shortcuts in `count`; false (with the error in `result`) when a file cannot be written.
bool writeTree(const std::vector<DemoFile>& files, const QString& programs,
               const QString& programsWindows, quint64& minute, DemoPrefixResult& result,
               int& count) {
    for (const DemoFile& file : files) {
        const QString path = programs + '/' + file.path;
        const QString folder = QFileInfo(path).path();
        if (!makePath(folder, result.error))
            return false;
        QByteArray content = file.content;
        if (!file.target.isEmpty()) {
            const qsizetype slash = file.path.lastIndexOf('/');
            QString windowsFolder = programsWindows;
            if (slash > 0)
                windowsFolder += '\\' + file.path.left(slash).replace('/', '\\');
            ShellLinkTarget target;
            target.description = file.description;
            target.relativePath = relativeWindowsPath(windowsFolder, file.target);
            target.workingDirectory = file.target.left(file.target.lastIndexOf('\\'));
            target.arguments = file.arguments;
            target.iconLocation = file.target;
            target.targetSize = quint32(40960 + 4096 * minute);
            target.targetTime = kBaseFileTime + kFileTimeMinute * ++minute;
            content = shellLinkBytes(target);
            ++count;
        }
        if (!writeFile(path, content, result.error))
            return false;
        if (!file.dosAttributes.isEmpty() && !setDosAttributes(path, file.dosAttributes))
            result.unhiddenFiles << path;
    }
    return true;
}

} // namespace

QString demoUserName() {
    const QString user = qEnvironmentVariable("USER");
    if (user.isEmpty() || user == "." || user == ".." || user.contains('/') || user.contains('\\'))
        return QStringLiteral("user");
    return user;
}

DemoPrefixResult makeDemoPrefix(const DemoPrefixRequest& request) {
    DemoPrefixResult result;
    QString& error = result.error;
    if (!prepareFolder(request, error))
        return result;

    const QDir root(request.folder);
    const QString driveC = root.filePath(QStringLiteral("drive_c"));
    const QString userFolder = driveC + QStringLiteral("/users/") + request.userName;
    const QString programs =
        userFolder + QStringLiteral("/AppData/Roaming/Microsoft/Windows/Start Menu/Programs");
    const QString programsWindows = startMenuWindowsPath(request.userName) + "\\Programs";
    const QString allUsersPrograms =
        driveC + QStringLiteral("/ProgramData/Microsoft/Windows/Start Menu/Programs");

    if (!writeFile(root.filePath(QString::fromLatin1(kDemoPrefixMarker)),
                   "A demo Wine prefix made by make-demo-prefix; it may be replaced.\n", error) ||
        !writeFile(root.filePath(QStringLiteral("user.reg")), userRegistry(request.userName),
                   error) ||
        !writeFile(root.filePath(QStringLiteral("system.reg")), systemRegistry(request.userName),
                   error) ||
        !makePath(root.filePath(QStringLiteral("dosdevices")), error) ||
        !makeLink(QStringLiteral("../drive_c"), root.filePath(QStringLiteral("dosdevices/c:")),
                  error) ||
        !makeLink(QStringLiteral("/"), root.filePath(QStringLiteral("dosdevices/z:")), error) ||
        !makePath(driveC + QStringLiteral("/windows"), error) ||
        !makePath(driveC + QStringLiteral("/Program Files"), error) ||
        !makePath(userFolder + QStringLiteral("/Desktop"), error) ||
        !makePath(userFolder + QStringLiteral("/Documents"), error) ||
        !makePath(programs + QStringLiteral("/StartUp"), error))
        return result;

    quint64 minute = 0;
    if (!writeTree(demoProgramsTree(), programs, programsWindows, minute, result,
                   result.shortcutCount) ||
        !makePath(allUsersPrograms + QStringLiteral("/StartUp"), error))
        return result;
    writeTree(demoAllUsersProgramsTree(), allUsersPrograms, kAllUsersProgramsWindows, minute,
              result, result.allUsersShortcutCount);
    return result;
}

} // namespace tvn::tools
