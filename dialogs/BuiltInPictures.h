#pragma once

#include <QString>

namespace tvn {

// The pictures compiled into the program (library torvane_pictures), drawn at build time.
enum class BuiltInPicture {
    FlagUnitedKingdom, // 32 x 20, beside "English" on the language panel
    FlagFrance,        // 32 x 20, beside "Français"
    FlagItaly,         // 32 x 20, beside "Italiano"
    About,             // 240 x 160, the top of the about window
    Info,              // 224 x 224, the left of the information window
};

// The resource path to load the picture from (":/pictures/..."): for the about and information
// pictures, the one of the language (0 English, 1 French, 2 Italian; English otherwise).
QString builtInPicturePath(BuiltInPicture picture, int languageIndex = 0);

} // namespace tvn
