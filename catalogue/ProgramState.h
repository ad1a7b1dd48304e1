#pragma once

#include <QString>

namespace tvn {

inline constexpr int kCategoryCount = 11;
inline constexpr int kMessageCount = 12;

// The shared program state: what the procedures of several panels read and write.
struct ProgramState {
    // The current folder when the main window loads; every data file lies in it.
    QString appFolder;
    // The settings panel has been completed; False means a first run.
    bool configured = false;
    QString windowsDrive = QStringLiteral("c:");
    // 0 English, 1 French, 2 Italian.
    int languageIndex = 0;
    // The working folders, set only when the settings are applied.
    QString startMenuPath;
    QString programsPath;
    // The all-users Programs folder found beside the Start Menu folder at the last analysis;
    // empty when there is none. It is never saved.
    QString allUsersProgramsPath;
    // Set by a failing folder walk, cleared when the settings panel is confirmed.
    bool scanFailed = false;
    // True while classified copies are being moved to another category.
    bool moveMode = false;
    // The category button last pressed with the mouse: the one the pop-up menu renames.
    int popupCategoryIndex = 0;
};

} // namespace tvn
