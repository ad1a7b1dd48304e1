#include "catalogue/HelpShortcutFilter.h"

#include "CatalogueTest.h"

#include <random>

namespace tvn::test {
namespace {

TEST(HelpShortcutName, HelpManualLicenceAndUninstallEntriesMatchInTheThreeLanguages) {
    for (const char* hidden : {"Read me",
                               "README",
                               "ReadMe",
                               "Lisez-moi",
                               "LisezMoi",
                               "Leggimi di X",
                               "Help",
                               "X Help",
                               "Aide de X",
                               "Guida in linea",
                               "Manual",
                               "Manuel de l'utilisateur",
                               "Manuale utente",
                               "User's Guide",
                               "License",
                               "Licence",
                               "Licenza",
                               "Release Notes",
                               "Notes de version",
                               "Note di rilascio",
                               "What's New",
                               "X on the Web",
                               "X sur le Web",
                               "X sul Web",
                               "X Website",
                               "Site Web de X",
                               "Sito web di X",
                               "Uninstall",
                               "Uninstall X",
                               "X (Uninstall)",
                               "Désinstaller Tesselate Paint",
                               "DESINSTALLER X",
                               "Disinstalla Ventaglio Atlante",
                               "notes.TXT",
                               "x.hlp",
                               "Manual.pdf"})
        EXPECT_TRUE(isHelpShortcutName(QString::fromUtf8(hidden))) << hidden;
}

TEST(HelpShortcutName, ProgramsWhoseNamesHoldAKeywordInsideAWordOrInAnotherPlaceAreKept) {
    for (const char* kept : {"Tidewater Chess Game",
                             "Same Game",
                             "Back In Time",
                             "Krename",
                             "Drumstick Metronome",
                             "KNotes",
                             "Digital TV Setup",
                             "HelpNDoc",
                             "Welcome",
                             "Website Builder",
                             "Web Site Editor",
                             "Homepage Maker",
                             "Guide TV",
                             "Manualist",
                             "Uninstaller Pro",
                             "Sticky Notes",
                             "Support Tool",
                             "Order Form",
                             "Licensed Paint",
                             "Aider",
                             "Call Me",
                             "",
                             "!!",
                             "x.txt2"})
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

    EXPECT_EQ(hideHelpShortcuts(tvn), 7);

    EXPECT_EQ(lists.notYet.entries(), QStringList({"Game", "Paint", "Word", "z notes"}));
    expectPairsIntact();
}

TEST_F(HideHelp, EmptiesAListOfMatchesOnly) {
    fill({"a help", "b help", "c help"});
    EXPECT_EQ(hideHelpShortcuts(tvn), 3);
    EXPECT_EQ(lists.notYet.count(), 0);
    EXPECT_EQ(lists.notYetDirs.count(), 0);
}

TEST_F(HideHelp, DoesNothingWithoutFolders) {
    lists.notYet.assign({"help", "Paint"});
    EXPECT_EQ(hideHelpShortcuts(tvn), 0);
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
                              "Tool",  "setup", "Guida", "guida x", "Calc",   "x.txt"};
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

        const int removed = hideHelpShortcuts(tvn);

        ASSERT_EQ(lists.notYet.entries(), refNames.entries()) << "round " << round;
        ASSERT_EQ(removed, names.size() - refNames.count()) << "round " << round;
        ASSERT_EQ(lists.notYetDirs.entries(), refFolders.entries()) << "round " << round;
    }
}

} // namespace
} // namespace tvn::test
