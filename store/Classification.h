#pragma once

#include "catalogue/Tvn.h"

#include <vector>

namespace tvn {

// Classifies the selected NotYet entries into category `index` (0 to 10): copies the shortcut
// of each into the category's folder under the same name with ".lnk" (a namesake holding other
// bytes is kept: the copy takes a telling-apart name, see placeCopy), or, in move mode, moves it
// there and removes the folder it leaves when nothing is left in it. Processed entries leave NotYet
// and NotYet_Dirs; afterwards the entry that followed the last one processed is selected. With no
// current entry only a message is shown. The first failing step after the category folder is
// created ends the action with the unexpected-error report: entries done before stay done, the
// failing one stays in the lists, still selected, unless its shortcut had already moved (only the
// tidying of the folder it left failed): it then leaves them.
void classifySelected(Tvn& tvn, int index);

// A NotYet entry and the category (0 to 10) it goes into.
struct EntryCategory {
    int entry;
    int category;
};

// Classifies each entry of `choices` into its own category, as classifySelected does with the
// selection: one walk, so failures are reported once at its end. Entries the filter hides are
// left alone. Afterwards the first entry shown is selected.
void classifyEntries(Tvn& tvn, const std::vector<EntryCategory>& choices);

} // namespace tvn
