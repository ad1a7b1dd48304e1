#pragma once

#include <QSize>

namespace tvn {

// The windows were drawn in twips: 15 twips are one pixel at 96 dots per inch. Qt's high-DPI
// scaling maps these pixels to the screen.
constexpr int px(int twips) {
    return twips / 15;
}

// A window's size in twips counts its frame; the client area is what the frame leaves of it.
inline constexpr int kFrameBorder = 4;   // pixels on each side
inline constexpr int kFrameCaption = 19; // pixels of title bar

constexpr QSize clientSizeOf(int widthTwips, int heightTwips) {
    return QSize(px(widthTwips) - 2 * kFrameBorder,
                 px(heightTwips) - 2 * kFrameBorder - kFrameCaption);
}

} // namespace tvn
