#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// Rebuilds the whole catalogue from disk: empties ListModify, Fast and Progs (with their
// folder lists), looks the all-users Programs folder up afresh, walks the Start Menu tree, then
// the user's Programs tree and the all-users one into the same lists. When a walk of the
// user's folders has failed (now or earlier, until the settings are confirmed) it opens the
// settings panel instead of going on.
void analyseSystem(Tvn& tvn);

// Re-walks only the Start Menu tree after the classification store has changed, so Fast
// matches the disk again. A failed walk has already been reported; the caller goes on.
void refreshClassified(Tvn& tvn);

} // namespace tvn
