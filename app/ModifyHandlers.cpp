#include "ButtonRoles.h"
#include "FrmMain.h"
#include "ModifyList.h"
#include "QtListBox.h"
#include "Ui.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// The Modify panel: the classified copies, removing them and moving them to another category.

namespace tvn {

void FrmMain::Command6_Click() {
    setProgressText(QString());
    leavePanel(Menu);
    tvn::FillModifyList(tvn());
    ShowModify();
    if (listModifyBox->count() > 0)
        listModifyBox->selectOnly(0);
}

void FrmMain::CRemove_Click() {
    tvn::CRemove_Click(tvn());
}

// The copies to move wait in NotYet on the Creation panel, which shows its move title and
// instructions, and whose done button brings the Modify panel back.
void FrmMain::CMove_Click() {
    if (!tvn::CMove_Click(tvn()))
        return;
    Label100->hide();
    Modify->hide();
    Creation->show();
    NotYet->setFocus();
    Command10->hide();
    Command8->show();
    roles_->setCancelButton(Command8);
    Label15->hide();
    Label38->show();
}

void FrmMain::Command8_Click() {
    state_.moveMode = false;
    Creation->hide();
    Command8->hide();
    Command10->show();
    Label38->hide();
    Label15->show();
    Label100->show();
    ui_.pumpEvents();
    ReloadModifyList(tvn());
    ShowModify();
}

} // namespace tvn
