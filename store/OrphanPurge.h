#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// An orphan is a classified copy whose source is gone: an entry of Fast that stands for no Progs
// entry (see matchCopiesToShortcuts). Folders never count: a source moved to another folder of
// the Programs tree keeps its copies alive.

// Rebuilds PurgeList/Purge_Dirs from Fast/Fast_Dirs and Progs: the display name and folder of
// every orphan, sorted by name ignoring case, equal names in the order of Fast. The progress
// label shows the percentage of Fast entries done (empty for a single entry) and keeps the
// last one; events are pumped once per entry.
void buildPurgeList(Tvn& tvn);

// Deletes the copies of the selected PurgeList entries (each its folder, the name and ".lnk")
// and removes their entries from PurgeList and Purge_Dirs; see processSelectedEntries for the
// selection after it and for failures. With no current entry only a message is shown. Fast is
// left as it is until the next walk.
void purgeSelectedOrphans(Tvn& tvn);

} // namespace tvn
