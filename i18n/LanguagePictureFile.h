#pragma once

#include <QString>

class QLabel;

namespace tvn {

class FileSystem;
struct ProgramFolders;
class Ui;

// Loads the language picture of `languageIndex` (found through `folders`) into `previewPicture`,
// drawn at its own size from the top-left corner. The format is recognised from the content. When
// the file is missing or holds no picture, the unable-to-load message names the file and its
// folder in that language, and the previous picture stays.
void loadLanguagePicture(Ui& ui, FileSystem& fs, const ProgramFolders& folders, int languageIndex,
                         QLabel& previewPicture);

QString unableToLoadPictureText(const QString& path, int languageIndex);

} // namespace tvn
