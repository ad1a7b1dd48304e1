#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/ListFilter.h"
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
    Creation = makePanel(QStringLiteral("Creation"));
    const int columnWidth = kCategoryLeft - 2 * kMargin;
    const int panelHeight = kPanelRect.height();

    // The two titles share one place: move mode shows the second.
    Label15 = makeLabel(Creation, QStringLiteral("Label15"),
                        QStringLiteral("CLASSIFICAZIONE DI COLLEGAMENTI"), LabelStyle::Title);
    Label38 = makeLabel(Creation, QStringLiteral("Label38"),
                        QStringLiteral("SPOSTAMENTO DI COLLEGAMENTI"), LabelStyle::Title);
    // Where every other panel's layout puts its title, so that nothing moves between panels.
    const QRect titleArea = Creation->contentsRect().marginsRemoved(kPanelMargins);
    for (QLabel* title : {Label15, Label38}) {
        title->setWordWrap(false);
        title->setGeometry(titleArea.left(), titleArea.top(), titleArea.width(), kTitleHeight);
    }
    Label38->hide();

    // The left column: instructions, the list and the hint about help shortcuts.
    const int columnTop = titleArea.top() + kTitleHeight;
    auto* column = new QWidget(Creation);
    column->setObjectName(QStringLiteral("CreationColumn"));
    column->setGeometry(kMargin, columnTop, columnWidth, panelHeight - columnTop - kMargin);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // The move instructions lie under the classification ones, which cover them until move
    // mode hides them.
    Label5 = makeLabel(column, QStringLiteral("Label5"),
                       QStringLiteral("Selezionate i collegamenti che volete spostare e segliete "
                                      "la nuova categoria corrispondente. Quando avrete "
                                      "assegnato tutte le nuove categorie, premete Finito..."));
    Label100 = makeLabel(column, QStringLiteral("Label100"),
                         QStringLiteral("Ecco la lista dei collegamenti (del menu PROGRAMMI) che "
                                        "non sono stati ancora classificati. Selezionate uno o "
                                        "più collegamenti e scegliete la categoria relativa "
                                        "schiacciando uno dei tasti a fianco."));
    Label100->setAutoFillBackground(true);
    auto* instructions = new QGridLayout;
    instructions->setContentsMargins(0, 0, 0, 0);
    instructions->addWidget(Label5, 0, 0);
    instructions->addWidget(Label100, 0, 0);
    layout->addLayout(instructions);
    NotYet = makeList(column, QStringLiteral("NotYet"));
    notYetFilter = new ListFilter(*column, *layout, *NotYet);
    layout->addWidget(NotYet, 1);
    Label16 = makeLabel(column, QStringLiteral("Label16"),
                        QStringLiteral("E' inutile classificate i collegamenti per i file di aiuto "
                                       "(help), di testo (Leggimi o Read Me) o di "
                                       "disinstallazione (Uninstall) poiché essi saranno "
                                       "comunque accessibilli dal menu PROGRAMMI."));
    Label39 = makeLabel(column, QStringLiteral("Label39"),
                        QStringLiteral("Premete su una categoria con il tasto di destra del mouse "
                                       "per cambiarle il nome."));
    for (QLabel* hint : {Label16, Label39}) {
        QFont font = hint->font();
        font.setPointSizeF(font.pointSizeF() - 1.0);
        hint->setFont(font);
        layout->addWidget(hint);
    }

    const auto captions = builtInCategoryCaptions();
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = makeButton(Creation, QStringLiteral("Categories%1").arg(k),
                                         captions[static_cast<size_t>(k)]);
        button->setMinimumWidth(0);
        button->setGeometry(kCategoryLeft, kCategoryTops[k], kCategoryWidth, kCategoryHeight);
        Categories[static_cast<size_t>(k)] = button;
    }

    // The two done buttons share one place below the categories: move mode shows the second.
    const int doneTop = panelHeight - kMargin - 24;
    Command10 = makeButton(Creation, QStringLiteral("Command10"), QStringLiteral("Finito"));
    Command8 = makeButton(Creation, QStringLiteral("Command8"), QStringLiteral("Finito..."));
    for (QPushButton* done : {Command10, Command8}) {
        done->setMinimumWidth(0);
        done->setGeometry(kCategoryLeft, doneTop, kCategoryWidth, 24);
    }
    Command8->hide();

    // Above the categories, clear of the list column and the titles.
    CmdUndoCreation = makeButton(Creation, QStringLiteral("CmdUndoCreation"), QString());
    CmdUndoCreation->setMinimumWidth(0);
    CmdUndoCreation->setGeometry(kCategoryLeft, kCategoryTops[0] - 30, kCategoryWidth, 24);

    MnuPopup = new QMenu(this);
    MnuPopup->setObjectName(QStringLiteral("MnuPopup"));
    MnuChangeCategorie = MnuPopup->addAction(QStringLiteral("Personalizza..."));
    MnuChangeCategorie->setObjectName(QStringLiteral("MnuChangeCategorie"));
}

