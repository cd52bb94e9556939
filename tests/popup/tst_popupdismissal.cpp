#include "BodyBox.h"
#include "BodyWidth.h"
#include "Gbk.h"
#include "Notifier.h"
#include "PictureButton.h"
#include "PopupRequest.h"
#include "PopupWindow.h"
#include "QuietOffscreen.h"
#include "SkinPieceArray.h"
#include "Texts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace std::chrono_literals;

static QByteArray gbk(const char16_t *text)
{
    return Gbk::fromUnicode(text);
}

static PopupRequest requestFor(const QByteArray &body, int displayMs = notificationDisplayMs)
{
    return {texts().popupTitle, body, displayMs};
}

static int stepOf(int opacity)
{
    return (255 - opacity) / 3;
}

class TestPopupDismissal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void displayTimeEndsInFadeAndClose();
    void fadeStopsDisplayTimerAndLeavesCloseToEventLoop();
    void timersRunDuringFade();
    void closeDuringFadeEndsIt_data();
    void closeDuringFadeEndsIt();
    void requestDuringFadeRefillsAndFadeGoesOn();
    void closeButtonClosesWithoutFade();
    void closeOnLink_data();
    void closeOnLink();
    void linkInBody_data();
    void linkInBody();
    void requestAfterClosePopupGetsNewPopup();

public slots:
    void openUrl(const QUrl &url) { m_openedUrls.append(url); }

private:
    SkinPieceArray m_pieces;
    std::unique_ptr<Notifier> m_notifier;
    QList<QUrl> m_openedUrls;
};

void TestPopupDismissal::initTestCase()
{
    quietOffscreenPlatformNotes();
}

void TestPopupDismissal::init()
{
    m_pieces = SkinPieceArray();
    m_notifier = std::make_unique<Notifier>(m_pieces);
    // Quick steps; every step still waits in the event loop.
    m_notifier->setFadeStepWait(1ms);
    m_openedUrls.clear();
}

void TestPopupDismissal::cleanup()
{
    m_notifier.reset();
}

// Left alone, the popup fades out after its display time: the timer fires
// once, the opacity falls 252, 249, ..., 3, 0 with its corners still cut,
// and the popup is destroyed.
void TestPopupDismissal::displayTimeEndsInFadeAndClose()
{
    m_notifier->showNotification(requestFor(texts().completionBody, 20));
    QPointer<PopupWindow> popup = m_notifier->popup();
    const QRegion cutCorners = popup->mask();
    QSignalSpy displayEvents(popup->displayTimer(), &QTimer::timeout);
    QSignalSpy closed(m_notifier.get(), &Notifier::popupClosed);
    QList<int> steps;
    QList<qreal> opacities;
    int stepsWithoutMask = 0;
    QObject receiver;
    connect(m_notifier.get(), &Notifier::fadeStepped, &receiver, [&](int opacity) {
        steps.append(opacity);
        opacities.append(popup->windowOpacity());
        if (popup->mask() != cutCorners)
            ++stepsWithoutMask;
    });

    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), 30000);

    QCOMPARE(displayEvents.count(), 1);
    QCOMPARE(steps.size(), Notifier::fadeSteps);
    for (int i = 0; i < steps.size(); ++i) {
        const int expected = 252 - 3 * i;
        QCOMPARE(steps[i], expected);
        // The platform keeps the opacity in 1/255ths.
        QVERIFY2(qAbs(opacities[i] - expected / 255.0) <= 1.0 / 255 + 1e-9,
                 qPrintable(QStringLiteral("step %1: %2").arg(i + 1).arg(opacities[i])));
    }
    QCOMPARE(stepsWithoutMask, 0);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_notifier->isShowing());
}

