#pragma once

#include "dialogs/Twips.h"

#include <QRect>

namespace tvn {

constexpr QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// The main window's outer size and place; the client area is what the frame leaves of it.
inline constexpr QRect kMainWindowOuter = twipRect(495, 540, 9150, 5955);
inline constexpr int kClientWidth = clientSizeOf(9150, 5955).width();
inline constexpr int kClientHeight = clientSizeOf(9150, 5955).height();

// Every panel of the right column lies here; only one is visible at a time.
inline constexpr QRect kPanelRect = twipRect(2880, 300, 5835, 4935);
inline constexpr QRect kPreviewPictureRect = twipRect(180, 300, 2535, 4935);
// The left column's alternative to the picture: version and credits.
inline constexpr QRect kAboutRect = twipRect(180, 180, 2535, 5055);
// Below the window's bottom edge, so the debug controls are never seen.
inline constexpr QRect kDebugFrameRect = twipRect(180, 6150, 8700, 1500);
// Right of the window's right edge: the hidden message labels and the drive list.
inline constexpr QRect kHiddenStoreRect = twipRect(9600, 300, 6000, 4500);

// The category buttons on the Creation panel.
inline constexpr int kCategoryLeft = px(4020);
inline constexpr int kCategoryWidth = px(1695);
inline constexpr int kCategoryHeight = px(315);
inline constexpr int kCategoryTops[] = {px(1080), px(1680), px(2580), px(3180), px(2880), px(1380),
                                        px(1980), px(2280), px(3780), px(3480), px(4080)};

} // namespace tvn
