#include "catalogue/CategorySuggestion.h"

#include "CatalogueTest.h"

#include <QRegularExpression>

namespace tvn::test {
namespace {

struct SuggestionCase {
    const char* name;
    const char* folders;
    int expected;
};

class CategorySuggestionTest : public CatalogueTest {
protected:
    CategorySuggestionTest() {
        words[0] = {QStringLiteral("chess"), QStringLiteral("game")};
        words[2] = {QStringLiteral("paint"), QStringLiteral("photo")};
        words[4] = {QStringLiteral("music"), QStringLiteral("player")};
        words[3] = {QStringLiteral("video"), QStringLiteral("media")};
        words[9] = {QStringLiteral("mail")};
    }
    CategoryWords words;
};

TEST_F(CategorySuggestionTest, TheNameCountsTwiceTheFoldersOnceTiesGoToTheLowerIndex) {
    const SuggestionCase cases[] = {
        {"Chess Titans", "", 0},
        {"CHESSMASTER 9000", "", 0},        // any case; a word that begins so
        {"Paint.NET", "Games", 2},          // "Games" is no word of theirs
        {"Mail-Reader_2", "", 9},           // punctuation splits words
        {"Setup", "Photo Studio/Tools", 2}, // the folders alone
        {"Media Player", "", 3},            // video 2, audio 2: the lower index
        {"Music Maker", "Chess Games", 0},  // audio 2, games 1 + 1 + 1
        {"Music Player", "Video", 4},       // audio 4, video 1
        {"Zork", "Infocom", -1},            // nothing fits
        {"", "", -1},
    };
    for (const SuggestionCase& c : cases)
        EXPECT_EQ(SuggestCategory(words, QString::fromUtf8(c.name), QString::fromUtf8(c.folders)),
                  c.expected)
            << c.name << " in " << c.folders;
}

TEST_F(CategorySuggestionTest, OnlyTheFoldersBelowEitherProgramsTreeCount) {
    state.allUsersProgramsPath = tree.path(QStringLiteral("All/Programs"));
    const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    EXPECT_EQ(
        FoldersBelowPrograms(state, programs(QStringLiteral("Vendor/Suite"))).split(separator),
        QStringList({"Vendor", "Suite"}));
    EXPECT_EQ(
        FoldersBelowPrograms(state, below(state.allUsersProgramsPath, QStringLiteral("Games"))),
        QStringLiteral("Games"));
    EXPECT_EQ(FoldersBelowPrograms(state, programs()), QString());
    // A sibling whose name only begins like the Programs folder, and a category folder.
    EXPECT_EQ(FoldersBelowPrograms(state, programs() + QStringLiteral("Old")), QString());
    EXPECT_EQ(FoldersBelowPrograms(state, startMenu(QStringLiteral("giochi"))), QString());
}

TEST_F(CategorySuggestionTest, WordsAreReadPerCategoryInButtonOrder) {
    tree.write(QStringLiteral("Words (uk).tvn"), "\"chess, Solitaire\"\r\n\"\"\r\n\"Paint\"\r\n");
    const CategoryWords read = ReadCategoryWords(fs, tree.path(QStringLiteral("Words (uk).tvn")));
    EXPECT_EQ(read[0], QStringList({"chess", "solitaire"}));
    EXPECT_EQ(read[1], QStringList());
    EXPECT_EQ(read[2], QStringList({"paint"}));
    EXPECT_EQ(read[10], QStringList());
    EXPECT_EQ(ReadCategoryWords(fs, tree.path(QStringLiteral("None.tvn")))[0], QStringList());
}

} // namespace
} // namespace tvn::test
