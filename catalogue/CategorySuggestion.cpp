#include "catalogue/CategorySuggestion.h"

#include "catalogue/ClueWords.h"
#include "catalogue/ProgramHosts.h"

#include <algorithm>
#include <cmath>
#include <QRegularExpression>
#include <QSet>

namespace tvn {
namespace {

// How much each clue weighs. The folders and the target's file name say what the vendor called
// the program. A word of its name says more, and only a few name words tell anything; the
// description says what the program is in many words, and each word that names a kind of
// program weighs more than a name's: held out of the data, that makes more suggestions right and
// fewer wrong. A known program, and above all the user's own earlier choice, outweigh a few words
// and what the described programs teach. A catalogue's category, mapped from a package's tags or
// a port's folder, weighs less than the project's own table of known programs.
constexpr int kNameWeight = 3;
constexpr int kFolderWeight = 2;
constexpr int kExecutableWeight = 2;
constexpr int kTargetFolderWeight = 2;
constexpr int kDescriptionWeight = 4;
// A description's first words name the kind of program ("Feed reader for macOS", "A
// cross-platform IDE") and weigh twice as much as the rest, which is loose talk.
constexpr int kDescriptionLeadingWords = 6;
constexpr int kKnownProgramWeight = 40;
constexpr int kKnownFolderWeight = 25;
constexpr int kCataloguedProgramWeight = 13;
constexpr int kCataloguedFolderWeight = 8;
constexpr int kChosenProgramWeight = 60;
constexpr int kChosenVendorWeight = 30;
// Below this much evidence, or when the best category leads the next by too little, nothing is
// suggested: held out of the data, suggestions that lead by less than half their score are
// wrong one time in three, twice as often as the others.
constexpr int kMinimumScore = 2;
constexpr int kMinimumSureness = 50;
// A suggestion of the program the shortcut names, this far ahead of the next category and by
// this much, is sure.
constexpr int kSureLead = 8;
constexpr int kSureSureness = 80;
// Category words shorter than this would match the beginnings of too many words.
constexpr int kShortestWord = 2;
// A category word found at the end of a longer word ("brutalchess") and what goes before it
// are at least this long.
constexpr int kShortestJoinedPart = 4;
// A phrase names the kind of program ("music player", "text editor"), where its words alone
// may point elsewhere.
constexpr int kPhraseFactor = 3;
constexpr QChar kPhraseJoiner = u'_';
// What the described programs teach weighs up to this for the likeliest categories: learned
// from the descriptions of some 10,000 programs, it says more than a name's few words.
constexpr double kDescribedWeight = 40;
// The two categories that border each other, where the same program lands in either.
constexpr int kUtilitiesCategory = 1;
constexpr int kSystemCategory = 6;

// The weight of the word at `index` of a clue whose first `leadingWords` words count twice.
int weightAt(qsizetype index, int weight, int leadingWords) {
    return index < leadingWords ? 2 * weight : weight;
}

// The parts of the shortcut's target, none where the target is a host that starts the program.
TargetParts programTargetOf(const ShortcutClues& clues) {
    TargetParts target = targetParts(clues.targetPath);
    return startsThroughHost(clues.name, target) ? TargetParts{} : target;
}

} // namespace

void CategorySuggester::addWords(const CategoryWords& words) {
    for (int k = 0; k < kCategoryCount; ++k)
        for (const QString& word : words[static_cast<size_t>(k)]) {
            const auto category = static_cast<CategoryMask>(1u << k);
            if (word.contains(kPhraseJoiner)) {
                phrases_[word] |= category;
                continue;
            }
            if (!word.endsWith(u'*'))
                words_.add(word, false, category);
            else if (word.size() - 1 >= kShortestWord)
                words_.add(QStringView(word).chopped(1), true, category);
        }
}

void CategorySuggester::addKnownPrograms(const CategoryWords& programs) {
    for (int k = 0; k < kCategoryCount; ++k)
        for (const QString& key : programs[static_cast<size_t>(k)])
            knownPrograms_.insert(key, k);
}

void CategorySuggester::addCatalogue(const std::vector<CataloguedProgram>& programs) {
    catalogue_.reserve(catalogue_.size() + programs.size());
    for (const CataloguedProgram& program : programs) {
        for (const QString& key : program.keys)
            catalogueIndex_.insert(key, static_cast<qsizetype>(catalogue_.size()));
        catalogue_.push_back(program);
    }
    descriptions_.learn(programs);
}

void CategorySuggester::addDescribedPrograms(const std::vector<CataloguedProgram>& programs) {
    descriptions_.learn(programs);
}

void CategorySuggester::learnChoice(const ShortcutClues& clues, int category) {
    if (category < 0 || category >= kCategoryCount)
        return;
    const QString key = programKey(clues.name);
    if (!key.isEmpty())
        chosenForProgram_.insert(key, category);
    const QString executable = programKey(programTargetOf(clues).executable);
    if (!executable.isEmpty())
        chosenForProgram_.insert(executable, category);
    const QString vendor = vendorOf(clues.folders);
    if (!vendor.isEmpty())
        ++chosenForVendor_[vendor][static_cast<size_t>(category)];
}

void CategorySuggester::learnProgramChoices(const QHash<QString, int>& choices) {
    for (auto it = choices.begin(); it != choices.end(); ++it)
        if (it.value() >= 0 && it.value() < kCategoryCount)
            chosenForProgram_.insert(it.key(), it.value());
}

void CategorySuggester::forgetChoices() {
    chosenForProgram_.clear();
    chosenForVendor_.clear();
}

void CategorySuggester::addScores(Scores& scores, const QStringList& words, int weight,
                                  int leadingWords) const {
    // Each category counts a word once, however many of its words begin it; a word repeated
    // in the same clue counts once too, with the weight of where it first stands.
    QSet<QString> seen;
    for (qsizetype index = 0; index < words.size(); ++index) {
        const QString& word = words[index];
        if (seen.contains(word))
            continue;
        seen.insert(word);
        CategoryMask hits = words_.hits(word, kShortestWord);
        // Words joined without capitals ("brutalchess", "powdertoy"): a category word that ends
        // the name, long enough not to be there by chance.
        for (qsizetype start = kShortestJoinedPart;
             !hits && start + kShortestJoinedPart <= word.size(); ++start)
            hits = words_.hits(QStringView(word).mid(start), kShortestJoinedPart);
        for (int k = 0; k < kCategoryCount; ++k)
            if (hits & (1u << k))
                scores[static_cast<size_t>(k)] += weightAt(index, weight, leadingWords);
    }
}

void CategorySuggester::addPhraseScores(Scores& scores, const QStringList& words, int weight,
                                        int leadingWords) const {
    // The small words between a noun and what it qualifies do not break a phrase: "lecteur de
    // musique" is "lecteur_musique".
    static const QSet<QString> connectors = {
        QStringLiteral("of"),    QStringLiteral("for"), QStringLiteral("de"), QStringLiteral("d"),
        QStringLiteral("du"),    QStringLiteral("des"), QStringLiteral("di"), QStringLiteral("del"),
        QStringLiteral("della"), QStringLiteral("per"), QStringLiteral("la"), QStringLiteral("le"),
    };
    if (phrases_.isEmpty())
        return;
    // Each category counts its weightiest phrase once, as a word counts once.
    Scores best{};
    QString previous;
    for (qsizetype index = 0; index < words.size(); ++index) {
        const QString& word = words[index];
        if (connectors.contains(word))
            continue;
        const CategoryMask hits =
            previous.isEmpty() ? 0 : phrases_.value(previous + kPhraseJoiner + word);
        previous = word;
        const int phraseWeight = kPhraseFactor * weightAt(index, weight, leadingWords);
        for (int k = 0; k < kCategoryCount; ++k)
            if (hits & (1u << k))
                best[static_cast<size_t>(k)] = std::max(best[static_cast<size_t>(k)], phraseWeight);
    }
    for (int k = 0; k < kCategoryCount; ++k)
        scores[static_cast<size_t>(k)] += best[static_cast<size_t>(k)];
}

int CategorySuggester::knownCategory(const QStringList& keys) const {
    for (const QString& key : keys) {
        const auto found = knownPrograms_.constFind(key);
        if (found != knownPrograms_.constEnd())
            return *found;
    }
    return -1;
}

const CataloguedProgram* CategorySuggester::cataloguedProgram(const QStringList& keys) const {
    for (const QString& key : keys) {
        const auto found = catalogueIndex_.constFind(key);
        if (found != catalogueIndex_.constEnd())
            return &catalogue_[static_cast<size_t>(*found)];
    }
    return nullptr;
}

Suggestion CategorySuggester::suggest(const ShortcutClues& clues) const {
    Scores scores{};
    const QStringList nameWords = programWords(splitCapitals(clues.name));
    const TargetParts target = programTargetOf(clues);
    const QString key = programKey(clues.name);
    const QString executable = programKey(target.executable);
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QString ownFolder = programKey(clues.folders.section(separators, -1));

    const auto add = [&scores](int category, int weight) {
        if (category >= 0)
            scores[static_cast<size_t>(category)] += weight;
    };
    const int chosen = chosenForProgram_.value(key, chosenForProgram_.value(executable, -1));
    add(chosen, kChosenProgramWeight);
    const auto vendor = chosenForVendor_.constFind(vendorOf(clues.folders));
    if (vendor != chosenForVendor_.constEnd()) {
        int total = 0;
        for (int count : *vendor)
            total += count;
        for (int k = 0; k < kCategoryCount; ++k)
            add(k, kChosenVendorWeight * (*vendor)[static_cast<size_t>(k)] / total);
    }
    // The shortcut is the program by its name, its executable or the product its executable
    // says it is; its folder may be the program's ("7-Zip/7-Zip File Manager") or a vendor's,
    // and says less.
    const QStringList ownKeys = {
        key, executable, clues.productName.isEmpty() ? QString() : programKey(clues.productName)};
    int known = knownCategory(ownKeys);
    const CataloguedProgram* catalogued = cataloguedProgram(ownKeys);
    const bool byFolder = known < 0 && !catalogued;
    if (byFolder) {
        // So may the folder that holds its executable ("CPUID\CPU-Z\cpuz_x64.exe").
        const QStringList folderKeys = {
            ownFolder, target.folders.isEmpty() ? QString() : programKey(target.folders.last())};
        known = knownCategory(folderKeys);
        catalogued = cataloguedProgram(folderKeys);
    }
    // Only what names this very program can make a suggestion sure: held out of the data they
    // were made from, the words alone are wrong more than one time in twenty even when they
    // lead by far, and a catalogue's category one time in ten (see suggestion_bench).
    const int named = chosen >= 0 ? chosen : byFolder ? -1 : known;
    const bool knownByTable = known >= 0;
    if (knownByTable)
        add(known, byFolder ? kKnownFolderWeight : kKnownProgramWeight);
    // A catalogue that files the program elsewhere keeps its say beside the table: where the two
    // disagree, the shortcut's own words decide between them, and seldom surely.
    if (catalogued && catalogued->category != known)
        add(catalogued->category, byFolder ? kCataloguedFolderWeight : kCataloguedProgramWeight);

    // The catalogue's description adds to the shortcut's, or stands in for it where there is none,
    // when the table does not know the program already: its loose words would only blur what the
    // table says. A folder names a vendor or a suite as often as the program ("Zephyr"): what it
    // names lends its category at a folder's weight, but not its description.
    QString description = clues.description;
    if (catalogued && !knownByTable && !byFolder)
        description = description.isEmpty() ? catalogued->description
                                            : description + u' ' + catalogued->description;
    const QStringList descriptionWords = descriptionWordsOf(description);
    addScores(scores, nameWords, kNameWeight);
    addPhraseScores(scores, nameWords, kNameWeight);
    addScores(scores, folderWordsOf(clues.folders), kFolderWeight);
    addScores(scores, programWords(splitCapitals(target.executable)), kExecutableWeight);
    addScores(scores, folderWordsOf(target.folders.join(u' ')), kTargetFolderWeight);
    addScores(scores, descriptionWords, kDescriptionWeight, kDescriptionLeadingWords);
    addPhraseScores(scores, descriptionWords, kDescriptionWeight, kDescriptionLeadingWords);
    const auto likelihood = descriptions_.likelihood(descriptionWords);
    for (size_t k = 0; k < scores.size(); ++k)
        scores[k] += static_cast<int>(std::lround(kDescribedWeight * likelihood[k]));

    // The best category and how far it leads the next one. Utilities and system tools border
    // each other: the lists file the same programs under either, so the one does not keep the
    // other from being suggested, only from being sure.
    const auto best = std::max_element(scores.begin(), scores.end());
    const int bestScore = *best;
    const int category = static_cast<int>(best - scores.begin());
    const int neighbour = category == kUtilitiesCategory ? kSystemCategory
                          : category == kSystemCategory  ? kUtilitiesCategory
                                                         : -1;
    int secondScore = 0;
    int rivalScore = 0;
    for (int k = 0; k < kCategoryCount; ++k) {
        if (k == category)
            continue;
        secondScore = std::max(secondScore, scores[static_cast<size_t>(k)]);
        if (k != neighbour)
            rivalScore = std::max(rivalScore, scores[static_cast<size_t>(k)]);
    }
    if (bestScore < kMinimumScore)
        return {};
    // How far the best leads `next`, in hundredths of its score.
    const auto leadOver = [bestScore](int next) {
        return 100 * (bestScore - next) / bestScore;
    };
    const int sureness = leadOver(rivalScore);
    if (sureness < kMinimumSureness)
        return {};
    return {category, sureness,
            category == named && bestScore - secondScore >= kSureLead &&
                leadOver(secondScore) >= kSureSureness};
}

int CategorySuggester::chosenCategory(const ShortcutClues& clues) const {
    const int byName = chosenForProgram_.value(programKey(clues.name), -1);
    return byName >= 0 ? byName
                       : chosenForProgram_.value(programKey(programTargetOf(clues).executable), -1);
}

int CategorySuggester::vendorCategory(const ShortcutClues& clues) const {
    const auto vendor = chosenForVendor_.constFind(vendorOf(clues.folders));
    if (vendor == chosenForVendor_.constEnd())
        return -1;
    int only = -1;
    for (int k = 0; k < kCategoryCount; ++k) {
        if ((*vendor)[static_cast<size_t>(k)] == 0)
            continue;
        if (only >= 0)
            return -1;
        only = k;
    }
    return only;
}

QString foldersBelowPrograms(const ProgramState& state, const QString& folder) {
    for (const QString& root : {state.programsPath, state.allUsersProgramsPath}) {
        if (root.isEmpty() || !folder.startsWith(root, Qt::CaseInsensitive))
            continue;
        if (folder.size() == root.size())
            return {};
        const QChar separator = folder[root.size()];
        if (separator == u'/' || separator == u'\\')
            return folder.mid(root.size() + 1);
    }
    return {};
}

} // namespace tvn
