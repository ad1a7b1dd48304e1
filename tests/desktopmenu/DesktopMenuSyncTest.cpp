#include "MenuWorld.h"
#include "PrintQString.h"
#include "WinePrefix.h"

namespace tvn::test {
namespace {

// A prefix's layout, without Wine: system.reg, C: on drive_c and Z: on the whole disk.
struct FakePrefix : MenuWorld {
    FakePrefix() {
        tree.write(QStringLiteral("prefix/system.reg"));
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
        EXPECT_EQ(winePrefixOf(row.folder), row.prefix);
        EXPECT_EQ(windowsPathIn(prefix, row.folder), row.windowsPath);
    }
}

TEST(DesktopMenuSync, AttemptsNothingWithoutWineOrOutsideAPrefix) {
    for (const bool wineInstalled : {false, true}) {
        FakePrefix world;
        world.environment.wine = wineInstalled ? QStringLiteral("/bin/false") : QString();
        if (wineInstalled) // a Start Menu folder beside the prefix, in none
            world.useStartMenu(world.tree.path(QStringLiteral("Start Menu")),
                               world.tree.path(QStringLiteral("Start Menu/Programs")));
        world.putShortcut(QStringLiteral("giochi/Chess.lnk"));
        const auto support =
            wineInstalled ? DesktopMenuSupport::NoWinePrefix : DesktopMenuSupport::WineMissing;

        EXPECT_EQ(desktopMenuSupport(world.state.startMenuPath, world.environment), support);
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.support, support);
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
