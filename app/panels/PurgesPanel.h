#pragma once

#include <memory>
#include <QFrame>

class QLabel;
class QPushButton;

namespace tvn {

class ButtonRoles;
class FilteredList;
class QtListBox;

// The Purges panel: the classified copies whose Programs shortcut is gone, to be removed.
class PurgesPanel final : public QFrame {
    Q_OBJECT

public:
    PurgesPanel(QWidget& window, ButtonRoles& roles);
    ~PurgesPanel() override;

    // Shows the panel, Enter removing and Esc going back to the menu.
    void open();
    // The orphaned copies as the logic lists them.
    QtListBox& orphans() const;
    // Selects the first orphan, if any, and gives the list the focus.
    void selectFirstOrphan();
    // Empties the filter box; false when it was empty already.
    bool clearFilter();
    // Enter in the filter box goes on to the list; false when `receiver` is not that box.
    bool enterListFrom(const QWidget& receiver);
    void showUndoTexts(const QString& caption, const QString& tip);
    // Said instead of the instructions while the list is empty.
    void showNoOrphansText(const QString& text);
    void enableUndo(bool enabled);
    void applyAccessibleTexts(int language);

Q_SIGNALS:
    void purgeClicked();
    void backClicked();
    void undoClicked();

private:
    ButtonRoles& roles_;
    QLabel* purgesTitle = nullptr;             // title
    QLabel* orphansDescription = nullptr;      // what the list holds
    QLabel* purgeInstructions = nullptr;       // how to remove
    QLabel* noOrphansNote = nullptr;           // there is nothing to remove
    QPushButton* purgeButton = nullptr;        // REMOVE
    QPushButton* purgesBackButton = nullptr;   // Back to menu...
    QPushButton* purgesUndoButton = nullptr;   // Undo
    std::unique_ptr<FilteredList> orphansList; // copies whose source shortcut is gone
};

} // namespace tvn
