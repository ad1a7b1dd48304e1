#pragma once

#include "catalogue/CatalogueList.h"

#include <QString>
#include <vector>

namespace tvn {

class FileSystem;

// The name a shortcut is known by, whatever name tells its copy apart from a namesake's:
// "Play (Vendor).lnk" and "Play (2).lnk" stand for "Play.lnk". Case-folded; shortcuts whose
// own names end in brackets ("Tool (x86)") share it with their namesakes ("Tool").
QString sharedNameKey(const QString& fileName);

// Which Programs shortcuts the copies in the category folders stand for, and the reverse.
// Names decide alone where they cannot be confused: one Programs shortcut of that name, and its
// copies under that very name. Where two shortcuts share a name, or a copy bears a telling-apart
// name, a copy stands for a shortcut only when their bytes are equal (a copy made by the program
// is byte for byte its shortcut); a copy no content matches still stands for the one shortcut of
// its exact name, when only one is left without a copy.
struct ShortcutMatches {
    std::vector<bool> sourceClassified; // by position in Progs
    std::vector<bool> copyHasSource;    // by position in Fast
};
ShortcutMatches matchCopiesToShortcuts(FileSystem& fs, CatalogueList progs, CatalogueList copies);

} // namespace tvn
