#pragma once

#include <QString>

namespace tvn {

class FileSystem;
class ProgramFolderLock;
class Ui;

// Takes the program folder for this start. When another running program holds it, says so in the
// interface language of that folder's settings and returns false: the caller ends, changing
// nothing.
bool takeProgramFolder(Ui& ui, FileSystem& fs, ProgramFolderLock& lock,
                       const QString& programFolder);

} // namespace tvn
