#include "CategoryRename.h"
#include "Classification.h"
#include "FrmMain.h"
#include "QtListBox.h"
#include "SystemAnalysis.h"

#include <QAction>
#include <QFrame>
#include <QMenu>

// The main menu's classification and re-analysis, and the Creation panel's category buttons.

namespace tvn {

void FrmMain::CAdd_Click() {
    leavePanel(Menu);
    OpenCreationPanel();
    if (notYetBox->count() > 0)
        notYetBox->selectOnly(0);
}

void FrmMain::CReAnalyse_Click() {
    leavePanel(Menu);
    tvn::AnalyseSystem(tvn());
    // A failed analysis has opened the settings panel; showing the menu as well would leave
    // two panels on screen with Enter and Esc pressing the menu's hidden-behind buttons.
    if (!state_.scanFailed)
        ShowMenu();
}

void FrmMain::Categories_Click(int index) {
    tvn::Categories_Click(tvn(), index);
}

void FrmMain::Categories_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos) {
    state_.popupCategoryIndex = index;
    if (button != Qt::RightButton)
        return;
    // While copies are being moved, NotYet holds those copies; the rename would refill it
    // with the Programs shortcuts, and the next category press would then move the user's
    // originals. The menu shows, but its item cannot be chosen until the move ends.
    MnuChangeCategorie->setEnabled(!state_.moveMode);
    MnuPopup->popup(globalPos);
}

void FrmMain::MnuChangeCategorie_Click() {
    if (state_.moveMode || !RenameCategory(tvn()))
        return;
    // The copies may have moved to the new folder: count them again before listing what is
    // still unclassified.
    leavePanel(Creation);
    tvn::RefreshClassified(tvn());
    OpenCreationPanel();
}

} // namespace tvn
