#pragma once

#include <QString>
#include <QStringList>

namespace tvn {

// What a program file's version resource says of it, for the category suggestion: its
// description, product and maker ("Image viewer", "IrfanView", "Irfan Skiljan"), each trimmed,
// empty where the resource says nothing.
struct ProgramVersionTexts {
    QString description;
    QString product;
    QString company;

    // The texts that say something, each once, joined by blanks.
    QString joined() const {
        QStringList texts;
        for (const QString& text : {description, product, company})
            if (!text.isEmpty() && !texts.contains(text))
                texts += text;
        return texts.join(u' ');
    }
    friend bool operator==(const ProgramVersionTexts&, const ProgramVersionTexts&) = default;
};

#ifdef _WIN32
// The texts of the file at `path`, nothing for a file without them or that cannot be read.
// `path` is a Windows path and may hold environment variables ("%ProgramFiles%\Vendor\app.exe"),
// as shortcut targets do.
ProgramVersionTexts programVersionTexts(const QString& path);
#else
// Elsewhere the programs of a Start Menu are Windows files of a Wine prefix, whose resources the
// system does not read: the same texts read by the program's own reader (PeResources.h).
// `path` is the file's Unix path.
ProgramVersionTexts programVersionTexts(const QString& path);
#endif

} // namespace tvn
