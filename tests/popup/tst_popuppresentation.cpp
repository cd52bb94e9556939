#include "BodyBox.h"
#include "BodyWidth.h"
#include "Gbk.h"
#include "Notifier.h"
#include "PictureButton.h"
#include "PopupRequest.h"
#include "PopupWindow.h"
#include "QuietOffscreen.h"
#include "SkinLayout.h"
#include "SkinPiece.h"
#include "SkinPieceArray.h"
#include "Texts.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QtMath>

#include <memory>

using Lines = QList<QByteArray>;

// The offscreen screen these tests run on (see offscreen-screen.json).
static constexpr QRect screen(0, 0, 1280, 800);

static QByteArray gbk(const char16_t *text)
{
    return Gbk::fromUnicode(text);
}

static PopupRequest requestFor(const QByteArray &body)
{
    return {texts().popupTitle, body, notificationDisplayMs};
}

// The widest of the lines in the body box's own font, in whole pixels.
static int widthIn(const PopupWindow *popup, const Lines &lines)
{
    const QFontMetricsF metrics(popup->bodyBox()->font(), popup->bodyBox());
    qreal widest = 0;
    for (const QByteArray &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(Gbk::toUnicode(line)));
    return qCeil(widest);
}

static QRegion windowWithoutKeyedCorners(QSize size)
{
    const int r = size.width() - 1;
    const int b = size.height() - 1;
    QRegion region(QRect(QPoint(0, 0), size));
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(r, 0), QPoint(r - 1, 0),
                           QPoint(r, 1), QPoint(0, b), QPoint(0, b - 1), QPoint(1, b), QPoint(r, b),
                           QPoint(r, b - 1), QPoint(r - 1, b)})
        region -= QRect(p, QSize(1, 1));
    return region;
}

class TestPopupPresentation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void narrowestPopupPieces_data();
    void narrowestPopupPieces();
    void grabShowsSkin_data();
    void grabShowsSkin();
    void maskLeavesOutThreePixelsPerCorner_data();
    void maskLeavesOutThreePixelsPerCorner();
    void emptyTitleOrBodyShowsNothing_data();
    void emptyTitleOrBodyShowsNothing();
    void secondRequestRefillsShownPopup();

private:
    void verifySlotsNamePiecesOf(const PopupWindow *popup);

    SkinPieceArray m_pieces;
    std::unique_ptr<Notifier> m_notifier;
};

void TestPopupPresentation::initTestCase()
{
    quietOffscreenPlatformNotes();
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), screen);
}

void TestPopupPresentation::init()
{
    m_pieces = SkinPieceArray();
    m_notifier = std::make_unique<Notifier>(m_pieces);
}

void TestPopupPresentation::cleanup()
{
    m_notifier.reset();
}

// Eight distinct pieces of this popup, each showing where its slot says.
void TestPopupPresentation::verifySlotsNamePiecesOf(const PopupWindow *popup)
{
    QSet<qint32> controls;
    for (int slot = 1; slot <= SkinPieceArray::slotCount; ++slot) {
        const ControlRef ref = m_pieces[slot];
        QCOMPARE(ref.windowId, popup->windowId());
        QVERIFY(ref.windowId != 0);
        QVERIFY(ref.controlId != 0);
        controls.insert(ref.controlId);
        const auto *piece = qobject_cast<const SkinPiece *>(popup->control(ref));
        QVERIFY2(piece, qPrintable(QStringLiteral("slot %1").arg(slot)));
        QVERIFY(piece->isVisible());
        QCOMPARE(piece->geometry(), skinPiecePlace(slot, popup->size()));
    }
    QCOMPARE(controls.size(), SkinPieceArray::slotCount);
}

void TestPopupPresentation::layout_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Lines>("lines");

    QTest::newRow("completion") << texts().completionBody
                                << Lines{gbk(u"  恭喜您，完成了一个番茄的工作时间！"),
                                         gbk(u"  请您放心去休息一会！劳逸结合，效率会更高！")};
    QTest::newRow("reminder") << texts().reminderBody
                              << Lines{gbk(u"   您该记录下工作过程了!"),
                                       gbk(u"   这样有利于您提高工作效率！"),
                                       gbk(u"   您可以配合您自己的软件记录工作过程！"),
                                       gbk(u"   此工作法出自《时间的管理》一书！")};
    QTest::newRow("zero width: only CR LF") << QByteArray("\r\n\r\n") << Lines{};
    QTest::newRow("zero width: only markup") << QByteArray("<b></b>") << Lines{};
    const QByteArray tooWide = gbk(u"番").repeated(200);
    QTest::newRow("wider than the screen") << tooWide << Lines{tooWide};
}

