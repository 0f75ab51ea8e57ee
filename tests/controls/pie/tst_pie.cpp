#include "PieHitMap.h"
#include "PieTestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace PieTest;

class TestPie : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void clampsAreReportedByTheProperties_data();
    void clampsAreReportedByTheProperties();
    void listsThatDrawNothing_data();
    void listsThatDrawNothing();
    void refusalGoesToTheSharedServiceWithoutOwn();
    void sideWallOnlyBelowTheFrontHalf();
    void singleValueHasBlackRimsAndNoBoundaryLines();
    void hitMapHasNoBlackBoundaryLines();
    void everyPixel_data();
    void everyPixel();
    void hitTestAtPoints_data();
    void hitTestAtPoints();
    void mouseEventsNameTheSlice();
    void restOfATotalBelow100_data();
    void restOfATotalBelow100();
    void ownColoursWaitForTheNextChart();
    void accessibleNameDescribesTheSlices();
};

namespace {

double distanceToSegment(QPointF point, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double share = std::clamp(QPointF::dotProduct(point - from, along)
                                        / QPointF::dotProduct(along, along), 0.0, 1.0);
    const QPointF away = point - (from + share * along);
    return std::hypot(away.x(), away.y());
}

// Within two pixels of the radius at `percent` or of the edge below it.
bool nearBoundary(const PieGeometry& geometry, QPoint point, double percent)
{
    const QPointF end = geometry.boundaryPoint(PieGeometry::angle(percent));
    return distanceToSegment(point, geometry.centre(), end) <= 2
        || (percent > 37 && percent < 89
            && distanceToSegment(point, end, end + QPointF(0, geometry.length())) <= 2);
}

} // namespace

void TestPie::init()
{
    failOnAnyWarning();
}

void TestPie::clampsAreReportedByTheProperties_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<int>("length");
    QTest::addColumn<QVariantList>("reported");
    QTest::newRow("as the main window asks") << QSize(1, 1) << 1 << QVariantList{200, 100, 15};
    QTest::newRow("larger") << QSize(300, 160) << 20 << QVariantList{300, 160, 20};
}

void TestPie::clampsAreReportedByTheProperties()
{
    QFETCH(QSize, asked);
    QFETCH(int, length);
    QFETCH(QVariantList, reported);
    Chart chart({50, 50}, asked, length);
    QCOMPARE((QVariantList{chart.pie.property("PieChartWidth"),
                           chart.pie.property("PieChartHeight"),
                           chart.pie.property("PieChartLength")}),
             reported);
    const QSize size(reported[0].toInt() + 1, reported[1].toInt() + reported[2].toInt());
    QCOMPARE(chart.pie.size(), size);
    QCOMPARE(chart.pie.picture().size(), size);
    // Painting shows the picture as drawn.
    QCOMPARE(chart.pie.grab().toImage().convertToFormat(QImage::Format_RGB32), chart.pie.picture());
}

void TestPie::listsThatDrawNothing_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<bool>("refused");
    QTest::newRow("60 and 50") << QVariantList{60, 50} << true;
    QTest::newRow("empty") << QVariantList{} << false;
    QTest::newRow("all zero") << QVariantList{0, 0} << false;
    QTest::newRow("not numbers") << QVariantList{QStringLiteral("ten"), 90} << false;
    QTest::newRow("empty first entry") << QVariantList{QString(), 100} << false;
    QTest::newRow("not a number before an overflow") << QVariantList{QStringLiteral("x"), 80, 80} << false;
}

