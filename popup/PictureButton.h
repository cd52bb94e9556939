#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn entirely from two pictures: the normal one, and the other
// while the mouse is over it. Pressed and disabled look like normal. Like
// every button it clicks when the mouse is released inside it.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &normal, const QPixmap &hover, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_hover;
};
