#include "catalogue/CategorySuggestion.h"

#include "platform/SequentialFile.h"

#include <QRegularExpression>

namespace tvn {
namespace {

// Words are runs of letters and digits: "Chess-Master_2" gives "chess", "master" and "2".
QStringList wordsOf(const QString& text) {
    static const QRegularExpression notWordCharacters(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.toCaseFolded().split(notWordCharacters, Qt::SkipEmptyParts);
}

int fits(const QStringList& categoryWords, const QStringList& words) {
    int count = 0;
    for (const QString& word : words)
        for (const QString& start : categoryWords)
            if (word.startsWith(start)) {
                ++count;
                break;
            }
    return count;
}

} // namespace

CategoryWords ReadCategoryWords(FileSystem& fs, const QString& path) {
    CategoryWords words;
    auto reader = SequentialReader::open(fs, path);
    if (!reader)
        return words;
    for (QStringList& category : words) {
        if (reader->atEnd())
            break;
        category = wordsOf(reader->next().text);
    }
    return words;
}

int SuggestCategory(const CategoryWords& words, const QString& name, const QString& folders) {
    const QStringList nameWords = wordsOf(name);
    const QStringList folderWords = wordsOf(folders);
    int best = -1;
    int bestScore = 0;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QStringList& category = words[static_cast<size_t>(k)];
        const int score = 2 * fits(category, nameWords) + fits(category, folderWords);
        if (score > bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

QString FoldersBelowPrograms(const ProgramState& state, const QString& folder) {
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
