#include "FakeDialogs.h"
#include "OleColor.h"
#include "Pie.h"
#include "PieGeometry.h"
#include "PieHitMap.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <memory>

class TestPie : public QObject
{
    Q_OBJECT

private slots:
    void clampsAreReportedByTheProperties_data();
    void clampsAreReportedByTheProperties();
    void overflowIsRefusedWithAMessage();
    void listsWithNothingToDrawStayBlank_data();
    void listsWithNothingToDrawStayBlank();
    void faceColourAtEverySeedPoint_data();
    void faceColourAtEverySeedPoint();
    void sideWallOnlyBelowTheFrontHalf();
    void rimsAreBlack();
    void wholeCircleHasNoBoundaryLines();
    void boundariesAndFrontEdges();
    void hitMapHasNoBlackBoundaryLines();
    void noUnfilledSpecksAndNothingOutside_data();
    void noUnfilledSpecksAndNothingOutside();
    void restOfATotalBelow100();
    void ownColoursWrapRound();
    void backcolorRedrawsTheChart();
    void paintingShowsThePicture();
    void accessibleNameDescribesTheSlices();
};

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
const QRgb kFaces[] = {qRgb(168, 223, 11), qRgb(0, 155, 225), qRgb(1, 169, 44),
                       qRgb(210, 44, 2),   qRgb(250, 206, 1), qRgb(193, 2, 170)};
const QRgb kShadows[] = {qRgb(156, 198, 82), qRgb(0, 115, 165), qRgb(1, 122, 32),
                         qRgb(155, 33, 2),   qRgb(205, 169, 1), qRgb(135, 1, 122)};

struct Chart
{
    std::unique_ptr<Pie> pie = std::make_unique<Pie>();
    FakeDialogs dialogs;

    Chart(const QVariantList& values, int width = 1, int height = 1, int length = 1)
    {
        pie->setDialogs(&dialogs);
        pie->setBackcolor(OleColor::rgb(255, 255, 255));
        pie->CreatePie(values, width, height, length);
    }

    PieGeometry geometry() const
    {
        return PieGeometry(pie->pieChartWidth(), pie->pieChartHeight(), pie->pieChartLength());
    }
    QRgb at(QPoint point) const { return pie->picture().pixel(point); }
    QRgb faceAt(double percent) const
    {
        return at(geometry().seedPoint(PieGeometry::angle(percent)));
    }
    // The side wall halfway down, below a percentage of the front half.
    QPoint wallPoint(double percent) const
    {
        const PieGeometry g = geometry();
        const int x = g.boundaryPoint(PieGeometry::angle(percent)).x();
        return QPoint(x, g.frontRow(x) + g.length() / 2);
    }
    int count(QRgb color) const
    {
        int found = 0;
        const QImage& image = pie->picture();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found += image.pixel(x, y) == color;
        return found;
    }
};

bool isBlank(const QImage& image, QRgb background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return false;
    return true;
}

// Inside the outline of the cylinder (top ellipse, bottom ellipse and the
// band between), grown or shrunk by `margin` pixels.
bool insideOutline(const PieGeometry& g, double x, double y, double margin)
{
    const double cx = g.width() / 2.0;
    const double cy = g.height() / 2.0;
    const double rx = g.width() / 2.0 + margin;
    const double ry = g.height() / 2.0 + margin;
    auto inEllipse = [&](double top) {
        const double dx = (x - cx) / rx;
        const double dy = (y - top) / ry;
        return dx * dx + dy * dy < 1;
    };
    const bool inBand = std::abs(x - cx) < rx && y > cy && y < cy + g.length() - 1;
    return inEllipse(cy) || inEllipse(cy + g.length() - 1) || inBand;
}

} // namespace

void TestPie::clampsAreReportedByTheProperties_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<int>("length");
    QTest::addColumn<QSize>("chart");
    QTest::addColumn<int>("drawnLength");
    QTest::newRow("as the main window asks") << QSize(1, 1) << 1 << QSize(200, 100) << 15;
    QTest::newRow("150 by 50 by 5") << QSize(150, 50) << 5 << QSize(200, 100) << 15;
    QTest::newRow("larger") << QSize(300, 160) << 20 << QSize(300, 160) << 20;
}

