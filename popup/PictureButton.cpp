#include "PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(const QPixmap &normal, const QPixmap &hover, QWidget *parent)
    : QAbstractButton(parent)
    , m_normal(normal)
    , m_hover(hover)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(m_normal.deviceIndependentSize().toSize());
}

QSize PictureButton::sizeHint() const
{
    return m_normal.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, underMouse() && isEnabled() ? m_hover : m_normal);
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    update();
}
