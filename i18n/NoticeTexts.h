#pragma once

#include <QString>

namespace tvn {

// What the program tells the user when something it cannot help happens (a file gone, a full
// disk, a second start), in the three interface languages; like BuiltInTexts, beyond the
// language files' fixed fields.
enum class NoticeText {
    FailedEntries,      // heading of the list of entries an action could not handle
    FailedEntry,        // the same when it is one entry
    OthersHandled,      // after either: the rest of the selection was handled
    ListsShowTheDisk,   // ends the heading
    Labelled,           // "%1: %2", a label and what it labels
    PictureUnreadable,  // the language picture "%1" cannot be read in the folder "%2"
    ReasonGone,         // "%1" is the entry's name
    ReasonNoSpace,      //
    ReasonNotPermitted, //
    ReasonOther,        //
    ReasonNoFreeName,   //
    MoreFailed,         // "%1" more entries
    UndoGoneFromTrash,  // the last action cannot be taken back: "%1" left the trash
    AlreadyRunning,     // a second start on the same program folder
    UnreadableFolders,  // "%1" folders could not be read and were left out: "%2", the first
    // The settings panel's refusals: the title, the box ("%1"), what is wrong ("%2") and the
    // folder as it was understood ("%3").
    SettingsTitle,
    SettingsProblem,
    StartMenuBox,
    ProgramsBox,
    FolderEmpty,
    FolderQuote,
    FolderTooLong,
    FolderMissing,
    FolderIsAFile,
    FolderUnreadable,
    FolderIsADisk,
    FolderIsSystem,
    FolderIsShared,
    FolderIsHome,
    FolderIsWindows,
    ProgramsOutsideStartMenu,
    Cancel, // the settings panel's Cancel, once there are settings to go back to
};

// The name of a file system operation as the details of a failure begin with it ("copy"), in
// the interface language; an operation it does not know stays as it is.
QString operationName(const QString& operation, int languageIndex);

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString noticeText(NoticeText text, int languageIndex);

} // namespace tvn
