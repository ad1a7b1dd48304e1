#pragma once

#include "catalogue/ProgramState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tvn {

class FileSystem;

// The words that point to each category, by the category's index: the user may rename a
// category, but its index keeps its meaning (index 0 holds the games whatever it is called).
using CategoryWords = std::array<QStringList, kCategoryCount>;

// Reads the category words of one language from a data file of eleven records, one per
// category in the order of the buttons, each holding words separated by blanks or commas. A
// word ending in "*" stands for every word that begins so ("photo*": "photos", "photography");
// any other only for itself, so that "play" does not take "player". Words joined by "_" are a
// phrase ("music_player", "lecteur_musique"): it counts where those words follow each other, and
// outweighs its words alone, so that a "terminal emulator" is a system tool and not a game. A
// missing file or record gives no words for those categories.
CategoryWords ReadCategoryWords(FileSystem& fs, const QString& path);

// The shipped data files of category words, one per interface language, and of known programs.
QStringList CategoryWordsFileNames();
inline constexpr auto kKnownProgramsFileName = u"Known programs.tvn";

// Reads the table of well-known programs: eleven records in the order of the buttons, each
// holding program names and executable names separated by commas ("VLC media player, vlc").
// Each comes back as its key (see programKey).
CategoryWords ReadKnownPrograms(FileSystem& fs, const QString& path);

// What is known of a shortcut: its display name, the folders between its Programs tree and
// itself, and what its file says of its program (empty when unread or unreadable).
struct ShortcutClues {
    QString name;
    QString folders;
    QString description;
    QString targetPath;
};

// A suggested category (-1 for none) and how sure it is, from 0 to 100.
struct Suggestion {
    int category = -1;
    int sureness = 0;
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// Suggests a category for a shortcut from everything that tells about its program: the words
// of each category (in every language: names of programs do not follow the interface's
// language), the table of well-known programs, and the categories the user chose for other
// shortcuts of the same program or the same vendor folder. Below a minimum of evidence, or
// when two categories are close, there is no suggestion: a wrong one costs the user more than
// none.
class CategorySuggester {
public:
    void addWords(const CategoryWords& words);
    void addKnownPrograms(const CategoryWords& programs);
    // The user put a shortcut with these clues into `category`.
    void learnChoice(const ShortcutClues& clues, int category);
    void forgetChoices();
    // The categories chosen for programs, by program key (see programKey): what is kept from
    // one Start Menu to another.
    const QHash<QString, int>& programChoices() const { return chosenForProgram_; }
    void learnProgramChoices(const QHash<QString, int>& choices);

    Suggestion suggest(const ShortcutClues& clues) const;

private:
    using CategoryMask = std::uint16_t;
    using Scores = std::array<int, kCategoryCount>;

    // The first `leadingWords` words count twice.
    void addScores(Scores& scores, const QStringList& words, int weight,
                   int leadingWords = 0) const;
    void addPhraseScores(Scores& scores, const QStringList& words, int weight,
                         int leadingWords = 0) const;
    int knownCategory(const QStringList& nameWords, const QString& executable) const;

    // Every category word, and the categories it points to.
    QHash<QString, CategoryMask> wholeWords_;
    QHash<QString, CategoryMask> wordStarts_;
    int longestStart_ = 0;
    QHash<QString, CategoryMask> phrases_;
    QHash<QString, int> knownPrograms_;
    // The user's choices, by program key and by vendor folder.
    QHash<QString, int> chosenForProgram_;
    QHash<QString, Scores> chosenForVendor_;
};

// Teaches `suggester` the words of every language and the known programs of the shipped data
// files; `pathOf` gives a data file's path from its name.
void AddShippedSuggestionData(CategorySuggester& suggester, FileSystem& fs,
                              const std::function<QString(const QString& fileName)>& pathOf);

// A program's name reduced to what identifies it: letters and digits only, letter case folded,
// version numbers left out ("GIMP 2.10" and "gimp" give "gimp").
QString programKey(const QString& name);

// The folders between the Programs tree that holds `folder` and `folder` itself ("Vendor/Suite"),
// whose names tell about the program better than the Start Menu's own path; empty when the
// folder lies in neither Programs tree.
QString FoldersBelowPrograms(const ProgramState& state, const QString& folder);

} // namespace tvn