void TestPie::clampsAreReportedByTheProperties()
{
    QFETCH(QSize, asked);
    QFETCH(int, length);
    QFETCH(QSize, chart);
    QFETCH(int, drawnLength);
    Chart c({50, 50}, asked.width(), asked.height(), length);
    QCOMPARE(c.pie->pieChartWidth(), chart.width());
    QCOMPARE(c.pie->pieChartHeight(), chart.height());
    QCOMPARE(c.pie->pieChartLength(), drawnLength);
    QCOMPARE(c.pie->property("PieChartWidth").toInt(), chart.width());
    const QSize size(chart.width() + 1, chart.height() + drawnLength);
    QCOMPARE(c.pie->size(), size);
    QCOMPARE(c.pie->picture().size(), size);
}

void TestPie::overflowIsRefusedWithAMessage()
{
    Chart c({25, 25});
    c.pie->CreatePie({60, 50}, 1, 1, 1);
    QCOMPARE(c.dialogs.messages().size(), 1);
    const FakeDialogs::Message message = c.dialogs.messages().first();
    QCOMPARE(message.title, QStringLiteral("Pie Chart Report"));
    QCOMPARE(message.text, QStringLiteral("Please Select A Customer Which At Least Bought Product"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    auto* info = c.pie->findChild<QLabel*>(QStringLiteral("LblInfo"));
    QVERIFY(info);
    QCOMPARE(info->text(), QStringLiteral("Error Creating Pie Chart"));
    QVERIFY(!info->isHidden());
    QVERIFY(isBlank(c.pie->picture(), kWhite));
    QCOMPARE(c.pie->slices(), QList<PieSlice>(2));
    QCOMPARE(c.pie->hitTest(c.geometry().seedPoint(PieGeometry::angle(10))), -1);

    // A new background keeps the chart refused.
    c.pie->setBackcolor(OleColor::rgb(0, 0, 255));
    QVERIFY(isBlank(c.pie->picture(), qRgb(0, 0, 255)));
    QVERIFY(!info->isHidden());
    QCOMPARE(c.dialogs.messages().size(), 1);
}

void TestPie::listsWithNothingToDrawStayBlank_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("empty") << QVariantList{};
    QTest::newRow("all zero") << QVariantList{0, 0};
    QTest::newRow("not numbers") << QVariantList{QStringLiteral("ten"), 90};
    QTest::newRow("empty first entry") << QVariantList{QString(), 100};
}

void TestPie::listsWithNothingToDrawStayBlank()
{
    QFETCH(QVariantList, values);
    Chart c({50, 50});
    QVERIFY(c.pie->CreatePie(values, 1, 1, 1).ok());
    QVERIFY(c.dialogs.messages().isEmpty());
    QVERIFY(isBlank(c.pie->picture(), kWhite));
    QVERIFY(c.pie->findChild<QLabel*>(QStringLiteral("LblInfo"))->isHidden());
    QCOMPARE(c.pie->hitTest(c.geometry().seedPoint(PieGeometry::angle(30))), -1);
    QCOMPARE(c.pie->summary(), QStringLiteral("Empty pie chart"));
}

void TestPie::faceColourAtEverySeedPoint_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("length");
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25} << QSize(1, 1) << 1;
    QTest::newRow("30, 0, 70") << QVariantList{30, 0, 70} << QSize(1, 1) << 1;
    QTest::newRow("seven values") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(1, 1) << 1;
    QTest::newRow("thin slices") << QVariantList{3, 2, 3, 92} << QSize(1, 1) << 1;
    QTest::newRow("large") << QVariantList{12.5, 20, 30, 7.5, 30} << QSize(800, 400) << 40;
}

