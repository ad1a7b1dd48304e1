#include "ButtonRoles.h"
#include "FrmMain.h"
#include "HelpShortcutFilter.h"
#include "ShellFolders.h"
#include "UnclassifiedList.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The procedures that show one panel and hand its buttons the Enter and Esc roles. None of
// them hides another panel unless it says so.

namespace tvn {

void FrmMain::ShowMenu() {
    Menu->show();
    roles_->setDefaultButton(CAdd);
    roles_->setCancelButton(CExit);
}

void FrmMain::ShowIntroduction() {
    Introduction->show();
    roles_->setDefaultButton(CContinue);
    roles_->setCancelButton(Command3);
    About->hide();
}

void FrmMain::ShowLanguages() {
    Config->hide();
    Languages->show();
    roles_->setCancelButton(Command4);
    roles_->setDefaultButton(CmdLanguageOK);
}

void FrmMain::ShowModify() {
    Modify->show();
    roles_->setDefaultButton(CRemove);
    roles_->setCancelButton(Command2);
}

void FrmMain::ShowPurges() {
    Purges->show();
    roles_->setDefaultButton(CPurge);
    roles_->setCancelButton(Command1);
}

void FrmMain::ShowConfig() {
    ReadShellFolders();
    About2->hide();
    Config->show();
    // Esc confirms the settings just as OK does.
    roles_->setDefaultButton(COK);
    roles_->setCancelButton(COK);
    CmdChangeLanguage->setVisible(state_.configured);
    state_.configured = true;
}

void FrmMain::ReadShellFolders() {
    // Every opening proposes the folders afresh; a failed lookup leaves the box empty.
    StartMenuCustomPath->setText(shellFolders_.shellFolder(QStringLiteral("Start Menu")));
    ProgramsMenuCustomPath->setText(shellFolders_.shellFolder(QStringLiteral("Programs")));
    // Long paths show from their beginning.
    StartMenuCustomPath->setCursorPosition(0);
    ProgramsMenuCustomPath->setCursorPosition(0);
}

void FrmMain::OpenCreationPanel() {
    tvn::BuildNotYetList(tvn());
    if (hideHelpShortcuts())
        tvn::HideHelpShortcuts(tvn());
    Creation->show();
    NotYet->setFocus();
    roles_->setCancelButton(Command10);
}

} // namespace tvn
