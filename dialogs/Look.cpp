#include "dialogs/Look.h"

#include <QApplication>
#include <QLabel>
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

QLabel* makeWindowLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void applyTorvaneLook(QApplication& app) {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    app.setFont(torvaneFont());
}

} // namespace tvn
