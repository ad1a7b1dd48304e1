#include "tools/pictures/LanguagePicture.h"

#include "tools/pictures/RetroLook.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace tvn::tools {

namespace {

constexpr int kWidth = 169;
constexpr int kHeight = 329;
constexpr int kHeadingHeight = 19;

// A folder colour per category, so the tidy menu reads at a glance.
const QColor kCategoryColors[] = {
    {232, 76, 61},  {52, 152, 219}, {155, 89, 182},  {230, 126, 34},
    {26, 188, 156}, {241, 196, 15}, {127, 140, 141}, {160, 110, 60},
    {46, 204, 113}, {41, 128, 185}, {236, 112, 160},
};

void drawCross(QPainter& painter, const QRect& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = QRectF(box).adjusted(3, 3, -3, -3);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomLeft());
    painter.restore();
}

void drawTick(QPainter& painter, const QRect& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r = QRectF(box).adjusted(2.5, 3, -2.5, -3);
    QPainterPath path;
    path.moveTo(r.left(), r.center().y());
    path.lineTo(r.left() + r.width() * 0.38, r.bottom());
    path.lineTo(r.right(), r.top());
    painter.drawPath(path);
    painter.restore();
}

// The heading of one half: a coloured bar with the word and a cross or a tick in a disc.
void drawHeading(QPainter& painter, const QRect& rect, const QString& word, bool tidy) {
    const QColor color = tidy ? QColor(30, 130, 60) : QColor(176, 32, 32);
    painter.fillRect(rect, color);
    painter.setPen(color.lighter(150));
    painter.drawLine(rect.topLeft(), rect.topRight());
    const QRect disc(rect.left() + 4, rect.top() + 3, rect.height() - 6, rect.height() - 6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    painter.restore();
    if (tidy)
        drawTick(painter, disc, color);
    else
        drawCross(painter, disc, color);
    painter.setFont(pictureFont(12, true));
    painter.setPen(Qt::white);
    painter.drawText(rect.adjusted(disc.right() + 6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     word);
}

// The heading and the desktop of one half with its task bar, the start button pressed; what is
// painted next is clipped to the desktop. Returns the task bar.
QRect drawDesktop(QPainter& painter, const QRect& area, const QString& word, bool tidy,
                  const QString& startText) {
    drawHeading(painter, QRect(area.left(), area.top(), area.width(), kHeadingHeight), word, tidy);
    const QRect scene = area.adjusted(0, kHeadingHeight, 0, 0);
    painter.setClipRect(scene);
    painter.fillRect(scene, look::kDesktop);
    return drawTaskBar(painter, scene, startText, true);
}

// The start menu of the cluttered half, its Programs item open.
std::vector<MenuItem> startMenuItems(const PictureWords& words) {
    return {
        {words.programs, MenuIcon::None, true, true, {}, false},
        {words.documents, MenuIcon::None, true, false, {}, false},
        {{}, MenuIcon::None, false, false, {}, true},
        {words.run, MenuIcon::None, false, false, {}, false},
    };
}

// The width a menu needs to show every item in full.
int menuWidth(const std::vector<MenuItem>& items, const MenuStyle& style) {
    const QFontMetrics metrics(pictureFont(style.fontPixels, style.boldText));
    int widest = 0;
    for (const MenuItem& item : items)
        widest = qMax(widest, metrics.horizontalAdvance(item.text));
    return style.bandWidth + widest + 20;
}

std::vector<MenuItem> clutterItems(const QStringList& names, int highlighted) {
    std::vector<MenuItem> items;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool folder = !names[i].endsWith(QStringLiteral(".lnk"));
        items.push_back({folder ? names[i] : names[i].chopped(4),
                         folder ? MenuIcon::Folder : MenuIcon::Program,
                         folder,
                         i == highlighted,
                         {},
                         false});
    }
    return items;
}

// Start menu at the bottom left, the long Programs menu beside it up to the edge of the
// screen and beyond its top, and the open vendor folder flipped to the left for lack of room.
void drawBefore(QPainter& painter, const QRect& area, const PictureWords& words,
                const ClutteredMenu& clutter) {
    const QRect bar = drawDesktop(painter, area, words.before, false, words.start);

    MenuStyle startStyle;
    startStyle.rowHeight = 12;
    startStyle.fontPixels = 9;
    startStyle.bandWidth = 7;
    const auto startItems = startMenuItems(words);
    const int startHeight = menuHeight(startItems, startStyle);
    const QRect startMenu(bar.left() + 1, bar.top() - startHeight + 1,
                          menuWidth(startItems, startStyle), startHeight);
    const auto startRows = drawMenu(painter, startMenu, startItems, startStyle);

    MenuStyle listStyle;
    listStyle.rowHeight = 9;
    listStyle.fontPixels = 7;
    const auto entries = clutterItems(clutter.entries, clutter.openEntry);
    const int listHeight = menuHeight(entries, listStyle);
    const int listLeft = startMenu.right() - 2;
    const QRect list(listLeft, qMin(startRows.front().top() - 3, bar.top() - listHeight),
                     bar.right() - listLeft, listHeight);
    const auto listRows = drawMenu(painter, list, entries, listStyle);

    const auto inner = clutterItems(clutter.openFolder, -1);
    const int innerHeight = menuHeight(inner, listStyle);
    const QRect openRow = listRows[size_t(clutter.openEntry)];
    const int innerTop = qMin(openRow.top() - 3, startMenu.top() - innerHeight);
    drawMenu(painter, QRect(list.left() + 3 - 84, innerTop, 84, innerHeight), inner, listStyle);
}

void drawAfter(QPainter& painter, const QRect& area, const PictureWords& words,
               const QStringList& categories) {
    const QRect bar = drawDesktop(painter, area, words.after, true, words.start);

    std::vector<MenuItem> items;
    for (qsizetype k = 0; k < categories.size(); ++k)
        items.push_back({categories[k], MenuIcon::Folder, true, false,
                         kCategoryColors[k % std::size(kCategoryColors)], false});
    items.push_back({{}, MenuIcon::None, false, false, {}, true});
    items.push_back({words.programs, MenuIcon::Folder, true, false, {}, false});

    MenuStyle style;
    style.rowHeight = 11;
    style.fontPixels = 9;
    style.bandWidth = 11;
    style.bandText = QStringLiteral("Torvane");
    const int height = menuHeight(items, style);
    drawMenu(painter, QRect(bar.left() + 1, bar.top() - height + 1, 136, height), items, style);
}

} // namespace

