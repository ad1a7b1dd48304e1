#include "app/FrmMain.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/ModifyPanel.h"
#include "platform/FailureCause.h"
#include "platform/Ui.h"
#include "store/ModifyList.h"

#include <QFrame>

// The frame's answers to the Modify panel: removing classified copies and moving them to another
// category.

namespace tvn {

void FrmMain::ShowModify() {
    modify_->open();
}

void FrmMain::modifyClicked() {
    setProgressText(QString());
    leavePanel(menu_);
    modify_->clearFilter();
    tvn::FillModifyList(tvn());
    ShowModify();
    modify_->selectFirstCopy();
}

void FrmMain::removeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Modify, [this] { tvn::RemoveSelectedCopies(tvn()); });
}

// The copies to move wait in the list of the Creation panel, which shows its move title and
// instructions, and whose done button brings the Modify panel back.
void FrmMain::moveClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    // Every copy to move is shown and selected; the help filter has no part in them.
    creation_->clearFilter();
    creation_->setFilterNote(QString());
    if (!tvn::LoadSelectedCopiesForMove(tvn()))
        return;
    modify_->hide();
    creation_->openForMove();
    enableUndoButtons();
}

void FrmMain::moveDoneClicked() {
    state_.moveMode = false;
    // The moves are the Modify panel's to take back now.
    if (journal_)
        journal_->moveScope(UndoScope::Moving, UndoScope::Modify);
    enableUndoButtons();
    creation_->closeMoveMode();
    ui_.pumpEvents();
    ReloadModifyList(tvn());
    ShowModify();
}

void FrmMain::modifyDoneClicked() {
    returnToMenu(modify_);
}

} // namespace tvn
