#include "OleColor.h"
#include "WinPaint.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestWinPaint : public QObject
{
    Q_OBJECT

private slots:
    void lineExcludesItsEndPoint_data();
    void lineExcludesItsEndPoint();
    void fillAndFrameCoverExactlyTheRect();
    void oleColors_data();
    void oleColors();
};

namespace {

QImage blank()
{
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int countBlack(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 0);
    return count;
}

} // namespace

void TestWinPaint::lineExcludesItsEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pixels");
    QTest::newRow("rightwards") << QPoint(1, 1) << QPoint(5, 1) << 4;
    QTest::newRow("leftwards") << QPoint(5, 1) << QPoint(1, 1) << 4;
    QTest::newRow("downwards") << QPoint(2, 2) << QPoint(2, 9) << 7;
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(6, 6) << 6;
    QTest::newRow("empty") << QPoint(3, 3) << QPoint(3, 3) << 0;
}

void TestWinPaint::lineExcludesItsEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, pixels);
    QImage image = blank();
    {
        QPainter painter(&image);
        WinPaint::line(painter, from, to, Qt::black);
    }
    QCOMPARE(countBlack(image), pixels);
    if (pixels > 0) {
        QCOMPARE(image.pixel(from), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(to), qRgb(255, 255, 255));
    }
}

void TestWinPaint::fillAndFrameCoverExactlyTheRect()
{
    QImage filled = blank();
    QImage framed = blank();
    {
        QPainter fillPainter(&filled);
        WinPaint::fill(fillPainter, QRect(2, 3, 4, 5), Qt::black);
        QPainter framePainter(&framed);
        WinPaint::frame(framePainter, QRect(2, 3, 4, 5), Qt::black);
    }
    QCOMPARE(countBlack(filled), 20);
    QCOMPARE(countBlack(framed), 14);
    QCOMPARE(framed.pixel(5, 7), qRgb(0, 0, 0));
    QCOMPARE(framed.pixel(6, 7), qRgb(255, 255, 255));
    QCOMPARE(framed.pixel(3, 4), qRgb(255, 255, 255));
}

void TestWinPaint::oleColors_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red is the low byte") << quint32(0x000000ff) << QColor(255, 0, 0);
    QTest::newRow("blue is the high byte") << quint32(0x00ff0000) << QColor(0, 0, 255);
    QTest::newRow("button face") << OleColor::ButtonFace << QColor(1, 2, 3);
    QTest::newRow("button text") << OleColor::ButtonText << QColor(4, 5, 6);
    QTest::newRow("no palette role") << (OleColor::SystemFlag | 3) << QColor(0x80, 0x80, 0x80);
}

void TestWinPaint::oleColors()
{
    QFETCH(quint32, value);
    QFETCH(QColor, expected);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    QCOMPARE(OleColor::toColor(value, palette), expected);
    if (!OleColor::isSystem(value))
        QCOMPARE(OleColor::fromColor(expected), value);
}

QTEST_MAIN(TestWinPaint)
#include "tst_winpaint.moc"
