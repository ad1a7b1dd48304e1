#pragma once

#include <QString>
#include <QStringList>

namespace tvn {

// An ordered list of strings with per-entry selection and a current entry: the model of the
// window's list boxes. The visible lists are adapters over a toolkit list widget; the hidden
// ones are plain vectors, so the procedures that fill them run without a window.
//
// A sorted list keeps its entries in case-insensitive order (Unicode case folding); an entry
// equal to existing ones lands after them. An unsorted list appends.
class ListBox {
public:
    virtual ~ListBox() = default;

    virtual bool isSorted() const = 0;
    virtual int count() const = 0;
    virtual QString at(int index) const = 0;

    // Adds the entry where the list's order puts it and returns that position.
    virtual int add(const QString& entry) = 0;
    // Inserts at the given position (0 to count), whatever the list's order.
    virtual void insert(int index, const QString& entry) = 0;
    // Removing the current entry leaves the list with no current entry.
    virtual void removeAt(int index) = 0;
    virtual void clear() = 0;
    // Replaces the whole content at once, in the order given; nothing selected, no current entry.
    virtual void assign(const QStringList& entries) = 0;

    virtual bool isSelected(int index) const = 0;
    // Selecting an entry also makes it the current entry, as a click does.
    virtual void setSelected(int index, bool selected) = 0;
    // -1 when there is no current entry.
    virtual int currentIndex() const = 0;
    // Makes `index` the current entry and the only selected one.
    virtual void selectOnly(int index) = 0;
};

// The order of the sorted lists: case-insensitive, equal entries keep their insertion order.
bool sortsBefore(const QString& a, const QString& b);

} // namespace tvn
