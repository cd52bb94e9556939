#include "CloseButtonPictures.h"

#include <QColor>
#include <QPainter>

namespace {

constexpr int width = 30;
constexpr int height = 18;

QColor mix(QColor from, QColor to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// The title bar's blue behind the button, top to bottom, with a darker left
// column that sets the button off from the bar.
QImage background()
{
    QImage image(width, height, QImage::Format_RGB32);
    const QColor top(0x70C2E0);
    const QColor bottom(0xC5E5F2);
    for (int y = 0; y < height; ++y) {
        const QColor row = mix(top, bottom, y, height - 1);
        image.setPixel(0, y, row.darker(118).rgb());
        for (int x = 1; x < width; ++x)
            image.setPixel(x, y, row.rgb());
    }
    return image;
}

// A cross of two diagonals, 8 pixels square, in the middle of the button;
// the edge colour is drawn wider beneath the core so the strokes look soft.
QImage withCross(QColor edge, QColor core)
{
    QImage image = background();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(11, 5, 8, 8);
    const auto drawCross = [&](QColor colour, qreal penWidth) {
        painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    };
    drawCross(edge, 2.6);
    drawCross(core, 1.6);
    return image;
}

} // namespace

QImage closeButtonPicture()
{
    return withCross(QColor(0xE8F4FA), QColor(0xFCFEFF));
}

QImage closeButtonHoverPicture()
{
    return withCross(QColor(0xEE5058), QColor(0xFF000C));
}
