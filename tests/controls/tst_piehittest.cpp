#include "FakeDialogs.h"
#include "OleColor.h"
#include "Pie.h"
#include "PieGeometry.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

class TestPieHitTest : public QObject
{
    Q_OBJECT

private slots:
    void hitTestAtPoints_data();
    void hitTestAtPoints();
    void nothingIsHitBeforeTheFirstChart();
    void mouseEventsNameTheSlice();
    void hitTestAgreesWithThePicture_data();
    void hitTestAgreesWithThePicture();
};

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

std::unique_ptr<Pie> chartOf(const QVariantList& values, QSize size = QSize(1, 1), int length = 1)
{
    auto pie = std::make_unique<Pie>();
    pie->setBackcolor(OleColor::rgb(255, 255, 255));
    pie->CreatePie(values, size.width(), size.height(), length);
    return pie;
}

PieGeometry geometryOf(const Pie& pie)
{
    return PieGeometry(pie.pieChartWidth(), pie.pieChartHeight(), pie.pieChartLength());
}

QPoint facePoint(const Pie& pie, double percent)
{
    return geometryOf(pie).seedPoint(PieGeometry::angle(percent));
}

QPoint wallPoint(const Pie& pie, double percent)
{
    const PieGeometry g = geometryOf(pie);
    const int x = g.boundaryPoint(PieGeometry::angle(percent)).x();
    return QPoint(x, g.frontRow(x) + g.length() / 2);
}

void send(Pie& pie, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), pie.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&pie, &event);
}

double distanceToSegment(QPointF point, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double lengthSquared = QPointF::dotProduct(along, along);
    const double t = lengthSquared == 0
        ? 0 : std::clamp(QPointF::dotProduct(point - from, along) / lengthSquared, 0.0, 1.0);
    const QPointF nearest = from + t * along;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

// Within two pixels of the radius at `percent` or of the edge below it.
bool nearBoundary(const PieGeometry& g, QPoint point, double percent)
{
    const QPointF end = g.boundaryPoint(PieGeometry::angle(percent));
    if (distanceToSegment(point, g.centre(), end) <= 2)
        return true;
    return percent > 37 && percent < 89
        && distanceToSegment(point, end, end + QPointF(0, g.length())) <= 2;
}

} // namespace

void TestPieHitTest::hitTestAtPoints_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("where");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("slice");
    const QVariantList quarters{25, 25, 25, 25};
    QTest::newRow("first quarter") << quarters << "face" << 12.5 << 0;
    QTest::newRow("second quarter") << quarters << "face" << 37.5 << 1;
    QTest::newRow("third quarter") << quarters << "face" << 62.5 << 2;
    QTest::newRow("fourth quarter") << quarters << "face" << 87.5 << 3;
    QTest::newRow("side wall of the second") << quarters << "wall" << 45.0 << 1;
    QTest::newRow("side wall of the third") << quarters << "wall" << 63.0 << 2;
    QTest::newRow("side wall of the fourth") << quarters << "wall" << 80.0 << 3;
    QTest::newRow("first 1 % inside the first slice") << quarters << "face" << 0.5 << -1;
    QTest::newRow("just after the first 1 %") << quarters << "face" << 1.5 << 0;
    QTest::newRow("30, 0, 70: third") << QVariantList{30, 0, 70} << "face" << 50.0 << 2;
    QTest::newRow("single value") << QVariantList{100} << "face" << 50.0 << 0;
    QTest::newRow("single value, wall") << QVariantList{100} << "wall" << 70.0 << 0;
    QTest::newRow("rest of a total of 60") << QVariantList{25, 35} << "face" << 80.0 << -1;
    QTest::newRow("on the top rim") << quarters << "rim" << 20.0 << -1;
    QTest::newRow("on the bottom rim") << quarters << "bottom rim" << 63.0 << -1;
    QTest::newRow("outside") << quarters << "corner" << 0.0 << -1;
}

void TestPieHitTest::hitTestAtPoints()
{
    QFETCH(QVariantList, values);
    QFETCH(QString, where);
    QFETCH(double, percent);
    QFETCH(int, slice);
    const auto pie = chartOf(values);
    const PieGeometry g = geometryOf(*pie);
    // Rim vertices lie at whole steps of 0.05 rad from 0 % (top) or 0 rad (bottom).
    const double start = PieGeometry::angle(0);
    const double rimAngle = start + std::round((PieGeometry::angle(percent) - start) / 0.05) * 0.05;
    QPoint point;
    if (where == QLatin1String("face"))
        point = facePoint(*pie, percent);
    else if (where == QLatin1String("wall"))
        point = wallPoint(*pie, percent);
    else if (where == QLatin1String("rim"))
        point = g.rimPoint(rimAngle);
    else if (where == QLatin1String("bottom rim"))
        point = g.bottomRimPoint(std::round(PieGeometry::angle(percent) / 0.05) * 0.05);
    else
        point = QPoint(2, 2);
    if (where.contains(QLatin1String("rim")))
        QCOMPARE(pie->picture().pixel(point), kBlack);
    QCOMPARE(pie->hitTest(point), slice);
}

