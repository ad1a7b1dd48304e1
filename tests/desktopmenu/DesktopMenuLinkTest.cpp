#include "desktopmenu/WineLauncher.h"
#include "MenuWorld.h"
#include "tests/support/PrintQString.h"
#include "tools/demoprefix/ProgramFile.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

namespace tvn::test {
namespace {

using tools::ProgramFileContent;
using tools::ShellLinkTarget;

// A prefix as another Wine version left it (its stamp and registry files), with no entry of
// Wine's own: every copy's entry comes from its shortcut.
struct PrefixWithoutEntries : MenuWorld {
    PrefixWithoutEntries() {
        tree.write(QStringLiteral("prefix/system.reg"), "WINE REGISTRY Version 2\n");
        tree.write(QStringLiteral("prefix/user.reg"), "WINE REGISTRY Version 2\n");
        tree.write(QStringLiteral("prefix/.update-timestamp"), "1600000000\n");
        tree.makeFolder(QStringLiteral("prefix/drive_c/users/ann/Start Menu/Programs"));
        tree.makeFolder(QStringLiteral("prefix/dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
        useStartMenu(startMenu, startMenu + QStringLiteral("/Programs"));
        // A Wine that notes each start: none is expected.
        tree.write(QStringLiteral("bin/wine"),
                   "#!/bin/sh\necho \"$@\" >>\"" + tree.path("wine.log").toUtf8() + "\"\n");
        QFile(tree.path(QStringLiteral("bin/wine")))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        environment.wine = tree.path(QStringLiteral("bin/wine"));
        environment.home = tree.path(QStringLiteral("home"));
    }

    void putLink(const QString& relative, const ShellLinkTarget& target) {
        putShortcut(relative, tools::shellLinkBytes(target));
    }

    QString icon(const QString& entry, int size) const {
        const auto name = QRegularExpression(QStringLiteral("(?m)^Icon=(.*)$"))
                              .match(QString::fromUtf8(tree.read(entry)))
                              .captured(1);
        return name.isEmpty() ? QString()
                              : tree.path(QStringLiteral("data/icons/hicolor/%1x%1/apps/%2.png")
                                              .arg(size)
                                              .arg(name));
    }

    const QString prefix = tree.path(QStringLiteral("prefix"));
    const QString startMenu = prefix + QStringLiteral("/drive_c/users/ann/Start Menu");
};

TEST(DesktopMenuFromLinks, WritesEachEntryAndIconFromTheShortcutAloneAndOnlyOnce) {
    PrefixWithoutEntries world;
    ProgramFileContent pixie;
    QImage large(256, 256, QImage::Format_ARGB32);
    large.fill(0xFF808080u);
    QByteArray largePng;
    QBuffer largeBuffer(&largePng);
    ASSERT_TRUE(largeBuffer.open(QIODevice::WriteOnly) && large.save(&largeBuffer, "png", 0));
    pixie.iconGroups = {
        {{16, 0xFF0000FF, {}}, {48, 0xFF00FF00, {}}, {20, 0xFFFFFFFF, {}}, {256, 0, largePng}},
        {{32, 0xFFFF0000, {}}}};
    world.tree.write(QStringLiteral("prefix/drive_c/Program Files/Pixie/Pixie.exe"),
                     tools::programFileBytes(pixie));
    world.window.captions[0] = QStringLiteral("giochi");
    world.window.captions[1] = QStringLiteral("grafica");
    ShellLinkTarget viewer;
    viewer.description = QStringLiteral("View & edit;\tpictures 100%");
    viewer.relativePath = QStringLiteral("..\\..\\..\\..\\Program Files\\Pixie\\Pixie.exe");
    viewer.workingDirectory = QStringLiteral("C:\\Program Files\\pixie");
    world.putLink(QStringLiteral("giochi/Pixie \"$1\".lnk"), viewer);
    ShellLinkTarget tool;
    tool.relativePath = QStringLiteral("..\\..\\readme.txt");
    tool.iconLocation = QStringLiteral("%ProgramFiles%\\PIXIE\\pixie.exe");
    tool.iconIndex = 1;
    world.putLink(QStringLiteral("grafica/Tool.lnk"), tool);
    world.putShortcut(QStringLiteral("grafica/Not a link.lnk"), "not a shell link");
    const auto prefixBefore = [&] {
        auto files = world.tree.snapshot(QStringLiteral("prefix"));
        files.erase(QStringLiteral("drive_c/users/ann/Start Menu/grafica/Tool.lnk"));
        return files;
    }();

    const DesktopMenuSyncResult first = world.sync();
    EXPECT_EQ(first.written, 3);
    EXPECT_EQ(first.failed, QStringList());
    const QString entries = QStringLiteral("data/applications/wine/");
    const QByteArray pixieEntry = world.tree.read(entries + "giochi/Pixie \"$1\".desktop");
    const QString iconName = world.icon(entries + "giochi/Pixie \"$1\".desktop", 16);
    ASSERT_FALSE(iconName.isEmpty()) << pixieEntry.toStdString();
    EXPECT_EQ(QString::fromUtf8(pixieEntry),
              QStringLiteral("[Desktop Entry]\nName=Pixie \"$1\"\n"
                             "Exec=env WINEPREFIX=\"%1\" wine \"C:\\\\\\\\users\\\\\\\\ann\\\\\\\\"
                             "Start Menu\\\\\\\\giochi\\\\\\\\Pixie \\\\\"\\\\$1\\\\\".lnk\"\n"
                             "Type=Application\nStartupNotify=true\n"
                             "Comment=View & edit; pictures 100%\n"
                             "Path=%1/drive_c/Program Files/Pixie\nIcon=%2\n"
                             "StartupWMClass=pixie.exe\n")
                  .arg(world.prefix, QFileInfo(iconName).completeBaseName()));
    // The theme's sizes as they are; 20 pixels is none of them.
    EXPECT_EQ(QImage(world.icon(entries + "giochi/Pixie \"$1\".desktop", 16)).pixel(8, 8),
              0xFF0000FFu);
    EXPECT_EQ(QImage(world.icon(entries + "giochi/Pixie \"$1\".desktop", 48)).pixel(8, 8),
              0xFF00FF00u);
    EXPECT_FALSE(world.tree.exists(QStringLiteral("data/icons/hicolor/20x20")));
    // A PNG image the program holds is its file as it is.
    QFile largeFile(world.icon(entries + "giochi/Pixie \"$1\".desktop", 256));
    ASSERT_TRUE(largeFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(largeFile.readAll(), largePng);
    EXPECT_EQ(QImage(world.icon(entries + "grafica/Tool.desktop", 32)).pixel(8, 8), 0xFFFF0000u);
    EXPECT_TRUE(world.tree.read(entries + "grafica/Tool.desktop")
                    .endsWith("\nStartupWMClass=readme.txt\n"));
    EXPECT_EQ(world.tree.read(entries + "grafica/Not a link.desktop").count('\n'), 5);

    QStringList written;
    QDirIterator it(world.tree.path(QStringLiteral("data")), {"*.desktop", "*.directory"},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        written << it.next();
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("desktop-file-validate"), written);
    ASSERT_TRUE(validator.waitForFinished(60'000)) << "desktop-file-validate did not run";
    EXPECT_EQ(validator.exitCode(), 0) << validator.readAll().toStdString();

    const auto menuAfter = world.tree.snapshot(QStringLiteral("data"));
    const auto configAfter = world.tree.snapshot(QStringLiteral("config"));
    const DesktopMenuSyncResult second = world.sync();
    EXPECT_EQ(second.written + second.removed, 0);
    EXPECT_EQ(world.tree.snapshot(QStringLiteral("data")), menuAfter);
    EXPECT_EQ(world.tree.snapshot(QStringLiteral("config")), configAfter);

    // An icon no entry names any more goes with the last entry that named it.
    const QString toolIcon = world.icon(entries + "grafica/Tool.desktop", 32);
    ASSERT_TRUE(QFile::remove(world.startMenu + QStringLiteral("/grafica/Tool.lnk")));
    EXPECT_EQ(world.sync().removed, 1);
    EXPECT_FALSE(QFileInfo::exists(toolIcon));
    EXPECT_TRUE(QFileInfo::exists(world.icon(entries + "giochi/Pixie \"$1\".desktop", 48)));

    // No Wine ran and the prefix is as it was, apart from the category folders.
    EXPECT_FALSE(world.tree.exists(QStringLiteral("wine.log")));
    auto prefixAfter = world.tree.snapshot(QStringLiteral("prefix"));
    EXPECT_EQ(prefixAfter, prefixBefore);
}

// The Wine of a prefix manager's prefix: the runner its configuration names, where it exists.
TEST(DesktopMenuFromLinks, NamesThePrefixManagersWine) {
    TempTree tree;
    const QString home = tree.path(QStringLiteral("home"));
    const QString lutrisPrefix = tree.path(QStringLiteral("Games/pixie"));
    const QString runner =
        QStringLiteral("home/.local/share/lutris/runners/wine/wine-ge-8/bin/wine");
    const QString proton = QStringLiteral("steamapps/common/Proton 8.0");
    const QString steamPrefix = tree.path(QStringLiteral("steamapps/compatdata/42/pfx"));
    tree.write(QStringLiteral("home/.local/share/lutris/games/pixie-1.yml"),
               "game:\n  exe: x.exe\n  prefix: " + lutrisPrefix.toUtf8() +
                   "\nwine:\n  version: wine-ge-8\n");
    tree.write(QStringLiteral("home/.config/lutris/games/other-2.yml"),
               "game:\n  prefix: ~/Games/other\n");
    tree.write(QStringLiteral("home/.config/lutris/runners/wine.yml"),
               "wine:\n  version: missing\n");
    tree.write(QStringLiteral("steamapps/compatdata/42/config_info"),
               "8.0-104\n" + tree.path(proton).toUtf8() + "/files/share/fonts/\n");
    tree.makeFolder(QStringLiteral("Games/pixie"));
    tree.makeFolder(QStringLiteral("steamapps/compatdata/42/pfx"));
    const auto executable = [&](const QString& relative) {
        tree.write(relative, "#!/bin/sh\n");
        QFile(tree.path(relative)).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    };
    EXPECT_EQ(wineLauncherOfManager(lutrisPrefix, home), QStringLiteral("wine"));
    EXPECT_EQ(wineLauncherOfManager(steamPrefix, home), QStringLiteral("wine"));
    executable(runner);
    executable(proton + QStringLiteral("/files/bin/wine"));
    EXPECT_EQ(wineLauncherOfManager(lutrisPrefix, home), tree.path(runner));
    EXPECT_EQ(wineLauncherOfManager(steamPrefix, home), tree.path(proton + "/files/bin/wine"));
    EXPECT_EQ(wineLauncherOfManager(home + QStringLiteral("/Games/other"), home),
              QStringLiteral("wine"));
    EXPECT_EQ(wineLauncherOfManager(tree.path(QStringLiteral("elsewhere")), home),
              QStringLiteral("wine"));
}

} // namespace
} // namespace tvn::test
