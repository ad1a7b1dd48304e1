#include "app/widgets/Widgets.h"

#include "app/widgets/Geometry.h"
#include "dialogs/Look.h"

#include <algorithm>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

namespace tvn {

QSize CaptionButton::minimumSizeHint() const {
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
                       2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int width = fontMetrics().horizontalAdvance(text()) + margin + 8;
    return QSize(std::min(width, sizeHint().width()), sizeHint().height());
}

void shapePanel(QFrame& panel, const QString& name) {
    panel.setObjectName(name);
    panel.setFrameShape(QFrame::StyledPanel);
    panel.setFrameShadow(QFrame::Raised);
    // A panel hides whatever lies under it, the wait text included.
    panel.setAutoFillBackground(true);
    panel.setGeometry(kPanelRect);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, LabelStyle style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (style == LabelStyle::Title) {
        label->setFont(torvaneTitleFont());
    } else if (style == LabelStyle::Strong) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QVBoxLayout* makePanelLayout(QWidget* panel, int spacing) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(kPanelMargins);
    layout->setSpacing(spacing);
    return layout;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new CaptionButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(80);
    return button;
}

QListWidget* makeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(60);
    return list;
}

void addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> left,
                  std::initializer_list<QPushButton*> right) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : right)
        row->addWidget(button);
    layout.addLayout(row);
}

} // namespace tvn
