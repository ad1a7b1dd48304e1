#include "platform/WinePrefixes.h"

#include "platform/PrefixConfigFiles.h"

#include <algorithm>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace tvn {

namespace {

using Clock = std::chrono::steady_clock;

// Far larger than any real game file or library list; a bigger file is not read.
constexpr qint64 kMaxConfigFileBytes = 1024 * 1024;

QString absoluteFolder(const QString& path) {
    return path.startsWith(u'/') ? QDir::cleanPath(path) : QString();
}

// The subfolders of `parent` by name; none when it is missing or cannot be read.
QStringList subfolders(const QString& parent) {
    return QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name | QDir::IgnoreCase);
}

// The content of a regular file of at most kMaxConfigFileBytes (a pipe would block the read).
std::optional<QByteArray> readConfigFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxConfigFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(kMaxConfigFileBytes + 1);
    if (content.size() > kMaxConfigFileBytes)
        return std::nullopt;
    return content;
}

// "Steam: 1091500" after "Steam: 489830": runs of digits compare by their value, the rest
// ignoring letter case.
bool readableLess(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    const auto digitsFrom = [](QStringView text, qsizetype& pos) {
        const qsizetype start = pos;
        while (pos < text.size() && text[pos].isDigit())
            ++pos;
        QStringView digits = text.sliced(start, pos - start);
        while (digits.size() > 1 && digits[0] == u'0')
            digits = digits.sliced(1);
        return digits;
    };
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = digitsFrom(a, i);
            const QStringView y = digitsFrom(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int order = x.compare(y); order != 0)
                return order < 0;
            continue;
        }
        if (const int order = a.sliced(i, 1).compare(b.sliced(j, 1), Qt::CaseInsensitive);
            order != 0)
            return order < 0;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

class PrefixSearch {
public:
    PrefixSearch(QString home, std::chrono::milliseconds timeLimit)
        : home_(std::move(home))
        , deadline_(Clock::now() + timeLimit) {}

    bool timeUp() const { return Clock::now() >= deadline_; }

    // A path below the home folder; empty without a home folder.
    QString inHome(const char* relative) const {
        return home_.isEmpty() ? QString() : home_ + u'/' + QString::fromUtf8(relative);
    }
    const QString& home() const { return home_; }

    // Lists the folder under its manager and label when it is a prefix not listed yet.
    void consider(const QString& manager, const QString& label, const QString& folder) {
        if (folder.isEmpty() || timeUp() ||
            !QFileInfo(folder + QStringLiteral("/user.reg")).isFile())
            return;
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || seen_.contains(real))
            return;
        seen_.insert(real);
        found_.push_back({manager, label, QDir::cleanPath(folder)});
    }

    // Each subfolder of `parent` as a prefix named after the subfolder.
    void considerEach(const QString& manager, const QString& parent) {
        if (parent.isEmpty() || timeUp())
            return;
        for (const QString& name : subfolders(parent))
            consider(manager, name, parent + u'/' + name);
    }

    std::vector<WinePrefix> take() {
        std::sort(found_.begin(), found_.end(), [](const WinePrefix& a, const WinePrefix& b) {
            if (a.manager != b.manager)
                return readableLess(a.manager, b.manager);
            if (readableLess(a.label, b.label))
                return true;
            return !readableLess(b.label, a.label) && a.path < b.path;
        });
        return std::move(found_);
    }

private:
    QString home_;
    Clock::time_point deadline_;
    QSet<QString> seen_;
    std::vector<WinePrefix> found_;
};

// Each game's YAML file names its prefix. `games` is the games folder below the home folder.
void considerLutrisGames(PrefixSearch& search, const QString& manager, const char* games) {
    const QString folder = search.inHome(games);
    if (folder.isEmpty())
        return;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.yml")},
                                                      QDir::Files | QDir::Hidden, QDir::Name)) {
        if (search.timeUp())
            return;
        const auto content = readConfigFile(folder + u'/' + name);
        const auto written = content ? prefixes::lutrisGamePrefix(*content) : std::nullopt;
        if (!written)
            continue;
        QString path = *written;
        if (path == u"~" || path.startsWith(QStringLiteral("~/")))
            path = search.home() + path.sliced(1);
        path = absoluteFolder(path);
        search.consider(manager, QFileInfo(path).fileName(), path);
    }
}

