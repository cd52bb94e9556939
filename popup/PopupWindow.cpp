#include "PopupWindow.h"

#include "BodyBox.h"
#include "BodyWidth.h"
#include "CloseButtonPictures.h"
#include "ColourKey.h"
#include "Gbk.h"
#include "PictureButton.h"
#include "PopupRequest.h"
#include "SkinLayout.h"
#include "SkinPiece.h"
#include "SkinPictures.h"
#include "SkinPieceArray.h"
#include "Texts.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <array>

namespace {

// The popup's one font: the desktop's GUI font at the 9 points its layout is
// made for (151 pixels high with five body lines). The body box draws in the
// font it is measured in, so no body line is ever clipped.
QFont popupFont()
{
    QFont font = QGuiApplication::font();
    font.setPointSize(9);
    return font;
}

qint32 nextWindowId()
{
    static qint32 last = 0;
    return ++last;
}

constexpr int loadedDisplayPeriod = 3000;

} // namespace

PopupWindow::PopupWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_windowId(nextWindowId())
{
    // A tool window stays out of the taskbar; showing it must not take the
    // keyboard focus from whatever the user is typing into.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setFont(popupFont());

    resize(248, 168);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    m_closeButton = new PictureButton(QPixmap::fromImage(closeButtonPicture()),
                                      QPixmap::fromImage(closeButtonHoverPicture()), this);
    m_closeButton->setGeometry(212, 4, 30, 18);
    connect(m_closeButton, &PictureButton::clicked, this, &PopupWindow::closeOnButton);

    m_title = new QLabel(this);
    m_title->setGeometry(96, 8, 64, 24);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_displayTimer = new QTimer(this);
    connect(m_displayTimer, &QTimer::timeout, this, &PopupWindow::displayTimeElapsed);
    m_displayTimer->start(loadedDisplayPeriod);

    m_body = new BodyBox(this);
    m_body->setGeometry(24, 40, 192, 120);
    connect(m_body, &BodyBox::messageLinkActivated, this, &PopupWindow::closeOnLink);

    // Only measures the body, in the window's font that the body box draws
    // with too (neither sets a font of its own).
    m_canvas = new QWidget(this);
    m_canvas->setGeometry(192, 16, 32, 16);
    m_canvas->hide();

    // Border pieces are copies of this label, so they share its place in the
    // stacking order: beneath every other control.
    m_template = new QLabel(this);
    m_template->setGeometry(8, 8, 80, 24);
    m_template->hide();

    // The first control in this list lies on top; each lower() sends one to
    // the bottom, so the last one lowered ends up beneath all the others.
    const QList<QWidget *> topToBottom{m_closeButton, m_title, m_body, m_canvas, m_template};
    for (QWidget *control : topToBottom) {
        addControl(control);
        control->lower();
    }
}

void PopupWindow::present(const PopupRequest &request, SkinPieceArray &pieces)
{
    std::array<SkinPiece *, SkinPieceArray::slotCount> made{};
    for (int slot = 1; slot <= SkinPieceArray::slotCount; ++slot) {
        SkinPiece *piece = copyTemplateLabel();
        pieces[slot] = addControl(piece);
        piece->setPicture(QPixmap::fromImage(skinPicture(slot)));
        piece->show();
        made[static_cast<std::size_t>(slot - 1)] = piece;
    }

    m_body->setGeometry(6, 25, measureBodyWidth(request.body, QFontMetricsF(m_canvas->font(), m_canvas)), 120);
    resize(m_body->width() + 12, m_body->height() + 31);

    // The whole screen, not its work area: the popup sits 32 pixels above the
    // screen's bottom edge, where a taskbar usually is. No clamping: a popup
    // wider than the screen starts left of it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + screen.width() - width() - 2, screen.y() + screen.height() - height() - 32);

    for (const int slot : skinPlacementOrder)
        made[static_cast<std::size_t>(slot - 1)]->setGeometry(skinPiecePlace(slot, size()));
    m_title->setGeometry(5, 5, width() - 50, 16);
    m_closeButton->move(width() - 31, 2);

    m_body->setBody(request.body);
    m_title->setText(Gbk::toUnicode(request.title));
    QFont bold = m_title->font();
    bold.setWeight(QFont::Bold);
    m_title->setFont(bold);

    // Taken from the finished window, so the key sees what is drawn.
    applyColourKey(this, skinKeyColour);

    setDisplayPeriod(request.displayMs);
}

void PopupWindow::setDisplayPeriod(int milliseconds)
{
    const int period = m_displayTimer->isActive() ? m_displayTimer->interval() : 0;
    const int wanted = qMax(0, milliseconds);
    if (wanted == period)
        return;
    if (wanted == 0)
        m_displayTimer->stop();
    else
        m_displayTimer->start(wanted);
}

void PopupWindow::closePopup()
{
    if (m_closing)
        return;
    m_closing = true;
    // Not close(): that would hide the window at once, while the popup is to
    // stay on screen until the event loop carries the close out.
    deleteLater();
}

QWidget *PopupWindow::control(const ControlRef &ref) const
{
    return ref.windowId == m_windowId ? m_controls.value(ref.controlId) : nullptr;
}

void PopupWindow::closeOnButton()
{
    closePopup();
}

void PopupWindow::closeOnLink(const QByteArray &message)
{
    if (message == texts().popupCloseLink)
        closePopup();
}

void PopupWindow::closeEvent(QCloseEvent *event)
{
    // Closed from outside (the window manager, say): it goes the same way.
    m_closing = true;
    QWidget::closeEvent(event);
}

ControlRef PopupWindow::addControl(QWidget *control)
{
    const qint32 id = ++m_lastControlId;
    m_controls.insert(id, control);
    return {m_windowId, id};
}

SkinPiece *PopupWindow::copyTemplateLabel()
{
    auto *piece = new SkinPiece(this);
    piece->setGeometry(m_template->geometry());
    piece->setFont(m_template->font());
    piece->setVisible(m_template->isVisible());
    // Directly behind the template: above the pieces of earlier requests,
    // beneath every other control.
    piece->stackUnder(m_template);
    return piece;
}
