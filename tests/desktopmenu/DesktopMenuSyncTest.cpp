#include "desktopmenu/DesktopMenuSyncQueue.h"
#include "desktopmenu/GnomeAppFolders.h"
#include "desktopmenu/WineDesktopEntry.h"
#include "desktopmenu/WineMenuFiles.h"
#include "desktopmenu/WinePrefix.h"
#include "MenuWorld.h"
#include "tests/support/PrintQString.h"

#include <functional>
#include <optional>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace tvn::test {
namespace {

// A prefix's layout as Wine sets it up, without Wine: system.reg, the update stamp, C: on
// drive_c and Z: on the whole disk.
struct FakePrefix : MenuWorld {
    FakePrefix() {
        tree.write(QStringLiteral("prefix/system.reg"));
        tree.write(QStringLiteral("prefix/.update-timestamp"));
        tree.makeFolder(QStringLiteral("prefix/drive_c/users/ann/Start Menu/Programs"));
        tree.makeFolder(QStringLiteral("prefix/dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
        QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:"));
        useStartMenu(startMenu, startMenu + QStringLiteral("/Programs"));
    }
    const QString prefix = tree.path(QStringLiteral("prefix"));
    const QString startMenu = prefix + QStringLiteral("/drive_c/users/ann/Start Menu");
};

TEST(WinePrefix, FindsThePrefixAndTheClosestDrive) {
    FakePrefix world;
    world.tree.makeFolder(QStringLiteral("elsewhere"));
    const QString& prefix = world.prefix;
    const QString elsewhere =
        QFileInfo(world.tree.path(QStringLiteral("elsewhere"))).canonicalFilePath();
    const struct {
        QString folder;
        QString prefix;
        QString windowsPath;
    } rows[] = {
        {world.startMenu, prefix, QStringLiteral("C:\\users\\ann\\Start Menu")},
        {prefix + QStringLiteral("/dosdevices/c:/users/ann/Start Menu"), prefix,
         QStringLiteral("C:\\users\\ann\\Start Menu")},
        {prefix + QStringLiteral("/drive_c"), prefix, QStringLiteral("C:\\")},
        {elsewhere, QString(), QStringLiteral("Z:") + QString(elsewhere).replace(u'/', u'\\')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder.toStdString());
        EXPECT_EQ(setUpWinePrefixOf(row.folder), row.prefix);
        EXPECT_EQ(windowsPathIn(prefix, row.folder), row.windowsPath);
    }
}

TEST(DesktopMenuSync, AttemptsNothingWithoutWineOrAPrefixWineHasSetUp) {
    enum class Place { SetUpPrefix, PrefixNotSetUp, NoPrefix };
    const struct {
        bool wineInstalled;
        Place place;
        DesktopMenuSupport support;
    } rows[] = {
        {false, Place::SetUpPrefix, DesktopMenuSupport::WineMissing},
        {true, Place::PrefixNotSetUp, DesktopMenuSupport::NoWinePrefix},
        {true, Place::NoPrefix, DesktopMenuSupport::NoWinePrefix},
    };
    for (const auto& row : rows) {
        FakePrefix world;
        world.environment.wine = row.wineInstalled ? QStringLiteral("/bin/false") : QString();
        if (row.place == Place::PrefixNotSetUp)
            QFile::remove(world.prefix + QStringLiteral("/.update-timestamp"));
        if (row.place == Place::NoPrefix)
            world.useStartMenu(world.tree.path(QStringLiteral("Start Menu")),
                               world.tree.path(QStringLiteral("Start Menu/Programs")));
        world.putShortcut(QStringLiteral("giochi/Chess.lnk"));

        EXPECT_EQ(desktopMenuSupport(world.state.startMenuPath, world.environment), row.support);
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.support, row.support);
        EXPECT_EQ(result.written + result.removed + result.failed.size(), 0);
        EXPECT_FALSE(world.tree.exists(QStringLiteral("data")));
        EXPECT_FALSE(world.tree.exists(QStringLiteral("config")));
        EXPECT_TRUE(world.ui.calls().empty());
        EXPECT_TRUE(world.progress.empty());
    }
}

// No entry can be written (a file stands where Wine's entry folder belongs): each copy is
// reported, at every sync, and no submenu is left behind without entries.
TEST(DesktopMenuSync, ReportsEveryCopyWhoseEntryCannotBeWritten) {
    FakePrefix world;
    world.environment.wine = QStringLiteral("/bin/false");
    world.tree.write(QStringLiteral("data/applications/wine"), "not a folder");
    world.putShortcut(QStringLiteral("giochi/Chess.lnk"));
    world.putShortcut(QStringLiteral("grafica/Paint.lnk"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        world.progress.clear();
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.written, 0);
        EXPECT_EQ(result.failed,
                  QStringList({world.startMenu + QStringLiteral("/giochi/Chess.lnk"),
                               world.startMenu + QStringLiteral("/grafica/Paint.lnk")}));
        EXPECT_TRUE(QDir(world.tree.path(QStringLiteral("data/desktop-directories"))).isEmpty());
        const std::vector<std::pair<qsizetype, qsizetype>> progress{{0, 2}, {1, 2}, {2, 2}};
        EXPECT_EQ(world.progress, progress);
    }
}

// An entry as Wine 8's menu builder writes it for the shortcut `windowsPath` in `prefix` (its
// Exec escaped for a shell, its values unescaped), with the shortcut's icon and folder.
QByteArray wineEntry(const QString& name, const QString& prefix, const QString& windowsPath,
                     const QString& icon = QStringLiteral("8FC1_notepad.0")) {
    QString escaped;
    for (const QChar c : windowsPath) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\\\\\");
        else if (QStringView(u" &'()$;").contains(c))
            escaped += QStringLiteral("\\\\") + c;
        else
            escaped += c;
    }
    return (QStringLiteral("[Desktop Entry]\nName=") + name +
            QStringLiteral("\nExec=env WINEPREFIX=\"") + prefix +
            QStringLiteral("\" wine-stable ") + escaped +
            QStringLiteral("\nType=Application\nStartupNotify=true\nComment=Writes & draws\n"
                           "Path=") +
            prefix + QStringLiteral("/dosdevices/c:/windows\nIcon=") + icon +
            QStringLiteral("\nStartupWMClass=notepad.exe\n"))
        .toUtf8();
}

TEST(WineDesktopEntry, CountsOnlyTheBuildersOwnEntryOfTheShortcut) {
    const QString name = QStringLiteral("Tom's Writer (x64)");
    const QString link = QStringLiteral("C:\\users\\ann\\Start Menu\\Programs\\Acme & Co\\") +
                         name + QStringLiteral(".lnk");
    const QString prefix = QStringLiteral("/home/ann/.wine");
    const QByteArray wine = wineEntry(name, prefix, link);
    const auto replaced = [&wine](const char* from, const QByteArray& to) {
        return QByteArray(wine).replace(from, to);
    };
    const struct {
        const char* what;
        QByteArray text;
        bool counts;
    } rows[] = {
        {"as Wine writes it", wine, true},
        {"not UTF-8", replaced("draws", "dr\xe2ws"), false},
        {"a second group", wine + "[Desktop Action Edit]\nName=Edit\n", false},
        {"a key Wine does not write", replaced("Type=", "NoDisplay=true\nType="), false},
        {"a translated name", replaced("Type=", "Name[fr]=x\nType="), false},
        {"a comment line", replaced("Type=", "# mine\nType="), false},
        {"keys out of order", replaced("Comment=Writes & draws\nPath=", "Path=/x\nComment="),
         false},
        {"another name", replaced("Name=Tom", "Name=Jerry"), false},
        {"another shortcut", replaced(".lnk", "2.lnk"), false},
        {"another prefix", replaced("WINEPREFIX=\"/home/ann", "WINEPREFIX=\"/home/bob"), false},
        {"an argument more", replaced(".lnk\n", ".lnk /x\n"), false},
        {"no launcher", replaced(" wine-stable", ""), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(WineDesktopEntry::read(row.text, name, prefix, link).has_value(), row.counts);
    }

    SCOPED_TRACE("the quoted form");
    const QString copyName = QStringLiteral("100% \"Fun\"; $5 `now`");
    const QString copy =
        QStringLiteral("C:\\users\\ann\\Start Menu\\giochi\\") + copyName + QStringLiteral(".lnk");
    const QByteArray copied =
        WineDesktopEntry::read(wine, name, prefix, link)->textFor(copyName, prefix, copy);
    ASSERT_TRUE(WineDesktopEntry::read(copied, copyName, prefix, copy));
    QList<QByteArray> lines = copied.split('\n');
    EXPECT_EQ(WineDesktopEntry::execArguments(QString::fromUtf8(lines[2].mid(5))),
              QStringList({"env", "WINEPREFIX=" + prefix, "wine-stable", copy}));
    QList<QByteArray> original = wine.split('\n');
    lines.remove(1, 2);
    original.remove(1, 2);
    EXPECT_EQ(lines, original);
}

// Copies whose originals have entries of Wine's own get theirs without Wine (here it fails on
// every shortcut), whichever Programs tree the original lies in and whatever the copy is
// named; an original whose entry is foreign, or which has none, leaves its copy to Wine.
TEST(DesktopMenuSync, WritesTheEntriesOfCopiesFromThoseOfTheirOriginals) {
    FakePrefix world;
    world.environment.wine = QStringLiteral("/bin/false");
    const QString allUsers = QStringLiteral("prefix/drive_c/ProgramData/Start Menu/Programs");
    world.tree.makeFolder(allUsers);
    world.state.allUsersProgramsPath = world.tree.path(allUsers);
    world.window.captions[0] = QStringLiteral("giochi");
    world.window.captions[1] = QStringLiteral("grafica");
    const QString user = QStringLiteral("C:\\users\\ann\\Start Menu\\Programs\\");
    const QString shared = QStringLiteral("C:\\ProgramData\\Start Menu\\Programs\\");
    const struct {
        QString original;
        QString windowsPath;
        QByteArray entry;
        QString copy;
    } rows[] = {
        {"Programs/Acme/Writer.lnk", user + "Acme\\Writer.lnk", "Writer", "giochi/Writer.lnk"},
        {"Programs/Paint.lnk", user + "Paint.lnk", "Paint", "giochi/My Paint (2).lnk"},
        {"Shared.lnk", shared + "Shared.lnk", "Shared", "grafica/Shared.lnk"},
        {"Programs/Odd.lnk", user + "Odd.lnk", "NoDisplay=true", "grafica/Odd.lnk"},
        {"Programs/Bare.lnk", user + "Bare.lnk", {}, "grafica/Bare.lnk"},
    };
    const QString entries = QStringLiteral("data/applications/wine/Programs/");
    for (const auto& row : rows) {
        const QByteArray content = row.copy.toUtf8();
        if (row.original.startsWith(u"Programs/"))
            world.putShortcut(row.original, content);
        else
            world.tree.write(allUsers + u'/' + row.original, content);
        world.putShortcut(row.copy, content);
        const QString name = QFileInfo(row.original).completeBaseName();
        const QString entry =
            entries + QString(row.original)
                          .remove(QStringLiteral("Programs/"))
                          .replace(QStringLiteral(".lnk"), QStringLiteral(".desktop"));
        if (row.entry == "NoDisplay=true")
            world.tree.write(entry,
                             wineEntry(name, world.prefix, row.windowsPath) + row.entry + '\n');
        else if (!row.entry.isEmpty())
            world.tree.write(entry,
                             wineEntry(name, world.prefix, row.windowsPath,
                                       QString::fromUtf8(row.entry) + QStringLiteral("_icon")));
    }
    const auto originals = world.tree.snapshot(QStringLiteral("data/applications/wine/Programs"));

    const QString windowsStartMenu = QStringLiteral("C:\\users\\ann\\Start Menu\\");
    const WineMenuFiles files({world.environment.dataHome, world.environment.configHome});
    std::map<QString, QByteArray> written;
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt == 0 ? "the first sync" : "a second sync");
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.written, attempt == 0 ? 5 : 0);
        EXPECT_EQ(result.failed, QStringList());
        for (const auto& row : rows) {
            if (row.entry.isEmpty() || row.entry == "NoDisplay=true")
                continue;
            const QString menu = row.copy.section(u'/', 0, 0);
            const QString name = QFileInfo(row.copy).completeBaseName();
            auto entry = world.tree.read(QStringLiteral("data/applications/wine/") +
                                         row.copy.chopped(4) + QStringLiteral(".desktop"));
            // Hidden from GNOME alone, which shows the original in the category's app folder.
            EXPECT_TRUE(entry.endsWith("\nNotShowIn=GNOME;\n")) << entry.toStdString();
            entry.chop(qsizetype(sizeof("NotShowIn=GNOME;\n")) - 1);
            EXPECT_TRUE(
                WineDesktopEntry::read(entry, name, world.prefix,
                                       windowsStartMenu + QString(row.copy).replace(u'/', u'\\')))
                << entry.toStdString();
            EXPECT_TRUE(entry.contains("\nIcon=" + row.entry + "_icon\n"));
            EXPECT_TRUE(files.menuFileIsForEntry(menu, name));
        }
        EXPECT_EQ(world.tree.snapshot(QStringLiteral("data/applications/wine/Programs")),
                  originals);
        const auto now = world.tree.snapshot(QStringLiteral("data/applications/wine/giochi"));
        if (attempt == 1) {
            EXPECT_EQ(now, written);
        }
        written = now;
    }
    // A copy whose original has no entry of Wine's starts through the Wine the others name.
    EXPECT_TRUE(world.tree.read(QStringLiteral("data/applications/wine/grafica/Bare.desktop"))
                    .contains("\" wine-stable \"C:"));
}

