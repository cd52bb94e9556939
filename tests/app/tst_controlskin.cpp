// The control skin: the scheme's frame colour on the standard controls of
// every window, later ones included, and nothing on labels or the popup.

#include "ControlSkin.h"
#include "Notifier.h"
#include "PopupRequest.h"
#include "PopupWindow.h"
#include "SkinPieceArray.h"
#include "Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class ControlSkinTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { applyControlSkin(0); }

    void schemes_data();
    void schemes();
    void skinsButtonsOfLaterWindows();
    void leavesLabelsAlone();
    void leavesThePopupAlone();
};

void ControlSkinTest::schemes_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("frame");
    QTest::newRow("1 steel blue") << 1 << QColor(123, 158, 189);
    QTest::newRow("2 olive green") << 2 << QColor(164, 185, 127);
    QTest::newRow("3 silver") << 3 << QColor(198, 197, 215);
    QTest::newRow("0 removes it") << 0 << QColor();
    QTest::newRow("4 removes it") << 4 << QColor();
}

void ControlSkinTest::schemes()
{
    QFETCH(int, scheme);
    QFETCH(QColor, frame);
    applyControlSkin(2);
    applyControlSkin(scheme);
    auto *skin = qobject_cast<ControlSkinStyle *>(QApplication::style());
    QCOMPARE(skin ? skin->frameColour() : QColor(), frame);
}

// The button's top edge, in the middle, where only the frame is drawn.
static QColor buttonEdge(QAbstractButton *button)
{
    return button->grab().toImage().pixelColor(button->width() / 2, 0);
}

void ControlSkinTest::skinsButtonsOfLaterWindows()
{
    applyControlSkin(2);
    // A message box created after the skin was switched on.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok);
    box.show();
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(buttonEdge(ok).rgb(), QColor(164, 185, 127).darker(125).rgb());

    applyControlSkin(0);
    QVERIFY(buttonEdge(ok).rgb() != QColor(164, 185, 127).darker(125).rgb());
}

void ControlSkinTest::leavesLabelsAlone()
{
    QLabel label(QStringLiteral("番茄时间："));
    label.resize(80, 24);
    const QImage plain = label.grab().toImage();
    applyControlSkin(2);
    QCOMPARE(label.grab().toImage(), plain);
}

void ControlSkinTest::leavesThePopupAlone()
{
    SkinPieceArray pieces;
    Notifier notifier(pieces);
    const PopupRequest request {texts().popupTitle, texts().completionBody, 10000};
    notifier.showNotification(request);
    QVERIFY(notifier.popup());
    const QImage plain = notifier.popup()->grab().toImage();
    applyControlSkin(2);
    QCOMPARE(notifier.popup()->grab().toImage(), plain);
}

QTEST_MAIN(ControlSkinTest)
#include "tst_controlskin.moc"
