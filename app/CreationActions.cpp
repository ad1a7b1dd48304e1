#include "app/FrmMain.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/QtListBox.h"
#include "catalogue/Categories.h"
#include "catalogue/HelpShortcutFilter.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "i18n/BuiltInTexts.h"
#include "platform/FailureCause.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"
#include "store/ClassifiedChoices.h"

// The frame's answers to the Creation panel: classifying the shortcuts the menu's CLASSIFY
// lists, renaming a category and the suggestion of a category. Moving copies borrows this
// panel (see ModifyActions.cpp).

namespace tvn {

void FrmMain::OpenCreationPanel() {
    tvn::BuildNotYetList(tvn());
    if (!state_.moveMode)
        LearnClassifiedChoices(tvn(), suggester_);
    const int hidden = hideHelpShortcuts() ? tvn::HideHelpShortcuts(tvn()) : 0;
    // Said beside the count, so no shortcut leaves the list without a word.
    creation_->setFilterNote(
        hidden == 0
            ? QString()
            : builtInText(BuiltInText::HelpShortcutsHidden, state_.languageIndex).arg(hidden));
    creation_->open();
}

void FrmMain::classifyClicked() {
    leavePanel(menu_);
    creation_->clearFilter();
    OpenCreationPanel();
    if (creation_->unclassified().count() > 0)
        creation_->unclassified().selectOnly(0);
}

void FrmMain::categoryClicked(int index) {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(creationScope(), [this, index] { tvn::ClassifySelected(tvn(), index); });
}

void FrmMain::categoryPressed(int index, Qt::MouseButton button, const QPoint& globalPos) {
    state_.popupCategoryIndex = index;
    if (button != Qt::RightButton)
        return;
    // While copies are being moved, the list holds those copies; the rename would refill it
    // with the Programs shortcuts, and the next category press would then move the user's
    // originals. The menu shows, but its item cannot be chosen until the move ends.
    creation_->popUpCategoryMenu(globalPos, !state_.moveMode);
}

void FrmMain::renameCategoryTriggered() {
    bool renamed = false;
    if (!state_.moveMode)
        undoable(UndoScope::Creation, [this, &renamed] { renamed = RenameCategory(tvn()); });
    if (!renamed)
        return;
    // The copies may have moved to the new folder: count them again before listing what is
    // still unclassified.
    leavePanel(creation_);
    tvn::RefreshClassified(tvn());
    SyncDesktopMenu();
    OpenCreationPanel();
}

void FrmMain::ShowSuggestion() {
    const QtListBox& unclassified = creation_->unclassified();
    const int current = unclassified.currentIndex();
    const int suggested = current < 0 || current >= unclassifiedFolders.count()
                              ? -1
                              : suggester_.suggest(cluesOf(current)).category;
    creation_->showSuggestion(suggested, state_.languageIndex);
}

void FrmMain::creationDoneClicked() {
    returnToMenu(creation_);
}

} // namespace tvn
