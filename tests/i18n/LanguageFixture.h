#pragma once

#include "i18n/LanguagePictureFile.h"
#include "i18n/LanguageTextFile.h"
#include "MainWindowFixture.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"

#include <map>
#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace tvn::test {

// The languages as the program numbers them, with the letters of their files.
inline const char* const kLanguageCodes[] = {"uk", "fr", "it"};

inline QString textFileName(const char* code) {
    return QStringLiteral("Txt (%1).tvn").arg(QLatin1String(code));
}

inline QString pictureFileName(const char* code) {
    return QStringLiteral("Gfx (%1).tvn").arg(QLatin1String(code));
}

// The messages of a language file that cannot be read: the file and its folder named, the
// text file's in English, the picture's in the interface language.
inline QString unableToSetLanguage(const QString& fileName, const QString& folder) {
    return unableToSetLanguageText(fileName, folder);
}

inline QString unableToLoad(const QString& path, int languageIndex) {
    return unableToLoadPictureText(path, languageIndex);
}

inline QByteArray shippedFile(const QString& name) {
    QFile file(QStringLiteral(TORVANE_APP_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The fields of a shipped language text file, as the program's reader sees them.
inline QStringList shippedFields(const char* code) {
    SequentialReader reader(decodeDataFile(shippedFile(textFileName(code))));
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.next().text;
    return fields;
}

// A language text file as the shipped ones are written: one quoted field a line, CR LF.
inline QByteArray quotedLines(const QStringList& fields) {
    QString text;
    for (const QString& field : fields)
        text += u'"' + field + QStringLiteral("\"\r\n");
    return encodeDataFile(text);
}

inline QImage comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

inline QImage shippedPicture(const char* code) {
    QByteArray bytes = shippedFile(pictureFileName(code));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return comparable(reader.read());
}

// The real main window over a temporary program folder that holds only the language files
// each test puts there, copies of the shipped ones or its own.
class LanguageTest : public MainWindowTest {
protected:
    LanguageTest() {
        for (const char* code : kLanguageCodes) {
            QFile::remove(tree.path(textFileName(code)));
            QFile::remove(tree.path(pictureFileName(code)));
        }
    }

    void stage(const QString& name) { tree.write(name, shippedFile(name)); }
    void stageLanguage(const char* code) {
        stage(textFileName(code));
        stage(pictureFileName(code));
    }
    void stageAllLanguages() {
        for (const char* code : kLanguageCodes)
            stageLanguage(code);
    }

    void apply(int languageIndex) {
        frm.state().appFolder = tree.path();
        frm.state().languageIndex = languageIndex;
        frm.loadLanguageTexts();
    }

    // Every caption of the window by the name of its control, the hidden ones included.
    std::map<QString, QString> captions() const {
        std::map<QString, QString> result;
        for (const QLabel* label : frm.findChildren<QLabel*>())
            if (!label->objectName().isEmpty())
                result[label->objectName()] = label->text();
        for (const QAbstractButton* button : frm.findChildren<QAbstractButton*>())
            if (!button->objectName().isEmpty())
                result[button->objectName()] = button->text();
        for (const QAction* action : frm.findChildren<QAction*>())
            if (!action->objectName().isEmpty())
                result[action->objectName()] = action->text();
        return result;
    }

    QImage shownPicture() const {
        return comparable(control<QLabel>(frm, "languagePicture")->pixmap().toImage());
    }
};

} // namespace tvn::test
