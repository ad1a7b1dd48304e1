#pragma once

#include <memory>
#include <QString>

class QBoxLayout;
class QListWidget;
class QWidget;

namespace tvn {

class ListFilter;
class QtListBox;

// A panel's list with its filter box above it: the widget the user sees, the entries as the logic
// lists them, and what the panel does with both. The list is made here, then the filter's row
// and the list go into the layout in that order.
class FilteredList {
public:
    FilteredList(QWidget& panel, QBoxLayout& layout, const QString& objectName, bool sorted);
    ~FilteredList();

    QListWidget& widget() const { return *list_; }
    QtListBox& entries() const { return *entries_; }
    // Selects the first entry, if any, and gives the list the focus.
    void selectFirst();
    // Empties the filter box; false when it was empty already.
    bool clearFilter();
    // Enter in the filter box goes on to the list; false when `receiver` is not that box.
    bool enterListFrom(const QWidget& receiver);
    // The list's accessible name and description, and the filter's texts in `language`.
    void applyAccessibleTexts(const QString& name, const QString& description, int language);

private:
    QListWidget* list_;
    ListFilter* filter_;
    std::unique_ptr<QtListBox> entries_;
};

} // namespace tvn
