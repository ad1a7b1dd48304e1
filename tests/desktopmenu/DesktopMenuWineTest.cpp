// The desktop menu sync against Wine itself: one prefix made by wineboot for the whole binary,
// fresh XDG folders for each test, the menu read back by a freedesktop menu parser.
#include "desktopmenu/GnomeAppFolders.h"
#include "desktopmenu/WinePrefix.h"
#include "MenuWorld.h"
#include "platform/WineShellFolders.h"
#include "tests/support/PrintQString.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <map>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tvn::test {
namespace {

// Runs a program to its end; its output, or nothing when it failed. Wine's server outlives a
// Wine program (`wine` true), so it gets no pipe of ours to hold.
std::optional<QByteArray> runProgram(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& environment, bool wine = true) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (wine) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    process.start(program, arguments);
    if (!process.waitForFinished(300'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return wine ? QByteArray() : process.readAllStandardOutput();
}

QProcessEnvironment withXdg(const DesktopMenuEnvironment& menu) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), menu.dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), menu.configHome);
    return environment;
}

// The prefix the tests share: they are skipped without Wine and fail when it cannot be made.
struct SharedPrefix : ::testing::Environment {
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
            return;
        folder = std::make_unique<QTemporaryDir>();
        path = folder->filePath(QStringLiteral("prefix"));
        // As prefix managers set it: installers and wineboot leave the menu alone; the sync
        // must reach Wine's menu builder all the same. Without Mono and Gecko, wineboot asks
        // nobody to install them, and without a display it opens no window.
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d");
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEPREFIX", path.toUtf8());
        qunsetenv("DISPLAY");
        const auto environment = QProcessEnvironment::systemEnvironment();
        made = runProgram(QStringLiteral("wineboot"), {QStringLiteral("-i")}, environment) &&
               runProgram(QStringLiteral("wineserver"), {QStringLiteral("-w")}, environment);
    }
    void TearDown() override {
        if (folder)
            runProgram(QStringLiteral("wineserver"), {QStringLiteral("-k")},
                       QProcessEnvironment::systemEnvironment());
    }
    std::unique_ptr<QTemporaryDir> folder;
    QString path;
    bool made = false;
};
SharedPrefix* const prefix =
    static_cast<SharedPrefix*>(::testing::AddGlobalTestEnvironment(new SharedPrefix));

class WineMenu : public ::testing::Test, protected MenuWorld {
protected:
    void SetUp() override {
        if (!prefix->folder)
            GTEST_SKIP() << "Wine is not installed (Debian: wine, wine64): menu tests skipped";
        ASSERT_TRUE(prefix->made) << "wineboot -i failed or took over 5 minutes";
        WineShellFolders folders(prefix->path);
        useStartMenu(folders.shellFolder(QStringLiteral("Start Menu")),
                     folders.shellFolder(QStringLiteral("Programs")));
        windowsStartMenu = windowsPathIn(prefix->path, state.startMenuPath);
        putLink(QStringLiteral("Programs/Acme/Acme Writer.lnk"));
        makeEntriesAsWineDoes({QStringLiteral("Programs/Acme/Acme Writer.lnk")});
        programsFiles = menuFiles(QStringLiteral("Programs"));
    }

