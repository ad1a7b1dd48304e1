#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// Rebuilds NotYet/NotYet_Dirs: the display name and folder of every Progs entry that no copy in
// the category folders stands for (see matchCopiesToShortcuts), sorted by display name
// ignoring case; equal names keep the order of Progs. The progress label shows the percentage
// of Progs entries done, and events are pumped once per entry.
void buildNotYetList(Tvn& tvn);

} // namespace tvn
