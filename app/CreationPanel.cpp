#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/ListFilter.h"
#include "app/panels/MenuPanel.h"
#include "app/QtListBox.h"
#include "app/Widgets.h"
#include "catalogue/Categories.h"
#include "catalogue/HelpShortcutFilter.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "i18n/BuiltInTexts.h"
#include "platform/FailureCause.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

// The Creation panel: the shortcuts not classified yet and the eleven category buttons, opened
// by the main menu's CLASSIFY. Moving copies borrows this panel (see ModifyPanel.cpp).

namespace tvn {
namespace {

constexpr int kMargin = 10;
constexpr int kTitleHeight = 20;

} // namespace

void FrmMain::buildCreationPanel() {
    creationPanel = makePanel(QStringLiteral("creationPanel"));
    const int columnWidth = kCategoryLeft - 2 * kMargin;
    const int panelHeight = kPanelRect.height();

    // The two titles share one place: move mode shows the second.
    creationTitle = makeLabel(creationPanel, QStringLiteral("creationTitle"),
                              QStringLiteral("CLASSIFICAZIONE DI COLLEGAMENTI"), LabelStyle::Title);
    moveTitle = makeLabel(creationPanel, QStringLiteral("moveTitle"),
                          QStringLiteral("SPOSTAMENTO DI COLLEGAMENTI"), LabelStyle::Title);
    // Where every other panel's layout puts its title, so that nothing moves between panels.
    const QRect titleArea = creationPanel->contentsRect().marginsRemoved(kPanelMargins);
    for (QLabel* title : {creationTitle, moveTitle}) {
        title->setWordWrap(false);
        title->setGeometry(titleArea.left(), titleArea.top(), titleArea.width(), kTitleHeight);
    }
    moveTitle->hide();

    // The left column: instructions, the list and the hint about help shortcuts.
    const int columnTop = titleArea.top() + kTitleHeight;
    auto* column = new QWidget(creationPanel);
    column->setObjectName(QStringLiteral("creationColumn"));
    column->setGeometry(kMargin, columnTop, columnWidth, panelHeight - columnTop - kMargin);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // The move instructions lie under the classification ones, which cover them until move
    // mode hides them.
    moveInstructions =
        makeLabel(column, QStringLiteral("moveInstructions"),
                  QStringLiteral("Selezionate i collegamenti che volete spostare e segliete "
                                 "la nuova categoria corrispondente. Quando avrete "
                                 "assegnato tutte le nuove categorie, premete Finito..."));
    classifyInstructions =
        makeLabel(column, QStringLiteral("classifyInstructions"),
                  QStringLiteral("Ecco la lista dei collegamenti (del menu PROGRAMMI) che "
                                 "non sono stati ancora classificati. Selezionate uno o "
                                 "più collegamenti e scegliete la categoria relativa "
                                 "schiacciando uno dei tasti a fianco."));
    classifyInstructions->setAutoFillBackground(true);
    auto* instructions = new QGridLayout;
    instructions->setContentsMargins(0, 0, 0, 0);
    instructions->addWidget(moveInstructions, 0, 0);
    instructions->addWidget(classifyInstructions, 0, 0);
    layout->addLayout(instructions);
    unclassifiedList = makeList(column, QStringLiteral("unclassifiedList"));
    unclassifiedFilter = new ListFilter(*column, *layout, *unclassifiedList);
    layout->addWidget(unclassifiedList, 1);
    helpShortcutsNote =
        makeLabel(column, QStringLiteral("helpShortcutsNote"),
                  QStringLiteral("E' inutile classificate i collegamenti per i file di aiuto "
                                 "(help), di testo (Leggimi o Read Me) o di "
                                 "disinstallazione (Uninstall) poiché essi saranno "
                                 "comunque accessibilli dal menu PROGRAMMI."));
    renameHint =
        makeLabel(column, QStringLiteral("renameHint"),
                  QStringLiteral("Premete su una categoria con il tasto di destra del mouse "
                                 "per cambiarle il nome."));
    for (QLabel* hint : {helpShortcutsNote, renameHint}) {
        QFont font = hint->font();
        font.setPointSizeF(font.pointSizeF() - 1.0);
        hint->setFont(font);
        layout->addWidget(hint);
    }

    const auto captions = builtInCategoryCaptions();
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = makeButton(creationPanel, QStringLiteral("categoryButton%1").arg(k),
                                         captions[static_cast<size_t>(k)]);
        button->setMinimumWidth(0);
        button->setGeometry(kCategoryLeft, kCategoryTops[k], kCategoryWidth, kCategoryHeight);
        categoryButtons[static_cast<size_t>(k)] = button;
    }

    // The two done buttons share one place below the categories: move mode shows the second.
    const int doneTop = panelHeight - kMargin - 24;
    creationDoneButton =
        makeButton(creationPanel, QStringLiteral("creationDoneButton"), QStringLiteral("Finito"));
    moveDoneButton =
        makeButton(creationPanel, QStringLiteral("moveDoneButton"), QStringLiteral("Finito..."));
    for (QPushButton* done : {creationDoneButton, moveDoneButton}) {
        done->setMinimumWidth(0);
        done->setGeometry(kCategoryLeft, doneTop, kCategoryWidth, 24);
    }
    moveDoneButton->hide();

