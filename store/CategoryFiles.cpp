#include "store/CategoryFiles.h"

#include "platform/Paths.h"
#include "platform/ProgramFolders.h"
#include "platform/SequentialFile.h"
#include "store/CategoryNames.h"

namespace tvn {

namespace {

QString dataFile(const Tvn& tvn, const QString& name) {
    return joinPath(tvn.state.appFolder, name);
}

// Reads up to eleven items onto the buttons, stopping at the end of the file.
void readCaptionBlock(Tvn& tvn, SequentialReader& reader) {
    for (int k = 0; k < kCategoryCount && !reader.atEnd(); ++k) {
        const QString caption = itemToCaption(reader.next());
        if (isValidCategoryName(caption))
            tvn.window.setCategoryCaption(k, caption);
    }
}

} // namespace

void SaveCustomCategories(Tvn& tvn) {
    SequentialWriter writer;
    for (int k = 0; k < kCategoryCount; ++k)
        writer.writeString(tvn.window.categoryCaption(k));
    writer.save(tvn.fs, dataFile(tvn, QStringLiteral("Custom.tvn")));
}

void ReadCustomCategories(Tvn& tvn) {
    auto reader = SequentialReader::open(tvn.fs, dataFile(tvn, QStringLiteral("Custom.tvn")));
    if (reader)
        readCaptionBlock(tvn, *reader);
    else
        LoadDefaultCategories(tvn);
}

void LoadDefaultCategories(Tvn& tvn) {
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
}

} // namespace tvn
