// How good the category suggestion is on programs of public lists with known categories, and
// how fast. For each program of the corpus it makes the shortcut an installer would and counts
// the right, wrong and missing suggestions; above all with each source list of the corpus held
// out in turn: the known programs and the catalogue then hold none of that list's programs, so
// the figures show how the suggestion does on programs it was not given.

#include "catalogue/CategorySuggestion.h"
#include "catalogue/ClueWords.h"
#include "platform/PosixFileSystem.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <set>
#include <vector>

namespace {

constexpr char kUsage[] =
    "usage: suggestion_bench [DATA_FOLDER CORPUS] [--wrong]\n"
    "\n"
    "Measures the category suggestion on a corpus of programs with known categories (by\n"
    "default bench/data/suggestion-corpus.tsv and the shipped data files): on the whole corpus,\n"
    "then with each source list of the corpus held out in turn (the known programs and the\n"
    "catalogue hold none of its programs), from the name and folders, with the target, and with\n"
    "the description too; the same with the package catalogues kept, since they are not made\n"
    "from the lists; then how often a sure suggestion is wrong, how long reading the data\n"
    "takes, and how fast 2,000 suggestions are. A source named \"tree:part\" is measured apart\n"
    "but held out with the whole tree (the sources \"tree\" and \"tree:...\").\n"
    "\n"
    "  --wrong    names each wrong suggestion of the held-out lists (with description)\n"
    "  --help     prints this and exits\n";

constexpr int kUtilities = 1;
constexpr int kSystem = 6;

struct Program {
    int category;
    QString name;
    QString description;
    QString source;
};

std::vector<Program> readCorpus(const QString& path) {
    QFile file(path);
    std::vector<Program> programs;
    if (!file.open(QIODevice::ReadOnly))
        return programs;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).remove(u'\r').remove(u'\n');
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() < 3)
            continue;
        programs.push_back({fields[0].toInt(), fields[1], fields[2], fields.value(3)});
    }
    return programs;
}

// What the shortcut an installer makes tells: its name and its folder (the program's name), then
// its target (`C:\Program Files\<name>\<name>.exe`), then its description.
enum class Clues { NameAndFolders, WithTarget, WithDescription };

tvn::ShortcutClues cluesOf(const Program& program, Clues given) {
    tvn::ShortcutClues clues{program.name, program.name, {}, {}};
    if (given != Clues::NameAndFolders)
        clues.targetPath = QStringLiteral("C:\\Program Files\\%1\\%2.exe")
                               .arg(program.name, tvn::programKey(program.name));
    if (given == Clues::WithDescription)
        clues.description = program.description;
    return clues;
}

struct Tally {
    int right = 0;
    int wrong = 0;
    int missing = 0;
    // Wrong only between utilities and system tools, which the lists themselves mix up.
    int utilitiesOrSystem = 0;
    int sure = 0;
    int sureWrong = 0;
    int sureWrongOtherwise = 0; // sure and wrong, utilities and system tools counted as one
    // Suggestions and wrong ones by sureness, in steps of ten from 50 to 100.
    std::array<int, 6> atSureness{};
    std::array<int, 6> wrongAtSureness{};

    void count(const tvn::Suggestion& suggestion, int expected) {
        const auto merged = [](int category) {
            return category == kSystem ? kUtilities : category;
        };
        const bool isWrong = suggestion.category >= 0 && suggestion.category != expected;
        const bool isMixUp = isWrong && merged(suggestion.category) == merged(expected);
        if (suggestion.category < 0)
            ++missing;
        else if (!isWrong)
            ++right;
        else
            ++wrong;
        utilitiesOrSystem += isMixUp;
        if (suggestion.category >= 0) {
            const auto step =
                static_cast<size_t>(std::clamp((suggestion.sureness - 50) / 10, 0, 5));
            ++atSureness[step];
            wrongAtSureness[step] += isWrong && !isMixUp;
        }
        sure += suggestion.isSure();
        sureWrong += suggestion.isSure() && isWrong;
        sureWrongOtherwise += suggestion.isSure() && isWrong && !isMixUp;
    }
    void add(const Tally& other) {
        right += other.right;
        wrong += other.wrong;
        missing += other.missing;
        utilitiesOrSystem += other.utilitiesOrSystem;
        sure += other.sure;
        sureWrong += other.sureWrong;
        sureWrongOtherwise += other.sureWrongOtherwise;
        for (size_t i = 0; i < atSureness.size(); ++i) {
            atSureness[i] += other.atSureness[i];
            wrongAtSureness[i] += other.wrongAtSureness[i];
        }
    }
    int total() const { return right + wrong + missing; }
};

double percent(int part, int whole) {
    return 100.0 * part / std::max(1, whole);
}

