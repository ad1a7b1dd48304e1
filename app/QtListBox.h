#pragma once

#include "ListBox.h"

#include <QObject>
#include <vector>

class QItemSelection;
class QListWidget;
class QModelIndex;

namespace tvn {

// A list box over a QListWidget with extended selection. The adapter places every entry
// itself (the widget's own sorting stays off) and keeps the selection and the current entry
// for the logic, so reading and changing them costs nothing per call even at 100,000
// entries. The user's clicks and keys update that state at once; the logic's changes reach
// the widget in one step at the next turn of the event loop (or at syncWidget()).
class QtListBox final : public QObject, public ListBox {
    Q_OBJECT

public:
    QtListBox(QListWidget& widget, bool sorted);

    bool isSorted() const override { return sorted_; }
    int count() const override { return static_cast<int>(selected_.size()); }
    QString at(int index) const override;

    int add(const QString& entry) override;
    void insert(int index, const QString& entry) override;
    void removeAt(int index) override;
    void clear() override;
    void assign(const QStringList& entries) override;

    bool isSelected(int index) const override;
    void setSelected(int index, bool selected) override;
    int currentIndex() const override { return current_; }
    void selectOnly(int index) override;

    // Shows the logic's selection and current entry in the widget now.
    void syncWidget();

private:
    bool validIndex(int index) const { return index >= 0 && index < count(); }
    void selectionChangedByUser(const QItemSelection& selected, const QItemSelection& deselected);
    void currentChangedByUser(const QModelIndex& current);
    void widgetNeedsSync();
    // After a reset the view would pick a current entry of its own when it gains the focus.
    void keepNoCurrentEntry();

    QListWidget& widget_;
    bool sorted_;
    std::vector<char> selected_;
    int current_ = -1;
    // Set while the adapter itself changes the widget, whose signals then carry no user action.
    bool updatingWidget_ = false;
    bool syncPending_ = false;
};

} // namespace tvn
