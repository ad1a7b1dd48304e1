#include "desktopmenu/DesktopMenuSync.h"

#include "desktopmenu/GnomeAppFolders.h"
#include "desktopmenu/LinkDesktopEntry.h"
#include "desktopmenu/OriginalEntries.h"
#include "desktopmenu/ProgramIcons.h"
#include "desktopmenu/WineLauncher.h"
#include "desktopmenu/WineMenuFiles.h"
#include "desktopmenu/WinePrefix.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/FolderSafety.h"

#include <algorithm>
#include <optional>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <vector>

namespace tvn {

namespace {

QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
    const QString value = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + u'/' + fallbackBelowHome);
}

QString windowsJoin(const QString& folder, const QString& name) {
    return folder.endsWith(u'\\') ? folder + name : folder + u'\\' + name;
}

// The start of the ids of this program's GNOME app folders for a prefix: each entry starts its
// program in one prefix, and a sync knows only its own, so each prefix has folders of its own.
QString appFolderIdPrefix(const QString& prefix) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(prefix).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("Torvane-") + QString::fromLatin1(hash.toHex().left(8)) + u'-';
}

// A desktop file's id: its path below applications/, '/' turned '-'.
QString copyDesktopId(const CategoryCopy& copy) {
    return QStringLiteral("wine-") + copy.menu + u'-' + copy.entry + QStringLiteral(".desktop");
}

// The category folders that exist, spelled as on disk: a caption that is no valid folder name
// names none, and neither does one that reaches the Programs folder.
std::vector<StartMenuFolder> categoryFoldersOnDisk(Tvn& tvn) {
    std::vector<std::pair<FileId, int>> categories;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (!isValidCategoryName(caption))
            continue;
        const QString folder = categoryFolder(tvn, caption);
        if (holdsProgramsFolder(tvn, folder) || liesInProgramsTree(tvn, folder))
            continue;
        if (const auto id = tvn.fs.identity(folder))
            categories.push_back({*id, k});
    }
    std::vector<StartMenuFolder> folders;
    const auto listing = tvn.fs.listFolder(tvn.state.startMenuPath);
    if (!listing)
        return folders;
    for (const QString& path : listing->subfolders) {
        const auto id = tvn.fs.identity(path);
        if (!id)
            continue;
        const auto category =
            std::find_if(categories.begin(), categories.end(),
                         [&](const std::pair<FileId, int>& c) { return c.first == *id; });
        if (category != categories.end())
            folders.push_back({QFileInfo(path).fileName(), path, category->second});
    }
    return folders;
}

std::vector<CategoryCopy> copiesIn(Tvn& tvn, const std::vector<StartMenuFolder>& categories,
                                   const QString& windowsStartMenu) {
    std::vector<CategoryCopy> copies;
    for (const StartMenuFolder& category : categories) {
        const auto shortcuts = tvn.fs.shortcutFiles(category.path);
        if (!shortcuts)
            continue;
        const QString windowsFolder = windowsJoin(windowsStartMenu, category.name);
        for (const QString& name : *shortcuts)
            copies.push_back({category.name, name.chopped(4), joinPath(category.path, name),
                              windowsJoin(windowsFolder, name)});
    }
    return copies;
}

std::vector<ProgramsTree> programsTrees(const ProgramState& state, const QString& prefix) {
    std::vector<ProgramsTree> trees;
    for (const QString& path : {state.programsPath, state.allUsersProgramsPath}) {
        const QString windowsPath = path.isEmpty() ? QString() : windowsPathIn(prefix, path);
        if (!windowsPath.isEmpty())
            trees.push_back({path, windowsPath});
    }
    return trees;
}

// The names, less their last extension, of the files in the Start Menu folder `menu`: the
// entry names of the shortcuts Wine may have made entries for.
QSet<QString> entryNamesOfFiles(const QString& startMenuPath, const QString& menu) {
    QSet<QString> names;
    const QDir folder(startMenuPath + u'/' + menu);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        names.insert(name.left(name.lastIndexOf(u'.')));
    return names;
}

std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

class MenuSync {
public:
    MenuSync(const DesktopMenuRequest& request, const DesktopMenuSyncControl& control)
        : request_(request)
        , control_(control)
        , files_({request.environment.dataHome, request.environment.configHome}) {}

