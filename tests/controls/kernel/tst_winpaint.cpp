#include "OleColor.h"
#include "PixelProbe.h"
#include "WinPaint.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestWinPaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shapesCoverExactlyTheirPixels_data();
    void shapesCoverExactlyTheirPixels();
    void oleColors_data();
    void oleColors();
    void threeDLightLiesBetweenFaceAndHighlight_data();
    void threeDLightLiesBetweenFaceAndHighlight();
};

void TestWinPaint::init()
{
    PixelProbe::failOnPaintWarnings();
}

// A line leaves out its end point; a fill or frame of (2, 3, 4 x 5)
// covers that rect and no more, the frame only its edge.
void TestWinPaint::shapesCoverExactlyTheirPixels_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QList<QPoint>>("white");
    QTest::newRow("line rightwards") << "line" << QPoint(1, 1) << QPoint(5, 1) << 4 << QList<QPoint>{{5, 1}};
    QTest::newRow("line leftwards") << "line" << QPoint(5, 1) << QPoint(1, 1) << 4 << QList<QPoint>{{1, 1}};
    QTest::newRow("line downwards") << "line" << QPoint(2, 2) << QPoint(2, 9) << 7 << QList<QPoint>{{2, 9}};
    QTest::newRow("line diagonal") << "line" << QPoint(0, 0) << QPoint(6, 6) << 6 << QList<QPoint>{{6, 6}};
    QTest::newRow("empty line") << "line" << QPoint(3, 3) << QPoint(3, 3) << 0 << QList<QPoint>{{3, 3}};
    QTest::newRow("fill") << "fill" << QPoint(2, 3) << QPoint(5, 7) << 20 << QList<QPoint>{{6, 7}, {5, 8}};
    QTest::newRow("frame") << "frame" << QPoint(2, 3) << QPoint(5, 7) << 14 << QList<QPoint>{{6, 7}, {3, 4}};
}

void TestWinPaint::shapesCoverExactlyTheirPixels()
{
    QFETCH(QString, shape);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, pixels);
    QFETCH(QList<QPoint>, white);
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        if (shape == "line")
            WinPaint::line(painter, from, to, Qt::black);
        else if (shape == "fill")
            WinPaint::fill(painter, QRect(from, to), Qt::black);
        else
            WinPaint::frame(painter, QRect(from, to), Qt::black);
    }
    QCOMPARE(PixelProbe::countColour(image, image.rect(), Qt::black), pixels);
    if (pixels > 0)
        QCOMPARE(image.pixel(shape == "line" ? from : to), qRgb(0, 0, 0));
    for (const QPoint& place : white)
        QCOMPARE(image.pixel(place), qRgb(255, 255, 255));
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

void TestWinPaint::threeDLightLiesBetweenFaceAndHighlight_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("light");
    QTest::addColumn<QColor>("midlight");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("classic: Midlight between, kept") << QColor(192, 192, 192) << QColor(255, 255, 255)
                                                     << QColor(223, 223, 223) << QColor(223, 223, 223);
    QTest::newRow("Qt's default: Midlight darker than the face, halfway instead")
        << QColor(239, 239, 239) << QColor(255, 255, 255) << QColor(202, 202, 202) << QColor(247, 247, 247);
    QTest::newRow("Midlight as light as Light, halfway instead")
        << QColor(200, 200, 200) << QColor(250, 250, 250) << QColor(250, 250, 250) << QColor(225, 225, 225);
    QTest::newRow("tinted face, halfway per channel")
        << QColor(200, 210, 230) << QColor(255, 255, 255) << QColor(100, 100, 100) << QColor(227, 232, 242);
}

void TestWinPaint::threeDLightLiesBetweenFaceAndHighlight()
{
    QFETCH(QColor, face);
    QFETCH(QColor, light);
    QFETCH(QColor, midlight);
    QFETCH(QColor, expected);
    QPalette palette;
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Light, light);
    palette.setColor(QPalette::Midlight, midlight);
    QCOMPARE(OleColor::toColor(OleColor::Light, palette), expected);
    QCOMPARE(OleColor::toColor(OleColor::ButtonHighlight, palette), light);
}

QTEST_MAIN(TestWinPaint)
#include "tst_winpaint.moc"
