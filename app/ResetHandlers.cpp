#include "FrmMain.h"

// The reset of every classification.

namespace tvn {

void FrmMain::Command7_Click() {
    // Stand-in: after a confirmation deletes every classified copy and the category folders,
    // then analyses again; comes with the reset.
}

} // namespace tvn
