#include "app/frame/MainWindow.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/ListPanel.h"
#include "app/panels/MenuPanel.h"
#include "platform/FailureCause.h"
#include "platform/Ui.h"
#include "store/ModifyList.h"

#include <QFrame>

// The frame's answers to the Modify panel: removing classified copies and moving them to another
// category.

namespace tvn {

void MainWindow::showModify() {
    modify_->open();
}

void MainWindow::modifyClicked() {
    setProgressText(QString());
    leavePanel(menu_);
    modify_->clearFilter();
    tvn::fillModifyList(tvn());
    showModify();
    modify_->selectFirst();
}

void MainWindow::removeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Modify, [this] { tvn::removeSelectedCopies(tvn()); });
}

// The copies to move wait in the list of the Creation panel, which shows its move title and
// instructions, and whose done button brings the Modify panel back.
void MainWindow::moveClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    // Every copy to move is shown and selected; the help filter has no part in them.
    creation_->clearFilter();
    creation_->setFilterNote(QString());
    if (!tvn::loadSelectedCopiesForMove(tvn()))
        return;
    modify_->hide();
    creation_->openForMove();
    enableUndoButtons();
}

void MainWindow::moveDoneClicked() {
    state_.moveMode = false;
    // The moves are the Modify panel's to take back now.
    if (journal_)
        journal_->moveScope(UndoScope::Moving, UndoScope::Modify);
    enableUndoButtons();
    creation_->closeMoveMode();
    ui_.pumpEvents();
    reloadModifyList(tvn());
    showModify();
}

void MainWindow::modifyDoneClicked() {
    returnToMenu(modify_);
}

} // namespace tvn
