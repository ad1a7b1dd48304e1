#pragma once

#include <QObject>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tvn {

class QtListBox;

// A filter box above a long list, with the count of the entries shown and of all beside it.
// Typing narrows the list as the user types; Up and Down go on into the list, so the keyboard
// never has to leave the row of keys it is on.
class ListFilter final : public QObject {
public:
    // Makes the box and the count, named after the list ("NotYetFilter", "NotYetCount"), and
    // adds them to `layout` as one row.
    ListFilter(QWidget& parent, QBoxLayout& layout, QListWidget& list);

    // Ties the box to the entries of the list; until then typing filters nothing.
    void attach(QtListBox& entries);

    QLineEdit* box() const { return box_; }
    QLabel* count() const { return count_; }
    // Empties the box, so the whole list shows again; false when it was empty already.
    bool clear();
    // Gives the list the focus, with a current entry when one is shown.
    void enterList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCounts();

    QListWidget& list_;
    QLineEdit* box_ = nullptr;
    QLabel* count_ = nullptr;
    QtListBox* entries_ = nullptr;
};

} // namespace tvn
