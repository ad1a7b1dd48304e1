#include "app/ElidedLabel.h"

namespace tvn {

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // The layout gives the width; the text adapts to it rather than widen the panel.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setLeadAndPath(const QString& lead, const QString& path) {
    lead_ = lead;
    path_ = path;
    setToolTip(path);
    showFitted();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showFitted();
}

void ElidedLabel::showFitted() {
    if (!lead_.contains(QStringLiteral("%1"))) {
        setText(lead_);
        return;
    }
    const QString withoutPath = QString(lead_).replace(QStringLiteral("%1"), QString());
    const int room = contentsRect().width() - fontMetrics().horizontalAdvance(withoutPath);
    setText(QString(lead_).replace(QStringLiteral("%1"),
                                   fontMetrics().elidedText(path_, Qt::ElideMiddle, room)));
}

} // namespace tvn