void TestPie::faceColourAtEverySeedPoint()
{
    QFETCH(QVariantList, values);
    QFETCH(QSize, size);
    QFETCH(int, length);
    Chart c(values, size.width(), size.height(), length);
    double start = 0;
    for (int i = 0; i < values.size(); ++i) {
        const double value = values[i].toDouble();
        if (value > 0)
            QCOMPARE(c.faceAt(start + value / 2), kFaces[i % 6]);
        start += value;
    }
}

void TestPie::sideWallOnlyBelowTheFrontHalf()
{
    // Slices 0-20, 20-40, 40-86 and 86-100: only the third has a visible wall.
    Chart c({20, 20, 46, 14});
    QCOMPARE(c.at(c.wallPoint(50)), kShadows[2]);
    QCOMPARE(c.at(c.wallPoint(63)), kShadows[2]);
    QCOMPARE(c.at(c.wallPoint(80)), kShadows[2]);
    QCOMPARE(c.count(kShadows[0]), 0);
    QCOMPARE(c.count(kShadows[1]), 0);
    QCOMPARE(c.count(kShadows[3]), 0);

    Chart quarters({25, 25, 25, 25});
    QCOMPARE(quarters.at(quarters.wallPoint(45)), kShadows[1]);
    QCOMPARE(quarters.at(quarters.wallPoint(60)), kShadows[2]);
    QCOMPARE(quarters.at(quarters.wallPoint(80)), kShadows[3]);
    QCOMPARE(quarters.count(kShadows[0]), 0);
}

void TestPie::rimsAreBlack()
{
    Chart c({25, 25, 25, 25});
    const PieGeometry g = c.geometry();
    for (double angle = PieGeometry::angle(0); angle < PieGeometry::angle(100); angle += 0.05)
        QCOMPARE(c.at(g.rimPoint(angle)), kBlack);
    for (double angle = 0; angle <= 3.14; angle += 0.05)
        QCOMPARE(c.at(g.bottomRimPoint(angle)), kBlack);
}

void TestPie::wholeCircleHasNoBoundaryLines()
{
    Chart c({100});
    const PieGeometry g = c.geometry();
    int blackInside = 0;
    for (int y = 0; y < g.height(); ++y) {
        for (int x = 0; x <= g.width(); ++x) {
            const bool onFace = insideOutline(g, x, y, -3) && y < g.frontRow(x) - 2;
            blackInside += onFace && c.at(QPoint(x, y)) == kBlack;
        }
    }
    QCOMPARE(blackInside, 0);
    QCOMPARE(c.at(c.wallPoint(40)), kShadows[0]);
    QCOMPARE(c.at(c.wallPoint(84)), kShadows[0]);
    // Both side edges, from the middle row down the whole length.
    for (int y = 50; y < 65; ++y) {
        QCOMPARE(c.at(QPoint(1, y)), kBlack);
        QCOMPARE(c.at(QPoint(200, y)), kBlack);
    }
}

void TestPie::boundariesAndFrontEdges()
{
    Chart c({50, 50});
    const PieGeometry g = c.geometry();
    // The boundaries at 0 % and 50 % run through the middle of their radii.
    const QPoint centre = g.centre();
    for (double percent : {0.0, 50.0}) {
        const QPoint edge = g.boundaryPoint(PieGeometry::angle(percent));
        const QPoint middle = (centre + edge) / 2;
        bool black = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                black = black || c.at(middle + QPoint(dx, dy)) == kBlack;
        QVERIFY2(black, qPrintable(QString::number(percent)));
    }
    // A front edge below 50 %, none below 100 % (on the back).
    const QPoint end = g.boundaryPoint(PieGeometry::angle(50));
    const QPoint back = g.boundaryPoint(PieGeometry::angle(100));
    for (int y = 1; y < g.length() - 1; ++y) {
        QCOMPARE(c.at(end + QPoint(0, y)), kBlack);
        if (y > 3)
            QCOMPARE(c.at(back + QPoint(0, y)), kFaces[1]);
    }
    QCOMPARE(c.at(c.wallPoint(45)), kShadows[0]);
    QCOMPARE(c.at(c.wallPoint(55)), kShadows[1]);
}