void TestPopupPresentation::layout()
{
    QFETCH(QByteArray, body);
    QFETCH(Lines, lines);

    m_notifier->showNotification(requestFor(body));

    const PopupWindow *popup = m_notifier->popup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    const int bodyWidth = widthIn(popup, lines);
    const int width = bodyWidth + 12;
    QCOMPARE(popup->size(), QSize(width, 151));
    // 2 pixels short of the right edge, 32 short of the bottom; not clamped.
    QCOMPARE(popup->geometry(), QRect(screen.width() - width - 2, screen.height() - 151 - 32, width, 151));
    QCOMPARE(popup->bodyBox()->geometry(), QRect(6, 25, bodyWidth, 120));
    QCOMPARE(popup->titleLabel()->geometry(), QRect(5, 5, qMax(0, width - 50), 16));
    QCOMPARE(popup->closeButton()->geometry(), QRect(width - 31, 2, 30, 18));
    // The body box draws in the font it was measured in: no line is clipped.
    QVERIFY2(popup->bodyBox()->sizeHint().width() <= bodyWidth,
             qPrintable(QStringLiteral("drawn %1, measured %2")
                            .arg(popup->bodyBox()->sizeHint().width()).arg(bodyWidth)));
    verifySlotsNamePiecesOf(popup);
}

void TestPopupPresentation::narrowestPopupPieces_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QRect>("place");

    QTest::newRow("top-left corner") << 1 << QRect(0, 0, 4, 23);
    QTest::newRow("top edge") << 2 << QRect(4, 0, 4, 23);
    QTest::newRow("top-right corner") << 3 << QRect(8, 0, 4, 23);
    QTest::newRow("left edge") << 4 << QRect(0, 23, 4, 124);
    QTest::newRow("right edge") << 5 << QRect(8, 23, 4, 124);
    QTest::newRow("bottom-left corner") << 6 << QRect(0, 147, 4, 4);
    QTest::newRow("bottom edge") << 7 << QRect(4, 147, 4, 4);
    QTest::newRow("bottom-right corner") << 8 << QRect(8, 147, 4, 4);
}

// A body that measures 0 gives a 12 x 151 popup with 4-pixel edges.
void TestPopupPresentation::narrowestPopupPieces()
{
    QFETCH(int, slot);
    QFETCH(QRect, place);

    m_notifier->showNotification(requestFor("\r\n"));

    const PopupWindow *popup = m_notifier->popup();
    QCOMPARE(popup->size(), QSize(12, 151));
    QCOMPARE(popup->control(m_pieces[slot])->geometry(), place);
}

void TestPopupPresentation::grabShowsSkin_data()
{
    QTest::addColumn<QPoint>("at"); // negative coordinates count from the right or bottom
    QTest::addColumn<QRgb>("colour");

    const auto row = [](const char *name, QPoint at, QRgb colour) {
        QTest::newRow(name) << at << (0xFF000000 | colour);
    };
    row("top border, first column of the picture", {8, 0}, 0x1D465B);
    row("top border", {10, 0}, 0x1D475B);
    row("light line under the border", {10, 1}, 0x7BBDDB);
    row("title bar top", {10, 2}, 0x52A8CE);
    row("title bar bottom", {10, 22}, 0xD0E9F4);
    row("top-left corner outer line", {0, 2}, 0x245974);
    row("top-left corner inner corner", {1, 1}, 0x1B4356);
    row("top-right corner outer line", {-1, 2}, 0x245974);
    row("top-right corner inner corner", {-2, 1}, 0x1B4356);
    row("left edge first row", {0, 23}, 0x133548);
    row("left edge last row of the picture", {0, 45}, 0x0E2F43);
    row("left edge repeats after 23 rows", {0, 46}, 0x133548);
    row("left edge inner column", {1, 23}, 0xECF4F8);
    row("right edge first row", {-1, 23}, 0x133548);
    row("right edge repeats after 23 rows", {-1, 46}, 0x133548);
    row("right edge inner column", {-2, 23}, 0xECF4F8);
    row("bottom-left corner border", {0, -4}, 0x0A1C36);
    row("bottom-left corner diagonal", {1, -3}, 0x9199A5);
    row("bottom-left corner bottom", {2, -1}, 0x0E264A);
    row("bottom-right corner border", {-1, -4}, 0x0A1C36);
    row("bottom-right corner bottom", {-3, -1}, 0x0E264A);
    row("bottom border", {4, -1}, 0x0A2239);
    row("bottom border, right half of the picture", {6, -1}, 0x0B233B);
    row("bottom border repeats after 4 columns", {8, -1}, 0x0A2239);
    row("bottom edge light row", {5, -2}, 0xF6F8FB);
    row("white gap left of the body", {5, 60}, 0xFFFFFF);
    row("white gap under the body", {60, -5}, 0xFFFFFF);
}

void TestPopupPresentation::grabShowsSkin()
{
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);

    m_notifier->showNotification(requestFor(texts().completionBody));

    PopupWindow *popup = m_notifier->popup();
    const QImage image = popup->grab().toImage();
    QCOMPARE(image.size(), popup->size());
    const QPoint pixel(at.x() < 0 ? image.width() + at.x() : at.x(),
                       at.y() < 0 ? image.height() + at.y() : at.y());
    QCOMPARE(QColor(image.pixel(pixel)), QColor(colour));
}

