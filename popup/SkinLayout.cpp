#include "SkinLayout.h"

QRect skinPiecePlace(int slot, QSize client)
{
    const int cw = client.width();
    const int ch = client.height();
    switch (slot) {
    case 1: return {0, 0, 4, 23};
    case 2: return {4, 0, cw - 8, 23};
    case 3: return {cw - 4, 0, 4, 23};
    case 4: return {0, 23, 4, ch - 27};
    case 5: return {cw - 4, 23, 4, ch - 27};
    case 6: return {0, ch - 4, 4, 4};
    case 7: return {4, ch - 4, cw - 8, 4};
    case 8: return {cw - 4, ch - 4, 4, 4};
    }
    Q_ASSERT_X(false, "skinPiecePlace", "slots are numbered 1 to 8");
    return {};
}
