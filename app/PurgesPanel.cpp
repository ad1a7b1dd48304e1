#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/ListFilter.h"
#include "app/QtListBox.h"
#include "app/Widgets.h"
#include "platform/FailureCause.h"
#include "store/OrphanPurge.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// The Purges panel: the orphan purge of classified copies whose Programs shortcut is gone.

namespace tvn {

void FrmMain::buildPurgesPanel() {
    Purges = makePanel(QStringLiteral("Purges"));
    QVBoxLayout* layout = makePanelLayout(Purges, 6);
    Label18 = makeLabel(Purges, QStringLiteral("Label18"),
                        QStringLiteral("DEPURAZIONE DELLE ICONE INUTILI "), LabelStyle::Title);
    Label19 = makeLabel(Purges, QStringLiteral("Label19"),
                        QStringLiteral("Ecco la lista dei collegamenti classificati (creati con "
                                       "questo programma) i quali collegamenti originali non "
                                       "esistono più."));
    Label20 = makeLabel(Purges, QStringLiteral("Label20"),
                        QStringLiteral("Se lo desiderate, selezionate uno o più classificazioni "
                                       "inutili e premete il comando RIMUOVI."));
    PurgeList = makeList(Purges, QStringLiteral("PurgeList"));
    layout->addWidget(Label18);
    layout->addWidget(Label19);
    purgeListFilter = new ListFilter(*Purges, *layout, *PurgeList);
    layout->addWidget(PurgeList, 1);
    layout->addWidget(Label20);
    Command1 = makeButton(Purges, QStringLiteral("Command1"), QStringLiteral("Torna al menu..."));
    CPurge = makeButton(Purges, QStringLiteral("CPurge"), QStringLiteral("RIMUOVI"));
    CmdUndoPurges = makeButton(Purges, QStringLiteral("CmdUndoPurges"), QString());
    addButtonRow(*layout, {Command1, CmdUndoPurges}, {CPurge});
}

void FrmMain::ShowPurges() {
    Purges->show();
    roles_->setDefaultButton(CPurge);
    roles_->setCancelButton(Command1);
    CPurge->setFocus();
}

void FrmMain::CShowPurges_Click() {
    leavePanel(Menu);
    purgeListFilter->clear();
    tvn::BuildPurgeList(tvn());
    ShowPurges();
    if (purgeListBox->count() > 0) {
        purgeListBox->selectOnly(0);
        PurgeList->setFocus();
    }
}

void FrmMain::CPurge_Click() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Purges, [this] { tvn::PurgeSelectedOrphans(tvn()); });
}

void FrmMain::Command1_Click() {
    returnToMenu(Purges);
}

} // namespace tvn