    DesktopMenuSyncResult run() {
        runSteps();
        if (result_.written + result_.removed > 0) {
            ProgramIcons(request_.environment.dataHome).removeUnused();
            files_.announceChange();
        }
        if (!result_.stopped) {
            result_.appFolderIdPrefix = appFolderIdPrefix(request_.prefix);
            result_.appFolders = GnomeAppFolders::sync(result_.appFolderIdPrefix, folders_,
                                                       control_.appFolderChange);
            result_.appFoldersInStep = std::move(folders_);
        }
        return result_;
    }

private:
    void runSteps() {
        QStringList managed = files_.markedDirectoryMenus();
        for (const StartMenuFolder& category : request_.categories)
            managed.append(category.name);
        managed.removeDuplicates();

        removeEntriesOfGoneShortcuts(managed);
        if (stopped())
            return;
        const OriginalEntries originals(request_.environment.dataHome, request_.prefix,
                                        request_.programsTrees);
        const std::vector<CopyOrigin> copies = originsOfCopies(originals);
        const QString launcher =
            originals.launcher().isEmpty()
                ? wineLauncherOfManager(request_.prefix, request_.environment.home)
                : originals.launcher();
        makeMissingEntries(copies, launcher);
        if (stopped())
            return;
        removeUnusedSubmenus(managed);
        folders_ = appFolders(copies);
    }

    // A copy, its shortcut's content and the entry Wine made for its original, null where
    // there is none.
    struct CopyOrigin {
        const CategoryCopy* copy;
        QByteArray shortcut;
        const OriginalEntry* original;
    };

    // Tells the desktop's menus, once, before the first entry is written or removed.
    void announceFirstChange() {
        if (!announced_)
            files_.announceChange();
        announced_ = true;
    }

    bool stopped() {
        if (!result_.stopped && control_.stopRequested())
            result_.stopped = true;
        return result_.stopped;
    }

    // Each removal takes the .menu file first and the .desktop file last, so an interrupted
    // sync leaves an entry file that the next one finds and removes.
    void removeEntriesOfGoneShortcuts(const QStringList& managed) {
        for (const QString& menu : managed) {
            if (stopped())
                return;
            const QSet<QString> present = entryNamesOfFiles(request_.startMenuPath, menu);
            const QDir folder(files_.entryFolder(menu));
            for (const QString& name :
                 folder.entryList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden)) {
                const QString entry = name.chopped(8);
                if (present.contains(entry))
                    continue;
                announceFirstChange();
                if (files_.menuFileIsForEntry(menu, entry))
                    QFile::remove(files_.menuFile(menu, entry));
                if (QFile::remove(folder.filePath(name)))
                    ++result_.removed;
            }
        }
    }

    std::vector<CopyOrigin> originsOfCopies(const OriginalEntries& originals) const {
        std::vector<CopyOrigin> copies;
        for (const CategoryCopy& copy : request_.copies) {
            auto shortcut = readBytes(copy.path);
            const OriginalEntry* original = shortcut ? originals.forShortcut(*shortcut) : nullptr;
            copies.push_back({&copy, std::move(shortcut).value_or(QByteArray()), original});
        }
        return copies;
    }

    // The entry of a copy whose original has one is the original's, hidden from GNOME, whose
    // app grid shows the original's entry in the category's app folder instead. Any other copy's
    // entry stays shown: a GNOME folder shows only entries that GNOME may show.
    QByteArray entryText(LinkDesktopEntries& fromLinks, const CopyOrigin& copy) const {
        if (!copy.original)
            return fromLinks.textFor(*copy.copy, copy.shortcut);
        return copy.original->entry.textFor(copy.copy->entry, request_.prefix,
                                            copy.copy->windowsPath) +
               "NotShowIn=GNOME;\n";
    }

    bool inStep(const CategoryCopy& copy, const QByteArray& text) {
        auto directory = directoryExists_.constFind(copy.menu);
        if (directory == directoryExists_.constEnd())
            directory = directoryExists_.insert(copy.menu,
                                                QFileInfo::exists(files_.directoryFile(copy.menu)));
        return *directory && files_.menuFileIncludes(copy.menu, copy.entry) &&
               readBytes(files_.desktopFile(copy.menu, copy.entry)) == text;
    }

    // The entries are worked out first (the icons of those made from shortcuts written on the
    // way), then those that differ from the files written.
    void makeMissingEntries(const std::vector<CopyOrigin>& copies, const QString& launcher) {
        LinkDesktopEntries fromLinks(request_.prefix, launcher, request_.environment.dataHome);
        std::vector<std::pair<const CategoryCopy*, QByteArray>> missing;
        for (const CopyOrigin& copy : copies) {
            if (stopped())
                return;
            QByteArray text = entryText(fromLinks, copy);
            if (inStep(*copy.copy, text)) {
                withEntry_.insert(copy.copy);
            } else {
                announceFirstChange();
                missing.push_back({copy.copy, std::move(text)});
            }
        }
        if (missing.empty())
            return;
        total_ = qsizetype(missing.size());
        control_.progressed(0, total_);
        for (const auto& [copy, text] : missing) {
            if (stopped())
                return;
            files_.writeMarkedDirectoryFile(copy->menu);
            if (files_.writeEntry(copy->menu, copy->entry, text)) {
                withEntry_.insert(copy);
                ++result_.written;
            } else
                result_.failed << copy->path;
            control_.progressed(++done_, total_);
        }
    }

    // The entry folders left empty go; then the .directory file of each submenu this program
    // made that no menu file refers to any more, the last trace of it (every such submenu is
    // among the managed ones, so its folder has gone first when empty).
    void removeUnusedSubmenus(const QStringList& managed) {
        for (const QString& menu : managed)
            QDir().rmdir(files_.entryFolder(menu));
        const QSet<QString> referenced = files_.referencedDirectoryFiles();
        for (const QString& menu : files_.markedDirectoryMenus()) {
            const QString directory = files_.directoryFile(menu);
            if (!referenced.contains(QFileInfo(directory).fileName()))
                QFile::remove(directory);
        }
    }

    // For each category holding copies with entries, its app folder: the originals' entries
    // where they have one, else the copies' own.
    std::vector<AppFolder> appFolders(const std::vector<CopyOrigin>& copies) const {
        const QString idPrefix = appFolderIdPrefix(request_.prefix);
        std::vector<AppFolder> folders;
        for (const StartMenuFolder& category : request_.categories) {
            AppFolder folder{idPrefix + QString::number(category.category + 1), category.name, {}};
            for (const CopyOrigin& copy : copies) {
                if (copy.copy->menu != category.name)
                    continue;
                if (copy.original)
                    folder.apps << copy.original->desktopId;
                else if (withEntry_.contains(copy.copy) ||
                         QFileInfo::exists(files_.desktopFile(copy.copy->menu, copy.copy->entry)))
                    folder.apps << copyDesktopId(*copy.copy);
            }
            folder.apps.sort();
            folder.apps.removeDuplicates();
            if (!folder.apps.isEmpty())
                folders.push_back(std::move(folder));
        }
        return folders;
    }

    const DesktopMenuRequest& request_;
    const DesktopMenuSyncControl& control_;
    WineMenuFiles files_;
    DesktopMenuSyncResult result_;
    // Whether each menu's .directory file exists, asked once before any is written.
    QHash<QString, bool> directoryExists_;
    // GNOME's app folders as the sync leaves the entries.
    std::vector<AppFolder> folders_;
    // The copies whose entry is known to be in step, so not looked for again.
    QSet<const CategoryCopy*> withEntry_;
    qsizetype done_ = 0;
    qsizetype total_ = 0;
    bool announced_ = false;
};

} // namespace