void TestPieHitTest::nothingIsHitBeforeTheFirstChart()
{
    Pie pie;
    QCOMPARE(pie.hitTest(QPoint(100, 50)), -1);
    QCOMPARE(pie.hitTest(QPoint(-5, 500)), -1);
}

void TestPieHitTest::mouseEventsNameTheSlice()
{
    const auto pie = chartOf({25, 25, 25, 25});
    QSignalSpy over(pie.get(), &Pie::MouseOverPiePiece);
    QSignalSpy out(pie.get(), &Pie::MouseOutPiePiece);
    QSignalSpy down(pie.get(), &Pie::MouseDownPiePiece);
    QSignalSpy up(pie.get(), &Pie::MouseUpPiePiece);
    const QPoint third = facePoint(*pie, 62.5);
    const QPoint rim = geometryOf(*pie).rimPoint(PieGeometry::angle(0) + 1);

    send(*pie, QEvent::MouseMove, third, Qt::NoButton, Qt::NoButton);
    QCOMPARE(over.size(), 1);
    QCOMPARE(over.first(), (QVariantList{2, short(0), float(third.x()), float(third.y())}));

    send(*pie, QEvent::MouseMove, rim, Qt::NoButton, Qt::NoButton);
    QCOMPARE(out.size(), 1);
    QCOMPARE(out.first().at(0).toInt(), -1);

    send(*pie, QEvent::MouseButtonPress, third, Qt::RightButton, Qt::RightButton);
    QCOMPARE(down.size(), 1);
    QCOMPARE(down.first().at(0).toInt(), 2);
    QCOMPARE(down.first().at(1).value<short>(), short(2));
    send(*pie, QEvent::MouseButtonRelease, third, Qt::RightButton, Qt::NoButton);
    QCOMPARE(up.size(), 1);
    QCOMPARE(up.first().at(0).toInt(), 2);

    // Buttons over no slice raise nothing; a move there reports the way out.
    send(*pie, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    send(*pie, QEvent::MouseMove, QPoint(3, 2), Qt::NoButton, Qt::LeftButton);
    send(*pie, QEvent::MouseButtonRelease, QPoint(3, 2), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out.last().at(1).value<short>(), short(1));
    QCOMPARE(over.size(), 1);
}

void TestPieHitTest::hitTestAgreesWithThePicture_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("length");
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25} << QSize(1, 1) << 1;
    QTest::newRow("single value") << QVariantList{100} << QSize(1, 1) << 1;
    QTest::newRow("seven values") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(1, 1) << 1;
    QTest::newRow("thin slices") << QVariantList{2, 1, 3, 1, 93} << QSize(1, 1) << 1;
    QTest::newRow("ends near the side edges") << QVariantList{39, 48, 1, 12} << QSize(1, 1) << 1;
    QTest::newRow("400 by 200") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(400, 200) << 30;
    QTest::newRow("odd size") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(201, 101) << 16;
    QTest::newRow("deep wall") << QVariantList{30, 20, 35, 15} << QSize(250, 120) << 60;
    QTest::newRow("800 by 400") << QVariantList{39, 1, 20, 27, 1, 12} << QSize(800, 400) << 40;
}

// Every pixel, apart from the first 1 % and the pixels next to a slice
// boundary: a face or shadow colour belongs to the slice the hit test
// names, black and background give -1.
void TestPieHitTest::hitTestAgreesWithThePicture()
{
    QFETCH(QVariantList, values);
    QFETCH(QSize, size);
    QFETCH(int, length);
    const auto pie = chartOf(values, size, length);
    const PieGeometry g = geometryOf(*pie);
    QList<double> boundaries{0, 1};
    QMultiHash<QRgb, int> owners;
    for (int i = 0; i < pie->slices().size(); ++i) {
        const PieSlice& slice = pie->slices().at(i);
        if (slice.EndPercent == 0)
            continue;
        boundaries.append(slice.EndPercent);
        owners.insert(OleColor::toColor(slice.FaceColor.toUInt()).rgb(), i);
        owners.insert(OleColor::toColor(slice.ShadowColor.toUInt()).rgb(), i);
    }
    const QImage& picture = pie->picture();
    int checked = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint point(x, y);
            const bool onFace = y < g.frontRow(x);
            if (onFace && g.facePercent(x, y) < 1)
                continue;
            if (std::any_of(boundaries.begin(), boundaries.end(),
                            [&](double percent) { return nearBoundary(g, point, percent); }))
                continue;
            const QRgb color = picture.pixel(point);
            const int hit = pie->hitTest(point);
            if (color == kBlack || color == kWhite) {
                if (hit != -1)
                    QFAIL(qPrintable(QStringLiteral("%1, %2 hits %3").arg(x).arg(y).arg(hit)));
            } else if (!owners.contains(color, hit)) {
                QFAIL(qPrintable(QStringLiteral("%1, %2 hits %3 on colour %4")
                                     .arg(x).arg(y).arg(hit).arg(color, 0, 16)));
            }
            ++checked;
        }
    }
    QVERIFY(checked > picture.width() * picture.height() / 2);
}

QTEST_MAIN(TestPieHitTest)
#include "tst_piehittest.moc"
