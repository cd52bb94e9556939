#include "SkinPiece.h"

#include <QPainter>

SkinPiece::SkinPiece(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel is painted from the picture, nothing shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinPiece::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void SkinPiece::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_picture);
}