    void TearDown() override {
        if (state.startMenuPath.isEmpty())
            return;
        for (const QFileInfo& folder :
             QDir(state.startMenuPath).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (folder.fileName() != u"Programs")
                QDir(folder.filePath()).removeRecursively();
        QDir(state.programsPath + QStringLiteral("/Acme")).removeRecursively();
    }

    // A valid shortcut to Notepad at `relative` below the Start Menu folder; shortcuts with
    // another description differ in their content.
    void putLink(const QString& relative, const QString& description = {}) {
        tools::ShellLinkTarget target;
        target.description = description;
        target.relativePath = QStringLiteral("..\\..\\..\\..\\..\\..\\..\\windows\\notepad.exe");
        target.workingDirectory = QStringLiteral("C:\\windows");
        putShortcut(relative, tools::shellLinkBytes(target));
    }

    QString windowsPath(const QString& relative) const {
        return windowsStartMenu + u'\\' + QString(relative).replace(u'/', u'\\');
    }

    // Wine's menu builder run on the shortcuts as a Windows installer's shortcut runs it: the
    // entries in Wine's own form.
    void makeEntriesAsWineDoes(const QStringList& relatives) {
        QStringList arguments{QStringLiteral("winemenubuilder")};
        for (const QString& relative : relatives)
            arguments << windowsPath(relative);
        auto wine = withXdg(environment);
        wine.remove(QStringLiteral("WINEDLLOVERRIDES"));
        ASSERT_TRUE(runProgram(QStringLiteral("wine"), arguments, wine));
    }

    // The menu files (not the icons) whose path mentions `part`, each with its content and its
    // time: a file written again with the same content was still touched.
    std::map<QString, QByteArray> menuFiles(const QString& part = {}) const {
        std::map<QString, QByteArray> files;
        for (const QString& root : {environment.dataHome, environment.configHome}) {
            QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QFile file(path);
                if (!path.contains(QStringLiteral("/icons/")) && path.contains(part))
                    files[path] =
                        (file.open(QIODevice::ReadOnly) ? file.readAll() : "") +
                        QByteArray::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
            }
        }
        return files;
    }

