#include "catalogue/CategorySuggestion.h"

#include "catalogue/ClueWords.h"
#include "catalogue/ProgramHosts.h"
#include "catalogue/ShellLinkFields.h"
#include "CatalogueTest.h"

#include <QRegularExpression>

namespace tvn::test {
namespace {

class CategorySuggestionTest : public CatalogueTest {
protected:
    CategorySuggestionTest() {
        CategoryWords words;
        words[0] = {QStringLiteral("chess*"), QStringLiteral("game*"), QStringLiteral("play"),
                    QStringLiteral("emulator*")};
        words[5] = {QStringLiteral("task*")};
        words[1] = {QStringLiteral("backup*")};
        words[6] = {QStringLiteral("terminal"), QStringLiteral("terminal_emulator"),
                    QStringLiteral("task_manager")};
        words[2] = {QStringLiteral("paint*"), QStringLiteral("photo*")};
        words[4] = {QStringLiteral("music*"), QStringLiteral("player")};
        words[3] = {QStringLiteral("video*"), QStringLiteral("media"),
                    QString::fromUtf8("lecteur_vidéo")};
        words[9] = {QStringLiteral("mail*")};
        words[8] = {QStringLiteral("develop*")};
        suggester.addWords(words);
        CategoryWords programs;
        programs[3] = {programKey(QStringLiteral("VLC media player")), QStringLiteral("vlc")};
        programs[5] = {QStringLiteral("winword")};
        programs[1] = {programKey(QStringLiteral("Notepad"))};
        programs[8] = {programKey(QStringLiteral("Notepad++"))};
        programs[9] = {QStringLiteral("chromium")};
        suggester.addKnownPrograms(programs);
        suggester.addCatalogue(
            {{{QStringLiteral("treesizefree")}, -1, QStringLiteral("Plays music")},
             {{QStringLiteral("frozenpond")}, 0, QString()}});
    }
    Suggestion suggestion(const char* name, const char* folders, const char* description = "",
                          const char* target = "") const {
        return suggester.suggest({QString::fromUtf8(name), QString::fromUtf8(folders),
                                  QString::fromUtf8(description), QString::fromUtf8(target)});
    }
    int suggested(const char* name, const char* folders, const char* description = "",
                  const char* target = "") const {
        return suggestion(name, folders, description, target).category;
    }
    CategorySuggester suggester;
};

TEST_F(CategorySuggestionTest, TheCluesAddUpAndACloseCallSuggestsNothing) {
    EXPECT_EQ(suggested("CHESSMASTER 9000", ""), 0); // any case; a word that begins so
    EXPECT_EQ(suggested("Mail-Reader_2", ""), 9);    // punctuation splits words
    EXPECT_EQ(suggested("Setup", "Photo Studio/Tools"), 2);
    EXPECT_EQ(suggested("Playground", "Acme"), -1); // "play" stands only for itself
    EXPECT_EQ(suggested("Media Player", ""), -1);   // video and audio alike: no suggestion
    EXPECT_EQ(suggested("Music Player", "Video"), 4);
    EXPECT_EQ(suggested("Zork", "Infocom"), -1);
    EXPECT_EQ(suggested("", ""), -1);
    // What the shortcut's file says: a description's first words name the kind of program,
    // a word further on is loose talk and weighs half.
    EXPECT_EQ(suggested("Frob", "Acme", "Plays music"), 4);
    EXPECT_EQ(suggested("Frob", "Acme", "Keeps your music in step on every device and video"), 4);
    // A phrase outweighs its words, across the small words between them.
    EXPECT_EQ(suggested("Frob", "Acme", "A terminal emulator"), 6);
    EXPECT_EQ(suggested("Frob", "Acme", "Task Manager"), 6);
    EXPECT_EQ(suggested("Frob", "Acme", "Un lecteur de vidéo"), 3);
    EXPECT_EQ(suggested("Frob", "Acme", "", "C:\\Program Files\\Acme\\Music.exe"), 4);
    // Utilities and system tools border each other: the one close behind does not keep the other
    // from being suggested, only from being sure.
    EXPECT_EQ(suggestion("Backup Terminal", "Backup"), (Suggestion{1, 100, false}));
}

TEST_F(CategorySuggestionTest, AKnownProgramAndTheUsersChoicesOutweighWords) {
    // By name, whatever its version, or by executable.
    EXPECT_EQ(suggested("VLC Media Player 3.0.20", "VideoLAN"), 3);
    EXPECT_EQ(suggested("Write a letter", "Office", "", "C:\\Office\\WINWORD.EXE"), 5);
    EXPECT_EQ(suggested("Notepad++", "Notepad++", "", "C:\\Notepad++\\notepad++.exe"), 8);
    EXPECT_EQ(suggested("Start", "Acme", "", "C:\\Program Files\\Acme\\VLC\\run.exe"), 3);
    // A portable edition's launcher.
    EXPECT_EQ(suggested("VLC Portable", "", "", "D:\\Apps\\VLCPortable\\VLCPortable.exe"), 3);
    EXPECT_EQ(programKey(QStringLiteral("VLC media player, Portable Edition")),
              programKey(QStringLiteral("VLC media player")));
    // The product its executable's version resource names.
    EXPECT_EQ(suggester
                  .suggest({QStringLiteral("Start"),
                            QStringLiteral("Acme"),
                            {},
                            QStringLiteral("C:\\Acme\\run.exe"),
                            QStringLiteral("VLC media player")})
                  .category,
              3);
    EXPECT_EQ(suggested("Photo Mail", "Acme"), -1);

    suggester.learnChoice({QStringLiteral("Photo Mail"), QStringLiteral("Mailers"), {}, {}}, 9);
    suggester.learnChoice({QStringLiteral("Acme Tool"), QStringLiteral("Acme/Tools"), {}, {}}, 1);
    suggester.learnChoice({QStringLiteral("Acme Two"), QStringLiteral("Acme"), {}, {}}, 1);
    EXPECT_EQ(suggested("Photo Mail 2", "Other Vendor"), 9); // the same program elsewhere
    EXPECT_EQ(suggested("Acme Three", "Acme"), 1);           // its vendor's choices
    suggester.forgetChoices();
    EXPECT_EQ(suggested("Acme Three", "Acme"), -1);
}

TEST_F(CategorySuggestionTest, OneWordDoesNotDecideAgainstTheRest) {
    // A known program is the whole name, the executable or the program's own folder.
    EXPECT_EQ(suggested("Chromium", ""), 9);
    EXPECT_EQ(suggested("Chromium B.S.U.", "Chromium B.S.U."), -1);
    EXPECT_EQ(suggested("Chromium B.S.U.", "Chromium B.S.U.", "A fast paced arcade game"), 0);
    EXPECT_EQ(suggested("Manual", "VLC"), 3);
    // A vendor's company words say nothing.
    EXPECT_EQ(suggested("Frob", "Frob Development Team"), -1);
    EXPECT_EQ(suggested("Frob", "Frob Developers", "", "C:\\Frob Developers\\frob.exe"), -1);
    // Nor do the makings: what a program is written in, built with or developed by.
    EXPECT_EQ(suggested("Frob", "Acme", "A terminal built with mail and video widgets"), 6);
    EXPECT_EQ(suggested("Frob", "Acme", "Music developed by the Acme team"), 4);
    // Words joined in capitals or without.
    EXPECT_EQ(suggested("BrutalChess", ""), 0);
    EXPECT_EQ(suggested("Brutal", "", "", "C:\\brutalchess\\brutalchess.exe"), 0);
    EXPECT_EQ(suggested("Quickmail", ""), 9);
    // The catalogue's description stands in for the shortcut's or adds to it, and its category
    // where it has one.
    EXPECT_EQ(suggested("TreeSize Free", ""), 4);
    EXPECT_EQ(suggested("Tree", "", "", "C:\\TreeSize\\TreeSizeFree.exe"), 4);
    EXPECT_EQ(suggested("TreeSize Free", "", "Free edition"), 4);
    EXPECT_EQ(suggested("TreeSize Free", "", "A photo tool"), -1);          // the two disagree
    EXPECT_EQ(suggested("Frob", "", "", "C:\\TreeSizeFree\\frob.exe"), -1); // only a folder
    EXPECT_EQ(suggested("Frozen Pond", ""), 0);
}

TEST_F(CategorySuggestionTest, AHostThatStartsTheProgramSaysNothingOfIt) {
    const char* javaw = "C:\\Program Files\\Java\\bin\\javaw.exe";
    const char* python = "C:\\Python312\\python.exe";
    suggester.learnChoice({QStringLiteral("Jumper"), {}, {}, QString::fromUtf8(javaw)}, 0);
    suggester.learnChoice({QStringLiteral("Python 3.12"), {}, {}, QString::fromUtf8(python)}, 8);
    EXPECT_EQ(suggested("Ledger", "", "", javaw), -1);
    EXPECT_EQ(suggested("Jumper", "Other", "", javaw), 0); // by its own name still
    EXPECT_EQ(suggested("Tool", "", "", python), -1);
    EXPECT_EQ(suggested("Python 3.12 (64-bit)", "", "", python), 8); // the host's own shortcut

    ShellLinkFields fields;
    fields.targetPath = QString::fromUtf8(javaw);
    fields.iconLocation = QStringLiteral("C:\\Jumper\\jumper.exe,0");
    EXPECT_EQ(programPathOf(QStringLiteral("Jumper"), fields),
              QStringLiteral("C:\\Jumper\\jumper.exe"));
    fields.targetPath = QStringLiteral("C:\\Windows\\System32\\powershell.exe");
    EXPECT_EQ(programPathOf(QStringLiteral("Windows PowerShell"), fields), fields.targetPath);
}

TEST_F(CategorySuggestionTest, DescribedProgramsTeachWhatADescriptionsWordsSay) {
    const char* budgets = "Household budgets kept in a ledger";
    EXPECT_EQ(suggested("Frob", "Acme", budgets), -1);
    suggester.addDescribedPrograms(
        {{{QStringLiteral("abacus")}, 5, QStringLiteral("Ledger of household budgets")},
         {{QStringLiteral("tally")}, 5, QStringLiteral("Household budgets and a ledger")},
         {{QStringLiteral("pixo")}, 2, QStringLiteral("Sprite maker for pixel tiles")},
         {{QStringLiteral("spry")}, 2, QStringLiteral("Pixel sprite tiles")}});
    EXPECT_EQ(suggested("Frob", "Acme", budgets), 5);
    EXPECT_EQ(suggested("Frob", "Acme", "Pixel sprite tiles in motion"), 2);
    EXPECT_EQ(suggested("Tally", ""), -1); // learned from, never looked up by name
}

TEST_F(CategorySuggestionTest, OnlyTheProgramItselfMakesASureSuggestion) {
    EXPECT_TRUE(suggestion("VLC media player", "VideoLAN", "Plays video").isSure());
    EXPECT_FALSE(suggestion("VLC media player", "VideoLAN", "Music player").isSure());
    const Suggestion words = suggestion("Chess Game", "Games", "A chess game");
    EXPECT_EQ(words.category, 0);
    EXPECT_FALSE(words.isSure());
    suggester.learnChoice({QStringLiteral("Chess Game"), {}, {}, {}}, 0);
    EXPECT_TRUE(suggestion("Chess Game", "Games").isSure());
    // A catalogue that files a known program elsewhere leaves the table's call unsure.
    EXPECT_TRUE(suggestion("Notepad", "").isSure());
    suggester.addCatalogue({{{QStringLiteral("notepad")}, 8, QString()}});
    EXPECT_EQ(suggested("Notepad", ""), 1);
    EXPECT_FALSE(suggestion("Notepad", "").isSure());
}

TEST_F(CategorySuggestionTest, OnlyTheFoldersBelowEitherProgramsTreeCount) {
    state.allUsersProgramsPath = tree.path(QStringLiteral("All/Programs"));
    const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    EXPECT_EQ(
        foldersBelowPrograms(state, programs(QStringLiteral("Vendor/Suite"))).split(separator),
        QStringList({"Vendor", "Suite"}));
    EXPECT_EQ(
        foldersBelowPrograms(state, below(state.allUsersProgramsPath, QStringLiteral("Games"))),
        QStringLiteral("Games"));
    EXPECT_EQ(foldersBelowPrograms(state, programs()), QString());
    // A sibling whose name only begins like the Programs folder, and a category folder.
    EXPECT_EQ(foldersBelowPrograms(state, programs() + QStringLiteral("Old")), QString());
    EXPECT_EQ(foldersBelowPrograms(state, startMenu(QStringLiteral("giochi"))), QString());
}

TEST_F(CategorySuggestionTest, WordsAreReadPerCategoryInButtonOrder) {
    tree.write(QStringLiteral("Words (uk).tvn"),
               "\"chess*, Solitaire\"\r\n\"\"\r\n\"Paint\"\r\n\"VLC media player, 7-Zip 23\"\r\n");
    const CategoryWords read = readCategoryWords(fs, tree.path(QStringLiteral("Words (uk).tvn")));
    EXPECT_EQ(read[0], QStringList({"chess*", "solitaire"}));
    EXPECT_EQ(read[1], QStringList());
    EXPECT_EQ(read[2], QStringList({"paint"}));
    EXPECT_EQ(readKnownPrograms(fs, tree.path(QStringLiteral("Words (uk).tvn")))[3],
              QStringList({"vlcmediaplayer", "7zip"}));
    EXPECT_EQ(read[10], QStringList());
    EXPECT_EQ(readCategoryWords(fs, tree.path(QStringLiteral("None.tvn")))[0], QStringList());
}

} // namespace
} // namespace tvn::test
