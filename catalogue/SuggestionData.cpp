#include "catalogue/SuggestionData.h"

#include "catalogue/CategorySuggestion.h"
#include "catalogue/ClueWords.h"
#include "platform/SequentialFile.h"

#include <QRegularExpression>

namespace tvn {

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

} // namespace tvn