void TestPie::hitMapHasNoBlackBoundaryLines()
{
    const PieGeometry g(200, 100, 15);
    const QImage map = PieHitMap(g).image();
    // Halfway along each radius between two wedges lies one of their greys.
    for (int wedge = 2; wedge < 100; ++wedge) {
        const QPoint edge = g.boundaryPoint(PieGeometry::angle(wedge));
        const QRgb grey = map.pixel((g.centre() + edge) / 2);
        QVERIFY2(grey == qRgb(wedge, wedge, wedge) || grey == qRgb(wedge - 1, wedge - 1, wedge - 1),
                 qPrintable(QString::number(wedge)));
    }
    // The front edges down the side wall take the wedge's grey as well.
    for (int wedge = 41; wedge < 86; ++wedge) {
        const QPoint edge = g.boundaryPoint(PieGeometry::angle(wedge));
        QCOMPARE(qRed(map.pixel(edge + QPoint(0, g.length() / 2))), wedge - 1);
    }
    QCOMPARE(map.pixel(g.rimPoint(PieGeometry::angle(0) + 3)), kBlack);
    QCOMPARE(map.pixel(g.bottomRimPoint(1.5)), kBlack);
}

void TestPie::noUnfilledSpecksAndNothingOutside_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("length");
    QTest::newRow("single value") << QVariantList{100} << QSize(1, 1) << 1;
    QTest::newRow("quarters") << QVariantList{25, 25, 25, 25} << QSize(1, 1) << 1;
    QTest::newRow("seven values") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(1, 1) << 1;
    QTest::newRow("thin slices") << QVariantList{1, 1, 2, 0.5, 0.5, 95} << QSize(1, 1) << 1;
    QTest::newRow("ends near the side edges") << QVariantList{39, 48, 1, 12} << QSize(800, 400) << 40;
    QTest::newRow("total of 10") << QVariantList{10} << QSize(1, 1) << 1;
    QTest::newRow("nearly nothing") << QVariantList{0.2} << QSize(1, 1) << 1;
    QTest::newRow("total of 30") << QVariantList{30} << QSize(1, 1) << 1;
    QTest::newRow("total of 60") << QVariantList{25, 35} << QSize(1, 1) << 1;
    QTest::newRow("total of 80") << QVariantList{50, 30} << QSize(1, 1) << 1;
    QTest::newRow("total of 95") << QVariantList{45, 50} << QSize(1, 1) << 1;
    for (double total : {13.0, 37.5, 38.0, 38.5, 63.0, 87.0, 88.0, 88.5, 99.5}) {
        QTest::addRow("total of %g", total) << QVariantList{total / 2, total / 2} << QSize(1, 1) << 1;
        QTest::addRow("total of %g, large", total)
            << QVariantList{total / 2, total / 2} << QSize(800, 400) << 40;
    }
    QTest::newRow("large") << QVariantList{12.5, 20, 30, 7.5, 30} << QSize(800, 400) << 40;
    QTest::newRow("odd size") << QVariantList{10, 15, 20, 5, 25, 10, 15} << QSize(333, 157) << 22;
    QTest::newRow("deep wall") << QVariantList{25, 25, 25, 25} << QSize(250, 120) << 60;
    QTest::newRow("deep wall, total of 50") << QVariantList{20, 30} << QSize(250, 120) << 60;
}

void TestPie::noUnfilledSpecksAndNothingOutside()
{
    QFETCH(QVariantList, values);
    QFETCH(QSize, size);
    QFETCH(int, length);
    Chart c(values, size.width(), size.height(), length);
    const PieGeometry g = c.geometry();
    const QImage& image = c.pie->picture();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool blank = image.pixel(x, y) == kWhite;
            if (insideOutline(g, x, y, -1.5) && blank)
                QFAIL(qPrintable(QStringLiteral("unfilled at %1, %2").arg(x).arg(y)));
            if (!insideOutline(g, x, y, 1.5) && !blank)
                QFAIL(qPrintable(QStringLiteral("drawn outside at %1, %2").arg(x).arg(y)));
        }
    }
}

