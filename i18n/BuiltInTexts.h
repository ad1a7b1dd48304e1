#pragma once

#include <QString>

namespace tvn {

// Texts of the controls that the language files have no field for: the files keep their fixed
// 83 fields, which other tools read too, so these texts live here in the three languages.
enum class BuiltInText {
    PrefixCaption,      // beside the Wine prefix chooser
    OtherFolder,        // the chooser's last entry: pick a prefix folder
    ChoosePrefixFolder, // the folder dialog's title
    NotAPrefix,         // the folder picked holds no user.reg
    AllUsersPrograms,   // the all-users Programs folder in use: "%1" is its path
    NoAllUsersPrograms, // there is none
    Undo,               // the Undo buttons of the Creation, Modify and Purges panels
    UndoTip,            // their tooltip, with the key
    UndoOutdated,       // the last action cannot be taken back: "%1" changed since
    DeleteForGood,     // shortcut "%1" of category "%2" cannot go to the trash: delete it for good?
    NoWineForMenu,     // Linux without Wine: the desktop menu cannot show the categories
    MenuEntriesFailed, // Wine made no desktop menu entry for some copies
    // What assistive technology says of the controls whose caption does not say it all.
    FilterName,          // a list's filter box; also its placeholder
    FilterDescription,   // what typing there does
    CountName,           // the count beside a filter box
    CategoryDescription, // a category button: "%1" is its key
    CategorySuggested,   // added to the description of the category suggested
    BackToMenu,          // the done buttons of the Creation, Modify and Purges panels
    EndProgram,          // the exit buttons
    OpenSettings,        // the menu's settings button
    ReAnalyse,           // the menu's rescan button
    ShowHelp,            // the menu's help button
    ShowInfo,            // the menu's information button
    ChooseLanguage,      // the language options and the settings' language button
    UseLanguage,         // the language panel's OK
    ConfirmSettings,     // the settings panel's OK
    MoveCopies,          // the Modify panel's move button
    EndMove,             // the done button of move mode
    ChoosePrefix,        // the Wine prefix chooser
    SkipIntroduction,    // the two "do not show again" boxes
    PrefixEntry,         // a chooser entry: "%1" the prefix's manager, "%2" its name
    DefaultPrefix,       // the name of Wine's own prefix, ~/.wine
    HelpShortcutsHidden, // beside the count of the Creation list: "%1" shortcuts the option hides
    Version,             // the about panels' version line: "%1" the version
    Freeware,            // their credit line
    ResetUndone,         // Ctrl+Z on the menu took back the reset: "%1" shortcuts back
    FoldersRead,         // the progress of a walk: "%1" folders read so far, first in the text
    NotInRegistry,       // in a folder box the registry could not fill
    MenuUpdating,        // the desktop menu follows the last change: "%1" its share done so far
    MenuUpToDate,        // the desktop menu follows the category folders
    HelpAction,          // a paragraph of the help: "%1" a menu button's caption, "%2" its action
    HelpKeys,            // the help's paragraph on the keys
    // The review of every shortcut shown with the category suggested for it.
    ClassifyAsSuggested, // the Creation panel's button that opens the review
    ReviewDescription,   // what that button does
    ReviewTitle,         // the review's title
    ReviewInstructions,  // how to tick lines and change a category
    NoSuggestionOne,     // one shortcut has no suggestion and is left out
    NoSuggestionMany,    // "%1" shortcuts have none
    ReviewLine,          // a line for assistive technology: "%1" the shortcut, "%2" its category
    ReviewLineCategory,  // the category box of a line: "%1" the shortcut
    ReviewSureLine,      // the line of a sure suggestion: "%1" the shortcut, "%2" its category
    ReviewSureMark,      // what the mark of a sure suggestion means
    ReviewClassify,      // the review's confirmation
    ReviewCancel,        // its cancel
    NoOrphans,           // the CLEAN UP list is empty: no copy has lost its original
    // The tidy without a window.
    TidyOption,            // the settings' box that starts it at login
    TidyOptionDescription, // what that box does
    TidyOptionNotSaved,    // its entry could not be written or removed: "%1" the entry's path
    TidyWhileClosed,       // what it filed while the window was closed: "%1" a line each
};

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString builtInText(BuiltInText text, int languageIndex);

} // namespace tvn
