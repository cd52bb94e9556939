#pragma once

#include "ControlRef.h"

#include <QByteArray>
#include <QHash>
#include <QWidget>

class BodyBox;
class PictureButton;
class QLabel;
class QTimer;
class SkinPiece;
class SkinPieceArray;
struct PopupRequest;

// The notification popup's window: a borderless white window out of the
// taskbar, framed by eight skin pieces, with the title in the blue title bar,
// a close button at its right end and the body below.
//
// It is shown, faded and replaced by Notifier; it closes itself through its
// close button or a "关闭" message link. A close is deferred: the window stays
// until the event loop next handles deferred deletions, then it is destroyed
// with everything in it, its display timer included.
class PopupWindow : public QWidget
{
    Q_OBJECT

public:
    // The window as loaded, before any request: 248 x 168, centred on the
    // primary screen, not yet shown; its display timer runs at 3000 ms.
    PopupWindow();

    // Lays the window out for the request: eight new border pieces (written
    // to the slots of pieces), the body box sized to the measured body, the
    // window placed near the bottom-right corner of the primary screen, the
    // corners cut, the texts set and the display timer given the request's
    // display time. The title and body must not be empty.
    void present(const PopupRequest &request, SkinPieceArray &pieces);

    // Sets the display timer's period in milliseconds, 0 (or less) to stop it.
    // Writing the period it already runs at changes nothing, so the timer
    // keeps its rhythm; any other value restarts it.
    void setDisplayPeriod(int milliseconds);

    // The deferred close; the window is destroyed by the event loop.
    void closePopup();
    bool isClosing() const { return m_closing; }

    qint32 windowId() const { return m_windowId; }
    // The control a reference names, or nullptr when it names a control of
    // another window or none at all.
    QWidget *control(const ControlRef &ref) const;

    QLabel *titleLabel() const { return m_title; }
    BodyBox *bodyBox() const { return m_body; }
    PictureButton *closeButton() const { return m_closeButton; }
    QTimer *displayTimer() const { return m_displayTimer; }

public slots:
    void closeOnButton();
    // Closes on a message link whose text is exactly "关闭" in GBK.
    void closeOnLink(const QByteArray &message);

signals:
    // The display timer's event: time to fade out.
    void displayTimeElapsed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ControlRef addControl(QWidget *control);
    SkinPiece *copyTemplateLabel();

    const qint32 m_windowId;
    qint32 m_lastControlId = 0;
    QHash<qint32, QWidget *> m_controls;
    bool m_closing = false;

    PictureButton *m_closeButton = nullptr;
    QLabel *m_title = nullptr;
    QTimer *m_displayTimer = nullptr;
    BodyBox *m_body = nullptr;
    QWidget *m_canvas = nullptr;
    QLabel *m_template = nullptr;
};
