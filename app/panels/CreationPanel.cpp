#include "app/panels/CreationPanel.h"

#include "app/widgets/ButtonRoles.h"
#include "app/widgets/Geometry.h"
#include "app/widgets/ListFilter.h"
#include "app/widgets/QtListBox.h"
#include "app/widgets/Widgets.h"
#include "catalogue/Categories.h"
#include "i18n/BuiltInTexts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {
namespace {

constexpr int kMargin = 10;
constexpr int kTitleHeight = 20;

} // namespace

CreationPanel::CreationPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("creationPanel"));
    const int columnWidth = kCategoryLeft - 2 * kMargin;
    const int panelHeight = kPanelRect.height();

    // The two titles share one place: move mode shows the second.
    creationTitle = makeLabel(this, QStringLiteral("creationTitle"),
                              QStringLiteral("CLASSIFICAZIONE DI COLLEGAMENTI"), LabelStyle::Title);
    moveTitle = makeLabel(this, QStringLiteral("moveTitle"),
                          QStringLiteral("SPOSTAMENTO DI COLLEGAMENTI"), LabelStyle::Title);
    // Where every other panel's layout puts its title, so that nothing moves between panels.
    const QRect titleArea = contentsRect().marginsRemoved(kPanelMargins);
    for (QLabel* title : {creationTitle, moveTitle}) {
        title->setWordWrap(false);
        title->setGeometry(titleArea.left(), titleArea.top(), titleArea.width(), kTitleHeight);
    }
    moveTitle->hide();

    // The left column: instructions, the list and the hint about help shortcuts.
    const int columnTop = titleArea.top() + kTitleHeight;
    auto* column = new QWidget(this);
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
    classifyAsSuggestedButton =
        makeButton(column, QStringLiteral("classifyAsSuggestedButton"), QString());
    layout->addWidget(classifyAsSuggestedButton, 0, Qt::AlignLeft);
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
        QPushButton* button = makeButton(this, QStringLiteral("categoryButton%1").arg(k),
                                         captions[static_cast<size_t>(k)]);
        button->setMinimumWidth(0);
        button->setGeometry(kCategoryLeft, kCategoryTops[k], kCategoryWidth, kCategoryHeight);
        categoryButtons[static_cast<size_t>(k)] = button;
    }

    // The two done buttons share one place below the categories: move mode shows the second.
    const int doneTop = panelHeight - kMargin - 24;
    creationDoneButton =
        makeButton(this, QStringLiteral("creationDoneButton"), QStringLiteral("Finito"));
    moveDoneButton =
        makeButton(this, QStringLiteral("moveDoneButton"), QStringLiteral("Finito..."));
    for (QPushButton* done : {creationDoneButton, moveDoneButton}) {
        done->setMinimumWidth(0);
        done->setGeometry(kCategoryLeft, doneTop, kCategoryWidth, 24);
    }
    moveDoneButton->hide();

    // Above the categories, clear of the list column and the titles.
    creationUndoButton = makeButton(this, QStringLiteral("creationUndoButton"), QString());
    creationUndoButton->setMinimumWidth(0);
    creationUndoButton->setGeometry(kCategoryLeft, kCategoryTops[0] - 30, kCategoryWidth, 24);

    categoryMenu = new QMenu(&window);
    categoryMenu->setObjectName(QStringLiteral("categoryMenu"));
    renameCategoryAction = categoryMenu->addAction(QStringLiteral("Personalizza..."));
    renameCategoryAction->setObjectName(QStringLiteral("renameCategoryAction"));

    unclassifiedBox = std::make_unique<QtListBox>(*unclassifiedList, true);
    unclassifiedFilter->attach(*unclassifiedBox);

    // A mouse press on a category button, and the keys of the list and the buttons, come
    // through eventFilter.
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        connect(button, &QPushButton::clicked, this, [this, k] { Q_EMIT categoryClicked(k); });
        button->installEventFilter(this);
    }
    connect(renameCategoryAction, &QAction::triggered, this,
            &CreationPanel::renameCategoryRequested);
    connect(creationDoneButton, &QPushButton::clicked, this, &CreationPanel::doneClicked);
    connect(moveDoneButton, &QPushButton::clicked, this, &CreationPanel::moveDoneClicked);
    connect(creationUndoButton, &QPushButton::clicked, this, &CreationPanel::undoClicked);
    connect(classifyAsSuggestedButton, &QPushButton::clicked, this,
            &CreationPanel::classifyAsSuggestedClicked);
    unclassifiedList->installEventFilter(this);
    // The suggestion follows the current entry, whoever moved it, once the change is complete:
    // the widget reports its own changes while the list box is still updating.
    connect(unclassifiedList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CreationPanel::currentEntryChanged, Qt::QueuedConnection);
    connect(unclassifiedBox.get(), &QtListBox::countsChanged, this,
            &CreationPanel::currentEntryChanged, Qt::QueuedConnection);
}

CreationPanel::~CreationPanel() = default;

void CreationPanel::open() {
    show();
    unclassifiedList->setFocus();
    roles_.setCancelButton(creationDoneButton);
}

void CreationPanel::openForMove() {
    classifyInstructions->hide();
    // The note on help shortcuts and the suggestions are about classifying, not about moving
    // copies.
    helpShortcutsNote->hide();
    classifyAsSuggestedButton->hide();
    show();
    unclassifiedList->setFocus();
    creationDoneButton->hide();
    moveDoneButton->show();
    roles_.setCancelButton(moveDoneButton);
    creationTitle->hide();
    moveTitle->show();
}

void CreationPanel::closeMoveMode() {
    hide();
    moveDoneButton->hide();
    creationDoneButton->show();
    moveTitle->hide();
    creationTitle->show();
    classifyInstructions->show();
    helpShortcutsNote->show();
    classifyAsSuggestedButton->show();
}

