#pragma once

#include <QRgb>

class QWidget;

// Makes every pixel of the window's border pieces that is drawn in the key
// colour see-through, as a window mask taken from the window as it is drawn
// now. Call it again
// after anything that changes where key-coloured pixels lie.
void applyColourKey(QWidget *window, QRgb colour);
