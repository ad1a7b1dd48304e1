#include "app/widgets/PathBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tvn {

namespace {

// The space QLineEdit keeps between its frame and its text, on either side.
constexpr int kHorizontalMargin = 2;

} // namespace

PathBox::PathBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    setToolTip(text);
    connect(this, &QLineEdit::textChanged, this, &QWidget::setToolTip);
}

QRect PathBox::textArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return contents.adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

QString PathBox::shownText() const {
    if (hasFocus())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textArea().width());
}

void PathBox::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, QPalette::Text));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

} // namespace tvn
