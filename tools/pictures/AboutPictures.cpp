#include "tools/pictures/AboutPictures.h"

#include "tools/pictures/RetroLook.h"

#include <cmath>
#include <numbers>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tvn::tools {

namespace {

// The emblem: a menu card whose rows are sorted into coloured folders.
void drawEmblem(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(box.translated(3, 3), 8, 8);
    painter.setBrush(QColor(250, 250, 246));
    painter.drawRoundedRect(box, 8, 8);

    const QColor colors[] = {{232, 76, 61}, {241, 196, 15}, {46, 204, 113}, {52, 152, 219}};
    const double rowHeight = (box.height() - 16) / 4;
    for (int i = 0; i < 4; ++i) {
        const double y = box.top() + 8 + i * rowHeight;
        const QRectF tab(box.left() + 8, y + rowHeight * 0.18, 12, 4);
        const QRectF folder(box.left() + 8, y + rowHeight * 0.18 + 3, 22, rowHeight * 0.62);
        painter.setBrush(colors[i].darker(115));
        painter.drawRoundedRect(tab, 1.5, 1.5);
        painter.setBrush(colors[i]);
        painter.drawRoundedRect(folder, 2, 2);
        painter.setBrush(QColor(200, 204, 212));
        const double barWidth = box.width() - 50 - (i % 2) * 10;
        painter.drawRoundedRect(QRectF(folder.right() + 6, folder.center().y() - 2, barWidth, 4), 2,
                                2);
    }
    painter.restore();
}

QPainterPath starburst(const QPointF& centre, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = std::numbers::pi * i / points - std::numbers::pi / 2;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(const QPointF& centre, double size) {
    QPainterPath path;
    const double s = size / 2;
    path.moveTo(centre + QPointF(0, s * 0.9));
    path.cubicTo(centre + QPointF(-s * 1.3, 0), centre + QPointF(-s * 0.7, -s * 1.1),
                 centre + QPointF(0, -s * 0.4));
    path.cubicTo(centre + QPointF(s * 0.7, -s * 1.1), centre + QPointF(s * 1.3, 0),
                 centre + QPointF(0, s * 0.9));
    return path;
}

// The picture font at `pixels`, or smaller until `text` fits `width`.
QFont fittingFont(int pixels, bool bold, const QString& text, int width) {
    while (pixels > 6 && QFontMetrics(pictureFont(pixels, bold)).horizontalAdvance(text) > width)
        --pixels;
    return pictureFont(pixels, bold);
}

} // namespace

AboutWords englishAboutWords() {
    return {QStringLiteral("Start Menu tidier"), QStringLiteral("version %1"),
            QStringLiteral("FREE!")};
}

AboutWords frenchAboutWords() {
    return {QStringLiteral("Rangement du menu D\u00e9marrer"), QStringLiteral("version %1"),
            QStringLiteral("GRATUIT\u00a0!")};
}

AboutWords italianAboutWords() {
    return {QStringLiteral("Riordino del menu Avvio"), QStringLiteral("versione %1"),
            QStringLiteral("GRATIS!")};
}

QImage drawAboutPicture(const AboutWords& words, const QString& version,
                        const QString& webAddress) {
    QImage image(240, 160, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0, QColor(16, 44, 120));
    sky.setColorAt(1, QColor(20, 120, 138));
    painter.fillRect(image.rect(), sky);
    // Soft light behind the emblem.
    QRadialGradient glow(QPointF(52, 66), 70);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    drawEmblem(painter, QRectF(16, 26, 72, 80));

    const QRect title(100, 30, 132, 36);
    int titlePixels = 28;
    while (
        QFontMetrics(pictureFont(titlePixels, true)).horizontalAdvance(QStringLiteral("TORVANE")) >
        title.width() - 2)
        --titlePixels;
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setFont(pictureFont(titlePixels, true));
    painter.drawText(title.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("TORVANE"));
    painter.setPen(Qt::white);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TORVANE"));

    const QRect tagline(101, 66, 136, 16);
    painter.setFont(fittingFont(11, false, words.tagline, tagline.width()));
    painter.setPen(QColor(214, 232, 255));
    painter.drawText(tagline, Qt::AlignLeft | Qt::AlignVCenter, words.tagline);
    painter.setFont(pictureFont(10));
    painter.setPen(QColor(255, 214, 102));
    painter.drawText(QRect(101, 84, 136, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     words.version.arg(version));

    painter.fillRect(QRect(0, 128, 240, 32), QColor(0, 0, 0, 80));
    painter.setPen(QColor(255, 255, 255, 60));
    painter.drawLine(0, 128, 240, 128);
    painter.setFont(pictureFont(12, true));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 128, 240, 32), Qt::AlignCenter, webAddress);
    painter.end();
    return image;
}

QImage drawInfoPicture(const AboutWords& words, const QString& emailAddress) {
    QImage image(224, 224, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(image.rect(), QColor(255, 248, 230));

    QRadialGradient sun(QPointF(112, 104), 100);
    sun.setColorAt(0, QColor(255, 221, 140));
    sun.setColorAt(1, QColor(255, 238, 196));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(112, 104), 96, 96);

    // The envelope, slightly turned, with its shadow.
    painter.save();
    painter.translate(112, 112);
    painter.rotate(-6);
    const QRectF body(-70, -44, 140, 88);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(body.translated(4, 5), 5, 5);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(70, 80, 100), 2));
    painter.drawRoundedRect(body, 5, 5);
    QPainterPath flap;
    flap.moveTo(body.topLeft() + QPointF(2, 2));
    flap.lineTo(QPointF(0, 8));
    flap.lineTo(body.topRight() + QPointF(-2, 2));
    painter.setBrush(QColor(236, 240, 248));
    painter.drawPath(flap);
    painter.setPen(QPen(QColor(170, 178, 196), 1.5));
    painter.drawLine(body.bottomLeft() + QPointF(4, -4), QPointF(-14, 0));
    painter.drawLine(body.bottomRight() + QPointF(-4, -4), QPointF(14, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 40, 57));
    painter.drawPath(heart(QPointF(0, 8), 26));
    painter.restore();

    // The "free" badge.
    const QPointF badge(176, 46);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(starburst(badge + QPointF(2, 3), 38, 29, 14));
    painter.setBrush(QColor(255, 196, 0));
    painter.setPen(QPen(QColor(214, 120, 0), 2));
    painter.drawPath(starburst(badge, 38, 29, 14));
    painter.save();
    painter.translate(badge);
    painter.rotate(14);
    const QRectF badgeText(-34, -12, 68, 24);
    painter.setFont(fittingFont(17, true, words.free, int(badgeText.width())));
    painter.setPen(QColor(176, 24, 24));
    painter.drawText(badgeText, Qt::AlignCenter, words.free);
    painter.restore();

    painter.setPen(QColor(20, 44, 110));
    painter.setFont(pictureFont(14, true));
    painter.drawText(QRect(0, 186, 224, 22), Qt::AlignCenter, emailAddress);
    painter.end();
    return image;
}

} // namespace tvn::tools