// An overflow is refused with a message; the other lists draw the blank
// background and report nothing.
void TestPie::listsThatDrawNothing()
{
    QFETCH(QVariantList, values);
    QFETCH(bool, refused);
    Chart chart({25, 25});
    QCOMPARE(chart.pie.CreatePie(values, 1, 1, 1), !refused);
    QCOMPARE(chart.pie.hitTest(facePoint(chart.geometry(), 10)), -1);
    // A new background keeps the chart blank, and refused.
    chart.pie.setBackcolor(OleColor::rgb(0, 0, 255));
    QVERIFY(chart.only(qRgb(0, 0, 255)));
    QCOMPARE(chart.pie.findChild<QLabel*>(QStringLiteral("LblInfo"))->isHidden(), !refused);
    QCOMPARE(chart.pie.summary(), refused ? QStringLiteral("Error Creating Pie Chart")
                                          : QStringLiteral("Empty pie chart"));
    QCOMPARE(chart.dialogs.messages().size(), refused ? 1 : 0);
    if (refused) {
        const FakeDialogs::Message message = chart.dialogs.messages().first();
        QCOMPARE(message.title, QStringLiteral("Pie Chart Report"));
        QCOMPARE(message.text,
                 QStringLiteral("Please Select A Customer Which At Least Bought Product"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }
}

// A chart given no service of its own tells the operator through the
// program's shared one, once.
void TestPie::refusalGoesToTheSharedServiceWithoutOwn()
{
    FakeDialogs shared;
    Dialogs::setShared(&shared);
    Pie pie;
    const bool drawn = pie.CreatePie({60, 50}, 1, 1, 1);
    Dialogs::setShared(nullptr);
    QVERIFY(!drawn);
    QCOMPARE(shared.messages().size(), 1);
    QCOMPARE(shared.messages().first().text,
             QStringLiteral("Please Select A Customer Which At Least Bought Product"));
}

void TestPie::sideWallOnlyBelowTheFrontHalf()
{
    // Slices 0-20, 20-40, 40-86 and 86-100: only the third has a visible wall.
    Chart chart({20, 20, 46, 14});
    for (double percent : {50, 63, 80})
        QCOMPARE(chart.wallAt(percent), Shadows[2]);
    for (int pair : {0, 1, 3})
        QCOMPARE(chart.count(Shadows[pair]), 0);
}

void TestPie::singleValueHasBlackRimsAndNoBoundaryLines()
{
    Chart chart({100});
    const PieGeometry geometry = chart.geometry();
    for (double angle = PieGeometry::angle(0); angle < PieGeometry::angle(100); angle += 0.05)
        QCOMPARE(chart.at(geometry.rimPoint(angle)), Black);
    for (double angle = 0; angle <= 3.14; angle += 0.05)
        QCOMPARE(chart.at(geometry.bottomRimPoint(angle)), Black);
    for (int y = 0; y < geometry.height(); ++y) {
        for (int x = 0; x <= geometry.width(); ++x) {
            if (insideOutline(geometry, x, y, -3) && y < geometry.frontRow(x) - 2)
                QCOMPARE(chart.at(QPoint(x, y)), Faces[0]);
        }
    }
    QCOMPARE(chart.wallAt(40), Shadows[0]);
    QCOMPARE(chart.wallAt(84), Shadows[0]);
    // Both side edges, from the middle row down the whole length.
    for (int y = 50; y < 65; ++y)
        QVERIFY2(chart.at(QPoint(1, y)) == Black && chart.at(QPoint(200, y)) == Black,
                 qPrintable(QString::number(y)));
}

void TestPie::hitMapHasNoBlackBoundaryLines()
{
    const PieGeometry geometry(200, 100, 15);
    const QImage map = PieHitMap(geometry).image();
    // Halfway along each radius between two wedges lies one of their greys.
    for (int wedge = 2; wedge < 100; ++wedge) {
        const QPoint edge = geometry.boundaryPoint(PieGeometry::angle(wedge));
        const int grey = qRed(map.pixel((geometry.centre() + edge) / 2));
        QVERIFY2(grey == wedge || grey == wedge - 1, qPrintable(QString::number(wedge)));
    }
    // The front edges down the side wall take the wedge's grey as well.
    for (int wedge = 41; wedge < 86; ++wedge) {
        const QPoint edge = geometry.boundaryPoint(PieGeometry::angle(wedge));
        QCOMPARE(qRed(map.pixel(edge + QPoint(0, geometry.length() / 2))), wedge - 1);
    }
}

void TestPie::everyPixel_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("length");
    QTest::newRow("single value") << QVariantList{100} << QSize(1, 1) << 1;
    QTest::newRow("30, 0, 70") << QVariantList{30, 0, 70} << QSize(1, 1) << 1;
    QTest::newRow("thin slices") << QVariantList{3, 2, 1, 1, 1, 92} << QSize(1, 1) << 1;
    QTest::newRow("seven values, odd size")
        << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(333, 157) << 22;
    QTest::newRow("deep wall") << QVariantList{30, 20, 35, 15} << QSize(250, 120) << 60;
    QTest::newRow("ends near the side edges") << QVariantList{39, 1, 20, 27, 1, 12} << QSize(800, 400) << 40;
    QTest::newRow("nearly nothing") << QVariantList{0.2} << QSize(1, 1) << 1;
    QTest::newRow("deep wall, total of 50") << QVariantList{20, 30} << QSize(250, 120) << 60;
    for (double total : {37.5, 38.0, 38.5, 87.0, 88.0, 88.5, 99.5}) {
        QTest::addRow("total of %g", total) << QVariantList{total / 2, total / 2} << QSize(1, 1) << 1;
        QTest::addRow("total of %g, large", total)
            << QVariantList{total / 2, total / 2} << QSize(800, 400) << 40;
    }
}

// Every slice's seed point shows its face colour. The chart is filled
// inside its outline and blank outside it, but for the side wall of a
// rest that the chart leaves blank. Where the values fill the
// circle, every pixel apart from the first 1 % and those next to a slice
// boundary agrees with the hit test: a face or shadow colour belongs to
// the slice it names, black and background give -1.
void TestPie::everyPixel()
{
    QFETCH(QVariantList, values);
    QFETCH(QSize, size);
    QFETCH(int, length);
    const Chart chart(values, size, length);
    const PieGeometry geometry = chart.geometry();
    QList<double> boundaries{0, 1};
    QMultiHash<QRgb, int> owners;
    double end = 0;
    for (int i = 0; i < values.size(); ++i) {
        const double value = values[i].toDouble();
        // The seed of a slice under 2 % lies on its boundary.
        if (value >= 2)
            QCOMPARE(chart.faceAt(end + value / 2), Faces[i % 6]);
        end += value;
        boundaries.append(end);
        owners.insert(Faces[i % 6], i);
        owners.insert(Shadows[i % 6], i);
    }
    const bool blankRestWall = end < 100 && (end <= 13 || end >= 63);
    for (int y = 0; y < chart.pie.picture().height(); ++y) {
        for (int x = 0; x < chart.pie.picture().width(); ++x) {
            const QPoint point(x, y);
            const QRgb color = chart.at(point);
            if (blankRestWall && y >= geometry.frontRow(x) && geometry.wallPercent(x) > end - 1) {
                if (y > geometry.frontRow(x) + 2 && geometry.wallPercent(x) > end + 1
                    && insideOutline(geometry, x, y, -1.5) && color != White)
                    QFAIL(qPrintable(QStringLiteral("rest's wall at %1, %2").arg(x).arg(y)));
                continue;
            }
            if (insideOutline(geometry, x, y, -1.5) && color == White)
                QFAIL(qPrintable(QStringLiteral("unfilled at %1, %2").arg(x).arg(y)));
            if (!insideOutline(geometry, x, y, 1.5) && color != White)
                QFAIL(qPrintable(QStringLiteral("drawn outside at %1, %2").arg(x).arg(y)));
            if (end < 100 || (y < geometry.frontRow(x) && geometry.facePercent(x, y) < 1)
                || std::any_of(boundaries.begin(), boundaries.end(),
                               [&](double percent) { return nearBoundary(geometry, point, percent); }))
                continue;
            const int hit = chart.pie.hitTest(point);
            if ((color == Black || color == White) ? hit != -1 : !owners.contains(color, hit))
                QFAIL(qPrintable(QStringLiteral("%1, %2 hits %3 on colour %4")
                                     .arg(x).arg(y).arg(hit).arg(color, 0, 16)));
        }
    }
}

void TestPie::hitTestAtPoints_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("slice");
    const PieGeometry geometry(200, 100, 15);
    QTest::newRow("first quarter") << facePoint(geometry, 12.5) << 0;
    QTest::newRow("second quarter") << facePoint(geometry, 37.5) << 1;
    QTest::newRow("third quarter") << facePoint(geometry, 62.5) << 2;
    QTest::newRow("fourth quarter") << facePoint(geometry, 87.5) << 3;
    QTest::newRow("side wall of the second") << wallPoint(geometry, 45) << 1;
    QTest::newRow("first 1 % inside the first slice") << facePoint(geometry, 0.5) << -1;
    QTest::newRow("just after the first 1 %") << facePoint(geometry, 1.5) << 0;
    // Rim points at whole steps of 0.05 rad, where the rims are black.
    QTest::newRow("on the top rim") << geometry.rimPoint(PieGeometry::angle(0) + 1) << -1;
    QTest::newRow("on the bottom rim") << geometry.bottomRimPoint(1.5) << -1;
    QTest::newRow("outside") << QPoint(2, 2) << -1;
}

