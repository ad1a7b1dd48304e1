#pragma once

#include "catalogue/ListBox.h"

#include <vector>

namespace tvn {

// A list box without a window: the hidden lists, and every list in the logic's tests.
class VectorListBox final : public ListBox {
public:
    explicit VectorListBox(bool sorted = false)
        : sorted_(sorted) {}

    bool isSorted() const override { return sorted_; }
    int count() const override { return static_cast<int>(entries_.size()); }
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

    QStringList entries() const;

private:
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    bool sorted_;
    std::vector<QString> entries_;
    std::vector<bool> selected_;
    int current_ = -1;
};

} // namespace tvn
