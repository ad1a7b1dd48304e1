#include "catalogue/CategorySuggestion.h"

#include "catalogue/ProgramHosts.h"
#include "platform/SequentialFile.h"

#include <algorithm>
#include <cmath>
#include <QRegularExpression>
#include <QSet>

namespace tvn {
namespace {

// How much each clue weighs. A word in the shortcut's own name says most; the folders and the
// target's file name say what the vendor called it; the description is long and loose. A known
// program, and above all the user's own earlier choice, outweigh a few words and what the
// described programs teach. A catalogue's category, mapped from a package's tags or a port's
// folder, weighs less than the project's own table of known programs.
constexpr int kNameWeight = 3;
constexpr int kFolderWeight = 2;
constexpr int kExecutableWeight = 2;
constexpr int kTargetFolderWeight = 2;
constexpr int kDescriptionWeight = 1;
// A description's first words name the kind of program ("Feed reader for macOS", "A
// cross-platform IDE") and weigh twice as much as the rest, which is loose talk.
constexpr int kDescriptionLeadingWords = 6;
constexpr int kKnownProgramWeight = 24;
constexpr int kKnownFolderWeight = 15;
constexpr int kCataloguedProgramWeight = 8;
constexpr int kCataloguedFolderWeight = 5;
constexpr int kChosenProgramWeight = 36;
constexpr int kChosenVendorWeight = 18;
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
// What the described programs teach: a word seen in fewer of their descriptions than this is
// chance; the likelihoods are smoothed by kDescribedSmoothing and flattened by
// kDescribedFlattening, since a description's words are far from independent; the likeliest
// categories then weigh up to kDescribedWeight: learned from the descriptions of some 10,000
// programs, they say more than a name's few words.
constexpr int kDescribedMinimumPrograms = 2;
constexpr double kDescribedSmoothing = 0.5;
constexpr double kDescribedFlattening = 4;
constexpr double kDescribedWeight = 30;
// Fewer known words than this say too little.
constexpr int kDescribedMinimumWords = 2;

// The weight of the word at `index` of a clue whose first `leadingWords` words count twice.
int weightAt(qsizetype index, int weight, int leadingWords) {
    return index < leadingWords ? 2 * weight : weight;
}

// Words are runs of letters and digits: "Chess-Master_2" gives "chess", "master" and "2".
QStringList wordsOf(const QString& text) {
    static const QRegularExpression notWordCharacters(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.toCaseFolded().split(notWordCharacters, Qt::SkipEmptyParts);
}

// Names join their words in capitals as often as with blanks: "BrutalChess", "HWMonitor" and
// "CrystalDiskInfo" say "chess", "monitor" and "disk". Only where the words are weighed: a
// program's key keeps the name whole.
QString splitCapitals(const QString& text) {
    static const QRegularExpression boundary(
        QStringLiteral("(?<=\\p{Ll})(?=\\p{Lu})|(?<=\\p{Lu})(?=\\p{Lu}\\p{Ll})"));
    return QString(text).replace(boundary, QStringLiteral(" "));
}

QStringList clueWordsOf(const QString& text) {
    return wordsOf(splitCapitals(text));
}

// The words a vendor's folder shares with every other company's: they tell nothing of its
// programs ("Safer Networking Ltd", "Foo Development Team").
bool isCompanyWord(const QString& word) {
    static const QSet<QString> company = {
        QStringLiteral("developers"),   QStringLiteral("development"),
        QStringLiteral("developments"), QStringLiteral("team"),
        QStringLiteral("software"),     QStringLiteral("networking"),
        QStringLiteral("ltd"),          QStringLiteral("inc"),
        QStringLiteral("gmbh"),         QStringLiteral("llc"),
        QStringLiteral("corp"),         QStringLiteral("corporation"),
        QStringLiteral("co"),           QStringLiteral("company"),
        QStringLiteral("limited"),      QStringLiteral("technologies"),
        QStringLiteral("technology"),   QStringLiteral("labs"),
        QStringLiteral("systems"),      QStringLiteral("solutions"),
        QStringLiteral("group"),        QStringLiteral("project"),
        QStringLiteral("foundation"),   QStringLiteral("ag"),
        QStringLiteral("sa"),           QStringLiteral("srl"),
        QStringLiteral("bv"),           QStringLiteral("kg"),
        QStringLiteral("oy"),           QStringLiteral("ab"),
        QStringLiteral("pty"),          QStringLiteral("sarl"),
        QStringLiteral("spa"),          QStringLiteral("community"),
        QStringLiteral("contributors"),
    };
    return company.contains(word);
}

QStringList folderWordsOf(const QString& folders) {
    QStringList words = clueWordsOf(folders);
    words.removeIf(isCompanyWord);
    return words;
}

// Version numbers and platforms tell nothing about the program: "2", "v10", "x64", "64bit".
bool isVersionWord(const QString& word) {
    static const QRegularExpression version(
        QStringLiteral("^(v?\\d+[a-z]?|x(64|86)|(32|64)bit|win(32|64))$"));
    return version.match(word).hasMatch();
}

// The words every kind of program's description uses: they only blur what the others say.
bool isCommonDescriptionWord(const QString& word) {
    static const QSet<QString> common = [] {
        QSet<QString> words;
        for (const QString& each :
             QStringLiteral("a an the and or of for to in on with your you it its is are be by "
                            "from as at that this which all any into not no more most can will "
                            "via based simple free open source cross platform app application "
                            "tool tools software program written lightweight fast modern "
                            "powerful easy use using")
                 .split(u' '))
            words.insert(each);
        return words;
    }();
    return common.contains(word) || isVersionWord(word);
}

// A portable edition's launcher names the program it starts: "GIMP Portable",
// "GIMPPortable.exe" and "Mozilla Firefox, Portable Edition" are GIMP and Firefox.
void removePortableEdition(QStringList& words) {
    static const QString portable = QStringLiteral("portable");
    if (words.size() > 2 && words.last() == u"edition" && words[words.size() - 2] == portable)
        words.removeLast();
    if (words.size() > 1 && words.last() == portable)
        words.removeLast();
    else if (words.size() == 1 && words.first().size() > portable.size() + 1 &&
             words.first().endsWith(portable))
        words.first().chop(portable.size());
}

// The words of a program's name without its version or a portable edition's mark; a leading
// number is part of the name ("7-Zip", "2048"). A "+" counts as a letter, as program files
// write it: "Notepad++" is "notepadpp.exe", not Notepad.
QStringList programWords(const QString& name) {
    QStringList words = wordsOf(QString(name).replace(u'+', u'p'));
    if (!words.isEmpty()) {
        const QString first = words.takeFirst();
        words.removeIf(isVersionWord);
        words.prepend(first);
        removePortableEdition(words);
    }
    return words;
}

// The parts of a Windows path ("C:\Program Files\Vendor\app.exe"): the folders that may name
// the vendor or the suite, and the file's base name.
struct TargetParts {
    QStringList folders;
    QString executable;
};

TargetParts targetParts(const QString& path) {
    static const QSet<QString> uninformative = {
        QStringLiteral("c"),
        QStringLiteral("program files"),
        QStringLiteral("program files (x86)"),
        QStringLiteral("programdata"),
        QStringLiteral("windows"),
        QStringLiteral("system32"),
        QStringLiteral("syswow64"),
        QStringLiteral("bin"),
        QStringLiteral("common files"),
        QStringLiteral("users"),
        QStringLiteral("appdata"),
        QStringLiteral("local"),
        QStringLiteral("roaming"),
        QStringLiteral("programs"),
    };
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    QStringList parts = path.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    TargetParts target;
    const QString file = parts.takeLast();
    const qsizetype dot = file.lastIndexOf(u'.');
    target.executable = dot > 0 ? file.left(dot) : file;
    for (const QString& folder : parts) {
        const QString folded = folder.toCaseFolded();
        if (!folded.endsWith(u':') && !folded.startsWith(u'%') && !uninformative.contains(folded))
            target.folders += folder;
    }
    return target;
}

// The parts of the shortcut's target, none where the target is a host that starts the program.
TargetParts programTargetOf(const ShortcutClues& clues) {
    return startsThroughHost(clues.name, clues.targetPath) ? TargetParts{}
                                                           : targetParts(clues.targetPath);
}

QString vendorOf(const QString& folders) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return folders.section(separators, 0, 0).toCaseFolded();
}

} // namespace

CategoryWords readCategoryWords(FileSystem& fs, const QString& path) {
    CategoryWords words;
    auto reader = SequentialReader::open(fs, path);
    if (!reader)
        return words;
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (QStringList& category : words) {
        if (reader->atEnd())
            break;
        category = reader->next().text.toCaseFolded().split(separators, Qt::SkipEmptyParts);
    }
    return words;
}

QStringList categoryWordsFileNames() {
    return {QStringLiteral("Words (uk).tvn"), QStringLiteral("Words (fr).tvn"),
            QStringLiteral("Words (it).tvn")};
}

CategoryWords readKnownPrograms(FileSystem& fs, const QString& path) {
    CategoryWords programs;
    auto reader = SequentialReader::open(fs, path);
    if (!reader)
        return programs;
    for (QStringList& category : programs) {
        if (reader->atEnd())
            break;
        for (const QString& name : reader->next().text.split(u',')) {
            const QString key = programKey(name);
            if (!key.isEmpty())
                category += key;
        }
    }
    return programs;
}

std::vector<CataloguedProgram> readProgramCatalogue(FileSystem& fs, const QString& path) {
    std::vector<CataloguedProgram> programs;
    auto reader = SequentialReader::open(fs, path);
    if (!reader)
        return programs;
    while (!reader->atEnd()) {
        CataloguedProgram program;
        program.category = itemToInteger16(reader->next()).value_or(-1);
        for (const QString& name : reader->next().text.split(u'|')) {
            const QString key = programKey(name);
            if (!key.isEmpty())
                program.keys += key;
        }
        program.description = reader->next().text;
        if (program.category >= kCategoryCount)
            program.category = -1;
        if (!program.keys.isEmpty())
            programs.push_back(std::move(program));
    }
    return programs;
}

void addShippedSuggestionData(CategorySuggester& suggester, FileSystem& fs,
                              const std::function<QString(const QString& fileName)>& pathOf) {
    // Every language's words at once: a program's name does not follow the interface language.
    for (const QString& fileName : categoryWordsFileNames())
        suggester.addWords(readCategoryWords(fs, pathOf(fileName)));
    suggester.addKnownPrograms(
        readKnownPrograms(fs, pathOf(QString::fromUtf16(kKnownProgramsFileName))));
    suggester.addCatalogue(
        readProgramCatalogue(fs, pathOf(QString::fromUtf16(kProgramCatalogueFileName))));
    suggester.addDescribedPrograms(
        readProgramCatalogue(fs, pathOf(QString::fromUtf16(kDescribedProgramsFileName))));
}

QString programKey(const QString& name) {
    return programWords(name).join(QString());
}

void CategorySuggester::addWords(const CategoryWords& words) {
    for (int k = 0; k < kCategoryCount; ++k)
        for (const QString& word : words[static_cast<size_t>(k)]) {
            const auto category = static_cast<CategoryMask>(1u << k);
            if (word.contains(kPhraseJoiner)) {
                phrases_[word] |= category;
                continue;
            }
            if (!word.endsWith(u'*')) {
                wholeWords_[word] |= category;
                continue;
            }
            const QString start = word.chopped(1);
            if (start.size() >= kShortestWord) {
                wordStarts_[start] |= category;
                longestStart_ = std::max(longestStart_, static_cast<int>(start.size()));
            }
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
    learnDescriptions(programs);
}

void CategorySuggester::addDescribedPrograms(const std::vector<CataloguedProgram>& programs) {
    learnDescriptions(programs);
}

void CategorySuggester::learnDescriptions(const std::vector<CataloguedProgram>& programs) {
    bool learned = false;
    for (const CataloguedProgram& program : programs) {
        if (program.category < 0 || program.category >= kCategoryCount ||
            program.description.isEmpty())
            continue;
        QStringList words = clueWordsOf(program.description);
        words.removeIf(isCommonDescriptionWord);
        words.removeDuplicates();
        for (const QString& word : words)
            ++describedWordCounts_[word][static_cast<size_t>(program.category)];
        learned = true;
    }
    if (!learned)
        return;
    std::array<double, kCategoryCount> totals{};
    int vocabulary = 0;
    for (const auto& counts : std::as_const(describedWordCounts_)) {
        int programsWithWord = 0;
        for (int count : counts)
            programsWithWord += count;
        if (programsWithWord < kDescribedMinimumPrograms)
            continue;
        ++vocabulary;
        for (int k = 0; k < kCategoryCount; ++k)
            totals[static_cast<size_t>(k)] += counts[static_cast<size_t>(k)];
    }
    describedWordLogs_.clear();
    for (auto it = describedWordCounts_.cbegin(); it != describedWordCounts_.cend(); ++it) {
        int programsWithWord = 0;
        for (int count : *it)
            programsWithWord += count;
        if (programsWithWord < kDescribedMinimumPrograms)
            continue;
        std::array<float, kCategoryCount> logs{};
        for (size_t k = 0; k < logs.size(); ++k)
            // A category no described program has is never likelier than another.
            logs[k] =
                totals[k] == 0
                    ? -1e9f
                    : static_cast<float>(std::log(((*it)[k] + kDescribedSmoothing) /
                                                  (totals[k] + kDescribedSmoothing * vocabulary)));
        describedWordLogs_.insert(it.key(), logs);
    }
}

std::array<double, kCategoryCount>
CategorySuggester::describedLikelihood(const QStringList& words) const {
    std::array<double, kCategoryCount> sums{};
    QSet<QString> seen;
    int known = 0;
    for (const QString& word : words) {
        const auto found = describedWordLogs_.constFind(word);
        if (found == describedWordLogs_.constEnd() || seen.contains(word) ||
            isCommonDescriptionWord(word))
            continue;
        seen.insert(word);
        ++known;
        for (size_t k = 0; k < sums.size(); ++k)
            sums[k] += (*found)[k];
    }
    if (known < kDescribedMinimumWords)
        return {};
    const double best = *std::max_element(sums.begin(), sums.end());
    double total = 0;
    for (double& sum : sums) {
        sum = std::exp((sum - best) / kDescribedFlattening);
        total += sum;
    }
    for (double& sum : sums)
        sum /= total;
    return sums;
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

CategorySuggester::CategoryMask CategorySuggester::wordStartHits(const QString& word,
                                                                 int shortest) const {
    CategoryMask hits = 0;
    const int longest = std::min(static_cast<int>(word.size()), longestStart_);
    for (int length = std::max(shortest, kShortestWord); length <= longest; ++length) {
        const auto found = wordStarts_.constFind(word.left(length));
        if (found != wordStarts_.constEnd())
            hits |= *found;
    }
    return hits;
}

CategorySuggester::CategoryMask CategorySuggester::wordHits(const QString& word) const {
    return wholeWords_.value(word) | wordStartHits(word, kShortestWord);
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
        CategoryMask hits = wordHits(word);
        // Words joined without capitals ("brutalchess", "powdertoy"): a category word that ends
        // the name, long enough not to be there by chance.
        for (qsizetype start = kShortestJoinedPart;
             !hits && start + kShortestJoinedPart <= word.size(); ++start)
            hits = wholeWords_.value(word.mid(start)) |
                   wordStartHits(word.mid(start), kShortestJoinedPart);
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
    else if (catalogued)
        add(catalogued->category, byFolder ? kCataloguedFolderWeight : kCataloguedProgramWeight);

    // The catalogue's description adds to the shortcut's, or stands in for it where there is none,
    // when the table does not know the program already: its loose words would only blur what the
    // table says.
    QString description = clues.description;
    if (catalogued && !knownByTable)
        description = description.isEmpty() ? catalogued->description
                                            : description + u' ' + catalogued->description;
    const QStringList descriptionWords = clueWordsOf(description);
    addScores(scores, nameWords, kNameWeight);
    addPhraseScores(scores, nameWords, kNameWeight);
    addScores(scores, folderWordsOf(clues.folders), kFolderWeight);
    addScores(scores, programWords(splitCapitals(target.executable)), kExecutableWeight);
    addScores(scores, folderWordsOf(target.folders.join(u' ')), kTargetFolderWeight);
    addScores(scores, descriptionWords, kDescriptionWeight, kDescriptionLeadingWords);
    addPhraseScores(scores, descriptionWords, kDescriptionWeight, kDescriptionLeadingWords);
    const auto likelihood = describedLikelihood(descriptionWords);
    for (size_t k = 0; k < scores.size(); ++k)
        scores[k] += static_cast<int>(std::lround(kDescribedWeight * likelihood[k]));

    // The best category and how far it leads the next one.
    const auto best = std::max_element(scores.begin(), scores.end());
    const int bestScore = *best;
    int secondScore = 0;
    for (auto it = scores.begin(); it != scores.end(); ++it)
        if (it != best)
            secondScore = std::max(secondScore, *it);
    if (bestScore < kMinimumScore)
        return {};
    const int sureness = 100 * (bestScore - secondScore) / bestScore;
    if (sureness < kMinimumSureness)
        return {};
    const int category = static_cast<int>(best - scores.begin());
    return {category, sureness,
            category == named && bestScore - secondScore >= kSureLead && sureness >= kSureSureness};
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
