#pragma once

#include "catalogue/ListBox.h"
#include "platform/FailureCause.h"

#include <functional>
#include <QString>
#include <vector>

namespace tvn {

class Ui;
class Window;

// What became of one selected entry of a list that an action walks.
enum class EntryOutcome {
    // The entry's work is complete: it leaves the lists and the walk goes on.
    Done,
    // The entry's work is complete, so it leaves the lists, but a step after it failed.
    DoneButReport,
    // The entry's work is not complete: it stays in the lists.
    Failed,
    // The entry's file is no longer there (deleted or renamed meanwhile): it leaves the lists,
    // is reported, and the walk goes on.
    Gone,
};

// An entry whose work failed in a way the user meets in the normal run of things.
struct FailedEntry {
    QString name; // as the list shows it
    FailureKind kind;
    QString details; // what exactly failed, for the curious
    friend bool operator==(const FailedEntry&, const FailedEntry&) = default;
};

// True when `shown` has a current entry; otherwise shows the message that asks for a selection
// first and returns false.
bool checkSelection(Ui& ui, const Window& window, const ListBox& shown);

// Walks the selected entries of `shown` top to bottom: `process` does the work of entry k and
// `removeAt` takes a completed entry k out of `shown` and of every list kept in step with it.
// A failure the user can act on (the file gone, the disk full, a read-only folder) is noted and
// the walk goes on with the next entry; the window reports all of them at the end, each with its
// name and reason. A failure nobody expects ends the walk with one unexpected-error report (after
// the noted ones) and leaves the selection as it is: entries completed before stay completed,
// the selected entries after it stay selected. After a walk without such a failure the entry that
// now stands where the last completed one stood is selected, when there is one (the first entry
// when none was completed).
void processSelectedEntries(Ui& ui, Window& window, ListBox& shown,
                            const std::function<EntryOutcome(int)>& process,
                            const std::function<void(int)>& removeAt);

} // namespace tvn
