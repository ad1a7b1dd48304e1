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
    // A failed analysis has opened the settings panel; the menu would show beside it.
    if (state_.scanFailed)
        return;
    ShowMenu();
    Menu->show();
}

} // namespace tvn
