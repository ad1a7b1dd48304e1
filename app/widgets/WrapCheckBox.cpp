#include "app/widgets/WrapCheckBox.h"

#include <algorithm>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tvn {
namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
// The widest a check box asks to be before it wraps.
constexpr int kPreferredWidth = 320;

} // namespace

WrapCheckBox::WrapCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapCheckBox::indicatorWidth() const {
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

int WrapCheckBox::lineHeight() const {
    return std::max(fontMetrics().height(),
                    style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this));
}

QRect WrapCheckBox::textRect(int width) const {
    const int textWidth = std::max(1, width - indicatorWidth());
    const QRect bounds =
        fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), kTextFlags, text());
    return QRect(indicatorWidth(), 0, textWidth, std::max(bounds.height(), lineHeight()));
}

int WrapCheckBox::heightForWidth(int width) const {
    return textRect(width).height() + 2;
}

QSize WrapCheckBox::sizeHint() const {
    const int natural = indicatorWidth() + fontMetrics().horizontalAdvance(text()) + 2;
    const int width = std::min(natural, kPreferredWidth);
    return QSize(width, heightForWidth(width));
}

QSize WrapCheckBox::minimumSizeHint() const {
    const int width = indicatorWidth() + fontMetrics().averageCharWidth() * 8;
    return QSize(std::min(width, sizeHint().width()), lineHeight());
}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The box sits beside the first line of text.
    option.rect = QRect(0, 0, width(), lineHeight());
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = box;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect text = textRect(width()).adjusted(0, 1, 0, 1);
    painter.drawItemText(text, kTextFlags, palette(), isEnabled(), this->text(),
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tvn
