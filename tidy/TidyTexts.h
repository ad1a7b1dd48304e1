#pragma once

#include <QString>

namespace tvn {

// What the tidy command and the watcher tell the user, in the interface language.
enum class TidyText {
    Usage,                  // the whole --help text
    FiledLine,              // "%1" the shortcut, "%2" its category
    WouldFileLine,          // the same, in a dry run
    NotFiledLine,           // "%1" the shortcut, "%2" why
    Summary,                // "%1" filed, "%2" waiting, "%3" failed
    DrySummary,             // "%1" would be filed, "%2" waiting
    NoSettings,             // "%1" the program folder
    StartMenuRefused,       // "%1" the folder, "%2" why
    ProgramsRefused,        // "%1" the folder, "%2" why
    NoStartMenuInPrefix,    // "%1" the prefix
    InUse,                  // "%1" the program folder
    Unreadable,             // "%1" the folder
    UnknownOption,          // "%1" the option
    MissingFolder,          // "%1" the option
    WatchingStarted,        // "%1" the Start Menu folder
    NotificationTitle,      // "%1" how many filed, more than one
    NotificationTitleOne,   // one filed
    NotificationWaiting,    // "%1" how many wait in CLASSIFY, more than one
    NotificationWaitingOne, // one waits
    UndoAction,             // the notification's button
    Undone,                 // "%1" how many copies taken back
    UndoImpossible,         // "%1" what changed since
};

// Why a folder given to the tidy cannot be used (see FolderProblem, by its value).
QString tidyFolderProblemText(int problem, int languageIndex);

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString tidyText(TidyText text, int languageIndex);

} // namespace tvn
