#pragma once

#include <functional>
#include <memory>
#include <QFrame>

class QLabel;
class QPushButton;

namespace tvn {

class ButtonRoles;
class FilteredList;
class QtListBox;

// The Modify panel: the classified copies, to be removed or moved to another category.
class ModifyPanel final : public QFrame {
    Q_OBJECT

public:
    ModifyPanel(QWidget& window, ButtonRoles& roles);
    ~ModifyPanel() override;

    // Shows the panel, Enter removing and Esc going back to the menu.
    void open();
    // The classified copies as the logic lists them.
    QtListBox& copies() const;
    // Selects the first copy, if any, and gives the list the focus.
    void selectFirstCopy();
    // Empties the filter box; false when it was empty already.
    bool clearFilter();
    // Enter in the filter box goes on to the list; false when `receiver` is not that box.
    bool enterListFrom(const QWidget& receiver);
    void showUndoTexts(const QString& caption, const QString& tip);
    void enableUndo(bool enabled);
    void applyAccessibleTexts(int language);
    // Each copy's row shows `folderOf(row)` at its right end.
    void showFolderBesideEachCopy(std::function<QString(int row)> folderOf);

Q_SIGNALS:
    void removeClicked();
    void moveClicked();
    void doneClicked();
    void undoClicked();

private:
    ButtonRoles& roles_;
    QLabel* modifyTitle = nullptr;            // title
    QLabel* removeInstructions = nullptr;     // how to remove
    QLabel* originalsStayNote = nullptr;      // the originals stay
    QPushButton* removeButton = nullptr;      // REMOVE
    QPushButton* moveButton = nullptr;        // MOVE: the Creation panel in move mode
    QPushButton* modifyDoneButton = nullptr;  // Done: back to the menu
    QPushButton* modifyUndoButton = nullptr;  // Undo
    std::unique_ptr<FilteredList> copiesList; // the classified copies
};

} // namespace tvn
