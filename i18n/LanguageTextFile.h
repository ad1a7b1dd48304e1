#pragma once

#include <functional>
#include <QString>

class QObject;

namespace tvn {

class FileSystem;
struct ProgramFolders;
class Ui;

// A language text file is read at most this far: its 83 fields take a few kilobytes, and a
// huge or foreign file must neither exhaust memory nor hand a caption megabytes of text.
inline constexpr qsizetype kLanguageTextFileBytes = 256 * 1024;

// Applies the language text file of `languageIndex` (found through `folders`) to the captions of
// the controls of `window` (the caption table), field by field, and ends with
// `loadLanguagePicture`, whichever way it ends:
// - an index outside the three languages beeps once and takes the English file;
// - a file that ends before its last field beeps twice; the controls of the missing fields
//   keep the captions they had;
// - a file that cannot be read, or a caption that cannot be set, shows the unable-to-set-
//   language message, in English, naming the file and its folder; the captions already set
//   stay. The English file alone has a copy built into the program, which is then applied.
// False when the language's texts are not (all) in place: the caller takes the English ones.
bool loadLanguageTexts(Ui& ui, FileSystem& fs, const ProgramFolders& folders, int languageIndex,
                       QObject& window, const std::function<void()>& loadLanguagePicture);

// The message of a language text file that cannot be read: its name ("Txt (fr).tvn") and the
// folder it was looked for in.
QString unableToSetLanguageText(const QString& fileName, const QString& folder);

} // namespace tvn
