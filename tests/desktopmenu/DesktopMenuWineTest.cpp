// The desktop menu sync against Wine itself: one real prefix made by wineboot for the whole
// binary, fresh XDG folders for each test, the menu read back by a freedesktop menu parser.
#include "MenuWorld.h"
#include "PrintQString.h"
#include "ShellLinkFile.h"
#include "WinePrefix.h"
#include "WineShellFolders.h"

#include <gtest/gtest.h>
#include <map>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

namespace tvn::test {
namespace {

// The prefix every test of this binary shares; without Wine the tests are skipped, and when
// the prefix cannot be made they fail.
struct SharedPrefix {
    std::unique_ptr<QTemporaryDir> folder;
    QString prefix;
    QString startMenu;
    QString programs;
    bool wineMissing = false;
    QString setUpError;
};
SharedPrefix shared;

QProcessEnvironment processEnvironment(const QString& dataHome, const QString& configHome) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return environment;
}

// Runs a program to its end; its standard output, or nothing when it failed. Wine's programs
// leave the server and its helpers running, which would hold an output pipe open: their
// output is not read (`readOutput` false).
std::optional<QByteArray> runProgram(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& environment,
                                     bool readOutput = false) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!readOutput)
        process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(300'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return readOutput ? process.readAllStandardOutput() : QByteArray();
}

class WinePrefixEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty()) {
            shared.wineMissing = true;
            return;
        }
        shared.folder = std::make_unique<QTemporaryDir>();
        shared.prefix = shared.folder->filePath(QStringLiteral("prefix"));
        // As prefix managers do: installers leave the menu alone, and so does wineboot. The
        // sync must still reach Wine's menu builder.
        qputenv("WINEDLLOVERRIDES", "winemenubuilder.exe=d");
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEPREFIX", shared.prefix.toUtf8());
        const auto environment =
            processEnvironment(shared.folder->filePath(QStringLiteral("boot-data")),
                               shared.folder->filePath(QStringLiteral("boot-config")));
        if (!runProgram(QStringLiteral("wineboot"), {QStringLiteral("-i")}, environment) ||
            !runProgram(QStringLiteral("wineserver"), {QStringLiteral("-w")}, environment)) {
            shared.setUpError = QStringLiteral("wineboot -i failed or took over 5 minutes");
            return;
        }
        WineShellFolders folders(shared.prefix);
        shared.startMenu = folders.shellFolder(QStringLiteral("Start Menu"));
        shared.programs = folders.shellFolder(QStringLiteral("Programs"));
        if (shared.startMenu.isEmpty() || shared.programs.isEmpty())
            shared.setUpError = QStringLiteral("the new prefix has no Start Menu in user.reg");
    }

    void TearDown() override {
        if (shared.folder)
            runProgram(QStringLiteral("wineserver"), {QStringLiteral("-k")},
                       QProcessEnvironment::systemEnvironment());
        shared.folder.reset();
    }
};

[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new WinePrefixEnvironment);

// One menu entry as the parser shows it.
struct ShownEntry {
    QString path; // submenus and name: "Wine/games/Chess"
    QStringList exec;
    friend bool operator<(const ShownEntry& a, const ShownEntry& b) { return a.path < b.path; }
};

class WineMenu : public ::testing::Test, protected MenuWorld {
protected:
    WineMenu()
        : MenuWorld(shared.prefix) {}

    void SetUp() override {
        if (shared.wineMissing)
            GTEST_SKIP() << "Wine is not installed (Debian: wine, wine64): desktop menu tests "
                            "skipped";
        ASSERT_TRUE(shared.setUpError.isEmpty()) << shared.setUpError.toStdString();
        useStartMenu(shared.startMenu, shared.programs);
        windowsStartMenu = windowsPathIn(shared.prefix, shared.startMenu);
        putLink(QStringLiteral("Programs/Acme/Acme Writer.lnk"));
        makeEntriesAsWineDoes({QStringLiteral("Programs\\Acme\\Acme Writer.lnk")});
        programsFiles = menuFiles(QStringLiteral("Programs"));
    }

    void TearDown() override {
        if (shared.wineMissing || !shared.setUpError.isEmpty())
            return;
        for (const QFileInfo& folder :
             QDir(startMenu).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (folder.fileName() != u"Programs")
                QDir(folder.filePath()).removeRecursively();
        }
        QDir(startMenu + QStringLiteral("/Programs/Acme")).removeRecursively();
    }

    // A valid shortcut to Notepad at `relative` below the Start Menu folder.
    void putLink(const QString& relative) {
        tools::ShellLinkTarget target;
        target.description = QStringLiteral("A test program");
        target.relativePath = QStringLiteral("..\\..\\..\\..\\..\\..\\..\\windows\\notepad.exe");
        target.workingDirectory = QStringLiteral("C:\\windows");
        target.iconLocation = QStringLiteral("C:\\windows\\notepad.exe");
        putShortcut(relative, tools::shellLinkBytes(target));
    }