void CreationPanel::focusList() {
    unclassifiedList->setFocus();
}

bool CreationPanel::clearFilter() {
    return unclassifiedFilter->clear();
}

void CreationPanel::setFilterNote(const QString& note) {
    unclassifiedFilter->setNote(note);
}

bool CreationPanel::enterListFrom(const QWidget& receiver) {
    if (&receiver != unclassifiedFilter->box())
        return false;
    unclassifiedFilter->enterList();
    return true;
}

// A button reads "&" as the mark of its shortcut letter; the user's "fun & games" shows as
// written when each "&" is doubled.
QString CreationPanel::categoryCaption(int k) const {
    if (k < 0 || k >= kCategoryCount)
        return {};
    return categoryButtons[static_cast<size_t>(k)]->text().replace(QStringLiteral("&&"),
                                                                   QStringLiteral("&"));
}

void CreationPanel::setCategoryCaption(int k, const QString& caption) {
    if (k >= 0 && k < kCategoryCount)
        categoryButtons[static_cast<size_t>(k)]->setText(
            QString(caption).replace(QStringLiteral("&"), QStringLiteral("&&")));
}

void CreationPanel::showSuggestion(int suggested, int language) {
    if (suggested == suggestedCategory_)
        return;
    suggestedCategory_ = suggested;
    // A tint of the selection colour marks the button without making it look pressed.
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        QPalette look = palette();
        if (k == suggested)
            look.setColor(QPalette::Button, look.color(QPalette::Highlight).lighter(175));
        button->setPalette(look);
    }
    showCategoryHints(language);
}

void CreationPanel::popUpCategoryMenu(const QPoint& globalPos, bool canRename) {
    renameCategoryAction->setEnabled(canRename);
    categoryMenu->popup(globalPos);
}

int CreationPanel::categoryPosition(int k) {
    int above = 0;
    for (const int top : kCategoryTops)
        above += top < kCategoryTops[k] ? 1 : 0;
    return above;
}

QKeyCombination CreationPanel::categoryKey(int k) {
    // Alt with a letter: nobody types it while writing a name, so typing in the list only ever
    // filters it, and each of the eleven has a key on every keyboard layout. The letters run
    // from the top button down, as the user reads the column.
    return QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(Qt::Key_A + categoryPosition(k)));
}

bool CreationPanel::isList(const QWidget& receiver) const {
    return &receiver == unclassifiedList;
}

void CreationPanel::showReviewTexts(int language) {
    classifyAsSuggestedButton->setText(builtInText(BuiltInText::ClassifyAsSuggested, language));
    const QString description = builtInText(BuiltInText::ReviewDescription, language);
    classifyAsSuggestedButton->setToolTip(description);
    classifyAsSuggestedButton->setAccessibleDescription(description);
}

void CreationPanel::showUndoTexts(const QString& caption, const QString& tip) {
    creationUndoButton->setText(caption);
    creationUndoButton->setToolTip(tip);
}

void CreationPanel::enableUndo(bool enabled) {
    creationUndoButton->setEnabled(enabled);
}

QString CreationPanel::helpShortcutsNoteText() const {
    return helpShortcutsNote->text();
}

void CreationPanel::applyAccessibleTexts(int language) {
    unclassifiedList->setAccessibleName(creationTitle->text());
    unclassifiedList->setAccessibleDescription(classifyInstructions->text());
    creationDoneButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
    moveDoneButton->setAccessibleDescription(builtInText(BuiltInText::EndMove, language));
    unclassifiedFilter->applyAccessibleTexts(language);
    showCategoryHints(language);
}

void CreationPanel::showCategoryHints(int language) {
    for (int k = 0; k < kCategoryCount; ++k) {
        QString hint = builtInText(BuiltInText::CategoryDescription, language)
                           .arg(QKeySequence(categoryKey(k)).toString(QKeySequence::NativeText));
        if (k == suggestedCategory_)
            hint += u' ' + builtInText(BuiltInText::CategorySuggested, language);
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        button->setToolTip(hint);
        button->setAccessibleDescription(hint);
    }
}

bool CreationPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyPress(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    // The menu key or Shift+F10 on a category button.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard &&
        categoryContextMenu(watched))
        return true;
    // The second press of a double click comes as a double-click event.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int k = 0; k < kCategoryCount; ++k)
            if (watched == categoryButtons[static_cast<size_t>(k)])
                Q_EMIT categoryPressed(k, mouse->button(), mouse->globalPosition().toPoint());
    }
    return QFrame::eventFilter(watched, event);
}

bool CreationPanel::keyPress(QObject* watched, const QKeyEvent& key) {
    if (watched == unclassifiedList) {
        const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier,
                                      static_cast<Qt::Key>(key.key()));
        for (int k = 0; k < kCategoryCount; ++k) {
            if (pressed != categoryKey(k))
                continue;
            // A held key classifies once, not every entry that comes up under it.
            QPushButton* button = categoryButtons[static_cast<size_t>(k)];
            if (!roles_.isRepeat(key) && button->isVisible() && button->isEnabled())
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
        Q_EMIT categoryPressed(k, Qt::NoButton, QPoint());
        if (!roles_.isRepeat(key))
            Q_EMIT renameCategoryRequested();
        return true;
    }
    return false;
}

bool CreationPanel::categoryContextMenu(QObject* watched) {
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = categoryButtons[static_cast<size_t>(k)];
        if (watched == button) {
            Q_EMIT categoryPressed(k, Qt::RightButton,
                                   button->mapToGlobal(button->rect().center()));
            return true;
        }
    }
    return false;
}

} // namespace tvn
