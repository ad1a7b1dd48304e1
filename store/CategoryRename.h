#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// The rename of category PopupCategoryIndex from its pop-up menu, up to the saving of the new
// names: asks for the new name (the old one as default), refuses a name that is not a valid
// category name, then asks whether the classified copies should follow. Yes carries the
// shortcut files of the old folder over into the folder of the new name (each copy's source is
// deleted only once the copy succeeded; the old folder is removed when it is left empty, else
// the beep sounds), No only renames the button. True when the caption changed: the caller then
// refreshes the classified catalogue and the list of unclassified shortcuts.
bool RenameCategory(Tvn& tvn);

} // namespace tvn
