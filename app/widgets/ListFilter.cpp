#include "app/widgets/ListFilter.h"

#include "app/widgets/QtListBox.h"
#include "i18n/BuiltInTexts.h"

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
    note_ = new QLabel(&parent);
    note_->setObjectName(list.objectName() + QStringLiteral("Note"));
    // The line keeps its room when empty, so the list stands where it always does.
    note_->setMinimumHeight(note_->fontMetrics().height());
    layout.addWidget(note_);
    box_->installEventFilter(this);
    list_.installEventFilter(this);
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

void ListFilter::setNote(const QString& note) {
    note_->setText(note);
}

void ListFilter::showCounts() {
    // Digits and a slash read the same in every language.
    count_->setText(QStringLiteral("%1 / %2").arg(entries_->shownCount()).arg(entries_->count()));
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == &list_)
        return typeIntoBox(*key);
    if (watched != box_)
        return false;
    const int code = key->key();
    if (code != Qt::Key_Down && code != Qt::Key_Up && code != Qt::Key_PageDown &&
        code != Qt::Key_PageUp)
        return false;
    enterList();
    return true;
}

bool ListFilter::typeIntoBox(const QKeyEvent& key) {
    // Text typed in the list (not a shortcut, not the space that selects) goes on in the box,
    // so typing a name finds it instead of jumping from entry to entry or pressing a key.
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    const QString text = key.text();
    if (text.isEmpty() || !text.front().isPrint() || text.front().isSpace())
        return false;
    box_->setFocus();
    box_->insert(text);
    return true;
}

void ListFilter::enterList() {
    list_.setFocus();
    if (entries_ && entries_->currentIndex() < 0 && entries_->shownCount() > 0)
        entries_->selectOnly(0);
}

void ListFilter::applyAccessibleTexts(int language) {
    box_->setPlaceholderText(builtInText(BuiltInText::FilterName, language));
    box_->setAccessibleName(builtInText(BuiltInText::FilterName, language));
    box_->setAccessibleDescription(builtInText(BuiltInText::FilterDescription, language));
    count_->setAccessibleName(builtInText(BuiltInText::CountName, language));
}

} // namespace tvn
