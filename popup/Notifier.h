#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>

class PopupWindow;
class SkinPieceArray;
struct PopupRequest;

// The notification popup, as the rest of the program sees it.
//
// showNotification puts a popup with the request's title and body near the
// bottom-right corner of the primary screen and returns at once; the popup
// then lives on by itself. After the request's display time it fades out in
// 85 steps (about a second) and closes; its close button or a "关闭" message
// link in the body close it at once. A request while a popup is on screen
// refills that popup without restarting its display time.
//
// The popup is a tool window, which Qt does not count as a window that keeps
// the application running. A program that is to live on after its main
// window has closed, until the popup has gone, turns off
// QGuiApplication::quitOnLastWindowClosed and quits itself: at once when
// isShowing() is false, otherwise on popupClosed().
//
// The fade waits between its steps in a nested event loop, so every other
// handler of the program (timers, clicks, a new showNotification) keeps
// running while the popup fades.
class Notifier : public QObject
{
    Q_OBJECT

public:
    // pieces is written by every request and must outlive the Notifier.
    explicit Notifier(SkinPieceArray &pieces, QObject *parent = nullptr);
    ~Notifier() override;

    // Shows the request; a request with an empty title or body is ignored.
    void showNotification(const PopupRequest &request);

    // Whether a popup exists; it stays on screen until it is destroyed.
    bool isShowing() const;
    // The popup on screen, or nullptr.
    PopupWindow *popup() const;

    // The wait after each fade step; 12 ms makes the whole fade about a second.
    void setFadeStepWait(std::chrono::milliseconds wait);
    std::chrono::milliseconds fadeStepWait() const { return m_fadeStepWait; }

    static constexpr int fadeSteps = 85;

public slots:
    // Fades the popup out through the opacities 252, 249, ..., 3, 0 and
    // closes it. Runs on the popup's display timer.
    void fadeOutPopup();

signals:
    // The popup has been destroyed and no other has taken its place.
    void popupClosed();
    // One fade step has set the popup's opacity, on the scale 0 to 255.
    void fadeStepped(int opacity);

private:
    void replaceClosingPopup();
    void createPopup();

    SkinPieceArray &m_pieces;
    QPointer<PopupWindow> m_popup;
    std::chrono::milliseconds m_fadeStepWait{12};
};
