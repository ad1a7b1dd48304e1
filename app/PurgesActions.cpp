#include "app/FrmMain.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/PurgesPanel.h"
#include "platform/FailureCause.h"
#include "store/OrphanPurge.h"

// The frame's answers to the Purges panel: the orphan purge of classified copies whose Programs
// shortcut is gone.

namespace tvn {

void FrmMain::ShowPurges() {
    purges_->open();
}

void FrmMain::cleanUpClicked() {
    leavePanel(menu_);
    purges_->clearFilter();
    tvn::BuildPurgeList(tvn());
    ShowPurges();
    purges_->selectFirstOrphan();
}

void FrmMain::purgeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Purges, [this] { tvn::PurgeSelectedOrphans(tvn()); });
}

void FrmMain::purgesBackClicked() {
    returnToMenu(purges_);
}

} // namespace tvn
