#pragma once

#include <QPixmap>
#include <QWidget>

// One border piece of the popup: a skin picture repeated across and down
// from the piece's own top-left corner at the picture's size, never stretched.
class SkinPiece : public QWidget
{
    Q_OBJECT

public:
    explicit SkinPiece(QWidget *parent);

    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