PictureWords englishWords() {
    return {QStringLiteral("Before"),   QStringLiteral("After"),     QStringLiteral("Start"),
            QStringLiteral("Programs"), QStringLiteral("Documents"), QStringLiteral("Settings"),
            QStringLiteral("Run...")};
}

PictureWords frenchWords() {
    return {QStringLiteral("Avant"),         QString::fromUtf8("Après"),
            QString::fromUtf8("Démarrer"),   QStringLiteral("Programmes"),
            QStringLiteral("Documents"),     QString::fromUtf8("Paramètres"),
            QString::fromUtf8("Exécuter...")};
}

PictureWords italianWords() {
    return {QStringLiteral("Prima"),     QStringLiteral("Dopo"),
            QStringLiteral("Avvio"),     QStringLiteral("Programmi"),
            QStringLiteral("Documenti"), QStringLiteral("Impostazioni"),
            QStringLiteral("Esegui...")};
}

QImage drawLanguagePicture(const PictureWords& words, const QStringList& categories,
                           const ClutteredMenu& clutter) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(look::kFace);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int split = 150;
    painter.save();
    drawBefore(painter, QRect(0, 0, kWidth, split), words, clutter);
    painter.restore();
    drawAfter(painter, QRect(0, split + 4, kWidth, kHeight - split - 4), words, categories);
    painter.end();
    return image;
}

} // namespace tvn::tools