void FrmMain::OpenCreationPanel() {
    tvn::BuildNotYetList(tvn());
    const int hidden = hideHelpShortcuts() ? tvn::HideHelpShortcuts(tvn()) : 0;
    // Said beside the count, so no shortcut leaves the list without a word.
    notYetFilter->setNote(
        hidden == 0
            ? QString()
            : builtInText(BuiltInText::HelpShortcutsHidden, state_.languageIndex).arg(hidden));
    Creation->show();
    NotYet->setFocus();
    roles_->setCancelButton(Command10);
}

void FrmMain::CAdd_Click() {
    leavePanel(Menu);
    notYetFilter->clear();
    OpenCreationPanel();
    if (notYetBox->count() > 0)
        notYetBox->selectOnly(0);
}

void FrmMain::Categories_Click(int index) {
    // The error report names the failure of this action only.
    clearLastFailure();
    undoable(creationScope(), [this, index] { tvn::ClassifySelected(tvn(), index); });
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
    bool renamed = false;
    if (!state_.moveMode)
        undoable(UndoScope::Creation, [this, &renamed] { renamed = RenameCategory(tvn()); });
    if (!renamed)
        return;
    // The copies may have moved to the new folder: count them again before listing what is
    // still unclassified.
    leavePanel(Creation);
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
    if (watched == NotYet) {
        const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier,
                                      static_cast<Qt::Key>(key.key()));
        for (int k = 0; k < kCategoryCount; ++k) {
            if (pressed != categoryKey(k))
                continue;
            // A held key classifies once, not every entry that comes up under it.
            QPushButton* button = Categories[static_cast<size_t>(k)];
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
        if (watched != Categories[static_cast<size_t>(k)])
            continue;
        state_.popupCategoryIndex = k;
        if (!roles_->isRepeat(key))
            MnuChangeCategorie_Click();
        return true;
    }
    return false;
}

bool FrmMain::categoryContextMenu(QObject* watched) {
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = Categories[static_cast<size_t>(k)];
        if (watched == button) {
            Categories_MouseDown(k, Qt::RightButton, button->mapToGlobal(button->rect().center()));
            return true;
        }
    }
    return false;
}

void FrmMain::ShowSuggestion() {
    const int current = notYetBox->currentIndex();
    const int suggested =
        current < 0 || current >= NotYet_Dirs.count()
            ? -1
            : SuggestCategory(categoryWords_, notYetBox->at(current),
                              FoldersBelowPrograms(state_, NotYet_Dirs.at(current)));
    if (suggested == suggestedCategory_)
        return;
    suggestedCategory_ = suggested;
    // A tint of the selection colour marks the button without making it look pressed.
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = Categories[static_cast<size_t>(k)];
        QPalette look = Creation->palette();
        if (k == suggested)
            look.setColor(QPalette::Button, look.color(QPalette::Highlight).lighter(175));
        button->setPalette(look);
    }
    ShowCategoryHints();
}

void FrmMain::Command10_Click() {
    returnToMenu(Creation);
}

} // namespace tvn
