#pragma once

#include <QString>

namespace tvn {

// Texts that the logic shows on its own, which the language files have no field for.
enum class LogicText {
    ErrorTitle,               // the title of an error message
    CautionTitle,             // the title of the reset question
    InvalidCategoryName,      // a category name the rename refuses
    CategoryNameTooLong,      // "%1": the longest name allowed
    CategoryNameIsPrograms,   // "%1": the name, that of a Programs folder
    CategoryNameTaken,        // "%1": the name, another category's
    RenameIntoExistingFolder, // "%1": the folder's name
    OrphansUnknown,           // "%1": the Programs folders that could not be read
    ProgramFolderReadOnly,    // "%1": the program folder
    CategoryNamesDamaged,     // "%1": the category names file
};

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString logicText(LogicText text, int languageIndex);

} // namespace tvn
