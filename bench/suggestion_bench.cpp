// How good the category suggestion is on programs of public lists with known categories, and
// how fast: for each program of the corpus it suggests a category from the shortcut's name and
// folders alone, then with what the shortcut's file would say (a description and a target), and
// counts the right, wrong and missing suggestions.

#include "catalogue/CategorySuggestion.h"
#include "platform/PosixFileSystem.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <vector>

namespace {

struct Program {
    int category;
    QString name;
    QString description;
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
        programs.push_back({fields[0].toInt(), fields[1], fields[2]});
    }
    return programs;
}

// The shortcut an installer would make: in a folder of the program's name, pointing at an
// executable named after it.
tvn::ShortcutClues cluesOf(const Program& program, bool withShortcutFields) {
    tvn::ShortcutClues clues{program.name, program.name, {}, {}};
    if (withShortcutFields) {
        clues.description = program.description;
        clues.targetPath = QStringLiteral("C:\\Program Files\\%1\\%2.exe")
                               .arg(program.name, tvn::programKey(program.name));
    }
    return clues;
}

struct Tally {
    int right = 0;
    int wrong = 0;
    int missing = 0;
};

Tally measure(const tvn::CategorySuggester& suggester, const std::vector<Program>& programs,
              bool withShortcutFields, const std::function<bool(const Program&)>& counted) {
    Tally tally;
    for (const Program& program : programs) {
        if (!counted(program))
            continue;
        const int suggested = suggester.suggest(cluesOf(program, withShortcutFields)).category;
        if (suggested < 0)
            ++tally.missing;
        else if (suggested == program.category)
            ++tally.right;
        else
            ++tally.wrong;
    }
    return tally;
}

void print(const char* heading, const Tally& tally) {
    const double total = std::max(1, tally.right + tally.wrong + tally.missing);
    std::printf("  %-44s %5d  right %5.1f %%  wrong %5.1f %%  none %5.1f %%\n", heading,
                tally.right + tally.wrong + tally.missing, 100.0 * tally.right / total,
                100.0 * tally.wrong / total, 100.0 * tally.missing / total);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list += QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool listWrong = arguments.contains(QStringLiteral("--wrong"));
    const QStringList paths = arguments.filter(QRegularExpression(QStringLiteral("^[^-]")));
    if (paths.size() != 0 && paths.size() != 2) {
        std::fprintf(stderr, "usage: suggestion_bench [DATA_FOLDER CORPUS] [--wrong]\n");
        return 2;
    }
    const QString dataFolder = paths.isEmpty() ? QStringLiteral(TORVANE_DATA_FILES) : paths[0];
    const std::vector<Program> programs = readCorpus(
        paths.isEmpty() ? QStringLiteral(TORVANE_BENCH_DATA "/suggestion-corpus.tsv") : paths[1]);
    tvn::PosixFileSystem fs;

    tvn::CategorySuggester wordsOnly;
    for (const QString& fileName : tvn::CategoryWordsFileNames())
        wordsOnly.addWords(tvn::ReadCategoryWords(fs, dataFolder + u'/' + fileName));
    tvn::CategorySuggester suggester = wordsOnly;
    const tvn::CategoryWords known = tvn::ReadKnownPrograms(
        fs, dataFolder + u'/' + QString::fromUtf16(tvn::kKnownProgramsFileName));
    suggester.addKnownPrograms(known);
    QSet<QString> knownKeys;
    for (const QStringList& keys : known)
        for (const QString& key : keys)
            knownKeys.insert(key);

    const auto all = [](const Program&) {
        return true;
    };
    const auto inTable = [&](const Program& p) {
        return knownKeys.contains(tvn::programKey(p.name));
    };
    const auto notInTable = [&](const Program& p) {
        return !inTable(p);
    };
    std::printf("corpus: %zu programs\n", programs.size());
    std::printf("name and folders alone\n");
    print("words and known programs", measure(suggester, programs, false, all));
    std::printf("with the shortcut's description and target\n");
    print("words and known programs", measure(suggester, programs, true, all));
    print("words alone", measure(wordsOnly, programs, true, all));
    print("programs of the known-programs table", measure(suggester, programs, true, inTable));
    print("programs the table does not hold", measure(suggester, programs, true, notInTable));

    if (listWrong)
        for (const Program& program : programs) {
            const auto suggestion = suggester.suggest(cluesOf(program, true));
            if (suggestion.category >= 0 && suggestion.category != program.category)
                std::printf("wrong %d->%d (%d) %s: %s\n", program.category, suggestion.category,
                            suggestion.sureness, qPrintable(program.name),
                            qPrintable(program.description));
        }

    // Speed: 2,000 shortcuts as CLASSIFY shows them, against the words alone.
    std::vector<tvn::ShortcutClues> shortcuts;
    for (size_t i = 0; shortcuts.size() < 2000 && !programs.empty(); ++i)
        shortcuts.push_back(cluesOf(programs[i % programs.size()], true));
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
