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
    DeleteForGood,      // "%1" cannot go to the trash: delete it for good?
    NoWineForMenu,      // Linux without Wine: the desktop menu cannot show the categories
    MenuEntriesFailed,  // Wine made no desktop menu entry for some copies
};

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString builtInText(BuiltInText text, int languageIndex);

} // namespace tvn