DesktopMenuEnvironment DesktopMenuEnvironment::fromSystem() {
    DesktopMenuEnvironment environment;
    environment.wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    environment.home = QDir::homePath();
    environment.dataHome = xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    environment.configHome = xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    return environment;
}

DesktopMenuSupport desktopMenuSupport(const QString& startMenuPath,
                                      const DesktopMenuEnvironment& environment) {
    if (environment.wine.isEmpty())
        return DesktopMenuSupport::WineMissing;
    if (setUpWinePrefixOf(startMenuPath).isEmpty())
        return DesktopMenuSupport::NoWinePrefix;
    return DesktopMenuSupport::Available;
}

DesktopMenuRequest desktopMenuRequest(Tvn& tvn, const DesktopMenuEnvironment& environment) {
    DesktopMenuRequest request;
    request.support = desktopMenuSupport(tvn.state.startMenuPath, environment);
    if (request.support != DesktopMenuSupport::Available)
        return request;
    request.prefix = setUpWinePrefixOf(tvn.state.startMenuPath);
    const QString windowsStartMenu = windowsPathIn(request.prefix, tvn.state.startMenuPath);
    if (windowsStartMenu.isEmpty()) {
        request.support = DesktopMenuSupport::NoWinePrefix;
        return request;
    }
    request.environment = environment;
    request.startMenuPath = tvn.state.startMenuPath;
    request.categories = categoryFoldersOnDisk(tvn);
    request.copies = copiesIn(tvn, request.categories, windowsStartMenu);
    request.programsTrees = programsTrees(tvn.state, request.prefix);
    return request;
}

DesktopMenuSyncResult syncDesktopMenu(const DesktopMenuRequest& request,
                                      const DesktopMenuSyncControl& control) {
    if (request.support != DesktopMenuSupport::Available)
        return {request.support, 0, 0, 0, {}, false, {}, {}};
    return MenuSync(request, control).run();
}

void settleGnomeAppFolders(const DesktopMenuSyncResult& result, AppFolderChange change) {
    GnomeAppFolders::sync(result.appFolderIdPrefix, result.appFoldersInStep, change);
}

} // namespace tvn
