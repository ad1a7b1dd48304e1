#pragma once

#include <QString>

namespace tvn {

class FileSystem;

// Where the program keeps its data files.
//
// Run from a folder that holds the shipped data files beside the executable (the build tree's
// staged program folder, or a copy of it), the program folder is the current folder at start:
// every data file is read and written there.
//
// Installed (the executable's folder holds no Default.tvn, the installed data folder does),
// the user's files (Config.tvn, Custom.tvn) go to the user's data folder, created at start, and
// the shipped files are read from the installed data folder unless the user's data folder holds
// a file of the same name, so a user can still replace a language file.
struct ProgramFolders {
    // Where Config.tvn and Custom.tvn are written, and where every data file is looked for
    // first.
    QString appFolder;
    // The installed program's shipped data files; empty when they lie in appFolder.
    QString shippedFolder;
};

// What a start of the program is told about its surroundings.
struct StartPlaces {
    QString executableFolder;
    // The installed data folder, relative to the executable's folder ("../share/torvane").
    QString installedDataFromExecutable;
    QString currentFolder;
    // The user's data folder ($XDG_DATA_HOME/torvane); when it is empty, or the program is not
    // installed, the current folder is the program folder.
    QString userDataFolder;
};

// Decides the folders as described above, and creates the user's data folder of an installed
// program when it is missing (a failure shows later, when a settings file cannot be written).
// Paths come back in the platform's form.
ProgramFolders programFoldersAtStart(const StartPlaces& places);

// The path the data file `name` is read from: the program folder's file when there is one or
// when no shipped folder is set, the shipped folder's otherwise.
QString dataFilePath(FileSystem& fs, const ProgramFolders& folders, const QString& name);

} // namespace tvn
