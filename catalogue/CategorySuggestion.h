#pragma once

#include "catalogue/CategoryWordTrie.h"
#include "catalogue/DescriptionModel.h"
#include "catalogue/ProgramState.h"
#include "catalogue/SuggestionData.h"

#include <array>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// What is known of a shortcut: its display name, the folders between its Programs tree and
// itself, what its file says of its program, and the product its program's version resource
// names (empty when unread or unreadable).
struct ShortcutClues {
    QString name;
    QString folders;
    QString description;
    QString targetPath;
    QString productName = {};
};

// A suggested category (-1 for none) and how sure it is, from 0 to 100. A sure suggestion
// leads the others by so much that it is seldom wrong (measured on programs the data files were
// not made from: see suggestion_bench).
struct Suggestion {
    int category = -1;
    int sureness = 0;
    bool sure = false;
    bool isSure() const { return sure; }
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// Suggests a category for a shortcut from everything that tells about its program: the words
// of each category (in every language: names of programs do not follow the interface's
// language), the table of well-known programs, the catalogue of programs, what the described
// programs' descriptions teach, and the categories the user chose for other shortcuts of the
// same program or the same vendor folder. Below a minimum of evidence, or
// when two categories are close, there is no suggestion: a wrong one costs the user more than
// none. Utilities and system tools, which border each other, may be close without that.
class CategorySuggester {
public:
    void addWords(const CategoryWords& words);
    void addKnownPrograms(const CategoryWords& programs);
    void addCatalogue(const std::vector<CataloguedProgram>& programs);
    // Programs of known category whose descriptions teach what a description's words say
    // (the catalogue's categorised programs teach it too); they are not looked up by name.
    void addDescribedPrograms(const std::vector<CataloguedProgram>& programs);
    // The user put a shortcut with these clues into `category`.
    void learnChoice(const ShortcutClues& clues, int category);
    void forgetChoices();
    // The categories chosen for programs, by program key (see programKey): what is kept from
    // one Start Menu to another.
    const QHash<QString, int>& programChoices() const { return chosenForProgram_; }
    void learnProgramChoices(const QHash<QString, int>& choices);

    Suggestion suggest(const ShortcutClues& clues) const;
    // The category the user chose for the shortcut's program (by its name or its executable),
    // or -1.
    int chosenCategory(const ShortcutClues& clues) const;
    // The one category every classified shortcut of the shortcut's vendor folder lies in, or -1
    // when they lie in several or there are none.
    int vendorCategory(const ShortcutClues& clues) const;

private:
    using CategoryMask = CategoryWordTrie::CategoryMask;
    using Scores = std::array<int, kCategoryCount>;

    // The first `leadingWords` words count twice.
    void addScores(Scores& scores, const QStringList& words, int weight,
                   int leadingWords = 0) const;
    void addPhraseScores(Scores& scores, const QStringList& words, int weight,
                         int leadingWords = 0) const;
    // The programs of the table and of the catalogue that the shortcut is by its whole name,
    // its executable or its own folder: never by one word of a longer name.
    int knownCategory(const QStringList& keys) const;
    const CataloguedProgram* cataloguedProgram(const QStringList& keys) const;
    // Every category word, and the categories it points to.
    CategoryWordTrie words_;
    QHash<QString, CategoryMask> phrases_;
    QHash<QString, int> knownPrograms_;
    std::vector<CataloguedProgram> catalogue_;
    QHash<QString, qsizetype> catalogueIndex_;
    // What the described and the catalogued programs' descriptions teach.
    DescriptionModel descriptions_;
    // The user's choices, by program key and by vendor folder.
    QHash<QString, int> chosenForProgram_;
    QHash<QString, Scores> chosenForVendor_;
};

// The folders between the Programs tree that holds `folder` and `folder` itself ("Vendor/Suite"),
// whose names tell about the program better than the Start Menu's own path; empty when the
// folder lies in neither Programs tree.
QString foldersBelowPrograms(const ProgramState& state, const QString& folder);

} // namespace tvn
