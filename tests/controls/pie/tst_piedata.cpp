#include "PieRaster.h"
#include "PieTestSupport.h"

#include <QTest>

// The pure parts of the chart: value lists and colours, the geometry and
// the raster with its flood fills.
class TestPieData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void colorLists();
    void sliceRecords_data();
    void sliceRecords();
    void pointsOnTheThreeRadii_data();
    void pointsOnTheThreeRadii();
    void floodFillCoversWindingAreas();
    void holesAndOutsideOfAClosedOutline();
};

namespace {

using Records = QList<PieSlice>;
using PieTest::Black;
using PieTest::White;
constexpr QRgb kRed = qRgb(255, 0, 0);

QString colorNumber(QRgb color)
{
    return QString::number(OleColor::rgb(qRed(color), qGreen(color), qBlue(color)));
}

PieSlice record(int start, int end, int pair)
{
    return {start, end, colorNumber(PieTest::Faces[pair]), colorNumber(PieTest::Shadows[pair])};
}

} // namespace

void TestPieData::init()
{
    PieTest::failOnAnyWarning();
}

void TestPieData::colorLists()
{
    PieColors colors;
    // The first NewColor replaces the built-in pairs; colours may come as text.
    colors.NewColor(OleColor::rgb(1, 2, 3), OleColor::rgb(4, 5, 6));
    colors.NewColor(QStringLiteral("255"), QStringLiteral("128"));
    QCOMPARE(PieColors::rgb(colors.face(0)), qRgb(1, 2, 3));
    QCOMPARE(PieColors::rgb(colors.shadow(1)), qRgb(128, 0, 0));
    // A system colour stored as a signed 32-bit number stays a system colour.
    QCOMPARE(PieColors::colorValue(QVariant(qint64(-2147483633))), OleColor::ButtonFace);

    colors.ClearColors();
    QCOMPARE(colors.count(), 6);
    // After ClearColors the next NewColor replaces the pairs again; an empty
    // first face colour falls back to the built-in pairs.
    colors.NewColor(QString(), QString());
    QCOMPARE(colors.count(), 1);
    colors.restoreDefaultsIfUnset();
    QCOMPARE(colors.count(), 6);
    QVERIFY(colors.holdsDefaults());
}

void TestPieData::sliceRecords_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<Records>("expected");
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25}
                              << Records{record(0, 25, 0), record(25, 50, 1), record(50, 75, 2),
                                         record(75, 100, 3)};
    QTest::newRow("zero keeps a record of zeros")
        << QVariantList{30, 0, 70} << Records{record(0, 30, 0), PieSlice(), record(30, 100, 2)};
    QTest::newRow("seventh value takes pair 0 again")
        << QVariantList{10, 10, 10, 10, 10, 10, 40}
        << Records{record(0, 10, 0),  record(10, 20, 1), record(20, 30, 2), record(30, 40, 3),
                   record(40, 50, 4), record(50, 60, 5), record(60, 100, 0)};
    QTest::newRow("halves round to even")
        << QVariantList{12.5, 25, 62.5}
        << Records{record(0, 12, 0), record(12, 38, 1), record(38, 100, 2)};
    QTest::newRow("decimals that add up to 100")
        << QVariantList{10.2, 73.9, 15.9}
        << Records{record(0, 10, 0), record(10, 84, 1), record(84, 100, 2)};
    QTest::newRow("numbers as text") << QVariantList{QStringLiteral("40"), QStringLiteral(" 60 ")}
                                     << Records{record(0, 40, 0), record(40, 100, 1)};
    QTest::newRow("list ends before the empty entry")
        << QVariantList{20, 30, QString(), 50} << Records{record(0, 20, 0), record(20, 50, 1)};
}

void TestPieData::sliceRecords()
{
    QFETCH(QVariantList, values);
    const PieValues read = PieValues::read(values);
    QVERIFY(read.check().ok());
    QTEST(PieChart::records(read, PieColors()), "expected");
}

void TestPieData::pointsOnTheThreeRadii_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<QPoint>("boundary");
    QTest::addColumn<QPoint>("rim");
    QTest::addColumn<QPoint>("bottomRim");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<int>("frontColumn");
    // W 200, H 100, L 15: centre (100, 50). The side wall's edges stand at
    // columns 200 and 1.
    QTest::newRow("lowest point") << 63.0 << QPoint(100, 100) << QPoint(100, 100)
                                  << QPoint(100, 114) << QPoint(100, 75) << 100;
    QTest::newRow("left end") << 88.0 << QPoint(0, 50) << QPoint(1, 50) << QPoint(1, 64)
                              << QPoint(50, 50) << 1;
    // 0 % lies in the upper left, at about 10 o'clock.
    QTest::newRow("start") << 0.0 << QPoint(27, 16) << QPoint(27, 16) << QPoint(27, 30)
                           << QPoint(64, 33) << 200;
}

void TestPieData::pointsOnTheThreeRadii()
{
    QFETCH(double, percent);
    QFETCH(int, frontColumn);
    const PieGeometry geometry(200, 100, 15);
    const double angle = PieGeometry::angle(percent);
    QCOMPARE(geometry.centre(), QPoint(100, 50));
    QTEST(geometry.boundaryPoint(angle), "boundary");
    QTEST(geometry.rimPoint(angle), "rim");
    QTEST(geometry.bottomRimPoint(angle), "bottomRim");
    QTEST(geometry.seedPoint(angle), "seed");
    QCOMPARE(geometry.frontColumn(percent), frontColumn);
}

void TestPieData::floodFillCoversWindingAreas()
{
    // A comb: every tooth must be reached from the seed in the last one.
    PieRaster raster(21, 12, White);
    for (int x = 1; x < 21; x += 2)
        raster.line(QPoint(x, x % 4 == 1 ? 0 : 2), QPoint(x, x % 4 == 1 ? 10 : 12), Black);
    raster.floodFill(QPoint(20, 11), kRed);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 21; x += 2)
            QCOMPARE(raster.at(x, y), kRed);
    }
    QCOMPARE(raster.at(3, 5), Black);
}

void TestPieData::holesAndOutsideOfAClosedOutline()
{
    // A diamond of diagonal steps, filled red inside but for one pixel, with
    // red strays just outside it.
    PieRaster raster(16, 16, White);
    // Pixels beyond the image are dropped, not wrapped into the next row.
    raster.line(QPoint(12, 0), QPoint(20, 0), Black);
    QCOMPARE(raster.at(0, 1), White);
    const QPoint corners[] = {QPoint(8, 1), QPoint(15, 8), QPoint(8, 15), QPoint(1, 8)};
    for (int i = 0; i < 4; ++i)
        raster.line(corners[i], corners[(i + 1) % 4], Black);
    raster.floodFill(QPoint(8, 8), kRed);
    // Diagonal steps hold the fill back.
    QCOMPARE(raster.at(1, 1), White);
    raster.set(8, 8, White);
    raster.set(8, 0, kRed);
    raster.set(3, 4, kRed);
    QCOMPARE(raster.enclosedBackground(), (std::vector<QPoint>{QPoint(8, 8)}));

    raster.clearOutside(Black);
    QCOMPARE(raster.at(8, 0), White);
    QCOMPARE(raster.at(3, 4), White);
    QCOMPARE(raster.at(8, 5), kRed);
    QCOMPARE(raster.at(8, 8), White);
    QCOMPARE(raster.at(8, 1), Black);
}

QTEST_MAIN(TestPieData)
#include "tst_piedata.moc"