void TestPopupPresentation::maskLeavesOutThreePixelsPerCorner_data()
{
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("completion") << texts().completionBody;
    QTest::newRow("12 pixels wide") << QByteArray("\r\n");
}

void TestPopupPresentation::maskLeavesOutThreePixelsPerCorner()
{
    QFETCH(QByteArray, body);

    m_notifier->showNotification(requestFor(body));

    const PopupWindow *popup = m_notifier->popup();
    QCOMPARE(popup->mask(), windowWithoutKeyedCorners(popup->size()));
}

void TestPopupPresentation::emptyTitleOrBodyShowsNothing_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("empty title") << QByteArray() << texts().completionBody;
    QTest::newRow("empty body") << texts().popupTitle << QByteArray();
    QTest::newRow("both empty") << QByteArray() << QByteArray();
}

void TestPopupPresentation::emptyTitleOrBodyShowsNothing()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, body);
    const PopupRequest request{title, body, notificationDisplayMs};

    m_notifier->showNotification(request);
    QVERIFY(!m_notifier->isShowing());
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    for (int slot = 1; slot <= SkinPieceArray::slotCount; ++slot)
        QVERIFY(m_pieces[slot].isNull());

    m_notifier->showNotification(requestFor(texts().completionBody));
    PopupWindow *popup = m_notifier->popup();
    const SkinPieceArray piecesBefore = m_pieces;
    const QRect geometryBefore = popup->geometry();
    const QString bodyBefore = popup->bodyBox()->text();
    const int timerBefore = popup->displayTimer()->timerId();
    const qsizetype childrenBefore = popup->children().size();

    m_notifier->showNotification(request);

    QCOMPARE(m_notifier->popup(), popup);
    QCOMPARE(popup->geometry(), geometryBefore);
    QCOMPARE(popup->titleLabel()->text(), Gbk::toUnicode(texts().popupTitle));
    QCOMPARE(popup->bodyBox()->text(), bodyBefore);
    QCOMPARE(popup->displayTimer()->timerId(), timerBefore);
    QCOMPARE(popup->children().size(), childrenBefore);
    for (int slot = 1; slot <= SkinPieceArray::slotCount; ++slot)
        QCOMPARE(m_pieces[slot], piecesBefore[slot]);
}

// A request while the popup is shown reuses it: new text, width and place,
// new pieces above the old ones, the display time still counted from the
// first request.
void TestPopupPresentation::secondRequestRefillsShownPopup()
{
    m_notifier->showNotification(requestFor(texts().completionBody));
    PopupWindow *popup = m_notifier->popup();
    const int timerBefore = popup->displayTimer()->timerId();
    const int widthBefore = popup->width();
    QWidget *oldTopEdge = popup->control(m_pieces[2]);
    const QRect oldTopEdgePlace = oldTopEdge->geometry();
    for (QWidget *control : {static_cast<QWidget *>(popup->bodyBox()),
                             static_cast<QWidget *>(popup->titleLabel()),
                             static_cast<QWidget *>(popup->closeButton())})
        QVERIFY(popup->children().indexOf(oldTopEdge) < popup->children().indexOf(control));

    const QByteArray body = gbk(u"\r\n  第二个请求，比第一个宽得多得多得多得多得多得多得多得多！");
    m_notifier->showNotification({gbk(u"另一个标题"), body, notificationDisplayMs});

    QCOMPARE(m_notifier->popup(), popup);
    const int width = widthIn(popup, bodyLines(body)) + 12;
    QVERIFY(width != widthBefore);
    QCOMPARE(popup->geometry(), QRect(screen.width() - width - 2, screen.height() - 151 - 32, width, 151));
    QCOMPARE(popup->titleLabel()->text(), QStringLiteral("另一个标题"));
    QVERIFY(popup->bodyBox()->text().contains(u"第二个请求"));
    QVERIFY(!popup->bodyBox()->text().contains(u"恭喜您"));
    QCOMPARE(popup->mask(), windowWithoutKeyedCorners(popup->size()));
    QVERIFY(popup->displayTimer()->isActive());
    QCOMPARE(popup->displayTimer()->timerId(), timerBefore);
    verifySlotsNamePiecesOf(popup);

    // The earlier piece stays where it was, beneath the new one.
    QWidget *newTopEdge = popup->control(m_pieces[2]);
    QVERIFY(newTopEdge != oldTopEdge);
    QCOMPARE(oldTopEdge->geometry(), oldTopEdgePlace);
    QVERIFY(popup->children().indexOf(oldTopEdge) < popup->children().indexOf(newTopEdge));
    QVERIFY(popup->children().indexOf(newTopEdge) < popup->children().indexOf(popup->bodyBox()));
}

QTEST_MAIN(TestPopupPresentation)
#include "tst_popuppresentation.moc"
