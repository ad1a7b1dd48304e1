#include "store/ClassifiedChoices.h"

#include "catalogue/CatalogueList.h"
#include "platform/Paths.h"
#include "platform/SequentialFile.h"
#include "store/CategoryFolders.h"

#include <QHash>

namespace tvn {
namespace {

QString choicesPath(const Tvn& tvn) {
    return joinPath(tvn.state.appFolder, QString::fromUtf16(kChoicesFileName));
}

// Records of two items: a program key and its category index.
QHash<QString, int> readChoices(const Tvn& tvn) {
    QHash<QString, int> choices;
    auto reader = SequentialReader::open(tvn.fs, choicesPath(tvn));
    while (reader && !reader->atEnd()) {
        const QString key = reader->next().text;
        if (reader->atEnd())
            break;
        const auto category = itemToInteger16(reader->next());
        if (!key.isEmpty() && category && *category >= 0 && *category < kCategoryCount)
            choices.insert(key, *category);
    }
    return choices;
}

void writeChoices(const Tvn& tvn, const QHash<QString, int>& choices) {
    QStringList keys = choices.keys();
    keys.sort();
    SequentialWriter writer;
    for (const QString& key : keys) {
        writer.writeString(key);
        writer.writeNumber(choices.value(key));
    }
    writer.save(tvn.fs, choicesPath(tvn));
}

} // namespace

void learnClassifiedChoices(const Tvn& tvn, CategorySuggester& suggester) {
    suggester.forgetChoices();
    const QHash<QString, int> kept = readChoices(tvn);
    suggester.learnProgramChoices(kept);

    QHash<QString, int> categoryOfFolder;
    for (int k = 0; k < kCategoryCount; ++k)
        categoryOfFolder.insert(caseFoldedName(categoryFolder(tvn, tvn.window.categoryCaption(k))),
                                k);
    QHash<QString, int> categoryOfName;
    for (int i = 0; i < tvn.lists.fast.count(); ++i) {
        const int category = categoryOfFolder.value(caseFoldedName(tvn.lists.fastDirs.at(i)), -1);
        if (category >= 0)
            categoryOfName.insert(caseFoldedName(tvn.lists.fast.at(i)), category);
    }
    for (int i = 0; i < tvn.lists.progs.count() && !categoryOfName.isEmpty(); ++i) {
        const QString name = tvn.lists.progs.at(i);
        const int category = categoryOfName.value(caseFoldedName(name), -1);
        if (category >= 0)
            suggester.learnChoice(
                {name, foldersBelowPrograms(tvn.state, tvn.lists.progsDirs.at(i)), {}, {}},
                category);
    }
    if (suggester.programChoices() != kept)
        writeChoices(tvn, suggester.programChoices());
}

} // namespace tvn
