#include "ColourKey.h"

#include <QBitmap>
#include <QImage>
#include <QWidget>

void applyColourKey(QWidget *window, QRgb colour)
{
    // Drawn without the old mask, or pixels it left out would not be looked at.
    window->clearMask();
    QImage drawn(window->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    window->render(&drawn);
    // MaskInColor marks the key pixels in an image whose colour table makes
    // them white, and a bitmap takes white as left out: so this bitmap shows
    // everything but the key pixels.
    window->setMask(QBitmap::fromImage(drawn.createMaskFromColor(colour, Qt::MaskInColor)));
}
