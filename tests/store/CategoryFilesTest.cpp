#include "store/CategoryFiles.h"

#include "catalogue/Categories.h"
#include "StoreWorld.h"

#include <QFile>

namespace tvn::test {
namespace {

using Kind = FaultInjectingFileSystem::Kind;

class CategoryFiles : public StoreTest {
protected:
    std::array<QString, kCategoryCount> builtIn = builtInCategoryCaptions();
};

TEST_F(CategoryFiles, SavesElevenQuotedRecordsInTheSystemCodePage) {
    saveCustomCategories(tvn);
    QByteArray expected;
    for (const QString& caption : builtIn)
        expected += '"' + caption.toLatin1() + "\"\r\n"; // windows-1252 agrees for these names
    EXPECT_EQ(tree.read("App/Custom.tvn"), expected);

    // A name the code page cannot hold switches the whole file to UTF-8 with its mark.
    window.captions[4] = QStringLiteral("音楽");
    saveCustomCategories(tvn);
    EXPECT_TRUE(tree.read("App/Custom.tvn").startsWith("\xEF\xBB\xBF\"giochi\"\r\n"));

    FakeWindow reloaded;
    Tvn other{state, fs, ui, lists.refs(), reloaded};
    reloaded.captions.fill("unset");
    readCustomCategories(other);
    EXPECT_EQ(reloaded.captions, window.captions);
}

TEST_F(CategoryFiles, AFailedSaveIsSilentAndKeepsTheOldFile) {
    tree.write("App/Custom.tvn", "\"old\"\r\n");
    faults.failWhen([](const auto& op) { return op.kind == Kind::WriteFile; });
    saveCustomCategories(tvn);
    EXPECT_EQ(tree.read("App/Custom.tvn"), "\"old\"\r\n");
    faults.clearFaults();

    state.appFolder = tree.path("missing");
    saveCustomCategories(tvn);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(CategoryFiles, AShortFileLeavesTheRemainingButtonsAsTheyWere) {
    tree.write("App/Custom.tvn", "\"games\"\r\n\"tools\"\r\n\"art\"\r\n");
    ui.expectMessage();
    readCustomCategories(tvn);
    EXPECT_EQ(window.captions[0], "games");
    EXPECT_EQ(window.captions[1], "tools");
    EXPECT_EQ(window.captions[2], "art");
    for (int k = 3; k < kCategoryCount; ++k)
        EXPECT_EQ(window.captions[static_cast<size_t>(k)], builtIn[static_cast<size_t>(k)]);
}

TEST_F(CategoryFiles, AnInvalidNameIsNotUsedButKeepsItsPlace) {
    tree.write("App/Custom.tvn", "\"games\"\r\n\"..\"\r\n\"a/b\",\"\"\r\n007\r\n\"trailing. \"\r\n"
                                 "\"fine\"\r\n");
    ui.expectMessage();
    readCustomCategories(tvn);
    EXPECT_EQ(window.captions[0], "games");
    EXPECT_EQ(window.captions[1], builtIn[1]);
    EXPECT_EQ(window.captions[2], builtIn[2]);
    EXPECT_EQ(window.captions[3], builtIn[3]);
    EXPECT_EQ(window.captions[4], "7");
    EXPECT_EQ(window.captions[5], builtIn[5]);
    EXPECT_EQ(window.captions[6], "fine");
}

TEST_F(CategoryFiles, AMissingOrGarbledFileChangesNothingHarmful) {
    readCustomCategories(tvn);
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions, builtIn);

    QByteArray garbage;
    for (int k = 0; k < 4096; ++k)
        garbage += static_cast<char>((k * 37) % 256);
    tree.write("App/Custom.tvn", garbage);
    ui.expectMessage();
    readCustomCategories(tvn);
    for (const QString& caption : window.captions)
        EXPECT_FALSE(caption.contains(u'/') || caption.contains(u'\\') || caption.isEmpty());
}

class DefaultCategories : public CategoryFiles {
protected:
    void useShippedDefaults() {
        QFile shipped(QStringLiteral(TORVANE_SHIPPED_DATA "/Default.tvn"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        tree.write("App/Default.tvn", shipped.readAll());
    }
};

TEST_F(DefaultCategories, PutsTheShippedNamesOfTheCurrentLanguage) {
    useShippedDefaults();
    state.languageIndex = 0;
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[0], "games");
    EXPECT_EQ(window.captions[10], "miscellaneous");

    state.languageIndex = 1;
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[0], "jeux");
    EXPECT_EQ(window.captions[14 - 11], QStringLiteral("vidéo"));

