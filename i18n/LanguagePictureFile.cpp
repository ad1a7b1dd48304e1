#include "i18n/LanguagePictureFile.h"

#include "i18n/LanguageFiles.h"
#include "i18n/NoticeTexts.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFolders.h"
#include "platform/Ui.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace tvn {
namespace {

// A picture for a 169 x 329 box needs a few hundred kilobytes; anything decoding to more than
// this is refused rather than held in memory.
constexpr int kPictureAllocationLimitMegabytes = 64;

QImage readPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kPictureAllocationLimitMegabytes);
    // A null image is the one sure sign of failure; the reader's error text is not.
    return reader.read();
}

} // namespace

QString unableToLoadPictureText(const QString& path, int languageIndex) {
    const QFileInfo file(path);
    return noticeText(NoticeText::PictureUnreadable, languageIndex)
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

void loadLanguagePicture(Ui& ui, FileSystem& fs, const ProgramFolders& folders, int languageIndex,
                         QLabel& previewPicture) {
    const QString path = dataFilePath(fs, folders, languagePictureFileName(languageIndex));
    if (const auto bytes = fs.readFile(path)) {
        const QImage picture = readPicture(*bytes);
        if (!picture.isNull()) {
            previewPicture.setPixmap(QPixmap::fromImage(picture));
            return;
        }
    }
    ui.message(unableToLoadPictureText(path, languageIndex));
}

} // namespace tvn