// GNOME's app folders follow the categories: one per category holding copies, named as it,
// holding the originals' entries (the copy's own where the original has none); the user's own
// folders, their order and other prefixes' folders stay.
TEST(DesktopMenuSync, KeepsOnlyItsOwnGnomeAppFoldersInStep) {
    if (!GnomeAppFolders::available())
        GTEST_SKIP() << "no app-folder schemas (Debian: gsettings-desktop-schemas)";
    FakePrefix world;
    world.environment.wine = QStringLiteral("/bin/false");
    const std::vector<AppFolder> others{{"Utilities", "Tools", {"org.gnome.Calculator.desktop"}},
                                        {"Torvane-00000000-1", "x", {"wine-x-y.desktop"}}};
    GnomeAppFolders::sync({}, others);
    const QString user = QStringLiteral("C:\\users\\ann\\Start Menu\\Programs\\");
    for (const QString name : {"Writer", "Paint", "Chess"}) {
        world.putShortcut("Programs/Acme/" + name + ".lnk", name.toUtf8());
        world.tree.write("data/applications/wine/Programs/Acme/" + name + ".desktop",
                         wineEntry(name, world.prefix, user + "Acme\\" + name + ".lnk"));
    }
    // An entry of Wine's for a copy whose original has none.
    world.tree.write("data/applications/wine/giochi/Solo.desktop", "[Desktop Entry]\n");
    const QString ids = QStringLiteral("wine-Programs-Acme-%1.desktop");
    const auto expectFolders = [&](const std::vector<AppFolder>& own) {
        std::vector<AppFolder> all = others;
        all.insert(all.end(), own.begin(), own.end());
        EXPECT_EQ(GnomeAppFolders::read({}), all);
    };

    world.window.captions[0] = QStringLiteral("giochi");
    world.window.captions[1] = QStringLiteral("grafica");
    world.putShortcut("giochi/Chess.lnk", "Chess");
    world.putShortcut("giochi/Solo.lnk", "Solo");
    world.putShortcut("grafica/Writer.lnk", "Writer");
    world.putShortcut("grafica/Paint.lnk", "Paint");
    const DesktopMenuSyncResult first = world.sync();
    EXPECT_EQ(first.appFolders, 2);
    const auto own = GnomeAppFolders::read(QStringLiteral("Torvane-"));
    ASSERT_EQ(own.size(), 3u);
    const QString prefixId = own[1].id.chopped(1);
    EXPECT_TRUE(prefixId.startsWith(u"Torvane-") && prefixId != u"Torvane-00000000-");
    const AppFolder games{
        prefixId + u'1', "giochi", {ids.arg("Chess"), "wine-giochi-Solo.desktop"}};
    AppFolder graphics{prefixId + u'2', "grafica", {ids.arg("Paint"), ids.arg("Writer")}};
    expectFolders({games, graphics});
    EXPECT_EQ(world.sync().appFolders, 0);

    SCOPED_TRACE("a category renamed, its copies carried, the other emptied");
    ASSERT_TRUE(QDir(world.startMenu).rename("grafica", "disegno"));
    world.window.captions[1] = QStringLiteral("disegno");
    QFile::remove(world.startMenu + QStringLiteral("/giochi/Chess.lnk"));
    QFile::remove(world.startMenu + QStringLiteral("/giochi/Solo.lnk"));
    EXPECT_EQ(world.sync().appFolders, 2);
    graphics.name = QStringLiteral("disegno");
    expectFolders({graphics});

    SCOPED_TRACE("the reset");
    QDir(world.startMenu + QStringLiteral("/disegno")).removeRecursively();
    QDir(world.startMenu + QStringLiteral("/giochi")).removeRecursively();
    EXPECT_EQ(world.sync().appFolders, 1);
    expectFolders({});
    EXPECT_EQ(world.sync().appFolders, 0);
}