void print(const QString& heading, const Tally& t) {
    std::printf("  %-40s %5d  right %5.1f  wrong %5.1f  none %5.1f  |  right %5.1f  wrong %5.1f\n",
                qPrintable(heading), t.total(), percent(t.right, t.total()),
                percent(t.wrong, t.total()), percent(t.missing, t.total()),
                percent(t.right + t.utilitiesOrSystem, t.total()),
                percent(t.wrong - t.utilitiesOrSystem, t.total()));
}

// The shipped data: the words of every language, the known programs and the catalogue.
struct Data {
    std::vector<tvn::CategoryWords> words;
    tvn::CategoryWords known;
    std::vector<tvn::CataloguedProgram> catalogue;
    std::vector<tvn::CataloguedProgram> described;
};

// A suggester with the data, less every known or catalogued program named by `heldOut`.
tvn::CategorySuggester suggesterWithout(const Data& data, const QSet<QString>& heldOut,
                                        bool withPrograms = true, bool keepCatalogue = false) {
    tvn::CategorySuggester suggester;
    for (const tvn::CategoryWords& words : data.words)
        suggester.addWords(words);
    if (!withPrograms)
        return suggester;
    tvn::CategoryWords known = data.known;
    for (QStringList& keys : known)
        keys.removeIf([&](const QString& key) { return heldOut.contains(key); });
    suggester.addKnownPrograms(known);
    const auto without = [&](const std::vector<tvn::CataloguedProgram>& programs) {
        std::vector<tvn::CataloguedProgram> kept;
        for (const tvn::CataloguedProgram& program : programs)
            if (std::none_of(program.keys.begin(), program.keys.end(),
                             [&](const QString& key) { return heldOut.contains(key); }))
                kept.push_back(program);
        return kept;
    };
    suggester.addCatalogue(keepCatalogue ? data.catalogue : without(data.catalogue));
    suggester.addDescribedPrograms(without(data.described));
    return suggester;
}

