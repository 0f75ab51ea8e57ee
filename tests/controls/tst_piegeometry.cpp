#include "PieGeometry.h"
#include "PieRaster.h"
#include "WinPaint.h"

#include <QPainter>
#include <QTest>

#include <cmath>

class TestPieGeometry : public QObject
{
    Q_OBJECT

private slots:
    void percentToAngle_data();
    void percentToAngle();
    void pointsOnTheThreeRadii_data();
    void pointsOnTheThreeRadii();
    void frontColumnsEndAtTheSideEdges();
    void rasterLineMatchesWinPaint_data();
    void rasterLineMatchesWinPaint();
    void floodFillStopsAtDiagonalLines();
    void floodFillCoversWindingAreas();
    void holesAndOutsideOfAClosedOutline();
};

void TestPieGeometry::percentToAngle_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("angle");
    QTest::newRow("right end") << 38.0 << 0.0;
    QTest::newRow("lowest point") << 63.0 << PieGeometry::Pi / 2;
    QTest::newRow("left end") << 88.0 << PieGeometry::Pi;
    QTest::newRow("start") << 0.0 << -38 * PieGeometry::Pi / 50;
    QTest::newRow("full circle") << 100.0 << 62 * PieGeometry::Pi / 50;
}

void TestPieGeometry::percentToAngle()
{
    QFETCH(double, percent);
    QFETCH(double, angle);
    QVERIFY(std::abs(PieGeometry::angle(percent) - angle) < 1e-12);
}

void TestPieGeometry::pointsOnTheThreeRadii_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<QPoint>("boundary");
    QTest::addColumn<QPoint>("rim");
    QTest::addColumn<QPoint>("bottomRim");
    QTest::addColumn<QPoint>("seed");
    // W 200, H 100, L 15: centre (100, 50).
    QTest::newRow("right end") << 38.0 << QPoint(200, 50) << QPoint(200, 50) << QPoint(200, 64)
                               << QPoint(150, 50);
    QTest::newRow("lowest point") << 63.0 << QPoint(100, 100) << QPoint(100, 100)
                                  << QPoint(100, 114) << QPoint(100, 75);
    QTest::newRow("left end") << 88.0 << QPoint(0, 50) << QPoint(1, 50) << QPoint(1, 64)
                              << QPoint(50, 50);
    QTest::newRow("top") << 13.0 << QPoint(100, 0) << QPoint(100, 1) << QPoint(100, 15)
                         << QPoint(100, 25);
    // 0 % lies in the upper left, at about 10 o'clock.
    QTest::newRow("start") << 0.0 << QPoint(27, 16) << QPoint(27, 16) << QPoint(27, 30)
                           << QPoint(64, 33);
}

void TestPieGeometry::pointsOnTheThreeRadii()
{
    QFETCH(double, percent);
    QFETCH(QPoint, boundary);
    QFETCH(QPoint, rim);
    QFETCH(QPoint, bottomRim);
    QFETCH(QPoint, seed);
    const PieGeometry geometry(200, 100, 15);
    const double angle = PieGeometry::angle(percent);
    QCOMPARE(geometry.centre(), QPoint(100, 50));
    QCOMPARE(geometry.boundaryPoint(angle), boundary);
    QCOMPARE(geometry.rimPoint(angle), rim);
    QCOMPARE(geometry.bottomRimPoint(angle), bottomRim);
    QCOMPARE(geometry.seedPoint(angle), seed);
}

void TestPieGeometry::frontColumnsEndAtTheSideEdges()
{
    const PieGeometry geometry(800, 400, 40);
    QCOMPARE(geometry.frontColumn(20), 800);
    QCOMPARE(geometry.frontColumn(38), 800);
    QCOMPARE(geometry.frontColumn(63), 400);
    QCOMPARE(geometry.frontColumn(88), 1);
    QCOMPARE(geometry.frontColumn(95), 1);
    QVERIFY(geometry.frontColumn(40) < 800);
    QCOMPARE(geometry.frontRow(400), 400);
    QCOMPARE(geometry.frontRow(0), 200);
    QCOMPARE(geometry.frontRow(800), 200);
}

