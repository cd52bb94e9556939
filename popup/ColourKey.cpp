#include "ColourKey.h"

#include "SkinPiece.h"

#include <QBitmap>
#include <QImage>
#include <QWidget>

void applyColourKey(QWidget *window, QRgb colour)
{
    // Key-coloured pixels come only from the border pieces, so only the area
    // they cover is drawn to look for them: the body's text, the costly part
    // of the window, is left out (the popup is keyed as the period completes,
    // and every millisecond here delays it on screen).
    QRegion border;
    for (const SkinPiece *piece : window->findChildren<SkinPiece *>(Qt::FindDirectChildrenOnly))
        border += piece->geometry();
    // Drawn without the old mask, or pixels it left out would not be looked at.
    window->clearMask();
    QImage drawn(window->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    window->render(&drawn, QPoint(), border);
    // MaskInColor marks the key pixels in an image whose colour table makes
    // them white, and a bitmap takes white as left out: so this bitmap shows
    // everything but the key pixels.
    window->setMask(QBitmap::fromImage(drawn.createMaskFromColor(colour, Qt::MaskInColor)));
}
