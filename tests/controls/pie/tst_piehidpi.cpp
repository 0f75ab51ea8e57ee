#include "PieTestSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// The chart on a screen of device pixel ratio 2: the picture uses every
// device pixel, while the hit map and the mouse events keep the widget's
// own pixels.
class TestPieHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pictureUsesEveryDevicePixel();
    void hitTestInLogicalPixels_data();
    void hitTestInLogicalPixels();
    void mouseEventsInLogicalPixels();
};

using namespace PieTest;

namespace {

constexpr double kRatio = 2;

// 2 x 2 blocks of device pixels, aligned to the logical pixels, that hold
// more than one colour: a picture drawn at ratio 1 and doubled has none.
int mixedBlocks(const QImage& image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                || image.pixel(x + 1, y + 1) != corner;
        }
    }
    return mixed;
}

// The black pixels in column x where the chart begins, seen from the top
// (step 1) or from the bottom (step -1).
int outlineAt(const QImage& image, int x, int step)
{
    int y = step > 0 ? 0 : image.height() - 1;
    while (image.pixel(x, y) == White)
        y += step;
    int black = 0;
    for (; image.pixel(x, y) == Black; y += step)
        ++black;
    return black;
}

} // namespace

void TestPieHighDensity::init()
{
    failOnAnyWarning();
}

void TestPieHighDensity::pictureUsesEveryDevicePixel()
{
    const QList<double> values{10, 15, 20, 5, 25, 10, 15};
    Chart chart(QVariantList(values.begin(), values.end()));
    QCOMPARE(chart.pie.devicePixelRatioF(), kRatio);
    const QImage& picture = chart.pie.picture();
    QCOMPARE(picture.devicePixelRatio(), kRatio);
    QCOMPARE(picture.size(), chart.pie.size() * kRatio);
    // Painting shows the picture pixel for pixel.
    const QPixmap painted = chart.pie.grab();
    QCOMPARE(painted.devicePixelRatio(), kRatio);
    QCOMPARE(painted.toImage().convertToFormat(QImage::Format_RGB32), picture);

    const PieGeometry device = chart.geometry().scaled(kRatio);
    QCOMPARE(device.width(), 400);
    for (double angle = 0.05; angle < 3.1; angle += 0.05)
        QCOMPARE(chart.at(device.bottomRimPoint(angle)), Black);
    double end = 0;
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(chart.at(facePoint(device, end + values[i] / 2)), Faces[i % 6]);
        end += values[i];
    }
    QCOMPARE(chart.at(wallPoint(device, 60)), Shadows[4]);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb color = chart.at(QPoint(x, y));
            if (insideOutline(device, x, y, -1.5) && color == White)
                QFAIL(qPrintable(QStringLiteral("unfilled at %1, %2").arg(x).arg(y)));
            if (!insideOutline(device, x, y, 1.5) && color != White)
                QFAIL(qPrintable(QStringLiteral("drawn outside at %1, %2").arg(x).arg(y)));
        }
    }
    // Rims one pixel of the widget wide, curved at the device's own steps.
    QCOMPARE(outlineAt(picture, device.width() / 2, 1), 2);
    QCOMPARE(outlineAt(picture, device.width() / 2, -1), 2);
    QVERIFY(mixedBlocks(picture) > 0);
}

void TestPieHighDensity::hitTestInLogicalPixels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("slice");
    const PieGeometry geometry(200, 100, 15);
    QTest::newRow("first quarter") << facePoint(geometry, 12.5) << 0;
    QTest::newRow("third quarter") << facePoint(geometry, 62.5) << 2;
    QTest::newRow("fourth quarter") << facePoint(geometry, 87.5) << 3;
    QTest::newRow("side wall of the second") << wallPoint(geometry, 45) << 1;
    QTest::newRow("on the bottom rim") << geometry.bottomRimPoint(1.5) << -1;
    QTest::newRow("outside") << QPoint(2, 2) << -1;
    // Below the chart in logical pixels, though inside it in device pixels.
    QTest::newRow("below the chart") << QPoint(100, 120) << -1;
}

void TestPieHighDensity::hitTestInLogicalPixels()
{
    QFETCH(QPoint, point);
    QTEST(Chart({25, 25, 25, 25}).pie.hitTest(point), "slice");
}

void TestPieHighDensity::mouseEventsInLogicalPixels()
{
    Chart chart({25, 25, 25, 25});
    QSignalSpy down(&chart.pie, &Pie::MouseDownPiePiece);
    const QPoint third = facePoint(chart.geometry(), 62.5);
    send(chart.pie, QEvent::MouseButtonPress, third, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(down, (QList<QVariantList>{{2, 1, double(third.x()), double(third.y())}}));
}

// The screen's scale is fixed before the application starts.
int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));
    QApplication application(argc, argv);
    TestPieHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_piehidpi.moc"
