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
    void lineExcludesItsEndPoint_data();
    void lineExcludesItsEndPoint();
    void fillAndFrameCoverExactlyTheRect();
    void oleColors_data();
    void oleColors();
    void threeDLightLiesBetweenFaceAndHighlight_data();
    void threeDLightLiesBetweenFaceAndHighlight();
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

void TestWinPaint::init()
{
    PixelProbe::failOnPaintWarnings();
}

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