void TestPie::restOfATotalBelow100()
{
    Chart c({25, 35});
    QCOMPARE(c.faceAt(80), kShadows[0]);
    // From 59 % on the rest's wall takes the face colour of the last pair.
    QCOMPARE(c.at(c.wallPoint(75)), kFaces[1]);
    QCOMPARE(c.at(c.wallPoint(50)), kShadows[1]);
    QCOMPARE(c.pie->hitTest(c.geometry().seedPoint(PieGeometry::angle(80))), -1);
    QCOMPARE(c.pie->hitTest(c.wallPoint(75)), -1);
    QCOMPARE(c.pie->hitTest(c.wallPoint(50)), 1);

    Chart small({30});
    QCOMPARE(small.at(small.wallPoint(63)), kShadows[0]);
    QCOMPARE(small.pie->hitTest(small.wallPoint(63)), -1);
}

void TestPie::ownColoursWrapRound()
{
    Chart c({});
    c.pie->ClearColors();
    c.pie->NewColor(OleColor::rgb(10, 20, 30), OleColor::rgb(5, 10, 15));
    c.pie->NewColor(OleColor::rgb(200, 100, 50), OleColor::rgb(100, 50, 25));
    c.pie->CreatePie({20, 30, 50}, 1, 1, 1);
    QCOMPARE(c.faceAt(10), qRgb(10, 20, 30));
    QCOMPARE(c.faceAt(35), qRgb(200, 100, 50));
    QCOMPARE(c.faceAt(75), qRgb(10, 20, 30));
    QCOMPARE(c.at(c.wallPoint(45)), qRgb(100, 50, 25));
    QCOMPARE(c.pie->slices().at(2).FaceColor, QString::number(OleColor::rgb(10, 20, 30)));
}

void TestPie::backcolorRedrawsTheChart()
{
    Chart c({40, 60});
    QCOMPARE(c.pie->backcolor(), OleColor::rgb(255, 255, 255));
    c.pie->setBackcolor(OleColor::rgb(0, 0, 255));
    QCOMPARE(c.at(QPoint(0, 0)), qRgb(0, 0, 255));
    QCOMPARE(c.faceAt(20), kFaces[0]);
    QCOMPARE(c.faceAt(70), kFaces[1]);
    QCOMPARE(c.pie->hitTest(c.geometry().seedPoint(PieGeometry::angle(70))), 1);
    QVERIFY(c.dialogs.messages().isEmpty());
    // Colours given later wait for the next CreatePie.
    c.pie->NewColor(OleColor::rgb(1, 2, 3), OleColor::rgb(4, 5, 6));
    c.pie->setBackcolor(OleColor::rgb(255, 255, 255));
    QCOMPARE(c.faceAt(20), kFaces[0]);
}

void TestPie::paintingShowsThePicture()
{
    Chart c({25, 25, 25, 25});
    const QImage shown = c.pie->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, c.pie->picture());
}

void TestPie::accessibleNameDescribesTheSlices()
{
    Pie fresh;
    QCOMPARE(QAccessible::queryAccessibleInterface(&fresh)->text(QAccessible::Name),
             QStringLiteral("Creating chart..."));

    Chart c({25, 75});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c.pie.get());
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Graphic);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Slice 1: 25 %, slice 2: 75 %"));
    c.pie->CreatePie({60, 50}, 1, 1, 1);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Error Creating Pie Chart"));
    c.pie->CreatePie({30, 0, 50}, 1, 1, 1);
    QCOMPARE(accessible->text(QAccessible::Name),
             QStringLiteral("Slice 1: 30 %, slice 3: 50 %, rest: 20 %"));
}

QTEST_MAIN(TestPie)
#include "tst_pie.moc"
