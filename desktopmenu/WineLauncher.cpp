#include "desktopmenu/WineLauncher.h"

#include "platform/PrefixConfigFiles.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tvn {

namespace {

// Configuration files are small; a larger one is read in part.
constexpr qint64 kMaxConfigBytes = 256 * 1024;

std::optional<QByteArray> readConfig(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(kMaxConfigBytes);
}

QString sameFolder(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(path) : real;
}

QString wineIn(const QString& runner) {
    const QString wine = runner + QStringLiteral("/bin/wine");
    return QFileInfo(wine).isExecutable() ? wine : QString();
}

// Lutris keeps each game's configuration, and the runners it downloads, in its data folder
// (older versions: the games in ~/.config/lutris); the Flatpak keeps both in its own.
QString lutrisRunner(const QString& prefix, const QString& home) {
    const struct {
        const char* games;
        const char* defaults;
        const char* runners;
    } installs[] = {
        {".local/share/lutris/games", ".config/lutris/runners/wine.yml",
         ".local/share/lutris/runners/wine"},
        {".config/lutris/games", ".config/lutris/runners/wine.yml",
         ".local/share/lutris/runners/wine"},
        {".var/app/net.lutris.Lutris/data/lutris/games",
         ".var/app/net.lutris.Lutris/config/lutris/runners/wine.yml",
         ".var/app/net.lutris.Lutris/data/lutris/runners/wine"},
    };
    const QString target = sameFolder(prefix);
    for (const auto& install : installs) {
        const QDir games(home + u'/' + QLatin1String(install.games));
        for (const QString& name : games.entryList({QStringLiteral("*.yml")}, QDir::Files)) {
            const auto yml = readConfig(games.filePath(name));
            auto written = yml ? prefixes::lutrisGamePrefix(*yml) : std::nullopt;
            if (!written)
                continue;
            if (*written == u"~" || written->startsWith(QStringLiteral("~/")))
                *written = home + written->sliced(1);
            if (!QDir::isAbsolutePath(*written) || sameFolder(*written) != target)
                continue;
            auto version = prefixes::lutrisValue(*yml, "wine", "version");
            if (!version)
                if (const auto defaults = readConfig(home + u'/' + QLatin1String(install.defaults)))
                    version = prefixes::lutrisValue(*defaults, "wine", "version");
            if (!version || version->contains(u'/') || version->startsWith(u'.'))
                return {};
            return wineIn(home + u'/' + QLatin1String(install.runners) + u'/' + *version);
        }
    }
    return {};
}

// Proton's prefix is compatdata/<app id>/pfx; config_info beside it names, after the Proton
// version, files of the Proton it was made with (".../Proton 8.0/files/share/fonts/").
QString protonRunner(const QString& prefix) {
    const QFileInfo pfx(QDir::cleanPath(prefix));
    if (pfx.fileName() != u"pfx" || QFileInfo(pfx.path()).dir().dirName() != u"compatdata")
        return {};
    const auto info = readConfig(pfx.path() + QStringLiteral("/config_info"));
    if (!info)
        return {};
    for (const QByteArray& raw : info->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.startsWith(u'/'))
            continue;
        for (const QString& part : {QStringLiteral("/files/"), QStringLiteral("/dist/")}) {
            const qsizetype at = line.indexOf(part);
            if (at < 0)
                continue;
            if (QString wine = wineIn(line.left(at + part.size() - 1)); !wine.isEmpty())
                return wine;
        }
    }
    return {};
}

} // namespace

QString wineLauncherOfManager(const QString& prefix, const QString& home) {
    if (QString wine = lutrisRunner(prefix, home); !wine.isEmpty())
        return wine;
    if (QString wine = protonRunner(prefix); !wine.isEmpty())
        return wine;
    return QStringLiteral("wine");
}

} // namespace tvn
