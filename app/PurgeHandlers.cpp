#include "FrmMain.h"
#include "QtListBox.h"

#include <QFrame>

// The orphan purge: classified copies whose Programs shortcut is gone.

namespace tvn {

void FrmMain::CShowPurges_Click() {
    leavePanel(Menu);
    BuildPurgeList();
    ShowPurges();
    if (purgeListBox->count() > 0)
        purgeListBox->selectOnly(0);
}

void FrmMain::BuildPurgeList() {
    // Stand-in: fills PurgeList with the classified copies whose source is gone; comes with
    // the orphan purge.
}

void FrmMain::CPurge_Click() {
    // Stand-in: deletes the selected orphans; comes with the orphan purge.
}

} // namespace tvn