    state.languageIndex = 2;
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions, builtIn);
}

// Custom.tvn lost or never written: the buttons speak the interface language, not the
// built-in Italian.
TEST_F(DefaultCategories, WithoutTheUsersNamesTheInterfaceLanguagesAreTaken) {
    useShippedDefaults();
    state.languageIndex = 0;
    readCustomCategories(tvn);
    EXPECT_EQ(window.captions[0], "games");
    state.languageIndex = 1;
    readCustomCategories(tvn);
    EXPECT_EQ(window.captions[0], "jeux");
}

// A damaged file: what it does not name properly speaks the interface language, and the user is
// told once, since the file is written whole again.
TEST_F(DefaultCategories, ADamagedFileFallsBackToTheInterfaceLanguageAndSaysSoOnce) {
    useShippedDefaults();
    state.languageIndex = 0;
    tree.write("App/Custom.tvn", "\"mine\"\r\n\"MINE\"\r\n\"art\"\r\n");
    ui.expectMessage();
    readCustomCategories(tvn);
    EXPECT_EQ(window.captions[0], "mine");
    EXPECT_EQ(window.captions[1], "utilities");
    EXPECT_EQ(window.captions[2], "art");
    EXPECT_EQ(window.captions[10], "miscellaneous");
    EXPECT_TRUE(ui.dialogs().front().text.contains(tree.path("App/Custom.tvn")));
    readCustomCategories(tvn);
    EXPECT_EQ(ui.dialogs().size(), 1u);
}

// Confirmed settings give the categories the language's names, but a category whose folder holds
// copies keeps its name, so its copies stay in reach of MODIFY and RESET.
TEST_F(DefaultCategories, SettingsKeepTheNameOfACategoryInUse) {
    useShippedDefaults();
    state.languageIndex = 0;
    window.captions[0] = "my games";
    window.captions[1] = "tools";
    window.captions[2] = "utilities";
    tree.write("Start Menu/my games/Chess.lnk");
    tree.write("Start Menu/utilities/Zip.lnk");
    loadDefaultCategoriesKeepingUsed(tvn, state.startMenuPath);
    EXPECT_EQ(window.captions[0], "my games");
    EXPECT_EQ(window.captions[2], "utilities");
    // Its default would share the kept category's folder: it keeps its own name.
    EXPECT_EQ(window.captions[1], "tools");
    EXPECT_EQ(window.captions[3], "video");
}

TEST_F(DefaultCategories, InstalledTheShippedFileIsReadUnlessTheUserFolderHasItsOwn) {
    tree.write("Shared/Default.tvn", "\"shipped\"\r\n");
    state.shippedFolder = tree.path("Shared");
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[0], "shipped");
    tree.write("App/Default.tvn", "\"mine\"\r\n");
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[0], "mine");
}

TEST_F(DefaultCategories, AShortFileOrAnInvalidNameKeepsTheCaptionItFindsInPlace) {
    // Thirteen names: block 1 complete and two French names, the second of them unusable.
    QByteArray content;
    for (int k = 0; k < kCategoryCount; ++k)
        content += "\"en" + QByteArray::number(k) + "\"\r\n";
    content += "\"fr0\"\r\n\"fr/1\"\r\n";
    tree.write("App/Default.tvn", content);
    state.languageIndex = 1;
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[0], "fr0");
    EXPECT_EQ(window.captions[1], "en1");
    EXPECT_EQ(window.captions[10], "en10");

    window.captions = builtIn;
    tree.write("App/Default.tvn", "\"en0\"\r\n\"en1\"\r\n");
    loadDefaultCategories(tvn);
    EXPECT_EQ(window.captions[1], "en1");
    EXPECT_EQ(window.captions[2], builtIn[2]);
}

} // namespace
} // namespace tvn::test
