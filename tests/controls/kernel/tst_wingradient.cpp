#include "WinGradient.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

// The controls' one gradient: the progress bar's bars and the tab strip's
// unselected tabs both shade through it.

using WinGradient::Direction;

class TestWinGradient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void bandColours_data();
    void bandColours();
    void fillCoversTheRectOneBandAPixel_data();
    void fillCoversTheRectOneBandAPixel();
};

void TestWinGradient::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter")));
}

void TestWinGradient::bandColours_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("first band") << QColor(0, 0, 0) << QColor(0, 0, 200) << 0 << 11 << QColor(0, 0, 0);
    QTest::newRow("last band") << QColor(0, 0, 0) << QColor(0, 0, 200) << 10 << 11 << QColor(0, 0, 200);
    QTest::newRow("middle band") << QColor(0, 0, 0) << QColor(0, 0, 200) << 5 << 11 << QColor(0, 0, 100);
    // 255 - 35 / 17 × 9 = 236.47: to the nearest, not cut towards the start.
    QTest::newRow("falling channel rounds to nearest")
        << QColor(255, 255, 244) << QColor(220, 220, 204) << 9 << 18 << QColor(236, 236, 223);
    // 1 / 2 = 0.5 goes to the even 0, 3 / 2 = 1.5 to the even 2.
    QTest::newRow("half to even, down") << QColor(0, 0, 0) << QColor(1, 3, 0) << 1 << 3 << QColor(0, 2, 0);
    QTest::newRow("a single band is the start") << QColor(9, 8, 7) << QColor(1, 2, 3) << 0 << 1 << QColor(9, 8, 7);
}

void TestWinGradient::bandColours()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, band);
    QFETCH(int, bands);
    QTEST(WinGradient::bandColor(from, to, band, bands), "colour");
}

void TestWinGradient::fillCoversTheRectOneBandAPixel_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<Direction>("direction");
    QTest::newRow("rows") << QRect(2, 1, 5, 11) << Direction::TopToBottom;
    QTest::newRow("columns") << QRect(1, 3, 11, 4) << Direction::LeftToRight;
    QTest::newRow("empty") << QRect(3, 3, 0, 5) << Direction::LeftToRight;
}

void TestWinGradient::fillCoversTheRectOneBandAPixel()
{
    QFETCH(QRect, rect);
    QFETCH(Direction, direction);
    QImage image(14, 14, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QColor from(0, 0, 0);
    const QColor to(0, 0, 200);
    {
        QPainter painter(&image);
        WinGradient::fill(painter, rect, from, to, direction);
    }
    const bool rows = direction == Direction::TopToBottom;
    const int bands = rows ? rect.height() : rect.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint at(x, y);
            const int band = rows ? y - rect.top() : x - rect.left();
            const QColor expected = rect.contains(at) ? WinGradient::bandColor(from, to, band, bands)
                                                      : QColor(Qt::white);
            QCOMPARE(image.pixelColor(at), expected);
        }
    }
}

QTEST_MAIN(TestWinGradient)
#include "tst_wingradient.moc"
