#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// The Modify panel's list: ListModify shows entry k of Fast less its ".lnk", and its folder is
// entry k of Fast_Dirs. The three lists keep the same positions.

// Sorts Fast with Fast_Dirs by name and refills ListModify from it, first to last; nothing
// selected.
void fillModifyList(Tvn& tvn);

// Deletes the copies of the selected ListModify entries and removes their entries from
// ListModify, Fast and Fast_Dirs together; see processSelectedEntries for failures. Afterwards
// nothing is selected, so a second press removes nothing more. With nothing selected only a
// message is shown.
void removeSelectedCopies(Tvn& tvn);

// Loads the selected ListModify entries into NotYet/NotYet_Dirs (sorted, each name with its own
// folder), selects them all and sets MoveMode, so the category buttons move them. An entry in
// the Programs tree is an original, not a copy: it is left out and reported once. False, with
// MoveMode unchanged, when nothing was loaded (after the message that asks for a selection, or
// the report); NotYet is then empty.
bool loadSelectedCopiesForMove(Tvn& tvn);

// After a move: walks the Start Menu tree into Fast again (the progress label goes on from what
// it shows) and refills ListModify from it.
void reloadModifyList(Tvn& tvn);

} // namespace tvn
