#include "platform/WineShellFolders.h"

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace tvn;
using tvn::test::ScopedEnvironment;
using tvn::test::TempTree;

namespace {

const QString kRoaming = QStringLiteral("users/root/AppData/Roaming/Microsoft/Windows");

QByteArray sampleRegistry(const char* name = "wine8-user.reg") {
    QFile file(QStringLiteral(TORVANE_PLATFORM_TEST_DATA "/") + QString::fromUtf8(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// A prefix as wineboot leaves it: user.reg, system.reg, drive_c, and dosdevices/c: ->
// ../drive_c, z: -> /.
struct Prefix {
    TempTree tree;
    QString driveC;

    explicit Prefix(const QByteArray& userReg = sampleRegistry(),
                    const QByteArray& systemReg = sampleRegistry("wine8-system.reg")) {
        tree.write("user.reg", userReg);
        tree.write("system.reg", systemReg);
        tree.makeFolder("drive_c");
        tree.makeFolder("dosdevices");
        EXPECT_TRUE(QFile::link("../drive_c", tree.path("dosdevices/c:")));
        EXPECT_TRUE(QFile::link("/", tree.path("dosdevices/z:")));
        driveC = QFileInfo(tree.path("drive_c")).canonicalFilePath();
    }
    QString path() const { return tree.path(); }
};

} // namespace

TEST(WineShellFolders, MapsTheRegistryPathsIntoThePrefixAsTheDiskSpellsThem) {
    Prefix prefix;
    prefix.tree.makeFolder("drive_c/" + kRoaming + "/Start Menu/Programs");
    WineShellFolders folders(prefix.path());
    EXPECT_EQ(folders.shellFolder("Start Menu"), prefix.driveC + "/" + kRoaming + "/Start Menu");
    EXPECT_EQ(folders.shellFolder("Programs"),
              prefix.driveC + "/" + kRoaming + "/Start Menu/Programs");
}

TEST(WineShellFolders, ResolvesLetterCaseAndKeepsMissingNamesAsWritten) {
    Prefix prefix;
    prefix.tree.makeFolder("drive_c/Users/ROOT/appdata");
    WineShellFolders folders(prefix.path());
    EXPECT_EQ(folders.shellFolder("start menu"),
              prefix.driveC + "/Users/ROOT/appdata/Roaming/Microsoft/Windows/Start Menu");

    EXPECT_EQ(folders.unixPath("c:\\USERS\\root"), prefix.driveC + "/Users/ROOT");
    EXPECT_EQ(folders.unixPath("C:\\"), prefix.driveC);
    EXPECT_EQ(folders.unixPath("C:/users//root/./x/../appdata\\"),
              prefix.driveC + "/Users/ROOT/appdata");
    // ".." never climbs out of the drive.
    EXPECT_EQ(folders.unixPath("C:\\..\\..\\etc"), prefix.driveC + "/etc");
    EXPECT_EQ(folders.unixPath("Z:\\"), "/");
    EXPECT_EQ(folders.unixPath("Z:\\tmp"), "/tmp");
}

TEST(WineShellFolders, FindsNothingWithoutAPrefixAKeyAValueOrADrive) {
    EXPECT_EQ(WineShellFolders(QString()).shellFolder("Start Menu"), "");

    Prefix prefix;
    WineShellFolders folders(prefix.path());
    EXPECT_EQ(folders.shellFolder("No Such Value"), "");
    for (const char* path :
         {"", "C:", "C:users", "\\\\server\\share", "%USERPROFILE%\\x", "1:\\x", "D:\\unmapped"})
        EXPECT_EQ(folders.unixPath(path), "") << path;

    Prefix noKey("WINE REGISTRY Version 2\n[Software\\\\Other] 1\n\"Start Menu\"=\"C:\\\\x\"\n");
    EXPECT_EQ(WineShellFolders(noKey.path()).shellFolder("Start Menu"), "");

    Prefix noFile;
    QFile::remove(noFile.tree.path("user.reg"));
    EXPECT_EQ(WineShellFolders(noFile.path()).shellFolder("Start Menu"), "");

    Prefix expandable("WINE REGISTRY Version 2\n"
                      "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\"
                      "Shell Folders] 1\n"
                      "\"Start Menu\"=str(2):\"C:\\\\x\"\n"
                      "\"Programs\"=dword:00000010\n");
    WineShellFolders odd(expandable.path());
    EXPECT_EQ(odd.shellFolder("Start Menu"), "");
    EXPECT_EQ(odd.shellFolder("Programs"), ""); // "16" is no Windows path
}

TEST(WineShellFolders, TakesThePrefixFromTheEnvironmentAsWineDoes) {
    {
        ScopedEnvironment prefix("WINEPREFIX", "/opt/wine/prefix/");
        EXPECT_EQ(WineShellFolders::defaultWinePrefix(), "/opt/wine/prefix");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", "relative/prefix");
        EXPECT_EQ(WineShellFolders::defaultWinePrefix(), "");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", "");
        EXPECT_EQ(WineShellFolders::defaultWinePrefix(), "");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", QString());
        ScopedEnvironment home("HOME", "/home/ann");
        EXPECT_EQ(WineShellFolders::defaultWinePrefix(), "/home/ann/.wine");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", QString());
        ScopedEnvironment home("HOME", QString());
        EXPECT_EQ(WineShellFolders::defaultWinePrefix(), "");
    }
}

TEST(WineShellFolders, FindsTheAllUsersProgramsOfThePrefixHoldingTheStartMenu) {
    Prefix prefix;
    prefix.tree.makeFolder("drive_c/" + kRoaming + "/Start Menu");
    prefix.tree.makeFolder("drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs");
    const QString allUsers = prefix.driveC + "/ProgramData/Microsoft/Windows/Start Menu/Programs";
    TempTree outside;
    ASSERT_TRUE(
        QFile::link(prefix.driveC + "/" + kRoaming + "/Start Menu", outside.path("Start Menu")));
    // The Start Menu folder decides the prefix, whatever prefix the lookup was made for.
    for (const QString& startMenu :
         {prefix.driveC + "/" + kRoaming + "/Start Menu",
          prefix.path() + "/dosdevices/c:/users/root/AppData/Roaming/Microsoft/Windows/Start Menu",
          outside.path("Start Menu")}) {
        SCOPED_TRACE(startMenu.toStdString());
        EXPECT_EQ(WineShellFolders(QString()).allUsersPrograms(startMenu), allUsers);
    }
    EXPECT_EQ(WineShellFolders::prefixHolding(prefix.driveC + "/users"),
              QFileInfo(prefix.path()).canonicalFilePath());
}

TEST(WineShellFolders, FindsNoAllUsersProgramsWithoutAPrefixSystemRegOrValue) {
    Prefix noValue(sampleRegistry(), "WINE REGISTRY Version 2\n[Software\\\\Other] 1\n");
    Prefix noSystemReg;
    QFile::remove(noSystemReg.tree.path("system.reg"));
    Prefix noDosDevices;
    QFile::remove(noDosDevices.tree.path("dosdevices/c:"));
    QFile::remove(noDosDevices.tree.path("dosdevices/z:"));
    QDir(noDosDevices.tree.path()).rmdir("dosdevices");
    TempTree plain;
    plain.makeFolder("Start Menu");
    for (const QString& startMenu :
         {noValue.driveC + "/users", noSystemReg.driveC + "/users",
          noDosDevices.tree.path("drive_c/users"), plain.path("Start Menu"), QString(),
          QStringLiteral("relative/Start Menu")}) {
        SCOPED_TRACE(startMenu.toStdString());
        EXPECT_EQ(WineShellFolders(noValue.path()).allUsersPrograms(startMenu), "");
    }
}
