#pragma once

#include "catalogue/ListBox.h"

#include <functional>

namespace tvn {

class Ui;
class Window;

// What became of one selected entry of a list that an action walks.
enum class EntryOutcome {
    // The entry's work is complete: it leaves the lists and the walk goes on.
    Done,
    // The entry's work is complete, so it leaves the lists, but a step after it failed: the
    // action reports it and stops.
    DoneButReport,
    // The entry's work is not complete: it stays in the lists, still selected, and the action
    // reports it and stops.
    Failed,
};

// True when `shown` has a current entry; otherwise shows the message that asks for a selection
// first and returns false.
bool CheckSelection(Ui& ui, const Window& window, const ListBox& shown);

// Walks the selected entries of `shown` top to bottom: `process` does the work of entry k and
// `removeAt` takes a completed entry k out of `shown` and of every list kept in step with it.
// Every outcome either takes the entry out or ends the walk, so the walk always moves on. After
// a walk without failure the entry that now stands where the last completed one stood is
// selected, when there is one (the first entry when none was completed). The first failure
// ends the walk with one unexpected-error report and leaves the selection as it is: entries
// completed before stay completed, the selected entries after it stay selected.
void ProcessSelectedEntries(Ui& ui, ListBox& shown, const std::function<EntryOutcome(int)>& process,
                            const std::function<void(int)>& removeAt);

} // namespace tvn
