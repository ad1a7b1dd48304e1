#include "FrmMain.h"
#include "QtListBox.h"
#include "SystemAnalysis.h"

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
    // Also after a failed analysis, which has opened the settings panel already.
    ShowMenu();
}

void FrmMain::Categories_Click(int index) {
    // Stand-in: copies the selected shortcuts into the folder of category `index` (or moves
    // them in move mode); comes with the classification store.
    static_cast<void>(index);
}

void FrmMain::Categories_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos) {
    state_.popupCategoryIndex = index;
    if (button == Qt::RightButton)
        MnuPopup->popup(globalPos);
}

void FrmMain::MnuChangeCategorie_Click() {
    // Stand-in: renames category popupCategoryIndex, optionally carrying its copies over;
    // comes with the category names.
}

} // namespace tvn
