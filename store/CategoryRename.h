#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// The rename of category PopupCategoryIndex from its pop-up menu, up to the saving of the new
// names: asks for the new name (the old one as default), refuses a name that is not a valid
// category name, that of a Programs folder or another category's, then asks whether the
// classified copies should follow. Yes carries the shortcut files of the old folder over into
// the folder of the new name (each copy's source is deleted only once the copy succeeded; the old
// folder is removed when it is left empty, else the beep sounds), after asking once more when a
// folder of the new name already holds files of its own; No only renames the button. True when
// the caption changed: the caller then refreshes the classified catalogue and the list of
// unclassified shortcuts.
//
// A rename that moves folders is written down first (Rename.tvn in the program folder) and that
// note is removed once Custom.tvn holds the new name, so a rename cut short by a kill is finished
// at the next start (finishInterruptedRename). A program folder that cannot be written refuses
// the rename before anything is moved.
bool renameCategory(Tvn& tvn);

// Finishes a rename the last run left half done: the copies still in the old folder follow,
// the button takes the new name and Custom.tvn is saved. Nothing when no rename was cut short.
void finishInterruptedRename(Tvn& tvn);

} // namespace tvn