    // The menu shows exactly the shortcuts `relatives` of the Start Menu folder (and the
    // Programs one), each under Wine › its folders and starting it through Wine in the
    // prefix; the Programs entries' files are as Wine wrote them (Wine escapes their Exec for a
    // shell, which the validator refuses for some names); every other desktop file is valid.
    void expectMenuShows(QStringList relatives) {
        relatives << QStringLiteral("Programs/Acme/Acme Writer.lnk");
        QStringList expected;
        for (const QString& relative : relatives)
            expected << QStringList{QStringLiteral("Wine/") + relative.chopped(4),
                                    QStringLiteral("env"),
                                    QStringLiteral("WINEPREFIX=") + prefix->path,
                                    QStringLiteral("wine"), windowsPath(relative)}
                            .join(u'\t');
        const auto output = runProgram(TORVANE_SYSTEM_PYTHON, {TORVANE_MENU_ENTRIES_SCRIPT},
                                       withXdg(environment), false);
        ASSERT_TRUE(output) << "the menu parser failed (Debian: python3-xdg)";
        // Debian's launcher is wine-stable.
        QStringList shown = QString::fromUtf8(*output)
                                .replace(QRegularExpression(QStringLiteral("\twine[^\t]*\t")),
                                         QStringLiteral("\twine\t"))
                                .split(u'\n', Qt::SkipEmptyParts);
        shown.sort();
        expected.sort();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(menuFiles(QStringLiteral("Programs")), programsFiles);

        QStringList desktopFiles;
        QDirIterator it(environment.dataHome, {"*.desktop", "*.directory"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            if (const QString file = it.next(); !file.contains(u"/applications/wine/Programs/"))
                desktopFiles << file;
        QProcess validator;
        validator.setProcessChannelMode(QProcess::MergedChannels);
        validator.start(QStringLiteral("desktop-file-validate"), desktopFiles);
        ASSERT_TRUE(validator.waitForFinished(60'000)) << "desktop-file-validate did not run";
        EXPECT_EQ(validator.exitCode(), 0) << validator.readAll().toStdString();
    }

    // This program's GNOME app folders: for each, its name and its programs' desktop ids.
    static std::map<QString, QStringList> gnomeFolders() {
        std::map<QString, QStringList> folders;
        for (const AppFolder& folder : GnomeAppFolders::read(QStringLiteral("Torvane-")))
            folders[folder.name] = folder.apps;
        return folders;
    }

    // The names of the entries GNOME's app grid shows (those not hidden from it), with the
    // desktop id of each.
    std::multimap<QString, QString> gnomeView() const {
        std::multimap<QString, QString> shown;
        const QString root = environment.dataHome + QStringLiteral("/applications/");
        QDirIterator it(root, {"*.desktop"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            const auto name = QRegularExpression(QStringLiteral("(?m)^Name=(.*)$")).match(text);
            if (!text.contains(QStringLiteral("\nNotShowIn=GNOME;")))
                shown.insert(
                    {name.captured(1), file.fileName().sliced(root.size()).replace(u'/', u'-')});
        }
        return shown;
    }

    void syncExpecting(int written, int removed) {
        const DesktopMenuSyncResult result = sync();
        EXPECT_EQ(result.support, DesktopMenuSupport::Available);
        EXPECT_EQ(result.written, written);
        EXPECT_EQ(result.removed, removed);
        EXPECT_EQ(result.failed, QStringList());
    }

    void move(const QString& from, const QString& to) {
        ASSERT_TRUE(QDir(state.startMenuPath).rename(from, to)) << from.toStdString();
    }
    void remove(const QString& relative) {
        const QString path = state.startMenuPath + u'/' + relative;
        const bool isFolder = QFileInfo(path).isDir();
        ASSERT_TRUE(isFolder ? QDir(path).removeRecursively() : QFile::remove(path))
            << path.toStdString();
    }

    QString windowsStartMenu;
    std::map<QString, QByteArray> programsFiles;
};

TEST_F(WineMenu, FollowsTheCategoryFolders) {
    const QString odd = QStringLiteral("Tom & Jerry's (x64)");
    const QString fun = QStringLiteral("100% Fun; $5 `now`.lnk");
    window.captions[0] = QStringLiteral("games");
    window.captions[1] = odd;
    putLink(QStringLiteral("games/Acme Writer.lnk"));
    putLink(QStringLiteral("games/Chess (64-bit).lnk"));
    putLink(odd + u'/' + fun);
    syncExpecting(3, 0);
    expectMenuShows({"games/Acme Writer.lnk", "games/Chess (64-bit).lnk", odd + u'/' + fun});
    // The copies are all the original Acme Writer, byte for byte.
    const QStringList writer{QStringLiteral("wine-Programs-Acme-Acme Writer.desktop")};
    EXPECT_EQ(gnomeFolders(), (std::map<QString, QStringList>{{"games", writer}, {odd, writer}}));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(qsizetype(3), qsizetype(3)));

    SCOPED_TRACE("a second sync");
    const auto before = menuFiles();
    const auto told = progress.size();
    syncExpecting(0, 0);
    EXPECT_EQ(menuFiles(), before);
    EXPECT_EQ(progress.size(), told);

    SCOPED_TRACE("a copy removed, the other moved, its category left empty");
    QFile::remove(state.startMenuPath + QStringLiteral("/games/Chess (64-bit).lnk"));
    move(odd + u'/' + fun, QStringLiteral("games/") + fun);
    syncExpecting(1, 2);
    expectMenuShows({"games/Acme Writer.lnk", QStringLiteral("games/") + fun});
    EXPECT_EQ(gnomeFolders(), (std::map<QString, QStringList>{{"games", writer}}));

    SCOPED_TRACE("the category renamed, its copies carried over");
    move(QStringLiteral("games"), QStringLiteral("jeux"));
    window.captions[0] = QStringLiteral("jeux");
    syncExpecting(2, 2);
    expectMenuShows({"jeux/Acme Writer.lnk", QStringLiteral("jeux/") + fun});
    EXPECT_EQ(gnomeFolders(), (std::map<QString, QStringList>{{"jeux", writer}}));

    SCOPED_TRACE("renamed again, the copies left in the old folder, then one purged");
    window.captions[0] = QStringLiteral("spiele");
    syncExpecting(0, 0);
    remove(QStringLiteral("jeux/Acme Writer.lnk"));
    syncExpecting(0, 1);
    expectMenuShows({QStringLiteral("jeux/") + fun});

    SCOPED_TRACE("everything emptied");
    remove(QStringLiteral("jeux"));
    remove(odd);
    syncExpecting(0, 1);
    expectMenuShows({});
    EXPECT_EQ(gnomeFolders(), (std::map<QString, QStringList>{}));
    for (const auto& file : menuFiles())
        EXPECT_TRUE(file.first.contains(u"Programs") ||
                    file.first.endsWith(u"/wine-wine.directory"))
            << file.first.toStdString();
}

// What an interrupted sync leaves (entries in Wine's own form, one without its .menu file, one
// whose removal stopped half-way) is repaired; entries of shortcuts outside the category
// folders stay, even when their shortcut is gone.
TEST_F(WineMenu, RepairsAnInterruptedSyncAndLeavesOtherEntries) {
    window.captions[0] = QStringLiteral("games");
    const QStringList links{"games/Alpha.lnk", "games/Beta.lnk", "games/Gamma.lnk",
                            "Vendor Tools/Tool.lnk"};
    for (const QString& link : links)
        putLink(link);
    makeEntriesAsWineDoes(links);
    const QString merged = environment.configHome + QStringLiteral("/menus/applications-merged/");
    ASSERT_TRUE(QFile::remove(merged + QStringLiteral("wine-games-Beta.menu")));
    ASSERT_TRUE(QFile::remove(merged + QStringLiteral("wine-games-Gamma.menu")));
    remove(QStringLiteral("games/Gamma.lnk"));
    remove(QStringLiteral("Vendor Tools/Tool.lnk"));
    remove(QStringLiteral("Programs/Acme/Acme Writer.lnk"));
    const auto vendorFiles = menuFiles(QStringLiteral("Vendor Tools"));

    syncExpecting(2, 1);
    expectMenuShows({"games/Alpha.lnk", "games/Beta.lnk", "Vendor Tools/Tool.lnk"});
    EXPECT_EQ(menuFiles(QStringLiteral("Vendor Tools")), vendorFiles);
    syncExpecting(0, 0);
}

// Copies whose originals have the entries Wine made get theirs from them, with the originals'
// icons; a copy whose original has none gets its entry from its shortcut, with notepad's icon
// read from the prefix's notepad.exe. No Wine process is needed (Wine cannot run here).
TEST_F(WineMenu, WritesTheCopiesEntriesFromThoseOfTheOriginals) {
    const QStringList originals{"Programs/Acme/Chess (64-bit).lnk",
                                "Programs/Acme/Tom & Jerry's.lnk", "Programs/Acme/Solo.lnk"};
    const QStringList copies{"games/Chess (64-bit).lnk", "games/Tom & Jerry's 2.lnk",
                             "games/Solo.lnk"};
    for (qsizetype i = 0; i < 2; ++i) {
        putLink(originals[i], originals[i]);
        putLink(copies[i], originals[i]);
    }
    // Solo takes its icon from the prefix's notepad.exe.
    tools::ShellLinkTarget solo;
    solo.relativePath = QStringLiteral("..\\..\\..\\..\\..\\..\\..\\windows\\notepad.exe");
    solo.iconLocation = QStringLiteral("%SystemRoot%\\notepad.exe");
    putShortcut(originals[2], tools::shellLinkBytes(solo));
    putShortcut(copies[2], tools::shellLinkBytes(solo));
    makeEntriesAsWineDoes(originals.first(2));
    programsFiles = menuFiles(QStringLiteral("Programs"));
    window.captions[0] = QStringLiteral("games");
    environment.wine = QStringLiteral("/bin/false");
    syncExpecting(3, 0);
    syncExpecting(0, 0);
    expectMenuShows(originals.first(2) + copies);
    // GNOME shows each program once, the copies in the category's app folder by the originals'
    // entries, Solo (whose original has none) by its copy's.
    const QString acme = QStringLiteral("wine-Programs-Acme-");
    const QStringList games{acme + "Chess (64-bit).desktop", acme + "Tom & Jerry's.desktop",
                            "wine-games-Solo.desktop"};
    EXPECT_EQ(gnomeFolders(), (std::map<QString, QStringList>{{"games", games}}));
    EXPECT_EQ(gnomeView(),
              (std::multimap<QString, QString>{{"Acme Writer", acme + "Acme Writer.desktop"},
                                               {"Chess (64-bit)", games[0]},
                                               {"Solo", games[2]},
                                               {"Tom & Jerry's", games[1]}}));

    const auto icon = [this](const QString& relative) {
        QFile entry(environment.dataHome + QStringLiteral("/applications/wine/") +
                    relative.chopped(4) + QStringLiteral(".desktop"));
        const QByteArray text = entry.open(QIODevice::ReadOnly) ? entry.readAll() : "";
        const qsizetype at = text.indexOf("\nIcon=");
        return at < 0 ? QByteArray() : text.mid(at, text.indexOf('\n', at + 1) - at);
    };
    for (qsizetype i = 0; i < 2; ++i) {
        EXPECT_FALSE(icon(originals[i]).isEmpty());
        EXPECT_EQ(icon(copies[i]), icon(originals[i]));
    }
    const QString own = QString::fromUtf8(icon(copies[2])).mid(6);
    EXPECT_TRUE(own.startsWith(u"torvane-")) << own.toStdString();
    EXPECT_TRUE(QFileInfo::exists(environment.dataHome +
                                  QStringLiteral("/icons/hicolor/32x32/apps/") + own +
                                  QStringLiteral(".png")))
        << own.toStdString();
}

// On a prefix another Wine version made (its stamp differs from this Wine's), copies without
// originals' entries get theirs, and the prefix stays as it was: no Wine program runs (each
// one on the PATH would note it), and no registry file or stamp changes.
TEST_F(WineMenu, LeavesAPrefixOfAnotherWineAsItWas) {
    QFile stampFile(prefix->path + QStringLiteral("/.update-timestamp"));
    ASSERT_TRUE(stampFile.open(QIODevice::ReadWrite));
    const QByteArray stamp = stampFile.readAll();
    stampFile.resize(0);
    stampFile.write("1600000000\n");
    stampFile.close();
    const auto prefixFiles = [] {
        std::map<QString, QByteArray> files;
        for (const QString& name :
             {QStringLiteral("system.reg"), QStringLiteral("user.reg"),
              QStringLiteral("userdef.reg"), QStringLiteral(".update-timestamp")}) {
            QFile file(prefix->path + u'/' + name);
            files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "missing";
        }
        return files;
    };
    const auto before = prefixFiles();
    const QString bin = prefix->folder->filePath(QStringLiteral("bin"));
    const QString log = prefix->folder->filePath(QStringLiteral("wine.log"));
    QDir().mkpath(bin);
    for (const char* program : {"wine", "wine64", "wineserver", "wineboot", "wine-stable"}) {
        QFile script(bin + u'/' + QLatin1String(program));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$0 $*\" >>'" + log.toUtf8() + "'\n");
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);

    window.captions[0] = QStringLiteral("tools");
    for (int i = 0; i < 20; ++i)
        putLink(QStringLiteral("tools/Notes %1.lnk").arg(i), QStringLiteral("Notes %1").arg(i));
    syncExpecting(20, 0);
    qputenv("PATH", path);
    QStringList shown;
    for (int i = 0; i < 20; ++i)
        shown << QStringLiteral("tools/Notes %1.lnk").arg(i);
    expectMenuShows(shown);

    EXPECT_FALSE(QFileInfo::exists(log));
    EXPECT_EQ(prefixFiles(), before);
    ASSERT_TRUE(stampFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stampFile.write(stamp);
}

} // namespace
} // namespace tvn::test