// The fade stops the display timer before anything else can run, and the
// popup is still there when the fade returns: the event loop destroys it.
void TestPopupDismissal::fadeStopsDisplayTimerAndLeavesCloseToEventLoop()
{
    m_notifier->setFadeStepWait(0ms);
    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> popup = m_notifier->popup();
    QSignalSpy closed(m_notifier.get(), &Notifier::popupClosed);
    bool timerStoppedAtFirstStep = false;
    QObject receiver;
    connect(m_notifier.get(), &Notifier::fadeStepped, &receiver, [&](int opacity) {
        if (opacity == 252)
            timerStoppedAtFirstStep = !popup->displayTimer()->isActive();
    });

    m_notifier->fadeOutPopup();

    QVERIFY(timerStoppedAtFirstStep);
    QVERIFY(!popup.isNull());
    QVERIFY(popup->isClosing());
    QVERIFY(m_notifier->isShowing());
    QCOMPARE(closed.count(), 0);
    QTRY_VERIFY(popup.isNull());
    QCOMPARE(closed.count(), 1);
}

void TestPopupDismissal::timersRunDuringFade()
{
    m_notifier->showNotification(requestFor(texts().completionBody));
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, &ticker, [&ticks] { ++ticks; });
    ticker.start(0);
    int ticksAtFirstStep = -1;
    int ticksAtLastStep = -1;
    QObject receiver;
    connect(m_notifier.get(), &Notifier::fadeStepped, &receiver, [&](int opacity) {
        if (opacity == 252)
            ticksAtFirstStep = ticks;
        if (opacity == 0)
            ticksAtLastStep = ticks;
    });

    m_notifier->fadeOutPopup();

    QVERIFY(ticksAtFirstStep >= 0);
    QVERIFY2(ticksAtLastStep > ticksAtFirstStep,
             qPrintable(QStringLiteral("%1 ticks before, %2 after").arg(ticksAtFirstStep).arg(ticksAtLastStep)));
}

enum class CloseBy { button, link, buttonThenNewRequest };

void TestPopupDismissal::closeDuringFadeEndsIt_data()
{
    QTest::addColumn<CloseBy>("closeBy");

    QTest::newRow("close button") << CloseBy::button;
    QTest::newRow("close link") << CloseBy::link;
    QTest::newRow("close button, then a new request") << CloseBy::buttonThenNewRequest;
}

// A close while the popup fades ends the fade at once; the fade touches
// neither the destroyed popup nor one that took its place.
void TestPopupDismissal::closeDuringFadeEndsIt()
{
    QFETCH(CloseBy, closeBy);

    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> popup = m_notifier->popup();
    QSignalSpy closed(m_notifier.get(), &Notifier::popupClosed);
    QList<int> steps;
    QObject receiver;
    connect(m_notifier.get(), &Notifier::fadeStepped, &receiver, [&](int opacity) {
        steps.append(opacity);
        if (stepOf(opacity) != 11)
            return;
        if (closeBy == CloseBy::link)
            popup->closeOnLink(texts().popupCloseLink);
        else
            QTest::mouseClick(popup->closeButton(), Qt::LeftButton);
        if (closeBy == CloseBy::buttonThenNewRequest)
            m_notifier->showNotification(requestFor(texts().reminderBody));
    });

    m_notifier->fadeOutPopup();

    QCOMPARE(steps.size(), 11);
    QTRY_VERIFY(popup.isNull());
    if (closeBy == CloseBy::buttonThenNewRequest) {
        QVERIFY(m_notifier->isShowing());
        QCOMPARE(m_notifier->popup()->windowOpacity(), 1.0);
        QCOMPARE(closed.count(), 0);
    } else {
        QVERIFY(!m_notifier->isShowing());
        QCOMPARE(closed.count(), 1);
    }
}

// A request during the fade refills the fading popup; the fade still runs
// to its end and closes the popup.
void TestPopupDismissal::requestDuringFadeRefillsAndFadeGoesOn()
{
    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> popup = m_notifier->popup();
    QList<int> steps;
    QObject receiver;
    connect(m_notifier.get(), &Notifier::fadeStepped, &receiver, [&](int opacity) {
        steps.append(opacity);
        if (stepOf(opacity) == 11)
            m_notifier->showNotification(requestFor(texts().reminderBody));
    });

    m_notifier->fadeOutPopup();

    QCOMPARE(steps.size(), Notifier::fadeSteps);
    QVERIFY(!popup.isNull());
    QVERIFY(popup->bodyBox()->text().contains(Gbk::toUnicode(bodyLines(texts().reminderBody).at(2))));
    QVERIFY(popup->isClosing());
    QTRY_VERIFY(popup.isNull());
}

