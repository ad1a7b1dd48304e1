#include "catalogue/HelpShortcutFilter.h"

#include "CatalogueTest.h"

#include <random>

namespace tvn::test {
namespace {

TEST(HelpShortcutName, EveryKeywordMatchesAtTheEndOrAtTheStartWhereItApplies) {
    const QStringList suffixes = {"me",        "me!",       "lire",      ".hlp",        ".txt",
                                  "help",      "aide",      "aiuto",     "setup",       "notes",
                                  " form",     "manuel",    "manual",    "readme",      "readme!",
                                  "support",   "example",   "read-me",   "read me",     "leggimi",
                                  "uninstall", "lisez moi", "lisez-moi", "registration"};
    ASSERT_EQ(suffixes.size(), 24);
    for (const QString& keyword : suffixes) {
        EXPECT_TRUE(isHelpShortcutName(keyword)) << keyword.toStdString();
        EXPECT_TRUE(isHelpShortcutName(QStringLiteral("Tool ") + keyword)) << keyword.toStdString();
    }
    for (const QString& keyword :
         {QStringLiteral("guida"), QStringLiteral("manuel"), QStringLiteral("uninstall")})
        EXPECT_TRUE(isHelpShortcutName(keyword + QStringLiteral(" Tool"))) << keyword.toStdString();
}

TEST(HelpShortcutName, LetterCaseIsIgnoredAndMostKeywordsCountOnlyAtTheEnd) {
    for (const char* removed :
         {"uninstall program", "Uninstall X", "program readme", "README", "Ledger Help", "HELP",
          "Guida rapida", "welcome", "Game", "NOTES", "Doc.TXT", "Guide.hlp", "Hello ME!",
          "x Manuel", "MANUEL x", "Order Form", "Setup", "Call Me"})
        EXPECT_TRUE(isHelpShortcutName(QString::fromUtf8(removed))) << removed;
    for (const char* kept : {"La guida", "manual x", "readme first", "setup wizard", "Format",
                             "form", "m", "e", "", "Notes ", "help!", "Read-Me first"})
        EXPECT_FALSE(isHelpShortcutName(QString::fromUtf8(kept))) << kept;
}

class HideHelp : public CatalogueTest {
protected:
    void fill(const QStringList& names) {
        QStringList folders;
        for (const QString& name : names)
            folders.append(QStringLiteral("dir of ") + name);
        lists.notYet.assign(names);
        lists.notYetDirs.assign(folders);
    }
    void expectPairsIntact() {
        ASSERT_EQ(lists.notYetDirs.count(), lists.notYet.count());
        for (int i = 0; i < lists.notYet.count(); ++i)
            EXPECT_EQ(lists.notYetDirs.at(i), QStringLiteral("dir of ") + lists.notYet.at(i));
    }
};

TEST_F(HideHelp, RemovesMatchesWithTheirFoldersAndKeepsTheOrderOfTheRest) {
    fill({"Game", "help", "Help", "Paint", "readme", "ReadMe", "uninstall program", "Word", "x.txt",
          "y.hlp", "z notes"});

    HideHelpShortcuts(tvn);

    EXPECT_EQ(lists.notYet.entries(), QStringList({"Paint", "Word"}));
    expectPairsIntact();
}

TEST_F(HideHelp, EmptiesAListOfMatchesOnly) {
    fill({"a help", "b help", "c help"});
    HideHelpShortcuts(tvn);
    EXPECT_EQ(lists.notYet.count(), 0);
    EXPECT_EQ(lists.notYetDirs.count(), 0);
}

TEST_F(HideHelp, DoesNothingWithoutFolders) {
    lists.notYet.assign({"help", "Paint"});
    HideHelpShortcuts(tvn);
    EXPECT_EQ(lists.notYet.entries(), QStringList({"help", "Paint"}));
}

// The pass as the list boxes run it: fixed upper bound, removal at position i and a new look
// at the same position, end as soon as i runs past the folder list.
void referencePass(ListBox& names, ListBox& folders) {
    if (names.count() < 1 || folders.count() < 1)
        return;
    const int last = names.count() - 1;
    for (int i = 0; i <= last; ++i) {
        if (i > folders.count() - 1)
            return;
        while (i < names.count() && isHelpShortcutName(names.at(i))) {
            names.removeAt(i);
            folders.removeAt(i);
        }
    }
}

TEST_F(HideHelp, GivesTheResultOfRemovingOneEntryAtATimeEvenWhenTheListsDisagreeInLength) {
    const QStringList pool = {"Paint", "help",  "Word",  "game",    "ReadMe", "x readme",
                              "Tool",  "setup", "Guida", "guida x", "Calc",   "notes"};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int nameCount = static_cast<int>(random() % 12);
        const int folderCount = round % 3 == 0 ? static_cast<int>(random() % 12) : nameCount;
        QStringList names, folders;
        for (int k = 0; k < nameCount; ++k)
            names.append(pool[static_cast<qsizetype>(random() % pool.size())]);
        for (int k = 0; k < folderCount; ++k)
            folders.append(QString::number(k));
        VectorListBox refNames, refFolders;
        refNames.assign(names);
        refFolders.assign(folders);
        referencePass(refNames, refFolders);
        lists.notYet.assign(names);
        lists.notYetDirs.assign(folders);

        HideHelpShortcuts(tvn);

        ASSERT_EQ(lists.notYet.entries(), refNames.entries()) << "round " << round;
        ASSERT_EQ(lists.notYetDirs.entries(), refFolders.entries()) << "round " << round;
    }
}

} // namespace
} // namespace tvn::test
