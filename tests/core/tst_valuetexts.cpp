// The value conversions behind every display text and log line.

#include "Gbk.h"
#include "ValueTexts.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Tables are written in UTF-8 and compared in the program's GBK.
static QByteArray gbk(const char16_t *text)
{
    return Gbk::fromUnicode(text);
}

class ValueTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void dateTimeText_data();
    void dateTimeText();
    void twoDigitText_data();
    void twoDigitText();
    void minuteSecondTexts_data();
    void minuteSecondTexts();
    void floorToInteger_data();
    void floorToInteger();
    void textToInteger_data();
    void textToInteger();
    void gbkRoundTrip_data();
    void gbkRoundTrip();
    void gbkCutCharacterAtTheEnd_data();
    void gbkCutCharacterAtTheEnd();
    void gbkLoneSurrogateAtTheEnd_data();
    void gbkLoneSurrogateAtTheEnd();
};

void ValueTextsTest::dateTimeText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("hour minute second") << QTime(9, 5, 7) << gbk(u"2015年3月7日9时5分7秒");
    QTest::newRow("seconds zero") << QTime(9, 5, 0) << gbk(u"2015年3月7日9时5分");
    QTest::newRow("whole hour") << QTime(9, 0, 0) << gbk(u"2015年3月7日9时");
    QTest::newRow("midnight") << QTime(0, 0, 0) << gbk(u"2015年3月7日");
    QTest::newRow("minute zero inside") << QTime(10, 0, 30) << gbk(u"2015年3月7日10时0分30秒");
    QTest::newRow("hour zero shown") << QTime(0, 5, 0) << gbk(u"2015年3月7日0时5分");
    QTest::newRow("last second of day") << QTime(23, 59, 59) << gbk(u"2015年3月7日23时59分59秒");
}

void ValueTextsTest::dateTimeText()
{
    QFETCH(QTime, time);
    QFETCH(QByteArray, expected);
    QCOMPARE(::dateTimeText(QDateTime(QDate(2015, 3, 7), time, Qt::UTC)), expected);
}

void ValueTextsTest::twoDigitText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("one digit") << QByteArray("7") << QByteArray("07");
    QTest::newRow("zero") << QByteArray("0") << QByteArray("00");
    QTest::newRow("empty") << QByteArray() << QByteArray("0");
    QTest::newRow("negative one digit stays") << QByteArray("-1") << QByteArray("-1");
    QTest::newRow("two digits") << QByteArray("59") << QByteArray("59");
    QTest::newRow("three digits") << QByteArray("100") << QByteArray("100");
    QTest::newRow("one Chinese character is two bytes") << gbk(u"五") << gbk(u"五");
}

void ValueTextsTest::twoDigitText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(::twoDigitText(text), expected);
}

void ValueTextsTest::minuteSecondTexts_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QByteArray>("minutes");
    QTest::addColumn<QByteArray>("secondsText");
    QTest::newRow("1500") << qint64(1500) << QByteArray("25") << QByteArray("00");
    QTest::newRow("1499") << qint64(1499) << QByteArray("24") << QByteArray("59");
    QTest::newRow("65") << qint64(65) << QByteArray("01") << QByteArray("05");
    QTest::newRow("9") << qint64(9) << QByteArray("00") << QByteArray("09");
    QTest::newRow("0") << qint64(0) << QByteArray("00") << QByteArray("00");
    QTest::newRow("-1") << qint64(-1) << QByteArray("-1") << QByteArray("-1");
    QTest::newRow("-60") << qint64(-60) << QByteArray("-1") << QByteArray("00");
    QTest::newRow("-61") << qint64(-61) << QByteArray("-2") << QByteArray("-1");
    QTest::newRow("-301") << qint64(-301) << QByteArray("-6") << QByteArray("-1");
    QTest::newRow("6000") << qint64(6000) << QByteArray("100") << QByteArray("00");
    QTest::newRow("overtime 1") << qint64(1) << QByteArray("00") << QByteArray("01");
    QTest::newRow("overtime 61") << qint64(61) << QByteArray("01") << QByteArray("01");
    // The remainder of the two extreme 32-bit counters still has exact texts.
    QTest::newRow("below int32") << qint64(-2147483649LL) << QByteArray("-35791395") << QByteArray("-9");
    QTest::newRow("above int32") << qint64(4294967295LL) << QByteArray("71582788") << QByteArray("15");
}

void ValueTextsTest::minuteSecondTexts()
{
    QFETCH(qint64, seconds);
    QFETCH(QByteArray, minutes);
    QFETCH(QByteArray, secondsText);
    const MinuteSecondTexts texts = ::minuteSecondTexts(seconds);
    QCOMPARE(texts.minutes, minutes);
    QCOMPARE(texts.seconds, secondsText);
}

void ValueTextsTest::floorToInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("positive fraction") << 24.98 << 24;
    QTest::newRow("small negative") << -0.0167 << -1;
    QTest::newRow("negative fraction") << -5.0167 << -6;
    QTest::newRow("whole") << 25.0 << 25;
    QTest::newRow("within 1e-12 of the next whole") << 2.9999999999999 << 3;
    QTest::newRow("within 1e-12 below zero") << -2.9999999999999 << -3;
    QTest::newRow("beyond int32") << 1e20 << std::numeric_limits<qint32>::max();
    QTest::newRow("below int32") << -1e20 << std::numeric_limits<qint32>::min();
    QTest::newRow("not a number") << std::nan("") << 0;
}