Tally measure(const tvn::CategorySuggester& suggester, const std::vector<Program>& programs,
              Clues given, const std::function<bool(const Program&)>& counted) {
    Tally tally;
    for (const Program& program : programs)
        if (counted(program))
            tally.count(suggester.suggest(cluesOf(program, given)), program.category);
    return tally;
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list += QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool listWrong = arguments.contains(QStringLiteral("--wrong"));
    const QStringList paths = arguments.filter(QRegularExpression(QStringLiteral("^[^-]")));
    if ((paths.size() != 0 && paths.size() != 2) ||
        arguments.size() != paths.size() + static_cast<qsizetype>(listWrong)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString dataFolder = paths.isEmpty() ? QStringLiteral(TORVANE_DATA_FILES) : paths[0];
    const std::vector<Program> programs = readCorpus(
        paths.isEmpty() ? QStringLiteral(TORVANE_BENCH_DATA "/suggestion-corpus.tsv") : paths[1]);
    tvn::PosixFileSystem fs;
    const auto pathOf = [&](const char16_t* fileName) {
        return dataFolder + u'/' + QString::fromUtf16(fileName);
    };

    Data data;
    for (const QString& fileName : tvn::categoryWordsFileNames())
        data.words.push_back(tvn::readCategoryWords(fs, dataFolder + u'/' + fileName));
    data.known = tvn::readKnownPrograms(fs, pathOf(tvn::kKnownProgramsFileName));
    data.catalogue = tvn::readProgramCatalogue(fs, pathOf(tvn::kProgramCatalogueFileName));
    data.described = tvn::readProgramCatalogue(fs, pathOf(tvn::kDescribedProgramsFileName));
    const tvn::CategorySuggester wordsOnly = suggesterWithout(data, {}, false);
    const tvn::CategorySuggester suggester = suggesterWithout(data, {});

    const auto all = [](const Program&) {
        return true;
    };
    std::printf("corpus: %zu programs; %zu catalogued programs\n", programs.size(),
                data.catalogue.size());
    std::printf("%-44s %5s  %-35s |  utilities and system tools as one\n", "", "", "");
    std::printf("all data, the corpus's programs known\n");
    print(QStringLiteral("name and folders"),
          measure(suggester, programs, Clues::NameAndFolders, all));
    print(QStringLiteral("with target"), measure(suggester, programs, Clues::WithTarget, all));
    const Tally allData = measure(suggester, programs, Clues::WithDescription, all);
    print(QStringLiteral("with target and description"), allData);
    print(QStringLiteral("words alone, with description"),
          measure(wordsOnly, programs, Clues::WithDescription, all));

    // Leave one source out: each list's programs against data that holds none of them.
    // A part of a tree ("slackbuilds:desktop") is held out with the rest of its tree, which
    // would otherwise teach the tree's own way of filing programs.
    const auto treeOf = [](const QString& source) {
        return source.section(u':', 0, 0);
    };
    std::map<QString, QSet<QString>> heldOutKeys;
    std::set<QString> sources;
    for (const Program& program : programs) {
        heldOutKeys[treeOf(program.source)].insert(tvn::programKey(program.name));
        sources.insert(program.source);
    }
    const struct {
        Clues given;
        const char* heading;
        bool keepCatalogue;
    } modes[] = {{Clues::WithTarget, "held out, with target, no description", false},
                 {Clues::WithDescription, "held out, with target and description", false},
                 {Clues::WithTarget, "held out, catalogue kept, no description", true},
                 {Clues::WithDescription, "held out, catalogue kept, with description", true}};
    Tally sure;
    for (const auto& mode : modes) {
        std::printf("%s\n", mode.heading);
        Tally sum;
        for (const QString& source : sources) {
            const tvn::CategorySuggester heldOut =
                suggesterWithout(data, heldOutKeys.at(treeOf(source)), true, mode.keepCatalogue);
            const Tally tally = measure(heldOut, programs, mode.given,
                                        [&](const Program& p) { return p.source == source; });
            print(source, tally);
            sum.add(tally);
            if (listWrong && mode.given == Clues::WithDescription && !mode.keepCatalogue)
                for (const Program& program : programs) {
                    const auto suggestion = program.source == source
                                                ? heldOut.suggest(cluesOf(program, mode.given))
                                                : tvn::Suggestion{};
                    if (suggestion.category >= 0 && suggestion.category != program.category)
                        std::printf("    wrong %d->%d (%d%s) %s: %s\n", program.category,
                                    suggestion.category, suggestion.sureness,
                                    suggestion.isSure() ? ", sure" : "", qPrintable(program.name),
                                    qPrintable(program.description));
                }
        }
        print(QStringLiteral("all lists"), sum);
        if (!mode.keepCatalogue)
            sure.add(sum);
    }
    std::printf("held out, wrong (utilities and system tools as one) at or above a sureness:\n ");
    for (size_t i = 0; i < sure.atSureness.size(); ++i) {
        int at = 0;
        int wrong = 0;
        for (size_t j = i; j < sure.atSureness.size(); ++j) {
            at += sure.atSureness[j];
            wrong += sure.wrongAtSureness[j];
        }
        std::printf(" %zu: %d, %.1f %%;", 50 + 10 * i, at, percent(wrong, at));
    }
    std::printf("\n");
    std::printf("sure suggestions, all data: %d of %d suggestions, wrong %.1f %% (%.1f %% with "
                "utilities and system tools as one)\n",
                allData.sure, allData.right + allData.wrong,
                percent(allData.sureWrong, allData.sure),
                percent(allData.sureWrongOtherwise, allData.sure));
    std::printf("sure suggestions, held out: %d of %d suggestions, wrong %.1f %% (%.1f %% with "
                "utilities and system tools as one)\n",
                sure.sure, sure.right + sure.wrong, percent(sure.sureWrong, sure.sure),
                percent(sure.sureWrongOtherwise, sure.sure));

    // The data are read when a suggestion is first wanted: what that costs, against reading
    // the files' bytes alone.
    const auto millisecondsOf = [](const std::function<void()>& run) {
        const auto start = std::chrono::steady_clock::now();
        run();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const double bytesAlone = millisecondsOf([&] {
        QDir folder(dataFolder);
        for (const QString& name : folder.entryList({QStringLiteral("*.tvn")}, QDir::Files)) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                file.readAll();
        }
    });
    const double loading = millisecondsOf([&] {
        tvn::CategorySuggester loaded;
        tvn::addShippedSuggestionData(
            loaded, fs, [&](const QString& fileName) { return dataFolder + u'/' + fileName; });
    });
    std::printf("reading the data: %.1f ms (the files' bytes alone %.1f ms, ratio %.1f)\n", loading,
                bytesAlone, loading / bytesAlone);

    // Speed: 2,000 shortcuts as CLASSIFY shows them, against the words alone.
    std::vector<tvn::ShortcutClues> shortcuts;
    for (size_t i = 0; shortcuts.size() < 2000 && !programs.empty(); ++i)
        shortcuts.push_back(cluesOf(programs[i % programs.size()], Clues::WithDescription));
    const auto time = [&](const tvn::CategorySuggester& s) {
        const auto start = std::chrono::steady_clock::now();
        int suggested = 0;
        for (const auto& clues : shortcuts)
            suggested += s.suggest(clues).category >= 0;
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        return std::make_pair(took.count(), suggested);
    };
    const auto baseline = time(wordsOnly);
    const auto full = time(suggester);
    std::printf("2,000 suggestions: %.1f ms (words alone %.1f ms, ratio %.2f)\n", full.first,
                baseline.first, full.first / baseline.first);
    return 0;
}