void TestPopupDismissal::closeButtonClosesWithoutFade()
{
    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> popup = m_notifier->popup();
    QPointer<QTimer> displayTimer = popup->displayTimer();
    QSignalSpy fadeSteps(m_notifier.get(), &Notifier::fadeStepped);
    QSignalSpy closed(m_notifier.get(), &Notifier::popupClosed);

    QTest::mouseClick(popup->closeButton(), Qt::LeftButton);

    // Deferred: still there until the event loop carries the close out.
    QVERIFY(!popup.isNull());
    QVERIFY(popup->isClosing());
    QTRY_VERIFY(popup.isNull());
    QVERIFY(displayTimer.isNull()); // gone with the popup: no fade can follow
    QCOMPARE(fadeSteps.count(), 0);
    QCOMPARE(closed.count(), 1);
}

void TestPopupDismissal::closeOnLink_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("closes");

    QTest::newRow("close text") << gbk(u"关闭") << true;
    QTest::newRow("close text with a trailing blank") << gbk(u"关闭 ") << false;
    QTest::newRow("first character of the close text") << gbk(u"关") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("close text in UTF-8, not GBK") << QByteArray("\xe5\x85\xb3\xe9\x97\xad") << false;
}

void TestPopupDismissal::closeOnLink()
{
    QFETCH(QByteArray, message);
    QFETCH(bool, closes);

    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> popup = m_notifier->popup();

    popup->closeOnLink(message);

    QCOMPARE(popup->isClosing(), closes);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(popup.isNull(), closes);
}

void TestPopupDismissal::linkInBody_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("opensAddress");

    QTest::newRow("message link with the close text") << QStringLiteral("关闭") << true << false;
    QTest::newRow("message link with another text") << QStringLiteral("别的") << false << false;
    QTest::newRow("address link") << QStringLiteral("https://example.org/") << false << true;
}

// A click on a link in the body: a message link reaches closeOnLink with its
// text, an address link goes to the desktop's handler.
void TestPopupDismissal::linkInBody()
{
    QFETCH(QString, target);
    QFETCH(bool, closes);
    QFETCH(bool, opensAddress);

    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    const QString body = QStringLiteral("<a href=\"%1\">关闭关闭关闭关闭</a>").arg(target);
    m_notifier->showNotification(requestFor(Gbk::fromUnicode(body)));
    PopupWindow *popup = m_notifier->popup();

    const QPoint onLink(10, popup->bodyBox()->fontMetrics().height() / 2);
    QTest::mouseClick(popup->bodyBox(), Qt::LeftButton, {}, onLink);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(popup->isClosing(), closes);
    QCOMPARE(m_openedUrls, opensAddress ? QList<QUrl>{QUrl(target)} : QList<QUrl>{});
}

// Between closePopup and the event loop carrying it out, a request completes
// the close and gets a popup of its own.
void TestPopupDismissal::requestAfterClosePopupGetsNewPopup()
{
    m_notifier->showNotification(requestFor(texts().completionBody));
    QPointer<PopupWindow> old = m_notifier->popup();
    QSignalSpy closed(m_notifier.get(), &Notifier::popupClosed);

    old->closePopup();
    QVERIFY(!old.isNull());
    QVERIFY(old->isVisible());

    m_notifier->showNotification(requestFor(texts().reminderBody));

    QVERIFY(old.isNull());
    PopupWindow *popup = m_notifier->popup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(!popup->isClosing());
    QVERIFY(popup->bodyBox()->text().contains(Gbk::toUnicode(bodyLines(texts().reminderBody).at(2))));
    for (int slot = 1; slot <= SkinPieceArray::slotCount; ++slot)
        QVERIFY(popup->control(m_pieces[slot]));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_notifier->popup(), popup);
    QCOMPARE(closed.count(), 0);
}

QTEST_MAIN(TestPopupDismissal)
#include "tst_popupdismissal.moc"
