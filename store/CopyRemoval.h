#pragma once

#include "catalogue/SelectedEntries.h"
#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// Deletes the copy `fileName` in `folder`, renames the folder away and back so the shell
// notices, and removes the folder when nothing is left in it (one that keeps other files stays).
// Done once the copy is no longer on disk (deleted now, or already gone); done but to be
// reported when a step on its folder failed; failed when the copy is still there. An original
// of the Programs tree is never deleted: the program's file system refuses it, and the refusal
// is a failure. A copy that was deleted outside the program is not a failure; the rest of the
// steps then run as usual when its folder still exists.
EntryOutcome removeCopy(Tvn& tvn, const QString& folder, const QString& fileName);

} // namespace tvn
