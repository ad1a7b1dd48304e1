#include "FrmMain.h"
#include "Reset.h"

#include <QFrame>

// The reset of every classification.

namespace tvn {

void FrmMain::Command7_Click() {
    if (!ConfirmReset(tvn()))
        return;
    leavePanel(Menu);
    DeleteAllClassifications(tvn());
    ShowMenu();
    Menu->show();
}

} // namespace tvn
