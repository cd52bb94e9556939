#pragma once

#include <QImage>
#include <QRgb>

// Pixels of this colour in the skin pictures mark the cut-off corners; the
// popup's colour key leaves them out of the window.
inline constexpr QRgb skinKeyColour = 0xFFFF00FF;

// The number of skin pictures, one for each border piece of the popup.
inline constexpr int skinPictureCount = 8;

// Skin picture 1 to 8: the corners, edges and title bar the popup's border is
// built from (1 top-left, 2 top edge, 3 top-right, 4 left edge, 5 right edge,
// 6 bottom-left, 7 bottom edge, 8 bottom-right). Fully opaque.
QImage skinPicture(int number);