// Until GNOME Shell has read the entries again, a folder keeps the programs it showed (to the
// shell, a renamed category's new entries are none yet, and a folder emptied under it breaks its
// grid) and a folder no entry stands for stays (its programs would show loose); then it goes, and
// at last the programs whose entries are gone.
TEST(GnomeAppFolders, KeepWhatTheShellShowsUntilItHasReadTheEntries) {
    if (!GnomeAppFolders::available())
        GTEST_SKIP() << "no app-folder schemas (Debian: gsettings-desktop-schemas)";
    const QString id = QStringLiteral("Torvane-0000abcd-");
    GnomeAppFolders::sync(id, {{id + u'1', "giochi", {"wine-giochi-A.desktop"}},
                               {id + u'2', "grafica", {"wine-grafica-B.desktop"}}});
    const std::vector<AppFolder> renamed{{id + u'1', "games", {"wine-games-A.desktop"}}};
    GnomeAppFolders::sync(id, renamed, AppFolderChange::KeepingShown);
    EXPECT_EQ(GnomeAppFolders::read(id),
              (std::vector<AppFolder>{
                  {id + u'1', "games", {"wine-games-A.desktop", "wine-giochi-A.desktop"}},
                  {id + u'2', "grafica", {"wine-grafica-B.desktop"}}}));
    GnomeAppFolders::sync(id, renamed, AppFolderChange::KeepingShownPrograms);
    EXPECT_EQ(GnomeAppFolders::read(id),
              (std::vector<AppFolder>{
                  {id + u'1', "games", {"wine-games-A.desktop", "wine-giochi-A.desktop"}}}));
    GnomeAppFolders::sync(id, renamed);
    EXPECT_EQ(GnomeAppFolders::read(id), renamed);
    GnomeAppFolders::sync(id, {});
}

