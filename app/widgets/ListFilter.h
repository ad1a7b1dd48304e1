#pragma once

#include <QObject>
#include <QString>

class QBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tvn {

class QtListBox;

// A filter box above a long list, with the count of the entries shown and of all beside it.
// Typing narrows the list as the user types, in the box or in the list itself; Up and Down go
// on into the list, so the keyboard never has to leave the row of keys it is on.
class ListFilter final : public QObject {
public:
    // Makes the box and the count, named after the list ("NotYetFilter", "NotYetCount"), and
    // adds them to `layout` as one row.
    ListFilter(QWidget& parent, QBoxLayout& layout, QListWidget& list);

    // Ties the box to the entries of the list; until then typing filters nothing.
    void attach(QtListBox& entries);

    QLineEdit* box() const { return box_; }
    QLabel* count() const { return count_; }
    // A line under the box, such as how many entries an option keeps out of the list; empty
    // for none.
    void setNote(const QString& note);
    // Empties the box, so the whole list shows again; false when it was empty already.
    bool clear();
    // Gives the list the focus, with a current entry when one is shown.
    void enterList();
    // Names and describes the box and the count for assistive technology.
    void applyAccessibleTexts(int language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCounts();
    // Sends text typed while the list has the focus to the box; false for any other key.
    bool typeIntoBox(const QKeyEvent& key);

    QListWidget& list_;
    QLineEdit* box_ = nullptr;
    QLabel* count_ = nullptr;
    QtListBox* entries_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace tvn
