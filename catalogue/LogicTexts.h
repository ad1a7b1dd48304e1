#pragma once

#include <QString>

namespace tvn {

// Texts that the logic shows on its own, which the language files have no field for.
enum class LogicText {
    ErrorTitle,          // the title of an error message
    CautionTitle,        // the title of the reset question
    InvalidCategoryName, // a category name the rename refuses
};

// The text in the interface language (0 English, 1 French, 2 Italian; English otherwise).
QString logicText(LogicText text, int languageIndex);

} // namespace tvn
