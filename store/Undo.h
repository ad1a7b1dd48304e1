#pragma once

#include "catalogue/Tvn.h"
#include "store/UndoJournal.h"

#include <functional>

namespace tvn {

// Runs one action of a panel with its changes on disk and to the category names recorded in
// the journal, so that the panel can take it back.
void recordUndoable(Tvn& tvn, UndoJournal& journal, UndoScope scope,
                    const std::function<void()>& action);

struct UndoOutcome {
    enum class Result {
        Nothing,  // no action of that scope to take back
        Undone,   // the store is as it was before the action
        Outdated, // something the action left changed since: nothing was touched, the entry is
                  // dropped
        Failed,   // a step failed: the steps taken back are done, the rest stay for a new try
    };
    // Why an outdated action cannot be taken back.
    enum class Reason {
        Changed,       // something the action left was changed, or something took its place
        GoneFromTrash, // a file the action put in the trash is no longer there
    };
    Result result;
    // Outdated: the file, folder or category name that changed, or the file gone from the trash.
    QString what = {};
    Reason reason = Reason::Changed;
    // The files the action had deleted, put back from the trash, as the disk spells them.
    QStringList restored = {};
};

// Takes back the last action of `scope`: first checks that every change it made is still as
// it left it (each copy byte for byte, each trashed file still in the trash, each removed folder
// still absent, the category names), then takes the changes back, last to first, and puts the
// category names back. The lists are left to the caller, which rebuilds them as its panel does.
UndoOutcome undoLastAction(Tvn& tvn, UndoJournal& journal, UndoScope scope);

} // namespace tvn
