#include "FrmMain.h"
#include "QtListBox.h"

#include <QFrame>
#include <QLabel>

// The Modify panel: the classified copies, removing them and moving them to another category.

namespace tvn {

void FrmMain::Command6_Click() {
    setProgressText(QString());
    leavePanel(Menu);
    FillModifyList();
    ShowModify();
    if (listModifyBox->count() > 0)
        listModifyBox->selectOnly(0);
}

void FrmMain::FillModifyList() {
    // Stand-in: fills ListModify from Fast; comes with the Modify panel's logic.
}

void FrmMain::CRemove_Click() {
    // Stand-in: deletes the selected classified copies; comes with the Modify panel's logic.
}

void FrmMain::CMove_Click() {
    // Stand-in: loads the selected copies into NotYet and opens the Creation panel in move
    // mode; comes with the Modify panel's logic.
}

void FrmMain::Command8_Click() {
    // Stand-in: ends move mode and returns to a fresh Modify panel; comes with the Modify
    // panel's logic.
}

} // namespace tvn
