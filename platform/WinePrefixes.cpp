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

    // Lists the folder under "manager: label" when it is a prefix not listed yet.
    void consider(const QString& manager, const QString& label, const QString& folder) {
        if (folder.isEmpty() || timeUp() ||
            !QFileInfo(folder + QStringLiteral("/user.reg")).isFile())
            return;
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || seen_.contains(real))
            return;
        seen_.insert(real);
        found_.push_back({manager + QStringLiteral(": ") + label, QDir::cleanPath(folder)});
    }

    // Each subfolder of `parent` (or its `below` folder) as a prefix named after the subfolder.
    void considerEach(const QString& manager, const QString& parent, const QString& below = {}) {
        if (parent.isEmpty() || timeUp())
            return;
        for (const QString& name : subfolders(parent)) {
            const QString folder = parent + u'/' + name;
            consider(manager, name, below.isEmpty() ? folder : folder + u'/' + below);
        }
    }

    std::vector<WinePrefix> take() {
        std::sort(found_.begin(), found_.end(), [](const WinePrefix& a, const WinePrefix& b) {
            if (readableLess(a.name, b.name))
                return true;
            return !readableLess(b.name, a.name) && a.path < b.path;
        });
        return std::move(found_);
    }

private:
    QString home_;
    Clock::time_point deadline_;
    QSet<QString> seen_;
    std::vector<WinePrefix> found_;
};

// Each game's YAML file names its prefix.
void considerLutrisGames(PrefixSearch& search) {
    const QString games = search.inHome(".local/share/lutris/games");
    if (games.isEmpty())
        return;
    for (const QString& name :
         QDir(games).entryList({QStringLiteral("*.yml")}, QDir::Files | QDir::Hidden, QDir::Name)) {
        if (search.timeUp())
            return;
        const auto content = readConfigFile(games + u'/' + name);
        const auto written = content ? prefixes::lutrisGamePrefix(*content) : std::nullopt;
        if (!written)
            continue;
        QString path = *written;
        if (path == u"~" || path.startsWith(QStringLiteral("~/")))
            path = search.home() + path.sliced(1);
        path = absoluteFolder(path);
        search.consider(QStringLiteral("Lutris"), QFileInfo(path).fileName(), path);
    }
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
        if (!folder.isEmpty())
            search.considerEach(manager, folder + QStringLiteral("/steamapps/compatdata"),
                                QStringLiteral("pfx"));
    }
}

} // namespace

std::vector<WinePrefix> findWinePrefixes(const QString& home, const QString& winePrefix,
                                         std::chrono::milliseconds timeLimit) {
    PrefixSearch search(absoluteFolder(home), timeLimit);
    const QString wine = QStringLiteral("Wine");
    search.consider(wine, QStringLiteral("default"), search.inHome(".wine"));
    const QString chosen = absoluteFolder(winePrefix);
    search.consider(wine, QFileInfo(chosen).fileName(), chosen);
    search.considerEach(QStringLiteral("Winetricks"), search.inHome(".local/share/wineprefixes"));
    search.considerEach(QStringLiteral("Bottles"), search.inHome(".local/share/bottles/bottles"));
    search.considerEach(QStringLiteral("Bottles (Flatpak)"),
                        search.inHome(".var/app/com.usebottles.bottles/data/bottles/bottles"));
    considerLutrisGames(search);
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
