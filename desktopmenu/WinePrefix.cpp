#include "WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tvn {

namespace {

bool isPrefix(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/system.reg")).isFile() &&
           QFileInfo(folder + QStringLiteral("/dosdevices")).isDir();
}

QString nearestPrefix(QString folder) {
    while (!folder.isEmpty()) {
        if (isPrefix(folder))
            return folder;
        if (folder == u'/')
            break;
        folder = QFileInfo(folder).path();
    }
    return {};
}

} // namespace

QString winePrefixOf(const QString& folder) {
    if (!QDir::isAbsolutePath(folder))
        return {};
    const QString given = nearestPrefix(QDir::cleanPath(folder));
    if (!given.isEmpty())
        return given;
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    return resolved.isEmpty() ? QString() : nearestPrefix(resolved);
}

QString windowsPathIn(const QString& prefix, const QString& unixPath) {
    const QString target = QFileInfo(unixPath).canonicalFilePath();
    if (target.isEmpty())
        return {};
    static const QRegularExpression driveName(QStringLiteral("^[a-z]:$"));
    const QDir devices(prefix + QStringLiteral("/dosdevices"));
    QString bestDrive;
    QString bestRoot;
    for (const QString& name : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!driveName.match(name).hasMatch())
            continue;
        const QString root = QFileInfo(devices.filePath(name)).canonicalFilePath();
        const bool holds = root == u'/' || target == root || target.startsWith(root + u'/');
        if (!root.isEmpty() && holds && root.size() > bestRoot.size()) {
            bestDrive = name;
            bestRoot = root;
        }
    }
    if (bestDrive.isEmpty())
        return {};
    QString rest = target.sliced(bestRoot == u'/' ? 0 : bestRoot.size());
    rest.replace(u'/', u'\\');
    return bestDrive.toUpper() + (rest.isEmpty() ? QStringLiteral("\\") : rest);
}

} // namespace tvn