// A request made while a sync runs stops it at its next step, and only the newer one's result
// is told; the two never run at once, so every copy ends with one entry. A request for the very
// sync that runs lets it run on.
TEST(DesktopMenuSyncQueue, ANewerRequestSupersedesTheRunningSync) {
    int argc = 1;
    char name[] = "desktopmenu_tests";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    FakePrefix world;
    world.environment.wine = QStringLiteral("/bin/false");
    world.window.captions[0] = QStringLiteral("giochi");
    constexpr int kCopies = 1000;
    for (int i = 0; i < kCopies; ++i)
        world.putShortcut(QStringLiteral("giochi/Game %1.lnk").arg(i));

    std::vector<DesktopMenuSyncResult> told;
    qsizetype progressed = 0;
    DesktopMenuSyncQueue queue({[&progressed](qsizetype done, qsizetype) { progressed = done; },
                                [&told](const DesktopMenuSyncResult& result) {
                                    told.push_back(result);
                                }});
    const auto waitFor = [](const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 60'000) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    };
    const QString entries = world.tree.path(QStringLiteral("data/applications/wine/giochi"));
    queue.request(desktopMenuRequest(world.tvn, world.environment));
    EXPECT_TRUE(queue.busy());
    waitFor([&] { return progressed > 0; });
    world.putShortcut(QStringLiteral("giochi/Game new.lnk"));
    queue.request(desktopMenuRequest(world.tvn, world.environment));
    waitFor([&] { return !queue.busy(); });

    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].stopped);
    EXPECT_GT(told[0].written, 0);
    EXPECT_LT(told[0].written, kCopies + 1);
    EXPECT_EQ(QDir(entries).count(), uint(kCopies) + 3);

    QDir(entries).removeRecursively();
    progressed = 0;
    queue.request(desktopMenuRequest(world.tvn, world.environment));
    waitFor([&] { return progressed > 0; });
    queue.request(desktopMenuRequest(world.tvn, world.environment));
    waitFor([&] { return !queue.busy(); });
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1].written, kCopies + 1);
}

