#include "Notifier.h"

#include "PopupRequest.h"
#include "PopupWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

// Sleeps in an event loop of its own rather than spinning, so the program's
// other events are handled meanwhile at no cost; wakes early if the popup is
// destroyed in the meantime.
static void waitHandlingEvents(std::chrono::milliseconds wait, const PopupWindow *popup)
{
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    QObject::connect(popup, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

Notifier::Notifier(SkinPieceArray &pieces, QObject *parent)
    : QObject(parent)
    , m_pieces(pieces)
{
}

Notifier::~Notifier()
{
    if (m_popup) {
        m_popup->disconnect(this);
        delete m_popup;
    }
}

void Notifier::showNotification(const PopupRequest &request)
{
    if (request.title.isEmpty() || request.body.isEmpty())
        return;

    if (m_popup && m_popup->isClosing())
        replaceClosingPopup();
    if (!m_popup) {
        createPopup();
    } else if (m_popup->isMinimized()) {
        m_popup->setWindowState(m_popup->windowState() & ~Qt::WindowMinimized);
    } else {
        // Brought to the front but not activated: the user may be typing.
        m_popup->raise();
    }

    m_popup->present(request, m_pieces);
    m_popup->show();
}

bool Notifier::isShowing() const
{
    return !m_popup.isNull();
}

PopupWindow *Notifier::popup() const
{
    return m_popup;
}

void Notifier::setFadeStepWait(std::chrono::milliseconds wait)
{
    m_fadeStepWait = wait;
}

void Notifier::fadeOutPopup()
{
    // The fade lets every other handler run between its steps; one of them
    // may close the popup, which is then destroyed under the fade's feet.
    // Each step therefore looks first whether there is still a popup to fade.
    const QPointer<PopupWindow> popup = m_popup;
    const auto gone = [&popup] { return popup.isNull() || popup->isClosing(); };
    if (gone())
        return;

    // Stopped before the first nested dispatch, so the fade never starts
    // again inside itself.
    popup->setDisplayPeriod(0);
    for (int step = 1; step <= fadeSteps; ++step) {
        QCoreApplication::processEvents();
        if (gone())
            return;
        const int opacity = 255 - 3 * step;
        popup->setWindowOpacity(opacity / 255.0);
        emit fadeStepped(opacity);
        if (gone())
            return;
        waitHandlingEvents(m_fadeStepWait, popup);
        if (gone())
            return;
    }
    popup->closePopup();
}

// A popup told to close whose close has not been carried out yet: the close
// is completed now, and a new popup takes its place.
void Notifier::replaceClosingPopup()
{
    PopupWindow *closing = m_popup;
    closing->disconnect(this);
    m_popup = nullptr;
    delete closing;
}

void Notifier::createPopup()
{
    m_popup = new PopupWindow;
    // Queued, so the fade's nested event loops never run inside the display
    // timer's own event, whose timer the fade may see destroyed.
    connect(m_popup, &PopupWindow::displayTimeElapsed, this, &Notifier::fadeOutPopup,
            Qt::QueuedConnection);
    connect(m_popup, &QObject::destroyed, this, [this] {
        m_popup = nullptr;
        emit popupClosed();
    });
}
