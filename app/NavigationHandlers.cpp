#include "FrmMain.h"

#include <QFrame>

// Back to the main menu: the panel that was left may have changed the classified copies on
// disk, so the classified half of the catalogue is walked again before the menu shows.

namespace tvn {

void FrmMain::Command10_Click() {
    returnToMenu(Creation);
}

void FrmMain::Command2_Click() {
    returnToMenu(Modify);
}

void FrmMain::Command1_Click() {
    returnToMenu(Purges);
}

} // namespace tvn
