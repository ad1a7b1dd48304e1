#pragma once

#include "catalogue/ProgramState.h"

#include <array>
#include <memory>
#include <QFrame>
#include <QKeyCombination>

class QAction;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace tvn {

class ButtonRoles;
class ListFilter;
class QtListBox;

// The Creation panel: the shortcuts not classified yet and the eleven category buttons, opened
// by the main menu's CLASSIFY. In move mode it lists the copies to move instead, under its move
// title and instructions, and its done button goes back to the Modify panel.
class CreationPanel final : public QFrame {
    Q_OBJECT

public:
    // The category menu is the window's, as the panel's other popups would be.
    CreationPanel(QWidget& window, ButtonRoles& roles);
    ~CreationPanel() override;

    // Shows the panel with the list focused, Esc going back to the menu.
    void open();
    // Shows the panel in move mode, and back: titles, instructions and done buttons change.
    void openForMove();
    void closeMoveMode();
    // The shortcuts not classified yet, or the copies to move, as the logic lists them.
    QtListBox& unclassified() const { return *unclassifiedBox; }
    void focusList();
    // Empties the filter box; false when it was empty already.
    bool clearFilter();
    // A line under the filter box, such as how many shortcuts the help option keeps out.
    void setFilterNote(const QString& note);
    // Enter in the filter box goes on to the list; false when `receiver` is not that box.
    bool enterListFrom(const QWidget& receiver);

    // The caption of category button k (0 to 10), "&" as written.
    QString categoryCaption(int k) const;
    void setCategoryCaption(int k, const QString& caption);
    // Marks category button `suggested` (-1 for none) as the one that fits the current entry.
    void showSuggestion(int suggested, int language);
    // Pops up the menu of a category button at `globalPos`; its rename can be chosen or not.
    void popUpCategoryMenu(const QPoint& globalPos, bool canRename);
    // The place of category button k (0 to 10) in the column, counted from the top.
    static int categoryPosition(int k);
    // The key that presses category button k (0 to 10) while the list has the focus.
    static QKeyCombination categoryKey(int k);
    // True when `receiver` is the list.
    bool isList(const QWidget& receiver) const;
    // The caption and description of the button that opens the review of the suggestions.
    void showReviewTexts(int language);

    void showUndoTexts(const QString& caption, const QString& tip);
    void enableUndo(bool enabled);
    // The note on help shortcuts, which also describes the settings' option that hides them.
    QString helpShortcutsNoteText() const;
    void applyAccessibleTexts(int language);

Q_SIGNALS:
    void categoryClicked(int k);
    // A mouse button went down on category button k, or the keyboard asked for its menu (the
    // right button) or its rename (no button).
    void categoryPressed(int k, Qt::MouseButton button, const QPoint& globalPos);
    void renameCategoryRequested();
    void doneClicked();
    void moveDoneClicked();
    void undoClicked();
    void classifyAsSuggestedClicked();
    // The current entry of the list changed, or the list did; sent once the change is complete.
    void currentEntryChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A category's key in the list, F2 or the menu key on a category button; true when used.
    bool keyPress(QObject* watched, const QKeyEvent& key);
    bool categoryContextMenu(QObject* watched);
    // The tooltip of each category button: its key, how to rename it, and whether it is the
    // one suggested for the current shortcut.
    void showCategoryHints(int language);

    ButtonRoles& roles_;
    QLabel* creationTitle = nullptr;         // title
    QLabel* moveTitle = nullptr;             // title in move mode
    QLabel* classifyInstructions = nullptr;  // how to classify
    QLabel* moveInstructions = nullptr;      // how to move
    QLabel* helpShortcutsNote = nullptr;     // help shortcuts need no classifying
    QLabel* renameHint = nullptr;            // right-click a category to rename it
    QListWidget* unclassifiedList = nullptr; // the unclassified shortcuts, or the copies to move
    ListFilter* unclassifiedFilter =
        nullptr; // narrows unclassifiedList to the names holding a text
    std::array<QPushButton*, kCategoryCount> categoryButtons{}; // one per category, its name
    QPushButton* creationDoneButton = nullptr;                  // Done: back to the menu
    QPushButton* moveDoneButton = nullptr;     // Done... in move mode: back to the Modify panel
    QPushButton* creationUndoButton = nullptr; // Undo
    QPushButton* classifyAsSuggestedButton = nullptr; // reviews the suggestions, then classifies
    QMenu* categoryMenu = nullptr;                    // a category button's right-click menu
    QAction* renameCategoryAction = nullptr;          // Rename...
    std::unique_ptr<QtListBox> unclassifiedBox;
    // The category suggested for the current entry; -1 for none.
    int suggestedCategory_ = -1;
};

} // namespace tvn
