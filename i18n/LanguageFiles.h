#pragma once

#include <QString>

namespace tvn {

// The language text file of a language index: "Txt (uk).tvn" for 0, "Txt (fr).tvn" for 1,
// "Txt (it).tvn" for 2. Any other index gives the English file and sets `known` to false.
QString languageTextFileName(int languageIndex, bool* known = nullptr);
// The language picture file: "Gfx (uk).tvn", "Gfx (fr).tvn", "Gfx (it).tvn"; English for any
// other index.
QString languagePictureFileName(int languageIndex);

} // namespace tvn