void TestPie::hitTestAtPoints()
{
    QFETCH(QPoint, point);
    QTEST(Chart({25, 25, 25, 25}).pie.hitTest(point), "slice");
}

void TestPie::mouseEventsNameTheSlice()
{
    Chart chart({25, 25, 25, 25});
    QSignalSpy over(&chart.pie, &Pie::MouseOverPiePiece);
    QSignalSpy out(&chart.pie, &Pie::MouseOutPiePiece);
    QSignalSpy down(&chart.pie, &Pie::MouseDownPiePiece);
    QSignalSpy up(&chart.pie, &Pie::MouseUpPiePiece);
    const QPoint third = facePoint(chart.geometry(), 62.5);
    send(chart.pie, QEvent::MouseMove, third, Qt::NoButton, Qt::NoButton);
    send(chart.pie, QEvent::MouseButtonPress, third, Qt::RightButton, Qt::RightButton);
    send(chart.pie, QEvent::MouseButtonRelease, third, Qt::RightButton, Qt::NoButton);
    // Buttons over no slice raise nothing; a move there reports the way out.
    send(chart.pie, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    send(chart.pie, QEvent::MouseMove, QPoint(3, 2), Qt::NoButton, Qt::LeftButton);
    send(chart.pie, QEvent::MouseButtonRelease, QPoint(3, 2), Qt::LeftButton, Qt::NoButton);
    const double x = third.x();
    const double y = third.y();
    QCOMPARE(over, (QList<QVariantList>{{2, 0, x, y}}));
    QCOMPARE(down, (QList<QVariantList>{{2, 2, x, y}}));
    QCOMPARE(up, (QList<QVariantList>{{2, 2, x, y}}));
    QCOMPARE(out, (QList<QVariantList>{{-1, 1, 3.0, 2.0}}));
}

void TestPie::restOfATotalBelow100_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<double>("restPercent");
    QTest::addColumn<QRgb>("restWall");
    QTest::newRow("total of 10: no wall") << QVariantList{10} << 63.0 << White;
    QTest::newRow("total of 30: last pair's shadow, zero entries counted")
        << QVariantList{30, 0, 0} << 63.0 << Shadows[2];
    QTest::newRow("total of 60: last pair's face") << QVariantList{25, 35} << 75.0 << Faces[1];
    QTest::newRow("total of 80: no wall") << QVariantList{50, 30} << 82.0 << White;
}

