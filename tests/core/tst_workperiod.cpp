// What Start makes of every kind of minutes entry, and the first tick after
// it: the length read from the entry, saturated where it does not fit in 32
// bits, and the display texts, never a wrapped or undefined result.

#include "Clock.h"
#include "Gbk.h"
#include "WorkPeriod.h"
#include "WorkPeriodView.h"

#include <QTest>

#include <limits>

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime currentDateTime() const override { return wallClock(QDate(2015, 3, 7), QTime(9, 5, 7)); }
};

// The controls as plain values; only what Start and a tick touch.
class FakeView final : public WorkPeriodView
{
public:
    QByteArray minutesText() const override { return minutes; }
    QByteArray contentText() const override { return {}; }
    void setDisplayText(const QByteArray &text) override { display = text; }
    bool startDisabled() const override { return startOff; }
    void setStartDisabled(bool disabled) override { startOff = disabled; }
    bool endDisabled() const override { return false; }
    void setEndDisabled(bool) override {}
    bool reminderOptionTicked() const override { return false; }
    void setReminderOptionTicked(bool) override {}
    bool overtimeOptionTicked() const override { return true; }
    void setCountdownTimerPeriod(int) override {}
    void setReminderTimerPeriod(int) override {}
    void appendToLog(const QByteArray &) override {}
    void showMessage(const QByteArray &, const QByteArray &) override {}
    void showNotification(const PopupRequest &) override {}

    QByteArray minutes;
    QByteArray display;
    bool startOff = false;
};

QByteArray gbk(const char16_t *text)
{
    return Gbk::fromUnicode(text);
}

constexpr qint32 int32Max = std::numeric_limits<qint32>::max();
constexpr qint32 int32Min = std::numeric_limits<qint32>::min();

} // namespace

class WorkPeriodTest : public QObject
{
    Q_OBJECT

private slots:
    void minutesEntry_data();
    void minutesEntry();
};

void WorkPeriodTest::minutesEntry_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<qint32>("totalSeconds");
    QTest::addColumn<QByteArray>("startDisplay");
    QTest::addColumn<QByteArray>("firstTickDisplay");

    // With the overtime option ticked, a tick past zero shows the overtime text.
    QTest::newRow("default") << QByteArray("25") << 1500 << gbk(u"倒计时： 25 ：00") << gbk(u"倒计时： 24 ：59");
    QTest::newRow("empty") << QByteArray() << 0 << gbk(u"倒计时： 0 ：00") << gbk(u"工作超时： 00 ：01");
    QTest::newRow("blanks") << QByteArray("   ") << 0 << gbk(u"倒计时：     ：00") << gbk(u"工作超时： 00 ：01");
    QTest::newRow("ideographic blanks") << gbk(u"\u3000\u3000") << 0 << gbk(u"倒计时： \u3000\u3000 ：00")
                                        << gbk(u"工作超时： 00 ：01");
    QTest::newRow("full-width digits") << gbk(u"２５") << 1500 << gbk(u"倒计时： ２５ ：00") << gbk(u"倒计时： 24 ：59");
    QTest::newRow("full-width minus") << gbk(u"－５") << -300 << gbk(u"倒计时： －５ ：00") << gbk(u"工作超时： 05 ：01");
    QTest::newRow("full-width plus") << gbk(u"＋１") << 60 << gbk(u"倒计时： ＋１ ：00") << gbk(u"倒计时： 00 ：59");
    QTest::newRow("negative") << QByteArray("-3") << -180 << gbk(u"倒计时： -3 ：00") << gbk(u"工作超时： 03 ：01");
    QTest::newRow("largest that fits") << QByteArray("35791394") << 2147483640
                                       << gbk(u"倒计时： 35791394 ：00") << gbk(u"倒计时： 35791393 ：59");
    QTest::newRow("times 60 beyond 32 bits") << QByteArray("35791395") << int32Max
                                             << gbk(u"倒计时： 35791395 ：00") << gbk(u"倒计时： 35791394 ：06");
    QTest::newRow("2^31") << QByteArray("2147483648") << int32Max << gbk(u"倒计时： 2147483648 ：00")
                          << gbk(u"倒计时： 35791394 ：06");
    QTest::newRow("a hundred digits") << QByteArray(100, '9') << int32Max
                                      << gbk(u"倒计时： ") + QByteArray(100, '9') + gbk(u" ：00")
                                      << gbk(u"倒计时： 35791394 ：06");
    // The overtime of the most negative length is one second past 2^31: its
    // texts need more than 32 bits, and come out exact.
    QTest::newRow("most negative") << QByteArray("-35791395") << int32Min << gbk(u"倒计时： -35791395 ：00")
                                   << gbk(u"工作超时： 35791394 ：09");
    QTest::newRow("control characters first") << QByteArray("\t\n\v\f\r25") << 1500
                                              << gbk(u"倒计时： \t\n\v\f\r25 ：00") << gbk(u"倒计时： 24 ：59");
    QTest::newRow("other control character") << QByteArray("\x01" "25") << 0
                                             << gbk(u"倒计时： \u0001" "25 ：00") << gbk(u"工作超时： 00 ：01");
    QTest::newRow("NUL inside") << QByteArray("2\0" "5", 3) << 120 << gbk(u"倒计时： ") + QByteArray("2\0" "5", 3) + gbk(u" ：00")
                                << gbk(u"倒计时： 01 ：59");
    QTest::newRow("not GBK") << QByteArray("\xFF\xFF" "25") << 0 << gbk(u"倒计时： ") + "\xFF\xFF" "25" + gbk(u" ：00")
                             << gbk(u"工作超时： 00 ：01");
    QTest::newRow("lone lead byte at the end") << QByteArray("25\x81") << 1500 << gbk(u"倒计时： ") + "25\x81" + gbk(u" ：00")
                                               << gbk(u"倒计时： 24 ：59");
}

void WorkPeriodTest::minutesEntry()
{
    QFETCH(QByteArray, entry);
    QFETCH(qint32, totalSeconds);
    QFETCH(QByteArray, startDisplay);
    QFETCH(QByteArray, firstTickDisplay);

    FakeView view;
    view.minutes = entry;
    FixedClock clock;
    WorkPeriod period(view, clock);
    period.startPeriod();
    QCOMPARE(period.state().totalSeconds, totalSeconds);
    QCOMPARE(view.display, startDisplay);
    period.tick();
    QCOMPARE(view.display, firstTickDisplay);
}

QTEST_GUILESS_MAIN(WorkPeriodTest)
#include "tst_workperiod.moc"
