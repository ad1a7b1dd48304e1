#include "FrmMain.h"
#include "Ui.h"

#include <QFrame>
#include <QLabel>

// Help, the information window and the picture of the left column.

namespace tvn {

void FrmMain::Command9_Click() {
    Menu->hide();
    PreviewPicture->hide();
    About->show();
    About2->show();
    ui_.message(messageText(8));
    PreviewPicture->show();
    About->hide();
    About2->hide();
    Menu->show();
}

void FrmMain::Command11_Click() {
    // Stand-in: shows the information window modally; comes with the information window.
}

void FrmMain::PreviewPicture_MouseDown() {
    PreviewPicture->hide();
    About->show();
}

void FrmMain::PreviewPicture_MouseUp() {
    About->hide();
    PreviewPicture->show();
}

} // namespace tvn
