#include "BodyWidth.h"
#include "Gbk.h"
#include "Texts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>
#include <QtMath>

using Lines = QList<QByteArray>;

static QByteArray gbk(const char16_t *text)
{
    return Gbk::fromUnicode(text);
}

class TestBodyWidth : public QObject
{
    Q_OBJECT

private slots:
    void bodyLines_data();
    void bodyLines();
    void measureBodyWidth_data() { bodyLines_data(); }
    void measureBodyWidth();
    void measuresWidestLineWhereverItIs();
};

// A body and the lines that are measured of it, tags removed.
void TestBodyWidth::bodyLines_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Lines>("lines");

    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("only an opening and a closing tag") << QByteArray("<b></b>") << Lines{};
    QTest::newRow("tags around text") << gbk(u"<B>粗</b>体") << Lines{gbk(u"粗体")};
    QTest::newRow("tag across a line break")
        << QByteArray("ab<c\r\nd>ef") << Lines{QByteArray("abef")};
    QTest::newRow("nested opening bracket ends at the first closing one")
        << QByteArray("<a<b>c>") << Lines{QByteArray("c>")};
    QTest::newRow("unclosed opening bracket stays")
        << QByteArray("ab<cd\r\nef") << Lines{QByteArray("ab<cd"), QByteArray("ef")};
    QTest::newRow("closing bracket without an opening one stays")
        << QByteArray("ab>cd") << Lines{QByteArray("ab>cd")};
    QTest::newRow("message link") << gbk(u"请<a href=\"关闭\">关闭</a>") << Lines{gbk(u"请关闭")};
    QTest::newRow("trailing CR LF adds no line")
        << QByteArray("abc\r\n") << Lines{QByteArray("abc")};
    QTest::newRow("only CR LF is one empty line") << QByteArray("\r\n") << Lines{QByteArray()};
    QTest::newRow("leading and adjacent CR LF give empty lines")
        << QByteArray("\r\na\r\n\r\nb") << Lines{QByteArray(), "a", QByteArray(), "b"};
    QTest::newRow("lone CR and lone LF stay in their line")
        << QByteArray("a\rb\nc") << Lines{QByteArray("a\rb\nc")};
    // 0x81 starts a two-byte character that takes the CR with it, so the LF
    // after it is no separator.
    QTest::newRow("CR LF split by a character boundary is no separator")
        << QByteArray("\x81\r\nx") << Lines{QByteArray("\x81\r\nx")};
    QTest::newRow("completion body: five pieces, blanks kept")
        << texts().completionBody
        << Lines{QByteArray(), QByteArray(), gbk(u"  恭喜您，完成了一个番茄的工作时间！"), QByteArray(),
                 gbk(u"  请您放心去休息一会！劳逸结合，效率会更高！")};
}

void TestBodyWidth::bodyLines()
{
    QFETCH(QByteArray, body);
    QFETCH(Lines, lines);

    QCOMPARE(::bodyLines(body), lines);
}

void TestBodyWidth::measureBodyWidth()
{
    QFETCH(QByteArray, body);
    QFETCH(Lines, lines);

    QFont font = QGuiApplication::font();
    font.setPointSize(9);
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QByteArray &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(Gbk::toUnicode(line)));

    QCOMPARE(::measureBodyWidth(body, metrics), qCeil(widest));
}

void TestBodyWidth::measuresWidestLineWhereverItIs()
{
    const QFontMetricsF metrics(QGuiApplication::font());
    const QByteArray narrow = gbk(u"短");
    const QByteArray wide = gbk(u"  很长很长的一行");
    const int wideWidth = qCeil(metrics.horizontalAdvance(Gbk::toUnicode(wide)));
    QVERIFY(wideWidth > metrics.horizontalAdvance(Gbk::toUnicode(narrow)));

    QCOMPARE(::measureBodyWidth(wide + "\r\n" + narrow, metrics), wideWidth);
    QCOMPARE(::measureBodyWidth(narrow + "\r\n" + wide + "\r\n" + narrow, metrics), wideWidth);
    QCOMPARE(::measureBodyWidth(narrow + "\r\n" + wide, metrics), wideWidth);
}

QTEST_MAIN(TestBodyWidth)
#include "tst_bodywidth.moc"