// The game's name from the library's app manifest, or its app id where none names it.
QString steamGameLabel(const QString& steamapps, const QString& appId) {
    const auto manifest = readConfigFile(steamapps + QStringLiteral("/appmanifest_") + appId +
                                         QStringLiteral(".acf"));
    const auto name = manifest ? prefixes::steamAppName(*manifest) : std::nullopt;
    return name.value_or(appId);
}

// Proton keeps one prefix per game, compatdata/<app id>/pfx, in every Steam library: the
// installation's own and those its libraryfolders.vdf lists.
void considerSteamLibraries(PrefixSearch& search, const QString& manager, const QString& root) {
    if (root.isEmpty() || search.timeUp())
        return;
    QStringList libraries{root};
    for (const char* list : {"/steamapps/libraryfolders.vdf", "/config/libraryfolders.vdf"}) {
        if (const auto content = readConfigFile(root + QString::fromUtf8(list)))
            libraries += prefixes::steamLibraryPaths(*content);
    }
    libraries.removeDuplicates();
    for (const QString& library : libraries) {
        const QString folder = absoluteFolder(library);
        if (folder.isEmpty())
            continue;
        const QString steamapps = folder + QStringLiteral("/steamapps");
        const QString compatdata = steamapps + QStringLiteral("/compatdata");
        for (const QString& appId : subfolders(compatdata)) {
            if (search.timeUp())
                return;
            const QString prefix = compatdata + u'/' + appId + QStringLiteral("/pfx");
            if (QFileInfo(prefix + QStringLiteral("/user.reg")).isFile())
                search.consider(manager, steamGameLabel(steamapps, appId), prefix);
        }
    }
}

} // namespace

std::vector<WinePrefix> findWinePrefixes(const QString& home, const QString& winePrefix,
                                         std::chrono::milliseconds timeLimit) {
    PrefixSearch search(absoluteFolder(home), timeLimit);
    const QString wine = QStringLiteral("Wine");
    search.consider(wine, QString(), search.inHome(".wine"));
    const QString chosen = absoluteFolder(winePrefix);
    search.consider(wine, QFileInfo(chosen).fileName(), chosen);
    search.considerEach(QStringLiteral("Winetricks"), search.inHome(".local/share/wineprefixes"));
    search.considerEach(QStringLiteral("Bottles"), search.inHome(".local/share/bottles/bottles"));
    search.considerEach(QStringLiteral("Bottles (Flatpak)"),
                        search.inHome(".var/app/com.usebottles.bottles/data/bottles/bottles"));
    const QString lutris = QStringLiteral("Lutris");
    considerLutrisGames(search, lutris, ".local/share/lutris/games");
    considerLutrisGames(search, lutris, ".config/lutris/games");
    considerLutrisGames(search, QStringLiteral("Lutris (Flatpak)"),
                        ".var/app/net.lutris.Lutris/data/lutris/games");
    search.considerEach(QStringLiteral("Heroic"), search.inHome("Games/Heroic/Prefixes/default"));
    const QString steam = QStringLiteral("Steam");
    considerSteamLibraries(search, steam, search.inHome(".steam/steam"));
    considerSteamLibraries(search, steam, search.inHome(".local/share/Steam"));
    considerSteamLibraries(search, QStringLiteral("Steam (Flatpak)"),
                           search.inHome(".var/app/com.valvesoftware.Steam/.local/share/Steam"));
    search.considerEach(QStringLiteral("PlayOnLinux"), search.inHome(".PlayOnLinux/wineprefix"));
    search.considerEach(QStringLiteral("CrossOver"), search.inHome(".cxoffice"));
    return search.take();
}

} // namespace tvn
