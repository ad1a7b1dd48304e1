#include "catalogue/DescriptionModel.h"

#include "catalogue/ClueWords.h"

#include <algorithm>
#include <cmath>
#include <QSet>

namespace tvn {
namespace {

// A word seen in fewer descriptions than this is chance; the likelihoods are smoothed by
// kSmoothing and flattened by kFlattening, since a description's words are far from
// independent.
constexpr int kMinimumPrograms = 2;
constexpr double kSmoothing = 0.5;
constexpr double kFlattening = 4;
// Fewer known words than this say too little.
constexpr int kMinimumWords = 2;

} // namespace

void DescriptionModel::learn(const std::vector<CataloguedProgram>& programs) {
    bool learned = false;
    for (const CataloguedProgram& program : programs) {
        if (program.category < 0 || program.category >= kCategoryCount ||
            program.description.isEmpty())
            continue;
        QStringList words = descriptionWordsOf(program.description);
        words.removeIf(isCommonDescriptionWord);
        words.removeDuplicates();
        for (const QString& word : words)
            ++wordCounts_[word][static_cast<size_t>(program.category)];
        learned = true;
    }
    if (!learned)
        return;
    std::array<double, kCategoryCount> totals{};
    int vocabulary = 0;
    for (const auto& counts : std::as_const(wordCounts_)) {
        int programsWithWord = 0;
        for (int count : counts)
            programsWithWord += count;
        if (programsWithWord < kMinimumPrograms)
            continue;
        ++vocabulary;
        for (int k = 0; k < kCategoryCount; ++k)
            totals[static_cast<size_t>(k)] += counts[static_cast<size_t>(k)];
    }
    wordLogs_.clear();
    for (auto it = wordCounts_.cbegin(); it != wordCounts_.cend(); ++it) {
        int programsWithWord = 0;
        for (int count : *it)
            programsWithWord += count;
        if (programsWithWord < kMinimumPrograms)
            continue;
        std::array<float, kCategoryCount> logs{};
        for (size_t k = 0; k < logs.size(); ++k)
            // A category no described program has is never likelier than another.
            logs[k] = totals[k] == 0
                          ? -1e9f
                          : static_cast<float>(std::log(((*it)[k] + kSmoothing) /
                                                        (totals[k] + kSmoothing * vocabulary)));
        wordLogs_.insert(it.key(), logs);
    }
}

std::array<double, kCategoryCount> DescriptionModel::likelihood(const QStringList& words) const {
    std::array<double, kCategoryCount> sums{};
    QSet<QString> seen;
    int known = 0;
    for (const QString& word : words) {
        const auto found = wordLogs_.constFind(word);
        if (found == wordLogs_.constEnd() || seen.contains(word) || isCommonDescriptionWord(word))
            continue;
        seen.insert(word);
        ++known;
        for (size_t k = 0; k < sums.size(); ++k)
            sums[k] += (*found)[k];
    }
    if (known < kMinimumWords)
        return {};
    const double best = *std::max_element(sums.begin(), sums.end());
    double total = 0;
    for (double& sum : sums) {
        sum = std::exp((sum - best) / kFlattening);
        total += sum;
    }
    for (double& sum : sums)
        sum /= total;
    return sums;
}

} // namespace tvn
