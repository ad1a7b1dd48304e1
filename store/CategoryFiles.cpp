#include "store/CategoryFiles.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/Categories.h"
#include "catalogue/LogicTexts.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ProgramFolders.h"
#include "platform/SequentialFile.h"
#include "platform/Ui.h"
#include "store/CategoryNames.h"

#include <array>
#include <QStringList>

namespace tvn {

namespace {

QString dataFile(const Tvn& tvn, const QString& name) {
    return joinPath(tvn.state.appFolder, name);
}

// True when a button other than `k` bears that name, in any letter case: two buttons on one
// folder would share their copies.
bool nameTaken(const Tvn& tvn, int k, const QString& caption) {
    for (int other = 0; other < kCategoryCount; ++other)
        if (other != k &&
            caseFoldedName(tvn.window.categoryCaption(other)) == caseFoldedName(caption))
            return true;
    return false;
}

// A button whose name an earlier button bears takes its built-in name, numbered if need be, so no
// two categories share a folder.
void makeNamesDistinct(Tvn& tvn) {
    for (int k = 1; k < kCategoryCount; ++k) {
        const QString builtIn = builtInCategoryCaptions().at(static_cast<size_t>(k));
        QString caption = tvn.window.categoryCaption(k);
        for (int number = 1; nameTaken(tvn, k, caption); ++number)
            caption = number == 1 ? builtIn : QStringLiteral("%1 %2").arg(builtIn).arg(number);
        tvn.window.setCategoryCaption(k, caption);
    }
}

// Reads up to eleven items onto the buttons, stopping at the end of the file.
void readCaptionBlock(Tvn& tvn, SequentialReader& reader) {
    for (int k = 0; k < kCategoryCount && !reader.atEnd(); ++k) {
        const QString caption = itemToCaption(reader.next());
        if (isValidCategoryName(caption) && !nameTaken(tvn, k, caption))
            tvn.window.setCategoryCaption(k, caption);
    }
}

} // namespace

bool saveCustomCategories(Tvn& tvn) {
    SequentialWriter writer;
    for (int k = 0; k < kCategoryCount; ++k)
        writer.writeString(tvn.window.categoryCaption(k));
    return writer.save(tvn.fs, dataFile(tvn, QStringLiteral("Custom.tvn")));
}

void readCustomCategories(Tvn& tvn) {
    const QString path = dataFile(tvn, QStringLiteral("Custom.tvn"));
    auto reader = SequentialReader::open(tvn.fs, path);
    // What the file does not name properly takes the interface language's name.
    loadDefaultCategories(tvn);
    if (!reader)
        return;
    QStringList folded;
    int good = 0;
    for (int k = 0; k < kCategoryCount && !reader->atEnd(); ++k) {
        const QString caption = itemToCaption(reader->next());
        // Two buttons on one folder would share their copies.
        if (!isValidCategoryName(caption) || folded.contains(caseFoldedName(caption)))
            continue;
        folded.append(caseFoldedName(caption));
        tvn.window.setCategoryCaption(k, caption);
        ++good;
    }
    if (good == kCategoryCount && reader->atEnd())
        return;
    makeNamesDistinct(tvn);
    tvn.ui.message(logicText(LogicText::CategoryNamesDamaged, tvn.state.languageIndex).arg(path),
                   {}, Buttons::Ok, Icon::Exclamation);
    // Said once: the file is written whole again.
    saveCustomCategories(tvn);
}

void loadDefaultCategories(Tvn& tvn) {
    const QString defaults =
        dataFilePath(tvn.fs, tvn.state.dataFolders(), QStringLiteral("Default.tvn"));
    auto reader = SequentialReader::open(tvn.fs, defaults);
    if (!reader)
        return;
    readCaptionBlock(tvn, *reader);
    if (tvn.state.languageIndex != 0) {
        readCaptionBlock(tvn, *reader);
        if (tvn.state.languageIndex != 1)
            readCaptionBlock(tvn, *reader);
    }
    makeNamesDistinct(tvn);
}

void loadDefaultCategoriesKeepingUsed(Tvn& tvn, const QString& startMenu) {
    std::array<QString, kCategoryCount> before;
    for (int k = 0; k < kCategoryCount; ++k)
        before.at(static_cast<size_t>(k)) = tvn.window.categoryCaption(k);
    loadDefaultCategories(tvn);
    QStringList kept;
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString& caption = before.at(static_cast<size_t>(k));
        const auto content = tvn.fs.folderContent(joinPath(startMenu, caption));
        if (isValidCategoryName(caption) && content &&
            *content != FileSystem::FolderContent::Empty) {
            tvn.window.setCategoryCaption(k, caption);
            kept.append(caseFoldedName(caption));
        }
    }
    // A default name that a kept one bears already goes back to its old name, so no two
    // categories share a folder.
    for (int k = 0; k < kCategoryCount; ++k) {
        const QString caption = tvn.window.categoryCaption(k);
        if (kept.count(caseFoldedName(caption)) == 1 &&
            caption != before.at(static_cast<size_t>(k)))
            tvn.window.setCategoryCaption(k, before.at(static_cast<size_t>(k)));
    }
}

} // namespace tvn