void TestPieGeometry::rasterLineMatchesWinPaint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("steep") << QPoint(10, 10) << QPoint(13, 29);
    QTest::newRow("shallow back") << QPoint(28, 20) << QPoint(2, 11);
    QTest::newRow("diagonal") << QPoint(3, 27) << QPoint(27, 3);
    QTest::newRow("vertical") << QPoint(5, 2) << QPoint(5, 20);
    QTest::newRow("leaves the image") << QPoint(15, 15) << QPoint(45, -7);
}

void TestPieGeometry::rasterLineMatchesWinPaint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    PieRaster raster(30, 30, qRgb(255, 255, 255));
    raster.line(from, to, qRgb(0, 0, 0));
    QImage painted(30, 30, QImage::Format_RGB32);
    painted.fill(Qt::white);
    {
        QPainter painter(&painted);
        WinPaint::line(painter, from, to, Qt::black);
    }
    QCOMPARE(raster.image(), painted);
}

void TestPieGeometry::floodFillStopsAtDiagonalLines()
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(255, 0, 0);
    PieRaster raster(20, 20, white);
    raster.line(QPoint(0, 19), QPoint(20, -1), qRgb(0, 0, 0));
    raster.floodFill(QPoint(2, 2), red);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb expected = x + y < 19 ? red : x + y == 19 ? qRgb(0, 0, 0) : white;
            QCOMPARE(raster.at(x, y), expected);
        }
    }
}

void TestPieGeometry::floodFillCoversWindingAreas()
{
    // A comb: every tooth must be reached from the seed in the last one.
    const QRgb white = qRgb(255, 255, 255);
    const QRgb blue = qRgb(0, 0, 255);
    PieRaster raster(21, 12, white);
    for (int x = 1; x < 21; x += 2)
        raster.line(QPoint(x, x % 4 == 1 ? 0 : 2), QPoint(x, x % 4 == 1 ? 10 : 12), qRgb(0, 0, 0));
    raster.floodFill(QPoint(20, 11), blue);
    int left = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 21; x += 2)
            left += raster.at(x, y) == white;
    QCOMPARE(left, 0);
    raster.floodFill(QPoint(1, 5), blue);
    QCOMPARE(raster.at(1, 5), blue);
    QCOMPARE(raster.at(3, 5), qRgb(0, 0, 0));
}

void TestPieGeometry::holesAndOutsideOfAClosedOutline()
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb red = qRgb(255, 0, 0);
    // A diamond of diagonal steps, red inside but for one pixel, with red
    // strays just outside it.
    PieRaster raster(16, 16, white);
    const QPoint corners[] = {QPoint(8, 1), QPoint(15, 8), QPoint(8, 15), QPoint(1, 8)};
    for (int i = 0; i < 4; ++i)
        raster.line(corners[i], corners[(i + 1) % 4], black);
    raster.floodFill(QPoint(8, 8), red);
    raster.set(8, 8, white);
    raster.set(8, 0, red);
    raster.set(3, 4, red);
    QCOMPARE(raster.enclosedBackground(), (std::vector<QPoint>{QPoint(8, 8)}));

    raster.clearOutside(black);
    QCOMPARE(raster.at(8, 0), white);
    QCOMPARE(raster.at(3, 4), white);
    QCOMPARE(raster.at(8, 5), red);
    QCOMPARE(raster.at(8, 8), white);
    QCOMPARE(raster.at(8, 1), black);
    QCOMPARE(raster.enclosedBackground(), (std::vector<QPoint>{QPoint(8, 8)}));
}

QTEST_MAIN(TestPieGeometry)
#include "tst_piegeometry.moc"
