#pragma once

#include "i18n/BuiltInTexts.h"

#include <functional>
#include <memory>
#include <optional>
#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;

namespace tvn {

class ButtonRoles;
class FilteredList;
class QtListBox;

// What sets one list panel apart: the object names of its controls and the captions they show
// until the language files set theirs.
struct ListPanelShape {
    struct Control {
        QString name;
        QString caption;
    };
    QString panelName;
    Control title;
    Control above;    // what the list holds, the list's description to a screen reader
    QString listName; // the filtered list
    bool sorted;      // whether the list widget keeps its rows sorted itself
    Control below;    // what the main button does, that button's description
    Control back;     // back to the menu (Esc)
    Control act;      // the main button (Enter)
    QString undoName; // Undo
    // A second button before the main one, and its description to a screen reader.
    struct OtherButton {
        Control control;
        BuiltInText description;
    };
    std::optional<OtherButton> other;
    // Said instead of the line below the list while the list is empty.
    std::optional<Control> emptyNote;
};

// A panel that shows a filtered list of copies to act on: a title, a line above and one below
// the list, then Back and Undo on the left and the main button (Enter) on the right, with an
// optional second one before it. The Modify and Purges panels are two shapes of it.
class ListPanel final : public QFrame {
    Q_OBJECT

public:
    ListPanel(QWidget& window, ButtonRoles& roles, const ListPanelShape& shape);
    ~ListPanel() override;

    // The Modify panel: the classified copies, to be removed or moved to another category.
    static ListPanelShape modifyShape();
    // The Purges panel: the classified copies whose Programs shortcut is gone, to be removed.
    static ListPanelShape purgesShape();

    // Shows the panel, Enter pressing the main button and Esc going back to the menu.
    void open();
    // The entries as the logic lists them.
    QtListBox& entries() const;
    // Selects the first entry, if any, and gives the list the focus.
    void selectFirst();
    // Empties the filter box; false when it was empty already.
    bool clearFilter();
    // Enter in the filter box goes on to the list; false when `receiver` is not that box.
    bool enterListFrom(const QWidget& receiver);
    void showUndoTexts(const QString& caption, const QString& tip);
    void enableUndo(bool enabled);
    // The note said instead of the line below while the list is empty, for a shape that has one.
    void showEmptyListText(const QString& text);
    void applyAccessibleTexts(int language);
    // Each entry's row shows `folderOf(row)` at its right end.
    void showFolderBesideEachEntry(std::function<QString(int row)> folderOf);

Q_SIGNALS:
    void actClicked();
    void otherClicked();
    void backClicked();
    void undoClicked();

private:
    ButtonRoles& roles_;
    std::optional<BuiltInText> otherDescription_;
    QLabel* title = nullptr;
    QLabel* above = nullptr;
    QLabel* below = nullptr;
    QLabel* emptyNote = nullptr; // none when the shape has no note for an empty list
    QPushButton* actButton = nullptr;
    QPushButton* otherButton = nullptr; // none when the shape has no second button
    QPushButton* backButton = nullptr;
    QPushButton* undoButton = nullptr;
    std::unique_ptr<FilteredList> list;
};

} // namespace tvn