void ValueTextsTest::floorToInteger()
{
    QFETCH(double, value);
    QFETCH(qint32, expected);
    QCOMPARE(::floorToInteger(value), expected);
}

void ValueTextsTest::textToInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("plain") << QByteArray("25") << 25;
    QTest::newRow("full-width digits") << gbk(u"２５") << 25;
    QTest::newRow("leading space, unit after") << gbk(u" 25分") << 25;
    QTest::newRow("stops at the point") << QByteArray("2.5") << 2;
    QTest::newRow("full-width minus") << gbk(u"－5") << -5;
    QTest::newRow("full-width plus") << gbk(u"＋5") << 5;
    QTest::newRow("ideographic space") << gbk(u"\u3000\u3000７") << 7;
    QTest::newRow("C white space") << QByteArray("\t\n\v\f\r 9") << 9;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("two signs") << QByteArray("+-5") << 0;
    QTest::newRow("space after sign") << QByteArray("- 5") << 0;
    QTest::newRow("tilde is no digit") << gbk(u"～5") << 0;
    QTest::newRow("star is no digit") << gbk(u"★5") << 0;
    QTest::newRow("other Chinese first") << gbk(u"五25") << 0;
    QTest::newRow("lone lead byte at the end") << QByteArray("12\xA3") << 12;
    QTest::newRow("lead byte swallows a digit") << QByteArray("\xA3" "12") << 0;
    QTest::newRow("int32 max") << QByteArray("2147483647") << std::numeric_limits<qint32>::max();
    QTest::newRow("int32 min") << QByteArray("-2147483648") << std::numeric_limits<qint32>::min();
    QTest::newRow("2^31 saturates") << QByteArray("2147483648") << std::numeric_limits<qint32>::max();
    QTest::newRow("below int32 saturates") << QByteArray("-2147483649") << std::numeric_limits<qint32>::min();
    QTest::newRow("a hundred digits") << QByteArray(100, '9') << std::numeric_limits<qint32>::max();
    QTest::newRow("a hundred digits negative") << '-' + QByteArray(100, '9') << std::numeric_limits<qint32>::min();
    QTest::newRow("leading zeros") << QByteArray(50, '0') + "42" << 42;
}

void ValueTextsTest::textToInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(qint32, expected);
    QCOMPARE(::textToInteger(text), expected);
}

void ValueTextsTest::gbkRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("header") << u"我的番茄工作记录："_s << QByteArray::fromHex("ced2b5c4b7acc7d1b9a4d7f7bcc7c2bca3ba");
    QTest::newRow("ASCII") << u"C:\\a b"_s << QByteArray("C:\\a b");
    // Outside GBK: GB18030's four-byte forms keep the character.
    QTest::newRow("emoji") << u"😀"_s << QByteArray::fromHex("9439fc36");
}

void ValueTextsTest::gbkRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Gbk::fromUnicode(text), bytes);
    QCOMPARE(Gbk::toUnicode(bytes), text);
}

// A character cut off at the very end of the bytes converts as it does with
// more text after it (a replacement), never vanishing without a trace.
void ValueTextsTest::gbkCutCharacterAtTheEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lone lead byte") << QByteArray("\xA3");
    QTest::newRow("text, then a lone lead byte") << QByteArray("12\xA3");
    QTest::newRow("first byte of a four-byte form") << QByteArray("\x81");
    QTest::newRow("two bytes of a four-byte form") << QByteArray("\x81\x30");
    QTest::newRow("three bytes of a four-byte form") << QByteArray("\x81\x30\x81");
    QTest::newRow("whole character, then a cut one") << gbk(u"五") + "\x94\x39\xFC";
}

void ValueTextsTest::gbkCutCharacterAtTheEnd()
{
    QFETCH(QByteArray, bytes);
    const QString atTheEnd = Gbk::toUnicode(bytes);
    QVERIFY(atTheEnd.contains(QChar::ReplacementCharacter));
    QCOMPARE(atTheEnd + u"\n"_s, Gbk::toUnicode(bytes + "\n"));
}

// Likewise a surrogate without its partner at the end of a text.
void ValueTextsTest::gbkLoneSurrogateAtTheEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("high surrogate alone") << QString(QChar(0xD83D));
    QTest::newRow("text, then a high surrogate") << u"ab"_s + QChar(0xD83D);
    QTest::newRow("low surrogate alone") << QString(QChar(0xDE00));
}

void ValueTextsTest::gbkLoneSurrogateAtTheEnd()
{
    QFETCH(QString, text);
    const QByteArray atTheEnd = Gbk::fromUnicode(text);
    QCOMPARE(atTheEnd.size(), text.size());
    QCOMPARE(atTheEnd + "\n", Gbk::fromUnicode(text + u"\n"_s));
}

QTEST_GUILESS_MAIN(ValueTextsTest)
#include "tst_valuetexts.moc"
