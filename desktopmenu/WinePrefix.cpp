#include "desktopmenu/WinePrefix.h"

#include "platform/WineShellFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tvn {

QString setUpWinePrefixOf(const QString& folder) {
    const QString prefix = WineShellFolders::prefixHolding(folder);
    if (prefix.isEmpty() || !QFileInfo(prefix + QStringLiteral("/.update-timestamp")).isFile())
        return {};
    return prefix;
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
