#pragma once

#include "ListBox.h"
#include "Tvn.h"

#include <functional>
#include <QString>

namespace tvn {

// What became of one classified copy that was to be removed.
struct CopyRemoval {
    // The copy is no longer on disk (deleted now, or already gone): its entry leaves the lists.
    bool gone = false;
    // A step failed, or the copy was refused: the action reports it and stops.
    bool failed = false;
};

// Deletes the copy `fileName` in `folder`, renames the folder away and back so the shell
// notices, and removes the folder when nothing is left in it (one that keeps other files stays).
// An original of the Programs tree is never deleted: the program's file system refuses it, and
// the refusal is a failure. A copy that was deleted outside the program is not a failure; the
// rest of the steps then run as usual when its folder still exists.
CopyRemoval RemoveCopy(Tvn& tvn, const QString& folder, const QString& fileName);

// One visible list of classified copies and how to reach each entry's file and lists.
struct CopySelection {
    ListBox& shown;
    std::function<QString(int)> folder;
    std::function<QString(int)> fileName;
    // Removes entry k from the visible list and from every list kept in step with it.
    std::function<void(int)> removeAt;
};

// Removes the copies of the selected entries, top to bottom, and then selects the entry that
// followed the last one removed. With no current entry only a message is shown. The first
// failing step ends the action with one unexpected-error report: entries done before stay
// done, an entry whose copy is still on disk stays in the lists with its selection, and so do
// the selected entries after it.
void RemoveSelectedCopies(Tvn& tvn, const CopySelection& selection);

} // namespace tvn
