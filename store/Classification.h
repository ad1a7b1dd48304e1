#pragma once

#include "Tvn.h"

namespace tvn {

// Category button `index` pressed: copies the shortcut of every selected NotYet entry into the
// category's folder under the same name with ".lnk" (replacing a file of that name), or, in
// move mode, moves it there and removes the folder it leaves when nothing is left in it.
// Processed entries leave NotYet and NotYet_Dirs; afterwards the entry that followed the last
// one processed is selected. With no current entry only a message is shown. The first failing
// step after the category folder is created ends the action with the unexpected-error report:
// entries done before stay done, the failing one stays in the lists, still selected, unless its
// shortcut had already moved (only the tidying of the folder it left failed): it then leaves them.
void Categories_Click(Tvn& tvn, int index);

} // namespace tvn
