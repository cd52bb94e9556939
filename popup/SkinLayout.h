#pragma once

#include <QRect>
#include <QSize>

#include <array>

// Where border piece 1 to 8 lies in a popup client area of the given size:
// the corners exactly one picture large, the edges between them.
QRect skinPiecePlace(int slot, QSize client);

// The order the popup places its pieces in; it has no visible effect.
inline constexpr std::array<int, 8> skinPlacementOrder = {1, 3, 2, 4, 5, 6, 8, 7};
