#include "desktopmenu/WinePrefix.h"
#include "MenuWorld.h"
#include "tests/support/PrintQString.h"

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
        EXPECT_TRUE(world.window.progressHistory.isEmpty());
    }
}

// Wine fails on every shortcut: each copy is reported, at every sync, and no submenu is left
// behind without entries.
TEST(DesktopMenuSync, ReportsEveryCopyWineDidNotAdd) {
    FakePrefix world;
    world.environment.wine = QStringLiteral("/bin/false");
    world.environment.wineserver.clear();
    world.putShortcut(QStringLiteral("giochi/Chess.lnk"));
    world.putShortcut(QStringLiteral("grafica/Paint.lnk"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.written, 0);
        EXPECT_EQ(result.failed,
                  QStringList({world.startMenu + QStringLiteral("/giochi/Chess.lnk"),
                               world.startMenu + QStringLiteral("/grafica/Paint.lnk")}));
        EXPECT_TRUE(QDir(world.tree.path(QStringLiteral("data/desktop-directories"))).isEmpty());
        EXPECT_EQ(world.window.progress, QStringLiteral("100 %"));
        EXPECT_GE(world.ui.pumps(), 2);
    }
}

} // namespace
} // namespace tvn::test
