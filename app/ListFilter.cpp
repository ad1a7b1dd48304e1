#include "app/ListFilter.h"

#include "app/QtListBox.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace tvn {

ListFilter::ListFilter(QWidget& parent, QBoxLayout& layout, QListWidget& list)
    : QObject(&parent)
    , list_(list) {
    box_ = new QLineEdit(&parent);
    box_->setObjectName(list.objectName() + QStringLiteral("Filter"));
    count_ = new QLabel(&parent);
    count_->setObjectName(list.objectName() + QStringLiteral("Count"));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(box_, 1);
    row->addWidget(count_);
    layout.addLayout(row);
    box_->installEventFilter(this);
}

void ListFilter::attach(QtListBox& entries) {
    entries_ = &entries;
    connect(box_, &QLineEdit::textChanged, &entries, &QtListBox::setFilter);
    connect(&entries, &QtListBox::countsChanged, this, &ListFilter::showCounts);
    showCounts();
}

bool ListFilter::clear() {
    if (box_->text().isEmpty())
        return false;
    box_->clear();
    return true;
}

void ListFilter::showCounts() {
    // Digits and a slash read the same in every language.
    count_->setText(QStringLiteral("%1 / %2").arg(entries_->shownCount()).arg(entries_->count()));
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Down && key != Qt::Key_Up && key != Qt::Key_PageDown &&
        key != Qt::Key_PageUp)
        return false;
    enterList();
    return true;
}

void ListFilter::enterList() {
    list_.setFocus();
    if (entries_ && entries_->currentIndex() < 0 && entries_->shownCount() > 0)
        entries_->selectOnly(0);
}

} // namespace tvn
