#include "tools/pictures/RetroLook.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tvn::tools {

namespace {

constexpr int kSeparatorHeight = 5;
constexpr int kEdge = 2;

void drawArrow(QPainter& painter, const QRect& row, const QColor& color) {
    const int x = row.right() - 5;
    const int y = row.center().y();
    QPainterPath path;
    path.moveTo(x, y - 3);
    path.lineTo(x + 3, y);
    path.lineTo(x, y + 3);
    path.closeSubpath();
    painter.fillPath(path, color);
}

// The top and left lines in one colour, the bottom and right ones in another.
void drawEdgeLines(QPainter& painter, const QRect& r, const QColor& light, const QColor& dark) {
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

QFont pictureFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawRaisedEdge(QPainter& painter, const QRect& rect) {
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    drawEdgeLines(painter, outer, look::kFace, look::kDarkShadow);
    drawEdgeLines(painter, outer.adjusted(1, 1, -1, -1), Qt::white, look::kShadow);
}

void drawIcon(QPainter& painter, const QRect& rect, MenuIcon icon, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (icon == MenuIcon::Folder) {
        const QColor fill = color.isValid() ? color : QColor(240, 200, 80);
        const QRect body = rect.adjusted(0, 2, -1, -1);
        painter.setPen(fill.darker(220));
        painter.setBrush(fill.darker(115));
        painter.drawRect(QRect(rect.left(), rect.top() + 1, rect.width() / 2, 2));
        painter.setBrush(fill);
        painter.drawRect(body);
        painter.setPen(fill.lighter(140));
        painter.drawLine(body.left() + 1, body.top() + 1, body.right() - 1, body.top() + 1);
    } else if (icon == MenuIcon::Program) {
        const QRect window = rect.adjusted(0, 1, -1, -1);
        painter.setPen(QColor(40, 40, 40));
        painter.setBrush(Qt::white);
        painter.drawRect(window);
        painter.fillRect(QRect(window.left() + 1, window.top() + 1, window.width() - 1, 2),
                         look::kHighlight);
    }
    painter.restore();
}

int menuHeight(const std::vector<MenuItem>& items, const MenuStyle& style) {
    int height = 2 * kEdge + 2;
    for (const MenuItem& item : items)
        height += item.separator ? kSeparatorHeight : style.rowHeight;
    return height;
}

std::vector<QRect> drawMenu(QPainter& painter, const QRect& rect,
                            const std::vector<MenuItem>& items, const MenuStyle& style) {
    painter.save();
    painter.fillRect(rect, look::kFace);
    drawRaisedEdge(painter, rect);
    const QRect inside = rect.adjusted(kEdge + 1, kEdge + 1, -kEdge - 1, -kEdge - 1);

    if (style.bandWidth > 0) {
        const QRect band(inside.left(), inside.top(), style.bandWidth, inside.height());
        QLinearGradient gradient(band.topLeft(), band.bottomLeft());
        gradient.setColorAt(0, look::kBandTop);
        gradient.setColorAt(1, look::kBandBottom);
        painter.fillRect(band, gradient);
        if (!style.bandText.isEmpty()) {
            painter.save();
            painter.translate(band.left(), band.bottom());
            painter.rotate(-90);
            painter.setFont(pictureFont(style.bandWidth - 2, true));
            painter.setPen(QColor(255, 255, 255, 230));
            painter.drawText(QRect(4, 0, band.height() - 8, band.width()),
                             Qt::AlignLeft | Qt::AlignVCenter, style.bandText);
            painter.restore();
        }
    }

    const QFont font = pictureFont(style.fontPixels, style.boldText);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setClipRect(inside);
    std::vector<QRect> rows;
    int y = inside.top();
    const int left = inside.left() + style.bandWidth;
    for (const MenuItem& item : items) {
        if (item.separator) {
            const int mid = y + kSeparatorHeight / 2;
            painter.setPen(look::kShadow);
            painter.drawLine(left + 1, mid - 1, inside.right() - 1, mid - 1);
            painter.setPen(Qt::white);
            painter.drawLine(left + 1, mid, inside.right() - 1, mid);
            rows.emplace_back(left, y, inside.right() - left + 1, kSeparatorHeight);
            y += kSeparatorHeight;
            continue;
        }
        const QRect row(left, y, inside.right() - left + 1, style.rowHeight);
        rows.push_back(row);
        const QColor textColor = item.highlighted ? Qt::white : Qt::black;
        if (item.highlighted)
            painter.fillRect(row, look::kHighlight);
        int textLeft = row.left() + 3;
        if (item.icon != MenuIcon::None) {
            const int size = qMin(style.rowHeight - 2, 10);
            drawIcon(painter, QRect(textLeft, row.top() + (row.height() - size) / 2, size, size),
                     item.icon, item.iconColor);
            textLeft += size + 3;
        }
        const int textRight = row.right() - (item.submenu ? 9 : 2);
        const QRect textRect(textLeft, row.top(), textRight - textLeft, row.height());
        painter.setPen(textColor);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(item.text, Qt::ElideRight, textRect.width()));
        if (item.submenu)
            drawArrow(painter, row, textColor);
        y += style.rowHeight;
    }
    painter.restore();
    return rows;
}

QRect drawTaskBar(QPainter& painter, const QRect& scene, const QString& startText, bool pressed) {
    const QRect bar(scene.left(), scene.bottom() - 14, scene.width(), 15);
    painter.save();
    painter.fillRect(bar, look::kFace);
    painter.setPen(Qt::white);
    painter.drawLine(bar.topLeft(), bar.topRight());

    const QFont font = pictureFont(8, true);
    const QRect button(bar.left() + 2, bar.top() + 2,
                       QFontMetrics(font).horizontalAdvance(startText) + 8, bar.height() - 3);
    painter.fillRect(button, look::kFace);
    if (pressed) {
        painter.setPen(look::kDarkShadow);
        painter.drawRect(button.adjusted(0, 0, -1, -1));
    } else {
        drawRaisedEdge(painter, button);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(button.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
                     startText);
    painter.restore();
    return bar;
}

} // namespace tvn::tools
