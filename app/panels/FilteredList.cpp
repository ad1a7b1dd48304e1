#include "app/panels/FilteredList.h"

#include "app/widgets/ListFilter.h"
#include "app/widgets/QtListBox.h"
#include "app/widgets/Widgets.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>

namespace tvn {

FilteredList::FilteredList(QWidget& panel, QBoxLayout& layout, const QString& objectName,
                           bool sorted)
    : list_(makeList(&panel, objectName))
    , filter_(new ListFilter(panel, layout, *list_))
    , entries_(std::make_unique<QtListBox>(*list_, sorted)) {
    layout.addWidget(list_, 1);
    filter_->attach(*entries_);
}

FilteredList::~FilteredList() = default;

void FilteredList::selectFirst() {
    if (entries_->count() > 0) {
        entries_->selectOnly(0);
        list_->setFocus();
    }
}

bool FilteredList::clearFilter() {
    return filter_->clear();
}

bool FilteredList::enterListFrom(const QWidget& receiver) {
    if (&receiver != filter_->box())
        return false;
    filter_->enterList();
    return true;
}

void FilteredList::applyAccessibleTexts(const QString& name, const QString& description,
                                        int language) {
    list_->setAccessibleName(name);
    list_->setAccessibleDescription(description);
    filter_->applyAccessibleTexts(language);
}

} // namespace tvn
