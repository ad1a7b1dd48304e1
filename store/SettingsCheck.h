#pragma once

#include <optional>
#include <QString>

namespace tvn {

class FileSystem;

// The folder a settings box names, as the program will use it: "~" and "~/..." stand for the
// home folder, and a relative path is taken from `currentFolder`, so the settings work wherever
// the program starts; ".." and "." are resolved. Empty text stays empty.
QString resolvedFolder(const QString& typed, const QString& homeFolder,
                       const QString& currentFolder);

// What is wrong with the folder of one box, in the order it is checked.
enum class FolderProblem {
    Empty,
    Quote,            // a double quote cannot be kept in Config.tvn
    TooLong,          // longer than the system allows a path
    Missing,          // nothing there
    NotAFolder,       // a file
    Unreadable,       // cannot be listed
    FileSystemRoot,   // "/", a drive, a mounted disk: every walk would cross the whole disk
    SystemFolder,     // the system's own folders
    SharedFolder,     // a folder that holds the users' folders, the disks or programs
    HomeFolder,       // the home folder itself
    WindowsFolder,    // the Windows folder of a Wine prefix or of Windows, or inside it
    OutsideStartMenu, // a Programs folder that does not lie inside the Start Menu folder
};

struct SettingsProblem {
    enum class Box { StartMenu, Programs };
    Box box;
    FolderProblem problem;
    friend bool operator==(const SettingsProblem&, const SettingsProblem&) = default;
};

// The first problem of the two folders (already resolved), the Start Menu folder's first; nothing
// when both can be used. Category folders are made in the Start Menu folder, so it must be a
// folder of the user's own, never a disk's top or a system folder: each folder is judged by where
// it really lies on disk, whatever link leads there. The Programs folder lies inside the Start
// Menu folder.
std::optional<SettingsProblem> settingsProblem(FileSystem& fs, const QString& startMenu,
                                               const QString& programs, const QString& homeFolder);

} // namespace tvn
