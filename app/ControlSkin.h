#pragma once

#include <QColor>
#include <QProxyStyle>

#include <optional>

// The program's control skin: push buttons, check boxes, group boxes, edit
// boxes, scroll bars and the other standard controls of every window, present
// and future (message boxes and the save dialog included), drawn with the
// frame colour of a colour scheme. Labels keep their look, and so do the
// notification popup's own controls, which draw themselves.
class ControlSkinStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ControlSkinStyle(QColor frame);

    QColor frameColour() const { return m_frame; }

    void polish(QPalette &palette) override;
    using QProxyStyle::polish;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    void drawButtonPanel(const QStyleOption *option, QPainter *painter) const;
    void drawCheckIndicator(const QStyleOption *option, QPainter *painter) const;
    void drawFrame(const QStyleOption *option, QPainter *painter, qreal radius) const;

    QColor m_frame;
};

// The frame colours of the three schemes: 1 steel blue, 2 olive green, 3 silver.
std::optional<QColor> controlSkinFrameColour(int scheme);

// Removes the skin from every window, then applies scheme 1, 2 or 3 to all of
// them; any other number leaves the skin removed.
void applyControlSkin(int scheme);
