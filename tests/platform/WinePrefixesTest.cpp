#include "platform/WinePrefixes.h"

#include "platform/PrefixConfigFiles.h"
#include "tests/support/PrintQString.h"
#include "tests/support/TempTree.h"

#include <chrono>
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace tvn {
namespace {

using test::TempTree;

// The bytes of a literal, NULs included.
template <std::size_t N> QByteArray bytes(const char (&literal)[N]) {
    return QByteArray(literal, qsizetype(N - 1));
}

TEST(PrefixConfigFiles, ReadsThePrefixOfALutrisGame) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"game:\n  exe: /g/x.exe\n  prefix: /home/ann/Games/cinderpeak\nsystem: {}\n",
         "/home/ann/Games/cinderpeak"},
        {"wine:\r\n  version: 8\r\ngame:\r\n\r\n  # where\r\n  prefix: ~/Games/x # note\r\n",
         "~/Games/x"},
        {"game:\n  prefix: \"/p/My \\\"Games\\\"\"\n", "/p/My \"Games\""},
        {"game:\n  prefix: '/p/it''s'\n", "/p/it's"},
        {"game:\n  prefix: /p#1\n", "/p#1"},
        {"game:\n  args:\n    prefix: /wrong\n  prefix: /right\n", "/right"},
        {"wine:\n  prefix: /wrong\n", ""},
        {"game:\n  prefixes: /wrong\n  prefix:/wrong\n", ""},
        {"game:\n  prefix:\n", ""},
        {"game:\n  prefix: ~\n", ""},
        {"game:\n  prefix: \"/unclosed\n", ""},
        {"game: {prefix: /flow}\n", ""},
        {bytes("\0\xff\n game:\n\tprefix: \x80"), ""},
        {"", ""},
    };
    for (const auto& [yml, expected] : cases) {
        SCOPED_TRACE(yml.toStdString());
        EXPECT_EQ(prefixes::lutrisGamePrefix(yml).value_or(QString()), expected);
    }
}

TEST(PrefixConfigFiles, ReadsEveryLibraryOfASteamLibraryList) {
    const std::vector<std::pair<QByteArray, QStringList>> cases = {
        {"\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/ann/.local/share/Steam\"\n"
         "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1234\"\n\t\t}\n\t}\n"
         "\t\"1\" { \"PATH\" \"/mnt/My \\\"Games\\\"\" }\n}\n",
         {"/home/ann/.local/share/Steam", "/mnt/My \"Games\""}},
        {"\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
         "\t\"1\"\t\t\"/mnt/games\"\n\t// \"2\" \"/commented\"\n\t\"2\" \"\"\n}\n",
         {"/mnt/games"}},
        {"path /bare\n\"path\" \"D:\\\\Games\"", {"/bare", "D:\\Games"}},
        {"}}}\n\"path\" \"/after braces\"\n{{{ \"path\" \"/unclosed",
         {"/after braces", "/unclosed"}},
        {bytes("\"path\"\0\"/x\"\n\xff\xfe{"), {}},
    };
    for (const auto& [vdf, expected] : cases) {
        SCOPED_TRACE(vdf.toStdString());
        EXPECT_EQ(prefixes::steamLibraryPaths(vdf), expected);
    }
}

TEST(PrefixConfigFiles, ReadsTheGameNameOfASteamAppManifest) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"\"AppState\"\n{\n\t\"appid\"\t\"10\"\n\t\"name\"\t\"Quill \\\"Q\\\" & Co\"\n}\n",
         "Quill \"Q\" & Co"},
        {"\"AppState\"\r\n{\r\n\"UserConfig\" { \"name\" \"inner\" }\r\n\"NAME\" \"outer\"\r\n}",
         "outer"},
        {"\"AppState\" { \"name\" \"  \" }", ""},
        {"\"name\" \"outside any block\"", ""},
        {bytes("\0{\xff\"name\""), ""},
    };
    for (const auto& [acf, expected] : cases) {
        SCOPED_TRACE(acf.toStdString());
        EXPECT_EQ(prefixes::steamAppName(acf).value_or(QString()), expected);
    }
}

// A home folder with one prefix in each place the managers keep them, and broken entries.
class WinePrefixSearch : public ::testing::Test {
protected:
    void prefix(const QString& folder) { tree.write(folder + "/user.reg", "WINE REGISTRY"); }

    QString home(const QString& relative = {}) const { return tree.path("home/" + relative); }

    TempTree tree;
};

