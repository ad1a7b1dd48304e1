#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/ListFilter.h"
#include "app/panels/MenuPanel.h"
#include "app/QtListBox.h"
#include "app/Widgets.h"
#include "platform/FailureCause.h"
#include "platform/Ui.h"
#include "store/ModifyList.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// The Modify panel: the classified copies, removing them and moving them to another category.

namespace tvn {

void FrmMain::buildModifyPanel() {
    modifyPanel = makePanel(QStringLiteral("modifyPanel"));
    QVBoxLayout* layout = makePanelLayout(modifyPanel, 6);
    modifyTitle =
        makeLabel(modifyPanel, QStringLiteral("modifyTitle"),
                  QStringLiteral("CANCELLAZIONE DELLE CLASSIFICAZIONI"), LabelStyle::Title);
    removeInstructions =
        makeLabel(modifyPanel, QStringLiteral("removeInstructions"),
                  QStringLiteral("Ecco la lista di tutti i collegamenti classificati "
                                 "attraverso il comando AGGIUNGI del menu principale. "
                                 "Selezionate un collegamento e premete RIMUOVI."));
    originalsStayNote =
        makeLabel(modifyPanel, QStringLiteral("originalsStayNote"),
                  QStringLiteral("La rimozione di uno di questi collegamenti non implica la "
                                 "rimozione del collegamento originale (che si trova nel "
                                 "menu PROGRAMMI) o del file originale."));
    copiesList = makeList(modifyPanel, QStringLiteral("copiesList"));
    layout->addWidget(modifyTitle);
    layout->addWidget(removeInstructions);
    copiesFilter = new ListFilter(*modifyPanel, *layout, *copiesList);
    layout->addWidget(copiesList, 1);
    layout->addWidget(originalsStayNote);
    modifyDoneButton =
        makeButton(modifyPanel, QStringLiteral("modifyDoneButton"), QStringLiteral("Finito"));
    moveButton = makeButton(modifyPanel, QStringLiteral("moveButton"), QStringLiteral("SPOSTA"));
    removeButton =
        makeButton(modifyPanel, QStringLiteral("removeButton"), QStringLiteral("RIMUOVI"));
    modifyUndoButton = makeButton(modifyPanel, QStringLiteral("modifyUndoButton"), QString());
    addButtonRow(*layout, {modifyDoneButton, modifyUndoButton}, {moveButton, removeButton});
}

void FrmMain::ShowModify() {
    modifyPanel->show();
    roles_->setDefaultButton(removeButton);
    roles_->setCancelButton(modifyDoneButton);
    removeButton->setFocus();
}

void FrmMain::modifyClicked() {
    setProgressText(QString());
    leavePanel(menu_);
    copiesFilter->clear();
    tvn::FillModifyList(tvn());
    ShowModify();
    if (copiesBox->count() > 0) {
        copiesBox->selectOnly(0);
        copiesList->setFocus();
    }
}

void FrmMain::removeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Modify, [this] { tvn::RemoveSelectedCopies(tvn()); });
}

// The copies to move wait in unclassifiedList on the Creation panel, which shows its move title and
// instructions, and whose done button brings the Modify panel back.
void FrmMain::moveClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    // Every copy to move is shown and selected; the help filter has no part in them.
    unclassifiedFilter->clear();
    unclassifiedFilter->setNote(QString());
    if (!tvn::LoadSelectedCopiesForMove(tvn()))
        return;
    classifyInstructions->hide();
    // The note on help shortcuts is about classifying, not about moving copies.
    helpShortcutsNote->hide();
    modifyPanel->hide();
    creationPanel->show();
    unclassifiedList->setFocus();
    creationDoneButton->hide();
    moveDoneButton->show();
    roles_->setCancelButton(moveDoneButton);
    creationTitle->hide();
    moveTitle->show();
    enableUndoButtons();
}

void FrmMain::moveDoneClicked() {
    state_.moveMode = false;
    // The moves are the Modify panel's to take back now.
    if (journal_)
        journal_->moveScope(UndoScope::Moving, UndoScope::Modify);
    enableUndoButtons();
    creationPanel->hide();
    moveDoneButton->hide();
    creationDoneButton->show();
    moveTitle->hide();
    creationTitle->show();
    classifyInstructions->show();
    helpShortcutsNote->show();
    ui_.pumpEvents();
    ReloadModifyList(tvn());
    ShowModify();
}

void FrmMain::modifyDoneClicked() {
    returnToMenu(modifyPanel);
}

} // namespace tvn
