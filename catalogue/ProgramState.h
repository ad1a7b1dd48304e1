#pragma once

#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>

namespace tvn {

inline constexpr int kCategoryCount = 11;
inline constexpr int kMessageCount = 12;

// The shared program state: what the procedures of several panels read and write.
struct ProgramState {
    // The program folder: the current folder when the main window loads, or the user's data
    // folder of an installed program. Every data file is written and first looked for there.
    QString appFolder;
    // The installed program's shipped data files; empty when they lie in appFolder.
    QString shippedFolder;
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
    // Set by a walk whose Start Menu or Programs folder itself cannot be listed, cleared when the
    // settings panel is confirmed.
    bool scanFailed = false;
    // The folders inside the trees that the walks since the last report could not read.
    QStringList unreadableFolders;
    // The folders of the Programs trees the last analysis could not read: a copy's original
    // may lie in one, so until the next analysis no copy counts as having lost its original.
    QStringList unreadableProgramsFolders;
    // True while classified copies are being moved to another category.
    bool moveMode = false;
    // The category button last pressed with the mouse: the one the pop-up menu renames.
    int popupCategoryIndex = 0;

    ProgramFolders dataFolders() const { return {appFolder, shippedFolder}; }
};

} // namespace tvn