// The folders a sync keeps for a shell that has not read the entries yet are settled when the
// queue ends, so a program closed at once leaves no folder of a reset behind.
TEST(DesktopMenuSyncQueue, LeavesGnomeAppFoldersInStepWhenItEnds) {
    if (!GnomeAppFolders::available())
        GTEST_SKIP() << "no app-folder schemas (Debian: gsettings-desktop-schemas)";
    int argc = 1;
    char name[] = "desktopmenu_tests";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    FakePrefix world;
    world.window.captions[0] = QStringLiteral("giochi");
    world.putShortcut(QStringLiteral("giochi/Chess.lnk"));
    QString idPrefix;
    {
        std::optional<DesktopMenuSyncResult> told;
        DesktopMenuSyncQueue queue({[](qsizetype, qsizetype) {},
                                    [&told](const DesktopMenuSyncResult& r) {
                                        told = r;
                                    }});
        const auto syncAndWait = [&] {
            told.reset();
            queue.request(desktopMenuRequest(world.tvn, world.environment));
            QElapsedTimer clock;
            clock.start();
            while (!told && clock.elapsed() < 60'000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            ASSERT_TRUE(told);
        };
        syncAndWait();
        idPrefix = told->appFolderIdPrefix;
        ASSERT_EQ(GnomeAppFolders::read(idPrefix).size(), 1u);
        QDir(world.startMenu + QStringLiteral("/giochi")).removeRecursively();
        syncAndWait();
        EXPECT_EQ(GnomeAppFolders::read(idPrefix).size(), 1u);
    }
    EXPECT_TRUE(GnomeAppFolders::read(idPrefix).empty());
}

} // namespace
} // namespace tvn::test
