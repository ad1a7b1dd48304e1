#include "tools/pictures/Flags.h"

#include <QPainter>

namespace tvn::tools {

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 20;

void drawTricolour(QPainter& painter, const QColor& left, const QColor& middle,
                   const QColor& right) {
    painter.fillRect(QRect(0, 0, 11, kHeight), left);
    painter.fillRect(QRect(11, 0, 10, kHeight), middle);
    painter.fillRect(QRect(21, 0, 11, kHeight), right);
}

// The union flag: blue field, white saltire with the red one over it, then the white cross and
// the red cross.
void drawUnionFlag(QPainter& painter) {
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), blue);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    painter.setPen(QPen(Qt::white, 4.0));
    painter.drawLine(QPointF(0, 0), QPointF(kWidth, kHeight));
    painter.drawLine(QPointF(kWidth, 0), QPointF(0, kHeight));

    // Counterchanged: the broad white lies above the red on the hoist side, below it on the fly.
    painter.setPen(QPen(red, 1.3));
    const QPointF down(0, 1.0);
    painter.drawLine(QPointF(0, 0) + down, centre + down);
    painter.drawLine(QPointF(0, kHeight) + down, centre + down);
    painter.drawLine(QPointF(kWidth, 0) - down, centre - down);
    painter.drawLine(QPointF(kWidth, kHeight) - down, centre - down);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 7, kWidth, 6), Qt::white);
    painter.fillRect(QRect(13, 0, 6, kHeight), Qt::white);
    painter.fillRect(QRect(0, 8, kWidth, 4), red);
    painter.fillRect(QRect(14, 0, 4, kHeight), red);
}

} // namespace

QImage drawFlag(Flag flag) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    switch (flag) {
    case Flag::UnitedKingdom:
        drawUnionFlag(painter);
        break;
    case Flag::France:
        drawTricolour(painter, QColor(0, 85, 164), Qt::white, QColor(239, 65, 53));
        break;
    case Flag::Italy:
        drawTricolour(painter, QColor(0, 146, 70), QColor(244, 245, 240), QColor(206, 43, 55));
        break;
    }
    // A thin edge keeps the white parts apart from a light background.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, kWidth - 1, kHeight - 1));
    painter.end();
    return image;
}

} // namespace tvn::tools
