#include "SkinLayout.h"
#include "SkinPictures.h"

#include <QSet>
#include <QTest>

using Points = QList<QPoint>;

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void pictureSizeAndKeyPixels_data();
    void pictureSizeAndKeyPixels();
    void picturePixel_data();
    void picturePixel();
    void piecePlace_data();
    void piecePlace();
};

void TestSkin::pictureSizeAndKeyPixels_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Points>("keyPixels");

    QTest::newRow("1 top-left corner") << 1 << QSize(4, 23) << Points{{0, 0}, {1, 0}, {0, 1}};
    QTest::newRow("2 top edge") << 2 << QSize(4, 23) << Points{};
    QTest::newRow("3 top-right corner") << 3 << QSize(4, 23) << Points{{3, 0}, {2, 0}, {3, 1}};
    QTest::newRow("4 left edge") << 4 << QSize(4, 23) << Points{};
    QTest::newRow("5 right edge") << 5 << QSize(4, 23) << Points{};
    QTest::newRow("6 bottom-left corner") << 6 << QSize(4, 4) << Points{{0, 2}, {0, 3}, {1, 3}};
    QTest::newRow("7 bottom edge") << 7 << QSize(4, 4) << Points{};
    QTest::newRow("8 bottom-right corner") << 8 << QSize(4, 4) << Points{{3, 2}, {3, 3}, {2, 3}};
}

void TestSkin::pictureSizeAndKeyPixels()
{
    QFETCH(int, number);
    QFETCH(QSize, size);
    QFETCH(Points, keyPixels);

    const QImage picture = skinPicture(number);
    QCOMPARE(picture.size(), size);
    QSet<QPoint> keyed;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QCOMPARE(qAlpha(picture.pixel(x, y)), 255);
            if (picture.pixel(x, y) == skinKeyColour)
                keyed.insert({x, y});
        }
    }
    QCOMPARE(keyed, QSet<QPoint>(keyPixels.begin(), keyPixels.end()));
}

// Pixels at the ends of the colour runs of the artwork, and their mirrors.
void TestSkin::picturePixel_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");

    const auto row = [](const char *name, int number, QPoint at, QRgb colour) {
        QTest::newRow(name) << number << at << (0xFF000000 | colour);
    };
    row("1: outer line starts", 1, {0, 2}, 0x245974);
    row("1: outer line row 10", 1, {0, 10}, 0x173A4C);
    row("1: outer line row 11", 1, {0, 11}, 0x16394C);
    row("1: outer line ends", 1, {0, 22}, 0x14374A);
    row("1: inner corner", 1, {1, 1}, 0x1B4356);
    row("1: inner line starts", 1, {1, 2}, 0x4B7E99);
    row("1: inner line ends", 1, {1, 22}, 0xD5E7F1);
    row("1: column 2 row 3", 1, {2, 3}, 0x53A7CF);
    row("1: column 2 joins the title bar", 1, {2, 4}, 0x5FB0D4);
    row("1: column 3 light line", 1, {3, 1}, 0x7BBCDB);
    row("1: column 3 joins the title bar", 1, {3, 2}, 0x52A8CE);
    row("1: column 3 ends", 1, {3, 22}, 0xD0E9F4);
    row("2: top line, first column", 2, {0, 0}, 0x1D465B);
    row("2: top line, other columns", 2, {1, 0}, 0x1D475B);
    row("2: light line", 2, {3, 1}, 0x7BBDDB);
    row("2: title bar starts", 2, {2, 2}, 0x52A8CE);
    row("2: title bar row 20", 2, {0, 20}, 0xC5E3F1);
    row("2: title bar ends", 2, {0, 22}, 0xD0E9F4);
    row("3: mirrored outer line", 3, {3, 2}, 0x245974);
    row("3: mirrored inner corner", 3, {2, 1}, 0x1B4356);
    row("3: mirrored title bar", 3, {0, 2}, 0x52A8CE);
    row("4: border starts", 4, {0, 0}, 0x133548);
    row("4: border row 4", 4, {0, 4}, 0x123447);
    row("4: border row 5", 4, {0, 5}, 0x123347);
    row("4: border row 12", 4, {0, 12}, 0x103146);
    row("4: border row 17", 4, {0, 17}, 0x0F3044);
    row("4: border row 18", 4, {0, 18}, 0x103044);
    row("4: border ends", 4, {0, 22}, 0x0E2F43);
    row("4: column 1 settles", 4, {1, 4}, 0xF6FAFC);
    row("4: column 2 row 6", 4, {2, 6}, 0xF4F9FB);
    row("4: column 2 settles", 4, {2, 7}, 0xF4F8FB);
    row("4: column 3 row 12", 4, {3, 12}, 0xF7FCFE);
    row("4: column 3 row 13", 4, {3, 13}, 0xF8FCFE);
    row("4: column 3 settles", 4, {3, 14}, 0xF7FCFE);
    row("5: mirrored border", 5, {3, 0}, 0x133548);
    row("5: mirrored column 1", 5, {2, 0}, 0xECF4F8);
    row("6: border top", 6, {0, 0}, 0x0A1C36);
    row("6: diagonal", 6, {1, 1}, 0x9199A5);
    row("6: row 2 end", 6, {3, 2}, 0xDFE3E7);
    row("6: bottom border", 6, {2, 3}, 0x0E264A);
    row("7: light rows", 7, {0, 1}, 0xF3F6FA);
    row("7: row 2", 7, {0, 2}, 0xF6F8FB);
    row("7: bottom line left", 7, {1, 3}, 0x0A2239);
    row("7: bottom line right", 7, {2, 3}, 0x0B233B);
    row("8: mirrored border top", 8, {3, 0}, 0x0A1C36);
    row("8: mirrored bottom border", 8, {1, 3}, 0x0E264A);
}

void TestSkin::picturePixel()
{
    QFETCH(int, number);
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);

    QCOMPARE(QColor(skinPicture(number).pixel(at)), QColor(colour));
}

void TestSkin::piecePlace_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("place");

    const QSize wide(300, 151);
    QTest::newRow("300x151 top-left") << 1 << wide << QRect(0, 0, 4, 23);
    QTest::newRow("300x151 top edge") << 2 << wide << QRect(4, 0, 292, 23);
    QTest::newRow("300x151 top-right") << 3 << wide << QRect(296, 0, 4, 23);
    QTest::newRow("300x151 left edge") << 4 << wide << QRect(0, 23, 4, 124);
    QTest::newRow("300x151 right edge") << 5 << wide << QRect(296, 23, 4, 124);
    QTest::newRow("300x151 bottom-left") << 6 << wide << QRect(0, 147, 4, 4);
    QTest::newRow("300x151 bottom edge") << 7 << wide << QRect(4, 147, 292, 4);
    QTest::newRow("300x151 bottom-right") << 8 << wide << QRect(296, 147, 4, 4);
    const QSize narrowest(12, 151);
    QTest::newRow("12x151 top edge") << 2 << narrowest << QRect(4, 0, 4, 23);
    QTest::newRow("12x151 top-right") << 3 << narrowest << QRect(8, 0, 4, 23);
    QTest::newRow("12x151 bottom edge") << 7 << narrowest << QRect(4, 147, 4, 4);
    QTest::newRow("12x151 bottom-right") << 8 << narrowest << QRect(8, 147, 4, 4);
}

void TestSkin::piecePlace()
{
    QFETCH(int, slot);
    QFETCH(QSize, client);
    QFETCH(QRect, place);

    QCOMPARE(skinPiecePlace(slot, client), place);
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
