#include "catalogue/VectorListBox.h"

#include <algorithm>

namespace tvn {

bool sortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QString VectorListBox::at(int index) const {
    return validIndex(index) ? entries_[static_cast<size_t>(index)] : QString();
}

int VectorListBox::add(const QString& entry) {
    int index = count();
    if (sorted_) {
        const auto place = std::upper_bound(entries_.begin(), entries_.end(), entry, sortsBefore);
        index = static_cast<int>(place - entries_.begin());
    }
    insert(index, entry);
    return index;
}

void VectorListBox::insert(int index, const QString& entry) {
    index = std::clamp(index, 0, count());
    entries_.insert(entries_.begin() + index, entry);
    selected_.insert(selected_.begin() + index, false);
    if (current_ >= index)
        ++current_;
}

void VectorListBox::removeAt(int index) {
    if (!validIndex(index))
        return;
    entries_.erase(entries_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (current_ == index)
        current_ = -1;
    else if (current_ > index)
        --current_;
}

void VectorListBox::clear() {
    entries_.clear();
    selected_.clear();
    current_ = -1;
}

void VectorListBox::assign(const QStringList& entries) {
    entries_.assign(entries.begin(), entries.end());
    selected_.assign(entries_.size(), false);
    current_ = -1;
}

bool VectorListBox::isSelected(int index) const {
    return validIndex(index) && selected_[static_cast<size_t>(index)];
}

void VectorListBox::setSelected(int index, bool selected) {
    if (!validIndex(index))
        return;
    selected_[static_cast<size_t>(index)] = selected;
    if (selected)
        current_ = index;
}

void VectorListBox::selectOnly(int index) {
    if (!validIndex(index))
        return;
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[static_cast<size_t>(index)] = true;
    current_ = index;
}

QStringList VectorListBox::entries() const {
    return QStringList(entries_.begin(), entries_.end());
}

} // namespace tvn
