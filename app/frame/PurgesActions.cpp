#include "app/frame/MainWindow.h"
#include "app/panels/ListPanel.h"
#include "app/panels/MenuPanel.h"
#include "platform/FailureCause.h"
#include "store/OrphanPurge.h"

// The frame's answers to the Purges panel: the orphan purge of classified copies whose Programs
// shortcut is gone.

namespace tvn {

void MainWindow::showPurges() {
    purges_->open();
}

void MainWindow::cleanUpClicked() {
    leavePanel(menu_);
    purges_->clearFilter();
    tvn::buildPurgeList(tvn());
    showPurges();
    purges_->selectFirst();
}

void MainWindow::purgeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Purges, [this] { tvn::purgeSelectedOrphans(tvn()); });
}

void MainWindow::purgesBackClicked() {
    returnToMenu(purges_);
}

} // namespace tvn
