#include "dialogs/SuggestionReview.h"

#include "dialogs/Look.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tvn {

SuggestionReview::SuggestionReview(QWidget& mainWindow, const SuggestionReviewTexts& texts,
                                   std::vector<ReviewCategory> categories,
                                   std::vector<ReviewLine> lines)
    : QDialog(&mainWindow)
    , texts_(texts)
    , categories_(std::move(categories)) {
    setObjectName(QStringLiteral("SuggestionReview"));
    setWindowTitle(texts.title);
    setFont(torvaneFont());

    auto* layout = new QVBoxLayout(this);
    reviewInstructions = new QLabel(texts.instructions, this);
    reviewInstructions->setObjectName(QStringLiteral("reviewInstructions"));
    reviewInstructions->setWordWrap(true);
    layout->addWidget(reviewInstructions);
    leftOutNote = new QLabel(texts.leftOut, this);
    leftOutNote->setObjectName(QStringLiteral("leftOutNote"));
    leftOutNote->setWordWrap(true);
    leftOutNote->setVisible(!texts.leftOut.isEmpty());
    layout->addWidget(leftOutNote);

    reviewList = new QTreeWidget(this);
    reviewList->setObjectName(QStringLiteral("reviewList"));
    reviewList->setColumnCount(3);
    reviewList->setHeaderHidden(true);
    reviewList->setRootIsDecorated(false);
    reviewList->setUniformRowHeights(true);
    reviewList->setSelectionMode(QAbstractItemView::SingleSelection);
    reviewList->setAccessibleName(texts.title);
    reviewList->setAccessibleDescription(texts.instructions);
    layout->addWidget(reviewList, 1);

    QStringList captions;
    for (const ReviewCategory& category : categories_)
        captions.append(category.caption);
    lines_.reserve(lines.size());
    for (const ReviewLine& line : lines) {
        const int k = static_cast<int>(lines_.size());
        auto* item = new QTreeWidgetItem(reviewList, QStringList{line.name});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
        item->setData(0, Qt::UserRole, k);
        if (line.sure) {
            item->setText(2, QStringLiteral("\u2713"));
            item->setToolTip(2, texts.sureMark);
        }
        // The boxes stay out of the Tab order: the list's keys open them, so Tab goes from the
        // list straight to the buttons however long the list is.
        auto* box = new QComboBox;
        box->setObjectName(QStringLiteral("reviewCategoryBox%1").arg(k));
        box->setFocusPolicy(Qt::NoFocus);
        box->addItems(captions);
        box->setAccessibleName(texts.lineCategory.arg(line.name));
        box->installEventFilter(this);
        reviewList->setItemWidget(item, 1, box);
        lines_.push_back({line, item, box});
        for (size_t position = 0; position < categories_.size(); ++position)
            if (categories_[position].index == line.category)
                box->setCurrentIndex(static_cast<int>(position));
        describe(lines_.back());
        connect(box, &QComboBox::currentIndexChanged, this, [this, k](int position) {
            chooseCategory(lines_[static_cast<size_t>(k)], position);
        });
    }
    QHeaderView* header = reviewList->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    if (!lines_.empty()) {
        header->resizeSection(1, lines_.front().categoryBox->sizeHint().width());
        reviewList->setCurrentItem(lines_.front().item);
    }
    connect(reviewList, &QTreeWidget::itemChanged, this, &SuggestionReview::enableClassify);
    reviewList->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    classifyButton = new QPushButton(texts.classify, this);
    classifyButton->setObjectName(QStringLiteral("reviewClassifyButton"));
    classifyButton->setDefault(true);
    cancelButton = new QPushButton(texts.cancel, this);
    cancelButton->setObjectName(QStringLiteral("reviewCancelButton"));
    for (QPushButton* button : {classifyButton, cancelButton}) {
        button->setMinimumWidth(80);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(classifyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    enableClassify();

    reviewList->setFocus();
    resize(560, 420);
    move(mainWindow.pos());
}

std::vector<ReviewLine> SuggestionReview::confirmedLines() const {
    std::vector<ReviewLine> confirmed;
    if (result() != QDialog::Accepted)
        return confirmed;
    for (const Line& line : lines_)
        if (line.item->checkState(0) == Qt::Checked)
            confirmed.push_back(line.line);
    return confirmed;
}

bool SuggestionReview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reviewList && event->type() == QEvent::KeyPress &&
        keyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    // A turn of the wheel over a box scrolls the list: it never changes a category unseen.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) {
        QApplication::sendEvent(reviewList->viewport(), event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool SuggestionReview::keyPress(const QKeyEvent& key) {
    Line* line = currentLine();
    if (!line)
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        line->item->setCheckState(0, line->item->checkState(0) == Qt::Checked ? Qt::Unchecked
                                                                              : Qt::Checked);
        return true;
    }
    if ((key.key() == Qt::Key_F2 && modifiers == Qt::NoModifier) ||
        (key.key() == Qt::Key_Down && modifiers == Qt::AltModifier)) {
        reviewList->scrollToItem(line->item);
        line->categoryBox->showPopup();
        return true;
    }
    const QKeyCombination pressed(modifiers, static_cast<Qt::Key>(key.key()));
    for (size_t position = 0; position < categories_.size(); ++position)
        if (pressed == categories_[position].key) {
            line->categoryBox->setCurrentIndex(static_cast<int>(position));
            return true;
        }
    return false;
}

SuggestionReview::Line* SuggestionReview::currentLine() {
    const QTreeWidgetItem* current = reviewList->currentItem();
    return current ? &lines_.at(current->data(0, Qt::UserRole).toUInt()) : nullptr;
}

void SuggestionReview::chooseCategory(Line& line, int position) {
    line.line.category = categories_.at(static_cast<size_t>(position)).index;
    describe(line);
}

void SuggestionReview::describe(Line& line) {
    const QString& text = line.line.sure ? texts_.sureLine : texts_.line;
    line.item->setData(0, Qt::AccessibleTextRole,
                       text.arg(line.line.name, line.categoryBox->currentText()));
}

void SuggestionReview::enableClassify() {
    bool anyTicked = false;
    for (const Line& line : lines_)
        anyTicked = anyTicked || line.item->checkState(0) == Qt::Checked;
    classifyButton->setEnabled(anyTicked);
}

} // namespace tvn
