#include "Look.h"

#include <QApplication>
#include <QStyleFactory>

namespace tvn {

QFont torvaneFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    return font;
}

QFont torvaneTitleFont() {
    QFont font = torvaneFont();
    font.setPointSizeF(9.0);
    font.setBold(true);
    return font;
}

void applyTorvaneLook(QApplication& app) {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    app.setFont(torvaneFont());
}

} // namespace tvn
