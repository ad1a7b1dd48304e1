#include "app/widgets/QtListBox.h"

#include <algorithm>
#include <QItemSelectionModel>
#include <QListWidget>

namespace tvn {
namespace {

class Updating {
public:
    explicit Updating(bool& flag)
        : flag_(flag)
        , previous_(flag) {
        flag_ = true;
    }
    ~Updating() { flag_ = previous_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

QtListBox::QtListBox(QListWidget& widget, bool sorted)
    : widget_(widget)
    , sorted_(sorted) {
    widget_.setSortingEnabled(false);
    widget_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    // One row height for all: laying out 100,000 entries then measures one of them.
    widget_.setUniformItemSizes(true);
    Updating updating(updatingWidget_);
    widget_.clear();
    keepNoCurrentEntry();
    QItemSelectionModel* selection = widget_.selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &QtListBox::selectionChangedByUser);
    connect(selection, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { currentChangedByUser(current); });
}

QString QtListBox::at(int index) const {
    return validIndex(index) ? widget_.item(index)->text() : QString();
}

int QtListBox::add(const QString& entry) {
    int index = count();
    if (sorted_) {
        // The first position whose entry sorts after the new one: equal entries stay before it.
        int low = 0;
        int high = count();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (sortsBefore(entry, widget_.item(middle)->text()))
                high = middle;
            else
                low = middle + 1;
        }
        index = low;
    }
    insert(index, entry);
    return index;
}

void QtListBox::insert(int index, const QString& entry) {
    index = std::clamp(index, 0, count());
    {
        // The widget moves its selection and current entry along, as the adapter does.
        Updating updating(updatingWidget_);
        widget_.insertItem(index, entry);
    }
    selected_.insert(selected_.begin() + index, 0);
    hidden_.insert(hidden_.begin() + index, 0);
    ++shownCount_;
    if (current_ >= index)
        ++current_;
    applyFilter(index);
    Q_EMIT countsChanged();
}

void QtListBox::removeAt(int index) {
    if (!validIndex(index))
        return;
    {
        Updating updating(updatingWidget_);
        delete widget_.takeItem(index);
    }
    if (hidden_[toSize(index)] == 0)
        --shownCount_;
    selected_.erase(selected_.begin() + index);
    hidden_.erase(hidden_.begin() + index);
    if (current_ == index) {
        // The view moves its current entry to a neighbour; the list box has none left.
        current_ = -1;
        widgetNeedsSync();
    } else if (current_ > index) {
        --current_;
    }
    Q_EMIT countsChanged();
}

void QtListBox::clear() {
    assign({});
}

void QtListBox::assign(const QStringList& entries) {
    {
        Updating updating(updatingWidget_);
        widget_.clear();
        widget_.addItems(entries);
        keepNoCurrentEntry();
    }
    selected_.assign(static_cast<size_t>(entries.size()), 0);
    // The reset showed every row again.
    hidden_.assign(selected_.size(), 0);
    shownCount_ = count();
    current_ = -1;
    if (!filter_.isEmpty())
        for (int row = 0; row < count(); ++row)
            applyFilter(row);
    Q_EMIT countsChanged();
}

bool QtListBox::isSelected(int index) const {
    return validIndex(index) && selected_[static_cast<size_t>(index)] != 0;
}

void QtListBox::setSelected(int index, bool selected) {
    if (!validIndex(index) || (selected && !isShown(index)))
        return;
    selected_[static_cast<size_t>(index)] = selected ? 1 : 0;
    if (selected)
        current_ = index;
    widgetNeedsSync();
}

void QtListBox::selectOnly(int index) {
    if (!validIndex(index))
        return;
    // A hidden entry gives way to the next one shown, or else to the last one shown before it:
    // the one the user sees following the entries just dealt with.
    const int after =
        static_cast<int>(std::find(hidden_.begin() + index, hidden_.end(), 0) - hidden_.begin());
    if (after < count()) {
        index = after;
    } else {
        while (index >= 0 && !isShown(index))
            --index;
    }
    std::fill(selected_.begin(), selected_.end(), 0);
    current_ = -1;
    widgetNeedsSync();
    if (index < 0)
        return;
    selected_[toSize(index)] = 1;
    current_ = index;
}

void QtListBox::setFilter(const QString& text) {
    if (text == filter_)
        return;
    filter_ = text;
    for (int row = 0; row < count(); ++row)
        applyFilter(row);
    if (current_ < 0 && shownCount_ > 0)
        selectOnly(0);
    widgetNeedsSync();
    Q_EMIT countsChanged();
}

bool QtListBox::passesFilter(const QString& entry) const {
    return entry.contains(filter_, Qt::CaseInsensitive);
}

void QtListBox::applyFilter(int index) {
    const bool hide = !passesFilter(widget_.item(index)->text());
    char& hidden = hidden_[toSize(index)];
    if ((hidden != 0) == hide)
        return;
    hidden = hide ? 1 : 0;
    shownCount_ += hide ? -1 : 1;
    {
        Updating updating(updatingWidget_);
        widget_.setRowHidden(index, hide);
    }
    if (!hide)
        return;
    selected_[toSize(index)] = 0;
    if (current_ == index)
        current_ = -1;
    widgetNeedsSync();
}

void QtListBox::syncWidget() {
    syncPending_ = false;
    Updating updating(updatingWidget_);
    QAbstractItemModel* model = widget_.model();
    QItemSelection selection;
    const int n = count();
    for (int first = 0; first < n;) {
        if (selected_[static_cast<size_t>(first)] == 0) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < n && selected_[static_cast<size_t>(last + 1)] != 0)
            ++last;
        selection.select(model->index(first, 0), model->index(last, 0));
        first = last + 1;
    }
    QItemSelectionModel* selectionModel = widget_.selectionModel();
    selectionModel->setCurrentIndex(current_ >= 0 ? model->index(current_, 0) : QModelIndex(),
                                    QItemSelectionModel::NoUpdate);
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current_ >= 0)
        widget_.scrollToItem(widget_.item(current_));
}

void QtListBox::selectionChangedByUser(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    if (updatingWidget_)
        return;
    // A range the user selects across hidden rows (Shift, or select all) takes only the rows
    // shown; the widget is then told to drop the others.
    bool tookHidden = false;
    const auto mark = [&](const QItemSelection& ranges, char value) {
        for (const QItemSelectionRange& range : ranges)
            for (int row = std::max(range.top(), 0); row <= range.bottom() && row < count();
                 ++row) {
                const bool shown = isShown(row);
                tookHidden = tookHidden || (value != 0 && !shown);
                selected_[toSize(row)] = shown ? value : 0;
            }
    };
    mark(deselected, 0);
    mark(selected, 1);
    if (tookHidden)
        widgetNeedsSync();
}

void QtListBox::currentChangedByUser(const QModelIndex& current) {
    if (updatingWidget_)
        return;
    if (current.isValid() && !isShown(current.row())) {
        widgetNeedsSync();
        return;
    }
    current_ = current.isValid() ? current.row() : -1;
}

void QtListBox::widgetNeedsSync() {
    if (syncPending_)
        return;
    syncPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (syncPending_)
                syncWidget();
        },
        Qt::QueuedConnection);
}

void QtListBox::keepNoCurrentEntry() {
    widget_.setCurrentIndex(QModelIndex());
    widget_.selectionModel()->clearSelection();
}

} // namespace tvn