    // Above the categories, clear of the list column and the titles.
    creationUndoButton = makeButton(creationPanel, QStringLiteral("creationUndoButton"), QString());
    creationUndoButton->setMinimumWidth(0);
    creationUndoButton->setGeometry(kCategoryLeft, kCategoryTops[0] - 30, kCategoryWidth, 24);

    categoryMenu = new QMenu(this);
    categoryMenu->setObjectName(QStringLiteral("categoryMenu"));
    renameCategoryAction = categoryMenu->addAction(QStringLiteral("Personalizza..."));
    renameCategoryAction->setObjectName(QStringLiteral("renameCategoryAction"));
}

void FrmMain::OpenCreationPanel() {
    tvn::BuildNotYetList(tvn());
    const int hidden = hideHelpShortcuts() ? tvn::HideHelpShortcuts(tvn()) : 0;
    // Said beside the count, so no shortcut leaves the list without a word.
    unclassifiedFilter->setNote(
        hidden == 0
            ? QString()
            : builtInText(BuiltInText::HelpShortcutsHidden, state_.languageIndex).arg(hidden));
    creationPanel->show();
    unclassifiedList->setFocus();
    roles_->setCancelButton(creationDoneButton);
}

void FrmMain::classifyClicked() {
    leavePanel(menu_);
    unclassifiedFilter->clear();
    OpenCreationPanel();
    if (unclassifiedBox->count() > 0)
        unclassifiedBox->selectOnly(0);
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
    // While copies are being moved, unclassifiedList holds those copies; the rename would refill it
    // with the Programs shortcuts, and the next category press would then move the user's
    // originals. The menu shows, but its item cannot be chosen until the move ends.
    renameCategoryAction->setEnabled(!state_.moveMode);
    categoryMenu->popup(globalPos);
}

void FrmMain::renameCategoryTriggered() {
    bool renamed = false;
    if (!state_.moveMode)
        undoable(UndoScope::Creation, [this, &renamed] { renamed = RenameCategory(tvn()); });
    if (!renamed)
        return;
    // The copies may have moved to the new folder: count them again before listing what is
    // still unclassified.
    leavePanel(creationPanel);
    tvn::RefreshClassified(tvn());
    SyncDesktopMenu();
    OpenCreationPanel();
}

QKeyCombination FrmMain::categoryKey(int k) {
    // Alt with a letter: nobody types it while writing a name, so typing in the list only ever
    // filters it, and each of the eleven has a key on every keyboard layout. The letters run
    // from the top button down, as the user reads the column.
    int above = 0;
    for (const int top : kCategoryTops)
        above += top < kCategoryTops[k] ? 1 : 0;
    return QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(Qt::Key_A + above));
}

bool FrmMain::creationKeyPress(QObject* watched, const QKeyEvent& key) {
    if (watched == unclassifiedList) {
        const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier,
                                      static_cast<Qt::Key>(key.key()));
        for (int k = 0; k < kCategoryCount; ++k) {
            if (pressed != categoryKey(k))
                continue;
            // A held key classifies once, not every entry that comes up under it.
            QPushButton* button = categoryButtons[static_cast<size_t>(k)];
            if (!roles_->isRepeat(key) && button->isVisible() && button->isEnabled())
                button->click();
            return true;
        }
        return false;
    }
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key.key() != Qt::Key_F2)
        return false;
    for (int k = 0; k < kCategoryCount; ++k) {
        if (watched != categoryButtons[static_cast<size_t>(k)])
            continue;
        state_.popupCategoryIndex = k;
        if (!roles_->isRepeat(key))
            renameCategoryTriggered();
        return true;
    }
    return false;
}

bool FrmMain::categoryContextMenu(QObject* watched) {
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        if (watched == button) {
            categoryPressed(k, Qt::RightButton, button->mapToGlobal(button->rect().center()));
            return true;
        }
    }
    return false;
}

void FrmMain::ShowSuggestion() {
    const int current = unclassifiedBox->currentIndex();
    const int suggested =
        current < 0 || current >= unclassifiedFolders.count()
            ? -1
            : SuggestCategory(categoryWords_, unclassifiedBox->at(current),
                              FoldersBelowPrograms(state_, unclassifiedFolders.at(current)));
    if (suggested == suggestedCategory_)
        return;
    suggestedCategory_ = suggested;
    // A tint of the selection colour marks the button without making it look pressed.
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        QPalette look = creationPanel->palette();
        if (k == suggested)
            look.setColor(QPalette::Button, look.color(QPalette::Highlight).lighter(175));
        button->setPalette(look);
    }
    ShowCategoryHints();
}

void FrmMain::creationDoneClicked() {
    returnToMenu(creationPanel);
}

} // namespace tvn
