#include "ControlSkin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QStyleOption>

using namespace Qt::Literals::StringLiterals;

// Fusion underneath: it draws every remaining control from the palette, so
// the scheme's tint reaches scroll bars, combo boxes and item views too.
static const QString baseStyleName = u"Fusion"_s;

std::optional<QColor> controlSkinFrameColour(int scheme)
{
    switch (scheme) {
    case 1:
        return QColor(123, 158, 189);
    case 2:
        return QColor(164, 185, 127);
    case 3:
        return QColor(198, 197, 215);
    default:
        return std::nullopt;
    }
}

void applyControlSkin(int scheme)
{
    // Setting a style re-polishes every widget of the application and becomes
    // the style of every widget created later.
    const std::optional<QColor> frame = controlSkinFrameColour(scheme);
    if (frame)
        QApplication::setStyle(new ControlSkinStyle(*frame));
    else
        QApplication::setStyle(QStyleFactory::create(baseStyleName));
}

ControlSkinStyle::ControlSkinStyle(QColor frame)
    : QProxyStyle(QStyleFactory::create(baseStyleName))
    , m_frame(frame)
{
}

void ControlSkinStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    palette.setColor(QPalette::Button, m_frame.lighter(150));
    palette.setColor(QPalette::Highlight, m_frame.darker(140));
    palette.setColor(QPalette::HighlightedText, Qt::white);
}

int ControlSkinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                QStyleHintReturn *returnData) const
{
    // Plain captions on the boxes' buttons: 确定 and 取消 without pictures.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ControlSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        drawButtonPanel(option, painter);
        return;
    case PE_IndicatorCheckBox:
        drawCheckIndicator(option, painter);
        return;
    case PE_FrameLineEdit:
        drawFrame(option, painter, 0);
        return;
    case PE_FrameGroupBox:
        drawFrame(option, painter, 3);
        return;
    case PE_Frame:
        // The log and the save dialog's lists; other frames (the popup's body
        // box among them) stay as they are.
        if (qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget)) {
            drawFrame(option, painter, 0);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ControlSkinStyle::drawButtonPanel(const QStyleOption *option, QPainter *painter) const
{
    const bool enabled = option->state & State_Enabled;
    const bool pressed = option->state & (State_Sunken | State_On);
    const bool hovered = enabled && (option->state & State_MouseOver);
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient face(box.topLeft(), box.bottomLeft());
    if (!enabled) {
        face.setColorAt(0, m_frame.lighter(175));
        face.setColorAt(1, m_frame.lighter(160));
    } else if (pressed) {
        face.setColorAt(0, m_frame.lighter(120));
        face.setColorAt(1, m_frame.lighter(145));
    } else {
        face.setColorAt(0, m_frame.lighter(hovered ? 185 : 175));
        face.setColorAt(1, m_frame.lighter(hovered ? 145 : 130));
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(face);
    painter->setPen(enabled ? m_frame.darker(pressed ? 150 : 125) : m_frame.lighter(120));
    painter->drawRoundedRect(box, 3, 3);
    painter->restore();
}

void ControlSkinStyle::drawCheckIndicator(const QStyleOption *option, QPainter *painter) const
{
    const bool enabled = option->state & State_Enabled;
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, m_frame.lighter(165));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(face);
    painter->setPen(m_frame.darker(enabled ? 130 : 100));
    painter->drawRoundedRect(box, 2, 2);
    if (option->state & (State_On | State_NoChange)) {
        const QColor mark = enabled ? m_frame.darker(260) : m_frame;
        const qreal w = box.width();
        const qreal h = box.height();
        if (option->state & State_NoChange) {
            painter->fillRect(box.adjusted(w * 0.25, h * 0.4, -w * 0.25, -h * 0.4), mark);
        } else {
            QPainterPath tick;
            tick.moveTo(box.left() + w * 0.22, box.top() + h * 0.52);
            tick.lineTo(box.left() + w * 0.42, box.top() + h * 0.74);
            tick.lineTo(box.left() + w * 0.8, box.top() + h * 0.26);
            painter->setPen(QPen(mark, qMax(1.5, w / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->setBrush(Qt::NoBrush);
            painter->drawPath(tick);
        }
    }
    painter->restore();
}

void ControlSkinStyle::drawFrame(const QStyleOption *option, QPainter *painter, qreal radius) const
{
    const bool focused = option->state & State_HasFocus;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, radius > 0);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(focused ? m_frame.darker(140) : m_frame);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter->restore();
}