    QString windowsPath(const QString& relative) const {
        return windowsStartMenu + u'\\' + QString(relative).replace(u'/', u'\\');
    }

    // Wine's menu builder run on the shortcuts directly, as a Windows installer's shortcut
    // triggers it: the entries in Wine's own form.
    void makeEntriesAsWineDoes(const QStringList& relatives) {
        QStringList arguments{QStringLiteral("winemenubuilder")};
        for (const QString& relative : relatives)
            arguments << windowsPath(relative);
        auto wine = processEnvironment(environment.dataHome, environment.configHome);
        wine.insert(QStringLiteral("WINEDLLOVERRIDES"), QString());
        ASSERT_TRUE(runProgram(QStringLiteral("wine"), arguments, wine));
    }

    // The menu files whose path below the XDG folders mentions `part`, with their contents.
    std::map<QString, QByteArray> menuFiles(const QString& part = {}) const {
        std::map<QString, QByteArray> files;
        for (const QString& root : {environment.dataHome, environment.configHome}) {
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (path.contains(QStringLiteral("/icons/")) || !path.contains(part))
                    continue;
                // The time too: a file written again with the same content was still touched.
                QFile file(path);
                files[path] =
                    (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()) +
                    QByteArray::number(QFileInfo(path).lastModified().toMSecsSinceEpoch());
            }
        }
        return files;
    }

    std::vector<ShownEntry> shownMenu() const {
        const auto output = runProgram(
            QStringLiteral(TORVANE_SYSTEM_PYTHON), {QStringLiteral(TORVANE_MENU_ENTRIES_SCRIPT)},
            processEnvironment(environment.dataHome, environment.configHome), true);
        EXPECT_TRUE(output) << "the menu parser failed (Debian: python3-xdg)";
        std::vector<ShownEntry> entries;
        for (const QJsonValue entry : QJsonDocument::fromJson(output.value_or("[]")).array()) {
            const QJsonObject object = entry.toObject();
            QStringList exec;
            for (const QJsonValue argument : object[QStringLiteral("exec")].toArray())
                exec << argument.toString();
            entries.push_back({object[QStringLiteral("menu")].toString() + u'/' +
                                   object[QStringLiteral("name")].toString(),
                               exec});
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    // The menu shows exactly the shortcuts `relatives` of the Start Menu folder, each under
    // Wine › its folders and starting it through Wine in the prefix; the Programs entry's files
    // are as Wine wrote them; every desktop file passes the validator.
    void expectMenuShows(QStringList relatives) {
        relatives << QStringLiteral("Programs/Acme/Acme Writer.lnk");
        std::vector<ShownEntry> expected;
        for (const QString& relative : relatives)
            expected.push_back(
                {QStringLiteral("Wine/") + relative.chopped(4),
                 {QStringLiteral("env"), QStringLiteral("WINEPREFIX=") + shared.prefix,
                  QStringLiteral("wine"), windowsPath(relative)}});
        std::sort(expected.begin(), expected.end());
        std::vector<ShownEntry> shown = shownMenu();
        for (ShownEntry& entry : shown)
            if (entry.exec.size() == 4 && entry.exec[2].startsWith(u"wine"))
                entry.exec[2] = QStringLiteral("wine"); // Debian's launcher is wine-stable
        ASSERT_EQ(shown.size(), expected.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].path, expected[i].path);
            EXPECT_EQ(shown[i].exec, expected[i].exec);
        }
        EXPECT_EQ(menuFiles(QStringLiteral("Programs")), programsFiles);
        expectValidDesktopFiles();
    }

    void expectValidDesktopFiles() const {
        QStringList files;
        QDirIterator it(environment.dataHome,
                        {QStringLiteral("*.desktop"), QStringLiteral("*.directory")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        QProcess validator;
        validator.setProcessChannelMode(QProcess::MergedChannels);
        validator.start(QStringLiteral("desktop-file-validate"), files);
        ASSERT_TRUE(validator.waitForFinished(60'000)) << "desktop-file-validate did not run";
        EXPECT_EQ(validator.exitCode(), 0) << validator.readAll().toStdString();
    }

    // A sync that adds and removes the given numbers of entries and reports no failure.
    void syncExpecting(int written, int removed) {
        const DesktopMenuSyncResult result = sync();
        EXPECT_EQ(result.support, DesktopMenuSupport::Available);
        EXPECT_EQ(result.written, written);
        EXPECT_EQ(result.removed, removed);
        EXPECT_EQ(result.failed, QStringList());
    }

    bool renameInStartMenu(const QString& from, const QString& to) {
        return QDir(startMenu).rename(from, to);
    }

    QString windowsStartMenu;
    std::map<QString, QByteArray> programsFiles;
};

TEST_F(WineMenu, FollowsTheCategoryFolders) {
    const QString odd = QStringLiteral("Tom & Jerry's (x64)");
    window.captions[0] = QStringLiteral("games");
    window.captions[1] = odd;
    putLink(QStringLiteral("games/Acme Writer.lnk"));
    putLink(QStringLiteral("games/Chess (64-bit).lnk"));
    putLink(odd + QStringLiteral("/100% Fun; $5 `now`.lnk"));

    syncExpecting(3, 0);
    expectMenuShows({QStringLiteral("games/Acme Writer.lnk"),
                     QStringLiteral("games/Chess (64-bit).lnk"),
                     odd + QStringLiteral("/100% Fun; $5 `now`.lnk")});
    EXPECT_EQ(window.progress, QStringLiteral("100 %"));
    EXPECT_GT(ui.pumps(), 0);

    SCOPED_TRACE("a second sync");
    const auto before = menuFiles();
    const qsizetype labelTexts = window.progressHistory.size();
    syncExpecting(0, 0);
    EXPECT_EQ(menuFiles(), before);
    EXPECT_EQ(window.progressHistory.size(), labelTexts);

    SCOPED_TRACE("a copy removed, the other moved, its category left empty");
    QFile::remove(startMenu + QStringLiteral("/games/Chess (64-bit).lnk"));
    renameInStartMenu(odd + QStringLiteral("/100% Fun; $5 `now`.lnk"),
                      QStringLiteral("games/100% Fun; $5 `now`.lnk"));
    syncExpecting(1, 2);
    expectMenuShows(
        {QStringLiteral("games/Acme Writer.lnk"), QStringLiteral("games/100% Fun; $5 `now`.lnk")});

    SCOPED_TRACE("the category renamed, its copies carried over");
    ASSERT_TRUE(renameInStartMenu(QStringLiteral("games"), QStringLiteral("jeux")));
    window.captions[0] = QStringLiteral("jeux");
    syncExpecting(2, 2);
    expectMenuShows(
        {QStringLiteral("jeux/Acme Writer.lnk"), QStringLiteral("jeux/100% Fun; $5 `now`.lnk")});

    SCOPED_TRACE("renamed again, the copies left in the old folder, one of them purged");
    window.captions[0] = QStringLiteral("spiele");
    syncExpecting(0, 0);
    QFile::remove(startMenu + QStringLiteral("/jeux/Acme Writer.lnk"));
    syncExpecting(0, 1);
    expectMenuShows({QStringLiteral("jeux/100% Fun; $5 `now`.lnk")});

    SCOPED_TRACE("everything emptied");
    QDir(startMenu + QStringLiteral("/jeux")).removeRecursively();
    QDir(startMenu + u'/' + odd).removeRecursively();
    syncExpecting(0, 1);
    expectMenuShows({});
    const auto left = menuFiles();
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](const auto& file) {
        return file.first.contains(u"Programs") || file.first.endsWith(u"/wine-wine.directory");
    })) << "category files are left";
}