// The rest's face takes the shadow of the first pair. Its side wall is
// painted only for totals between 13 and 63; otherwise it stays blank,
// without an outline of its own. Neither belongs to a slice.
void TestPie::restOfATotalBelow100()
{
    QFETCH(QVariantList, values);
    QFETCH(double, restPercent);
    QFETCH(QRgb, restWall);
    Chart chart(values);
    const PieGeometry geometry = chart.geometry();
    QCOMPARE(chart.faceAt(restPercent), Shadows[0]);
    QCOMPARE(chart.wallAt(restPercent), restWall);
    if (restWall == White)
        QCOMPARE(chart.at(geometry.bottomRimPoint(PieGeometry::angle(restPercent))), White);
    QCOMPARE(chart.pie.hitTest(facePoint(geometry, restPercent)), -1);
    QCOMPARE(chart.pie.hitTest(wallPoint(geometry, restPercent)), -1);
}

void TestPie::ownColoursWaitForTheNextChart()
{
    Chart chart({20, 30, 50});
    chart.pie.ClearColors();
    chart.pie.NewColor(OleColor::rgb(10, 20, 30), OleColor::rgb(5, 10, 15));
    chart.pie.NewColor(OleColor::rgb(200, 100, 50), OleColor::rgb(100, 50, 25));
    // A new background redraws the chart, but in the colours it was made with.
    chart.pie.setBackcolor(OleColor::rgb(0, 0, 255));
    QCOMPARE(chart.at(QPoint(0, 0)), qRgb(0, 0, 255));
    QCOMPARE(chart.faceAt(10), Faces[0]);
    QCOMPARE(chart.pie.hitTest(facePoint(chart.geometry(), 75)), 2);

    chart.pie.CreatePie({20, 30, 50}, 1, 1, 1);
    QCOMPARE(chart.faceAt(10), qRgb(10, 20, 30));
    QCOMPARE(chart.faceAt(35), qRgb(200, 100, 50));
    QCOMPARE(chart.faceAt(75), qRgb(10, 20, 30));
    QCOMPARE(chart.wallAt(45), qRgb(100, 50, 25));
}

void TestPie::accessibleNameDescribesTheSlices()
{
    Pie fresh;
    QCOMPARE(QAccessible::queryAccessibleInterface(&fresh)->text(QAccessible::Name),
             QStringLiteral("Creating chart..."));

    Chart chart({25, 75});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart.pie);
    QCOMPARE(accessible->role(), QAccessible::Graphic);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Slice 1: 25 %, slice 2: 75 %"));
    chart.pie.CreatePie({60, 50}, 1, 1, 1);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Error Creating Pie Chart"));
    chart.pie.CreatePie({12.5, 0, 47.5}, 1, 1, 1);
    QCOMPARE(accessible->text(QAccessible::Name),
             QStringLiteral("Slice 1: 12.5 %, slice 3: 47.5 %, rest: 40 %"));
}

QTEST_MAIN(TestPie)
#include "tst_pie.moc"
