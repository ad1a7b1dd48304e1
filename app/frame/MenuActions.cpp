#include "app/frame/MainWindow.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/WindowSurface.h"
#include "catalogue/SystemAnalysis.h"
#include "dialogs/InformationDialog.h"
#include "i18n/HelpText.h"
#include "platform/Ui.h"
#include "store/Reset.h"

#include <QFrame>
#include <QPointer>

// The frame's answers to the main menu. The buttons that open a panel have their answers with
// that panel's; the menu's own actions are here: the re-analysis, the reset, help, the
// information window and the exit.

namespace tvn {

void MainWindow::showMenu() {
    menu_->open();
}

void MainWindow::rescanClicked() {
    leavePanel(menu_);
    tvn::analyseSystem(tvn());
    // A failed analysis has opened the settings panel; showing the menu as well would leave
    // two panels on screen with Enter and Esc pressing the menu's hidden-behind buttons.
    if (!state_.scanFailed)
        showMenu();
}

void MainWindow::resetClicked() {
    if (!confirmReset(tvn()))
        return;
    leavePanel(menu_);
    // The reset has asked for the desktop menu's sync itself, before its message.
    undoable(UndoScope::Menu, [this] { deleteAllClassifications(tvn()); });
    // A failed analysis has opened the settings panel; the menu would show beside it.
    if (state_.scanFailed)
        return;
    showMenu();
    menu_->show();
}

void MainWindow::helpClicked() {
    // Hiding the menu takes the focus from its button; it goes back when the menu returns, so
    // that the keyboard does not end up in a control the user cannot see.
    const QPointer<QWidget> focus = focusWidget();
    menu_->hide();
    surface_->coverForHelp();
    ui_.message(
        helpText(messageText(Message::Description), menu_->mainActions(), state_.languageIndex));
    surface_->uncoverAfterHelp();
    menu_->show();
    if (focus)
        focus->setFocus();
}

void MainWindow::infoClicked() {
    InformationDialog info(*this, state_.languageIndex);
    ui_.showModal(info);
}

void MainWindow::exitClicked() {
    close();
}

} // namespace tvn
