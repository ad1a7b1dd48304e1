#include "FrmInfo.h"
#include "FrmMain.h"
#include "Ui.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>

// Help, the information window and the picture of the left column.

namespace tvn {

void FrmMain::Command9_Click() {
    // Hiding the menu takes the focus from its button; it goes back when the menu returns, so
    // that the keyboard does not end up in a control the user cannot see.
    const QPointer<QWidget> focus = focusWidget();
    Menu->hide();
    PreviewPicture->hide();
    About->show();
    About2->show();
    ui_.message(messageText(8));
    PreviewPicture->show();
    About->hide();
    About2->hide();
    Menu->show();
    if (focus)
        focus->setFocus();
}

void FrmMain::Command11_Click() {
    FrmInfo info(*this);
    ui_.showModal(info);
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
