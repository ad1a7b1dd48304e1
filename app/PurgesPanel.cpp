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
    purgesPanel = makePanel(QStringLiteral("purgesPanel"));
    QVBoxLayout* layout = makePanelLayout(purgesPanel, 6);
    purgesTitle = makeLabel(purgesPanel, QStringLiteral("purgesTitle"),
                            QStringLiteral("DEPURAZIONE DELLE ICONE INUTILI "), LabelStyle::Title);
    orphansDescription =
        makeLabel(purgesPanel, QStringLiteral("orphansDescription"),
                  QStringLiteral("Ecco la lista dei collegamenti classificati (creati con "
                                 "questo programma) i quali collegamenti originali non "
                                 "esistono più."));
    purgeInstructions =
        makeLabel(purgesPanel, QStringLiteral("purgeInstructions"),
                  QStringLiteral("Se lo desiderate, selezionate uno o più classificazioni "
                                 "inutili e premete il comando RIMUOVI."));
    orphansList = makeList(purgesPanel, QStringLiteral("orphansList"));
    layout->addWidget(purgesTitle);
    layout->addWidget(orphansDescription);
    orphansFilter = new ListFilter(*purgesPanel, *layout, *orphansList);
    layout->addWidget(orphansList, 1);
    layout->addWidget(purgeInstructions);
    purgesBackButton = makeButton(purgesPanel, QStringLiteral("purgesBackButton"),
                                  QStringLiteral("Torna al menu..."));
    purgeButton = makeButton(purgesPanel, QStringLiteral("purgeButton"), QStringLiteral("RIMUOVI"));
    purgesUndoButton = makeButton(purgesPanel, QStringLiteral("purgesUndoButton"), QString());
    addButtonRow(*layout, {purgesBackButton, purgesUndoButton}, {purgeButton});
}

void FrmMain::ShowPurges() {
    purgesPanel->show();
    roles_->setDefaultButton(purgeButton);
    roles_->setCancelButton(purgesBackButton);
    purgeButton->setFocus();
}

void FrmMain::cleanUpClicked() {
    leavePanel(menuPanel);
    orphansFilter->clear();
    tvn::BuildPurgeList(tvn());
    ShowPurges();
    if (orphansBox->count() > 0) {
        orphansBox->selectOnly(0);
        orphansList->setFocus();
    }
}

void FrmMain::purgeClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(UndoScope::Purges, [this] { tvn::PurgeSelectedOrphans(tvn()); });
}

void FrmMain::purgesBackClicked() {
    returnToMenu(purgesPanel);
}

} // namespace tvn
