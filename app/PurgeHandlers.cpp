#include "FrmMain.h"
#include "OrphanPurge.h"
#include "QtListBox.h"

#include <QFrame>

// The orphan purge: classified copies whose Programs shortcut is gone.

namespace tvn {

void FrmMain::CShowPurges_Click() {
    leavePanel(Menu);
    tvn::BuildPurgeList(tvn());
    ShowPurges();
    if (purgeListBox->count() > 0)
        purgeListBox->selectOnly(0);
}

void FrmMain::CPurge_Click() {
    tvn::CPurge_Click(tvn());
}

} // namespace tvn