TEST_F(WinePrefixSearch, FindsOnePrefixOfEachManagerAndSkipsBrokenEntries) {
    prefix("home/.wine");
    prefix("elsewhere/my prefix");
    prefix("home/.local/share/wineprefixes/Office2010");
    tree.makeFolder("home/.local/share/wineprefixes/not a prefix/drive_c");
    prefix("home/.local/share/bottles/bottles/Office");
    prefix("home/.var/app/com.usebottles.bottles/data/bottles/bottles/Games");
    prefix("home/Games/cinderpeak");
    tree.write("home/.local/share/lutris/games/cinderpeak-1700000000.yml",
               "game:\n  exe: drive_c/cp.exe\n  prefix: ~/Games/cinderpeak\nslug: cinderpeak\n");
    tree.write("home/.local/share/lutris/games/default-wine.yml",
               "game:\n  prefix: " + home(".wine").toUtf8() + "\n");
    tree.write("home/.local/share/lutris/games/gone.yml", "game:\n  prefix: /no/such/folder\n");
    tree.write("home/.local/share/lutris/games/bad.yml", bytes("\0\0game:\n\xff"));
    // Older Lutris kept its games in ~/.config, the Flatpak keeps them in its own data folder.
    prefix("home/Games/emberfall");
    tree.write("home/.config/lutris/games/emberfall-1600000000.yml",
               "game:\n  prefix: " + home("Games/emberfall").toUtf8() + "\n");
    prefix("home/Games/glasswing");
    tree.write("home/.var/app/net.lutris.Lutris/data/lutris/games/glasswing-1700000000.yml",
               "game:\n  exe: drive_c/gw.exe\n  prefix: ~/Games/glasswing\n");
    prefix("home/Games/Heroic/Prefixes/default/Hollow Star");
    // Steam names a prefix's game in the manifest of the library holding it; a prefix whose
    // manifest is gone (the game uninstalled) keeps its number.
    prefix("home/.local/share/Steam/steamapps/compatdata/489830/pfx");
    tree.write("home/.local/share/Steam/steamapps/appmanifest_489830.acf",
               "\"AppState\"\n{\n\t\"appid\"\t\t\"489830\"\n\t\"Universe\"\t\t\"1\"\n"
               "\t\"name\"\t\t\"Tidewater Saga: Special Edition\"\n\t\"StateFlags\"\t\t\"4\"\n"
               "\t\"UserConfig\"\n\t{\n\t\t\"name\"\t\t\"wrong\"\n\t}\n}\n");
    tree.write("home/.local/share/Steam/steamapps/appmanifest_1091500.acf",
               "\"AppState\" { \"name\" \"Not where its prefix is\" }\n");
    tree.makeFolder("home/.local/share/Steam/steamapps/compatdata/228980");
    prefix("library2/steamapps/compatdata/1091500/pfx");
    prefix("library2/steamapps/compatdata/2000/pfx");
    tree.write("library2/steamapps/appmanifest_2000.acf", bytes("\0\xff{ \"name\" \"\" }"));
    tree.write("home/.local/share/Steam/steamapps/libraryfolders.vdf",
               "\"libraryfolders\"\n{\n\"0\" { \"path\" \"" + home(".local/share/Steam").toUtf8() +
                   "\" }\n\"1\" { \"path\" \"" + tree.path("library2").toUtf8() + "\" }\n}\n");
    tree.write("home/.local/share/Steam/config/libraryfolders.vdf", "\"path\" \"relative\"\n{");
    tree.makeFolder("home/.steam");
    ASSERT_TRUE(QFile::link(home(".local/share/Steam"), home(".steam/steam")));
    // A pipe where the library list should be would block a plain read for ever.
    tree.makeFolder("home/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps");
    ASSERT_EQ(::mkfifo(QFile::encodeName(home(".var/app/com.valvesoftware.Steam/.local/share/"
                                              "Steam/steamapps/libraryfolders.vdf"))
                           .constData(),
                       0600),
              0);
    prefix("home/.PlayOnLinux/wineprefix/Notepad");
    prefix("home/.cxoffice/Word");
    tree.makeFolder("home/.cxoffice/installers");
    prefix("home/.cxoffice/Locked");
    ::chmod(QFile::encodeName(home(".cxoffice/Locked")).constData(), 0);

    std::vector<WinePrefix> found = findWinePrefixes(home(), tree.path("elsewhere/my prefix"));
    ::chmod(QFile::encodeName(home(".cxoffice/Locked")).constData(), 0700);
    // Whoever may read the locked folder (root may) finds it too; nobody else does.
    std::erase_if(found, [](const WinePrefix& p) { return p.label == "Locked"; });

    QStringList listed;
    for (const WinePrefix& p : found)
        listed << p.manager + ": " + p.label + " = " + p.path;
    EXPECT_EQ(listed,
              QStringList({
                  "Bottles: Office = " + home(".local/share/bottles/bottles/Office"),
                  "Bottles (Flatpak): Games = " +
                      home(".var/app/com.usebottles.bottles/data/bottles/bottles/Games"),
                  "CrossOver: Word = " + home(".cxoffice/Word"),
                  "Heroic: Hollow Star = " + home("Games/Heroic/Prefixes/default/Hollow Star"),
                  "Lutris: cinderpeak = " + home("Games/cinderpeak"),
                  "Lutris: emberfall = " + home("Games/emberfall"),
                  "Lutris (Flatpak): glasswing = " + home("Games/glasswing"),
                  "PlayOnLinux: Notepad = " + home(".PlayOnLinux/wineprefix/Notepad"),
                  "Steam: 2000 = " + tree.path("library2/steamapps/compatdata/2000/pfx"),
                  "Steam: 1091500 = " + tree.path("library2/steamapps/compatdata/1091500/pfx"),
                  "Steam: Tidewater Saga: Special Edition = " +
                      home(".steam/steam/steamapps/compatdata/489830/pfx"),
                  "Wine:  = " + home(".wine"),
                  "Wine: my prefix = " + tree.path("elsewhere/my prefix"),
                  "Winetricks: Office2010 = " + home(".local/share/wineprefixes/Office2010"),
              }));
}

TEST_F(WinePrefixSearch, FindsNothingWithoutAHomeOrOnceTheTimeIsUp) {
    prefix("home/.wine");
    EXPECT_TRUE(findWinePrefixes(QString()).empty());
    EXPECT_TRUE(findWinePrefixes(QStringLiteral("relative/home")).empty());
    EXPECT_TRUE(findWinePrefixes(home(), QString(), std::chrono::milliseconds(0)).empty());
    EXPECT_EQ(findWinePrefixes(QString(), home(".wine")).size(), 1u);
}

} // namespace
} // namespace tvn
