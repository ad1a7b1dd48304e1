#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/ListFilter.h"
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
    Modify = makePanel(QStringLiteral("Modify"));
    QVBoxLayout* layout = makePanelLayout(Modify, 6);
    Label21 = makeLabel(Modify, QStringLiteral("Label21"),
                        QStringLiteral("CANCELLAZIONE DELLE CLASSIFICAZIONI"), LabelStyle::Title);
    Label22 = makeLabel(Modify, QStringLiteral("Label22"),
                        QStringLiteral("Ecco la lista di tutti i collegamenti classificati "
                                       "attraverso il comando AGGIUNGI del menu principale. "
                                       "Selezionate un collegamento e premete RIMUOVI."));
    Label23 = makeLabel(Modify, QStringLiteral("Label23"),
                        QStringLiteral("La rimozione di uno di questi collegamenti non implica la "
                                       "rimozione del collegamento originale (che si trova nel "
                                       "menu PROGRAMMI) o del file originale."));
    ListModify = makeList(Modify, QStringLiteral("ListModify"));
    layout->addWidget(Label21);
    layout->addWidget(Label22);
    listModifyFilter = new ListFilter(*Modify, *layout, *ListModify);
    layout->addWidget(ListModify, 1);
    layout->addWidget(Label23);
    Command2 = makeButton(Modify, QStringLiteral("Command2"), QStringLiteral("Finito"));
    CMove = makeButton(Modify, QStringLiteral("CMove"), QStringLiteral("SPOSTA"));
    CRemove = makeButton(Modify, QStringLiteral("CRemove"), QStringLiteral("RIMUOVI"));
    CmdUndoModify = makeButton(Modify, QStringLiteral("CmdUndoModify"), QString());
    addButtonRow(*layout, {Command2, CmdUndoModify}, {CMove, CRemove});
}

void FrmMain::ShowModify() {
    Modify->show();
    roles_->setDefaultButton(CRemove);
    roles_->setCancelButton(Command2);
    CRemove->setFocus();
}

void FrmMain::Command6_Click() {
    setProgressText(QString());
    leavePanel(Menu);
    listModifyFilter->clear();
    tvn::FillModifyList(tvn());
    ShowModify();
    if (listModifyBox->count() > 0) {
        listModifyBox->selectOnly(0);
        ListModify->setFocus();
    }
}

void FrmMain::CRemove_Click() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Modify, [this] { tvn::RemoveSelectedCopies(tvn()); });
}

// The copies to move wait in NotYet on the Creation panel, which shows its move title and
// instructions, and whose done button brings the Modify panel back.
void FrmMain::CMove_Click() {
    // The error report names the failure of this action only.
    clearLastFailure();
    // Every copy to move is shown and selected; the help filter has no part in them.
    notYetFilter->clear();
    notYetFilter->setNote(QString());
    if (!tvn::LoadSelectedCopiesForMove(tvn()))
        return;
    Label100->hide();
    // The note on help shortcuts is about classifying, not about moving copies.
    Label16->hide();
    Modify->hide();
    Creation->show();
    NotYet->setFocus();
    Command10->hide();
    Command8->show();
    roles_->setCancelButton(Command8);
    Label15->hide();
    Label38->show();
    enableUndoButtons();
}

void FrmMain::Command8_Click() {
    state_.moveMode = false;
    // The moves are the Modify panel's to take back now.
    if (journal_)
        journal_->moveScope(UndoScope::Moving, UndoScope::Modify);
    enableUndoButtons();
    Creation->hide();
    Command8->hide();
    Command10->show();
    Label38->hide();
    Label15->show();
    Label100->show();
    Label16->show();
    ui_.pumpEvents();
    ReloadModifyList(tvn());
    ShowModify();
}

void FrmMain::Command2_Click() {
    returnToMenu(Modify);
}

} // namespace tvn
