#include "app/frame/MainWindow.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/widgets/QtListBox.h"
#include "catalogue/Categories.h"
#include "catalogue/HelpShortcutFilter.h"
#include "catalogue/ProgramHosts.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "dialogs/SuggestionReview.h"
#include "i18n/BuiltInTexts.h"
#include "platform/FailureCause.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"
#include "store/ClassifiedChoices.h"

#include <algorithm>

// The frame's answers to the Creation panel: classifying the shortcuts the menu's CLASSIFY
// lists, renaming a category and the suggestion of a category, for one shortcut or all shown.
// Moving copies borrows this panel (see ModifyActions.cpp).

namespace tvn {

void MainWindow::openCreationPanel() {
    tvn::buildNotYetList(tvn());
    shortcutFields_.clear();
    programVersionTexts_.clear();
    if (!state_.moveMode)
        learnClassifiedChoices(tvn(), suggester_);
    const int hidden = hideHelpShortcuts() ? tvn::hideHelpShortcuts(tvn()) : 0;
    // Said beside the count, so no shortcut leaves the list without a word.
    creation_->setFilterNote(
        hidden == 0
            ? QString()
            : builtInText(BuiltInText::HelpShortcutsHidden, state_.languageIndex).arg(hidden));
    creation_->open();
}

void MainWindow::classifyClicked() {
    leavePanel(menu_);
    creation_->clearFilter();
    openCreationPanel();
    if (creation_->unclassified().count() > 0)
        creation_->unclassified().selectOnly(0);
}

void MainWindow::categoryClicked(int index) {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(creationScope(), [this, index] { tvn::classifySelected(tvn(), index); });
    if (!state_.moveMode)
        syncDesktopMenuSoon();
}

void MainWindow::categoryPressed(int index, Qt::MouseButton button, const QPoint& globalPos) {
    state_.popupCategoryIndex = index;
    if (button != Qt::RightButton)
        return;
    // While copies are being moved, the list holds those copies; the rename would refill it
    // with the Programs shortcuts, and the next category press would then move the user's
    // originals. The menu shows, but its item cannot be chosen until the move ends.
    creation_->popUpCategoryMenu(globalPos, !state_.moveMode);
}

void MainWindow::renameCategoryTriggered() {
    bool renamed = false;
    if (!state_.moveMode)
        undoable(UndoScope::Creation, [this, &renamed] { renamed = renameCategory(tvn()); });
    if (!renamed)
        return;
    // The copies may have moved to the new folder, and shortcuts may have come or gone
    // meanwhile: the lists are walked again from the disk before listing what is unclassified.
    leavePanel(creation_);
    tvn::analyseSystem(tvn());
    if (state_.scanFailed)
        return;
    syncDesktopMenu();
    openCreationPanel();
}

void MainWindow::classifyAsSuggestedClicked() {
    const QtListBox& unclassified = creation_->unclassified();
    const int language = state_.languageIndex;
    std::vector<ReviewLine> lines;
    int leftOut = 0;
    for (int k = 0; k < unclassified.count(); ++k) {
        if (!unclassified.isShown(k))
            continue;
        const Suggestion suggested = suggestionOf(k);
        if (suggested.category < 0)
            ++leftOut;
        else
            lines.push_back({k, unclassified.at(k), suggested.category, suggested.isSure()});
    }
    // By category as the buttons stand, top to bottom; the list's order of names stays within.
    std::stable_sort(lines.begin(), lines.end(), [](const ReviewLine& a, const ReviewLine& b) {
        return CreationPanel::categoryPosition(a.category) <
               CreationPanel::categoryPosition(b.category);
    });
    std::vector<ReviewCategory> categories;
    for (int k = 0; k < kCategoryCount; ++k)
        categories.push_back({k, categoryCaption(k), CreationPanel::categoryKey(k)});
    std::sort(categories.begin(), categories.end(),
              [](const ReviewCategory& a, const ReviewCategory& b) {
                  return CreationPanel::categoryPosition(a.index) <
                         CreationPanel::categoryPosition(b.index);
              });
    const auto text = [language](BuiltInText which) {
        return builtInText(which, language);
    };
    const SuggestionReviewTexts texts{text(BuiltInText::ReviewTitle),
                                      text(BuiltInText::ReviewInstructions),
                                      leftOut == 0 ? QString()
                                      : leftOut == 1
                                          ? text(BuiltInText::NoSuggestionOne)
                                          : text(BuiltInText::NoSuggestionMany).arg(leftOut),
                                      text(BuiltInText::ReviewLine),
                                      text(BuiltInText::ReviewLineCategory),
                                      text(BuiltInText::ReviewClassify),
                                      text(BuiltInText::ReviewCancel),
                                      text(BuiltInText::ReviewSureLine),
                                      text(BuiltInText::ReviewSureMark)};
    SuggestionReview review(*this, texts, std::move(categories), std::move(lines));
    ui_.showModal(review);
    const std::vector<ReviewLine> confirmed = review.confirmedLines();
    if (confirmed.empty())
        return;
    std::vector<EntryCategory> choices;
    for (const ReviewLine& line : confirmed)
        choices.push_back({line.entry, line.category});
    clearLastFailure();
    undoable(creationScope(), [this, &choices] { tvn::classifyEntries(tvn(), choices); });
    syncDesktopMenuSoon();
}

bool MainWindow::classifyAsSuggestedFrom(const QWidget& receiver) {
    if (!creation_->isList(receiver) || state_.moveMode)
        return false;
    const QtListBox& unclassified = creation_->unclassified();
    const int current = unclassified.currentIndex();
    for (int k = 0; k < unclassified.count(); ++k)
        if (unclassified.isSelected(k) != (k == current))
            return false;
    const int suggested = suggestionOf(current).category;
    if (suggested < 0)
        return false;
    categoryClicked(suggested);
    return true;
}

Suggestion MainWindow::suggestionOf(int entry) {
    if (entry < 0 || entry >= unclassifiedFolders.count())
        return {};
    ShortcutClues clues = cluesOf(entry);
    const Suggestion suggested = suggester_.suggest(clues);
    if (suggested.category >= 0)
        return suggested;
    // A Windows program names itself in its version resource ("Image viewer", "IrfanView"):
    // its texts come first in the description, and its product is looked up as a program name.
    // Under Wine reading it takes about a millisecond, so it is read only for a shortcut that
    // the rest leaves without a suggestion. A host's texts ("Java Platform") are not the
    // program's.
    if (startsThroughHost(clues.name, clues.targetPath))
        return {};
    const ProgramVersionTexts version = programVersionTextsOf(clues.targetPath);
    const QString versionText = version.joined();
    if (versionText.isEmpty())
        return {};
    clues.description = versionText + u' ' + clues.description;
    clues.productName = version.product;
    return suggester_.suggest(clues);
}

void MainWindow::showSuggestion() {
    creation_->showSuggestion(suggestionOf(creation_->unclassified().currentIndex()).category,
                              state_.languageIndex);
}

void MainWindow::creationDoneClicked() {
    returnToMenu(creation_);
}

} // namespace tvn
