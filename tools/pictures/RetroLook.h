#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace tvn::tools {

// The colours of a classic desktop, as the pictures draw it.
namespace look {
inline const QColor kDesktop(0, 128, 128);
inline const QColor kFace(212, 208, 200);
inline const QColor kShadow(128, 128, 128);
inline const QColor kDarkShadow(64, 64, 64);
inline const QColor kHighlight(10, 36, 106);
inline const QColor kBandTop(16, 52, 140);
inline const QColor kBandBottom(58, 110, 165);
} // namespace look

// The sans-serif face every picture uses, at a size in pixels.
QFont pictureFont(int pixelSize, bool bold = false);

// A raised three-dimensional edge around `rect` (outer light and dark lines, inner ones).
void drawRaisedEdge(QPainter& painter, const QRect& rect);

enum class MenuIcon { None, Folder, Program };

struct MenuItem {
    QString text;
    MenuIcon icon = MenuIcon::Folder;
    bool submenu = true;
    bool highlighted = false;
    // A folder icon's colour; the classic yellow when invalid.
    QColor iconColor;
    // A line across the menu instead of an item.
    bool separator = false;
};

struct MenuStyle {
    int rowHeight = 10;
    int fontPixels = 8;
    bool boldText = false;
    // The width of the coloured band down the left side; no band when 0.
    int bandWidth = 0;
    QString bandText;
};

// A pop-up menu with its items from the top of `rect` down; texts too long for the menu end
// in an ellipsis. Returns the rectangle of each item, in order.
std::vector<QRect> drawMenu(QPainter& painter, const QRect& rect,
                            const std::vector<MenuItem>& items, const MenuStyle& style);

// A small folder (or program window) icon in `rect`.
void drawIcon(QPainter& painter, const QRect& rect, MenuIcon icon, const QColor& color);

// The task bar along the bottom of `scene`, with its start button; returns the task bar.
QRect drawTaskBar(QPainter& painter, const QRect& scene, const QString& startText, bool pressed);

// The height a menu with these items takes with this style.
int menuHeight(const std::vector<MenuItem>& items, const MenuStyle& style);

} // namespace tvn::tools
