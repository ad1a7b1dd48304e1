#include "MenuWorld.h"
#include "PrintQString.h"
#include "WinePrefix.h"

#include <gtest/gtest.h>

namespace tvn::test {
namespace {

QString unixToWindows(const QString& drive, QString path) {
    return drive + path.replace(u'/', u'\\');
}

TEST(WinePrefix, FindsThePrefixAndTheClosestDrive) {
    MenuWorld world;
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
        {elsewhere, QString(), unixToWindows(QStringLiteral("Z:"), elsewhere)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder.toStdString());
        EXPECT_EQ(winePrefixOf(row.folder), row.prefix);
        EXPECT_EQ(windowsPathIn(prefix, row.folder), row.windowsPath);
    }
}

TEST(DesktopMenuSync, AttemptsNothingWhereTheMenuCannotFollow) {
    const struct {
        bool wineInstalled;
        bool inPrefix;
        DesktopMenuSupport support;
    } rows[] = {
        {false, true, DesktopMenuSupport::WineMissing},
        {true, false, DesktopMenuSupport::NoWinePrefix},
    };
    for (const auto& row : rows) {
        MenuWorld world;
        if (row.inPrefix) {
            world.useStartMenu();
        } else {
            world.tree.makeFolder(QStringLiteral("elsewhere/Start Menu/Programs"));
            world.useStartMenu(world.tree.path(QStringLiteral("elsewhere/Start Menu")),
                               world.tree.path(QStringLiteral("elsewhere/Start Menu/Programs")));
        }
        world.environment.wine = row.wineInstalled ? QStringLiteral("/bin/false") : QString();
        world.putShortcut(QStringLiteral("giochi/Chess.lnk"), "chess");

        EXPECT_EQ(desktopMenuSupport(world.startMenu, world.environment), row.support);
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.support, row.support);
        EXPECT_EQ(result.written + result.removed + result.failed.size(), 0);
        EXPECT_FALSE(world.tree.exists(QStringLiteral("data")));
        EXPECT_FALSE(world.tree.exists(QStringLiteral("config")));
        EXPECT_TRUE(world.ui.calls().empty());
        EXPECT_TRUE(world.window.progressHistory.isEmpty());
    }
}

// Wine fails on every shortcut: each copy is reported, every time, and no submenu is left
// behind without entries.
TEST(DesktopMenuSync, ReportsEveryCopyWineDidNotAdd) {
    MenuWorld world;
    world.useStartMenu();
    world.environment.wine = QStringLiteral("/bin/false");
    world.environment.wineserver.clear();
    world.putShortcut(QStringLiteral("giochi/Chess.lnk"), "chess");
    world.putShortcut(QStringLiteral("grafica/Paint.lnk"), "paint");
    const QStringList copies{world.startMenu + QStringLiteral("/giochi/Chess.lnk"),
                             world.startMenu + QStringLiteral("/grafica/Paint.lnk")};

    for (int attempt = 0; attempt < 2; ++attempt) {
        const DesktopMenuSyncResult result = world.sync();
        EXPECT_EQ(result.support, DesktopMenuSupport::Available);
        EXPECT_EQ(result.written, 0);
        EXPECT_EQ(result.failed, copies);
        EXPECT_TRUE(QDir(world.tree.path(QStringLiteral("data/desktop-directories")))
                        .isEmpty(QDir::Files | QDir::Hidden));
        EXPECT_EQ(world.window.progress, QStringLiteral("100 %"));
        EXPECT_GE(world.ui.pumps(), 2);
    }
}

} // namespace
} // namespace tvn::test
