#include "desktopmenu/DesktopMenuSync.h"

#include "catalogue/ProgressText.h"
#include "desktopmenu/WineMenuBuilder.h"
#include "desktopmenu/WineMenuFiles.h"
#include "desktopmenu/WinePrefix.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/FolderRefresh.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <vector>

namespace tvn {

namespace {

// A folder directly in the Start Menu folder, named as the disk names it.
struct StartMenuFolder {
    QString name;
    QString path;
};

// A shortcut in a category folder, and the names of its menu entry.
struct CategoryCopy {
    QString menu;
    QString entry;
    QString path;
    QString windowsPath;
};

QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
    const QString value = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + u'/' + fallbackBelowHome);
}

QString windowsJoin(const QString& folder, const QString& name) {
    return folder.endsWith(u'\\') ? folder + name : folder + u'\\' + name;
}

// The category folders that exist, spelled as on disk: a caption that is no valid folder name
// names none, and neither does one that reaches the Programs folder.
std::vector<StartMenuFolder> categoryFoldersOnDisk(Tvn& tvn) {
    std::vector<FileId> categories;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (!isValidCategoryName(caption))
            continue;
        const QString folder = categoryFolder(tvn, caption);
        if (holdsProgramsFolder(tvn, folder) || liesInProgramsTree(tvn, folder))
            continue;
        if (const auto id = tvn.fs.identity(folder))
            categories.push_back(*id);
    }
    std::vector<StartMenuFolder> folders;
    const auto listing = tvn.fs.listFolder(tvn.state.startMenuPath);
    if (!listing)
        return folders;
    for (const QString& path : listing->subfolders) {
        const auto id = tvn.fs.identity(path);
        if (id && std::find(categories.begin(), categories.end(), *id) != categories.end())
            folders.push_back({QFileInfo(path).fileName(), path});
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

// The names, less their last extension, of the files in the Start Menu folder `menu`: the
// entry names of the shortcuts Wine may have made entries for.
QSet<QString> entryNamesOfFiles(const QString& startMenuPath, const QString& menu) {
    QSet<QString> names;
    const QDir folder(startMenuPath + u'/' + menu);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        names.insert(name.left(name.lastIndexOf(u'.')));
    return names;
}

class MenuSync {
public:
    MenuSync(Tvn& tvn, const DesktopMenuEnvironment& environment, QString prefix,
             QString windowsStartMenu)
        : tvn_(tvn)
        , environment_(environment)
        , prefix_(std::move(prefix))
        , windowsStartMenu_(std::move(windowsStartMenu))
        , files_({environment.dataHome, environment.configHome}) {}

    DesktopMenuSyncResult run() {
        const std::vector<StartMenuFolder> categories = categoryFoldersOnDisk(tvn_);
        QStringList managed = files_.markedDirectoryMenus();
        for (const StartMenuFolder& category : categories)
            managed.append(category.name);
        managed.removeDuplicates();

        removeEntriesOfGoneShortcuts(managed);
        makeMissingEntries(copiesIn(tvn_, categories, windowsStartMenu_));
        removeUnusedSubmenus(managed);
        return result_;
    }

private:
    // Each removal takes the .menu file first and the .desktop file last, so an interrupted
    // sync leaves an entry file that the next one finds and removes.
    void removeEntriesOfGoneShortcuts(const QStringList& managed) {
        for (const QString& menu : managed) {
            const QSet<QString> present = entryNamesOfFiles(tvn_.state.startMenuPath, menu);
            const QDir folder(files_.entryFolder(menu));
            for (const QString& name :
                 folder.entryList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden)) {
                const QString entry = name.chopped(8);
                if (present.contains(entry))
                    continue;
                if (files_.menuFileIsForEntry(menu, entry))
                    QFile::remove(files_.menuFile(menu, entry));
                if (QFile::remove(folder.filePath(name)))
                    ++result_.removed;
            }
        }
    }

    bool inStep(const CategoryCopy& copy) const {
        return QFileInfo::exists(files_.directoryFile(copy.menu)) &&
               files_.hasQuotedExec(copy.menu, copy.entry, prefix_, copy.windowsPath) &&
               files_.menuFileIncludes(copy.menu, copy.entry);
    }

    void makeMissingEntries(const std::vector<CategoryCopy>& copies) {
        std::vector<CategoryCopy> missing;
        for (const CategoryCopy& copy : copies)
            if (!inStep(copy))
                missing.push_back(copy);
        if (missing.empty())
            return;

        QStringList links;
        for (const CategoryCopy& copy : missing) {
            // Written ahead of Wine's, with the mark, so the submenu is known as this
            // program's even if the sync is interrupted while Wine runs.
            files_.writeMarkedDirectoryFile(copy.menu);
            links << copy.windowsPath;
        }
        const qsizetype total = links.size();
        showProgress(0, total);
        WineMenuBuilder builder(
            {environment_.wine, environment_.wineserver},
            WineMenuBuilder::environmentFor(QProcessEnvironment::systemEnvironment(), prefix_,
                                            environment_.dataHome, environment_.configHome),
            tvn_.ui);
        builder.makeEntries(links, [&](qsizetype done) { showProgress(done, total); });

        for (const CategoryCopy& copy : missing) {
            const bool made = QFileInfo::exists(files_.desktopFile(copy.menu, copy.entry)) &&
                              files_.menuFileIncludes(copy.menu, copy.entry) &&
                              files_.quoteExec(copy.menu, copy.entry, prefix_, copy.windowsPath);
            if (made)
                ++result_.written;
            else
                result_.failed << copy.path;
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

    void showProgress(qsizetype done, qsizetype total) {
        if (const auto text = percentText(done, total + 1))
            tvn_.window.setProgressText(*text);
        tvn_.ui.pumpEvents();
    }

    Tvn& tvn_;
    const DesktopMenuEnvironment& environment_;
    QString prefix_;
    QString windowsStartMenu_;
    WineMenuFiles files_;
    DesktopMenuSyncResult result_;
};

} // namespace

DesktopMenuEnvironment DesktopMenuEnvironment::fromSystem() {
    DesktopMenuEnvironment environment;
    environment.wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    const QString server = qEnvironmentVariable("WINESERVER");
    if (!server.isEmpty())
        environment.wineserver = server;
    else if (!environment.wine.isEmpty())
        environment.wineserver = QStandardPaths::findExecutable(
            QStringLiteral("wineserver"), {QFileInfo(environment.wine).absolutePath()});
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

DesktopMenuSyncResult SyncDesktopMenu(Tvn& tvn, const DesktopMenuEnvironment& environment) {
    DesktopMenuSyncResult result;
    result.support = desktopMenuSupport(tvn.state.startMenuPath, environment);
    if (result.support != DesktopMenuSupport::Available)
        return result;
    const QString prefix = setUpWinePrefixOf(tvn.state.startMenuPath);
    const QString windowsStartMenu = windowsPathIn(prefix, tvn.state.startMenuPath);
    if (windowsStartMenu.isEmpty()) {
        result.support = DesktopMenuSupport::NoWinePrefix;
        return result;
    }
    return MenuSync(tvn, environment, prefix, windowsStartMenu).run();
}

} // namespace tvn