// What an interrupted sync leaves (entries in Wine's own form, one without its .menu file, one
// whose removal stopped half-way) is repaired; entries of shortcuts outside the category
// folders stay as they are, even when their shortcut is gone.
TEST_F(WineMenu, RepairsAnInterruptedSyncAndLeavesOtherEntries) {
    window.captions[0] = QStringLiteral("games");
    for (const char* name :
         {"games/Alpha.lnk", "games/Beta.lnk", "games/Gamma.lnk", "Vendor Tools/Tool.lnk"})
        putLink(QString::fromUtf8(name));
    makeEntriesAsWineDoes({QStringLiteral("games\\Alpha.lnk"), QStringLiteral("games\\Beta.lnk"),
                           QStringLiteral("games\\Gamma.lnk"),
                           QStringLiteral("Vendor Tools\\Tool.lnk")});
    const QString merged = environment.configHome + QStringLiteral("/menus/applications-merged/");
    ASSERT_TRUE(QFile::remove(merged + QStringLiteral("wine-games-Beta.menu")));
    ASSERT_TRUE(QFile::remove(merged + QStringLiteral("wine-games-Gamma.menu")));
    QFile::remove(startMenu + QStringLiteral("/games/Gamma.lnk"));
    QFile::remove(startMenu + QStringLiteral("/Vendor Tools/Tool.lnk"));
    QFile::remove(startMenu + QStringLiteral("/Programs/Acme/Acme Writer.lnk"));
    const auto vendorFiles = menuFiles(QStringLiteral("Vendor Tools"));

    syncExpecting(2, 1);
    expectMenuShows({QStringLiteral("games/Alpha.lnk"), QStringLiteral("games/Beta.lnk"),
                     QStringLiteral("Vendor Tools/Tool.lnk")});
    EXPECT_EQ(menuFiles(QStringLiteral("Vendor Tools")), vendorFiles);
    syncExpecting(0, 0);
}

} // namespace
} // namespace tvn::test
