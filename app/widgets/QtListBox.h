#pragma once

#include "catalogue/ListBox.h"

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
//
// A filter hides the rows whose entry does not contain its text. Hidden entries stay in the
// list for the logic, but are never selected nor current: an action on the selection reaches
// only entries the user can see.
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

    // Shows only the entries that contain `text`, letter case ignored (all for an empty text),
    // now and after every change of the content. When no entry shown is current any more, the
    // first one shown becomes the current and only selected one.
    void setFilter(const QString& text);
    QString filter() const { return filter_; }
    int shownCount() const { return shownCount_; }
    bool isShown(int index) const { return validIndex(index) && hidden_[toSize(index)] == 0; }

Q_SIGNALS:
    // The number of entries, or of those shown, may have changed.
    void countsChanged();

private:
    static size_t toSize(int index) { return static_cast<size_t>(index); }
    bool validIndex(int index) const { return index >= 0 && index < count(); }
    bool passesFilter(const QString& entry) const;
    // Hides or shows one row as the filter says; the row's selection goes when it is hidden.
    void applyFilter(int index);
    void selectionChangedByUser(const QItemSelection& selected, const QItemSelection& deselected);
    void currentChangedByUser(const QModelIndex& current);
    void widgetNeedsSync();
    // After a reset the view would pick a current entry of its own when it gains the focus.
    void keepNoCurrentEntry();

    QListWidget& widget_;
    bool sorted_;
    std::vector<char> selected_;
    std::vector<char> hidden_;
    int current_ = -1;
    QString filter_;
    int shownCount_ = 0;
    // Set while the adapter itself changes the widget, whose signals then carry no user action.
    bool updatingWidget_ = false;
    bool syncPending_ = false;
};

} // namespace tvn
