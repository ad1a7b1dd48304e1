#pragma once

#include "catalogue/ProgramState.h"
#include "catalogue/SuggestionData.h"

#include <array>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// What the descriptions of programs of known category teach: how often each word stands in each
// category's descriptions, and from that how likely each category is for the words of another
// description.
class DescriptionModel {
public:
    // Learns from the programs with a category and a description; the others are passed over.
    void learn(const std::vector<CataloguedProgram>& programs);
    // How likely each category is from the words of a description, summing to 1; all zero when
    // too few of its words were ever seen.
    std::array<double, kCategoryCount> likelihood(const QStringList& words) const;

private:
    // In how many programs' descriptions of each category each word stands, and the logarithm
    // of how likely the word is in each category's descriptions.
    QHash<QString, std::array<int, kCategoryCount>> wordCounts_;
    QHash<QString, std::array<float, kCategoryCount>> wordLogs_;
};

} // namespace tvn
