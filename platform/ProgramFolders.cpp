#include "platform/ProgramFolders.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace tvn {
namespace {

// Every shipped set of data files holds the category defaults.
constexpr auto kShippedMarker = u"Default.tvn";

bool holdsShippedFiles(const QString& folder) {
    return QFileInfo::exists(QDir(folder).filePath(QString::fromUtf16(kShippedMarker)));
}

} // namespace

ProgramFolders programFoldersAtStart(const StartPlaces& places) {
    const QString current = QDir::toNativeSeparators(places.currentFolder);
    const QString installedData =
        QDir::cleanPath(QDir(places.executableFolder).filePath(places.installedDataFromExecutable));
    if (holdsShippedFiles(places.executableFolder) || !holdsShippedFiles(installedData) ||
        places.userDataFolder.isEmpty())
        return {current, {}};
    QDir().mkpath(places.userDataFolder);
    return {QDir::toNativeSeparators(QDir::cleanPath(places.userDataFolder)),
            QDir::toNativeSeparators(installedData)};
}

QString dataFilePath(FileSystem& fs, const ProgramFolders& folders, const QString& name) {
    const QString own = joinPath(folders.appFolder, name);
    if (folders.shippedFolder.isEmpty() || fs.fileExists(own))
        return own;
    return joinPath(folders.shippedFolder, name);
}

} // namespace tvn
