#include "PropertyBag.h"
#include "XP_ProgressBar.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace ProgressBarPaint;

class TestXpProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void valueArithmetic_data();
    void valueArithmetic();
    void colourArithmetic();
    void gradientDrawsOneLineMoreThanItsSteps();
    void lookPixels_data();
    void lookPixels();
    void xpBlocksAndGaps();
    void hatchedLook();
    void percentAbove100IsDrawnFull();
    void textAndAccessibility();
    void persistence();

private:
    static QImage render(XP_ProgressBar& bar);
    const QColor m_color = QColor(0, 84, 227);
};

void TestXpProgressBar::initTestCase()
{
    QPalette palette;
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 84, 227));
    QApplication::setPalette(palette);
}

QImage TestXpProgressBar::render(XP_ProgressBar& bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

void TestXpProgressBar::valueArithmetic_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("readBack");
    QTest::newRow("max 200") << 50 << 0 << 200 << 25 << 50;
    QTest::newRow("min 10") << 50 << 10 << 200 << 35 << 7;
    QTest::newRow("above max") << 150 << 0 << 100 << 150 << 150;
    QTest::newRow("half to even") << 1 << 0 << 40 << 2 << 1;
    QTest::newRow("max 0 is empty") << 5 << 0 << 0 << 0 << 0;
    QTest::newRow("huge value") << 2000000000 << 0 << 1 << INT_MAX << INT_MAX / 100;
}

void TestXpProgressBar::valueArithmetic()
{
    QFETCH(int, value);
    QFETCH(int, min);
    QFETCH(int, max);
    XP_ProgressBar bar;
    bar.setMin(min);
    bar.setMax(max);
    bar.setValue(value);
    QTEST(bar.percent(), "percent");
    QTEST(bar.Value(), "readBack");
}

void TestXpProgressBar::colourArithmetic()
{
    QCOMPARE(BlendToWhite(QColor(0, 0, 0), 255), QColor(255, 255, 255));
    QCOMPARE(BlendToWhite(QColor(10, 200, 30), 0), QColor(10, 200, 30));
    QCOMPARE(BlendToWhite(QColor(0, 84, 227), 100), QColor(100, 151, 237));
    QCOMPARE(BlendColors(QColor(255, 255, 255), QColor(0, 0, 0), 255), QColor(255, 255, 255));
    QCOMPARE(BlendColors(QColor(255, 255, 255), QColor(0, 0, 0), 0), QColor(0, 0, 0));
    QCOMPARE(BlendColors(QColor(200, 0, 100), QColor(0, 200, 100), 51), QColor(40, 160, 100));
}

void TestXpProgressBar::gradientDrawsOneLineMoreThanItsSteps()
{
    QImage image(20, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawGradient(painter, QColor(0, 0, 0), QColor(0, 0, 200), 2, 0, 10, 5, true);
    }
    int lines = 0;
    for (int x = 0; x < image.width(); ++x)
        lines += image.pixelColor(x, 2) != QColor(Qt::white);
    QCOMPARE(lines, 11);
    QCOMPARE(image.pixelColor(2, 0), QColor(0, 0, 0));
    QCOMPARE(image.pixelColor(12, 4), QColor(0, 0, 200));
    QCOMPARE(image.pixelColor(7, 2), QColor(0, 0, 100));
}

using Pixels = QList<QPair<QPoint, QColor>>;

void TestXpProgressBar::lookPixels_data()
{
    const QColor c = m_color;
    QTest::addColumn<int>("look");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("value");
    QTest::addColumn<Pixels>("pixels");
    QTest::newRow("xp frame and softened corners") << 0 << QSize(150, 30) << 50 << Pixels{
        {{0, 0}, Qt::white}, {{0, 1}, QColor(172, 171, 166)}, {{0, 2}, QColor(127, 126, 125)},
        {{1, 0}, QColor(172, 171, 167)}, {{1, 1}, QColor(119, 119, 119)},
        {{2, 0}, QColor(127, 126, 125)}, {{2, 2}, QColor(190, 190, 190)}, {{149, 29}, Qt::white},
        {{100, 0}, QColor(104, 104, 104)}, {{100, 1}, QColor(190, 190, 190)},
        {{100, 2}, QColor(239, 239, 239)}, {{100, 28}, QColor(239, 239, 239)},
        {{100, 29}, QColor(104, 104, 104)}, {{1, 15}, QColor(190, 190, 190)},
        {{148, 15}, QColor(239, 239, 239)}};
    // Shaded top and bottom rows, no blocks, and a full bar stays inside the frame.
    QTest::newRow("xp shading") << 1 << QSize(150, 30) << 100 << Pixels{
        {{20, 3}, BlendToWhite(c, 150)}, {{20, 10}, c}, {{20, 15}, c},
        {{20, 27}, BlendToWhite(c, 150)}, {{10, 15}, c}, {{147, 15}, c},
        {{148, 15}, QColor(239, 239, 239)}};
    QTest::newRow("flat") << 3 << QSize(100, 20) << 40 << Pixels{
        {{0, 0}, BlendToWhite(c, 100)}, {{99, 19}, BlendToWhite(c, 100)},
        {{1, 1}, BlendToWhite(c, 180)}, {{39, 10}, BlendToWhite(c, 180)}, {{40, 10}, Qt::white}};
    // 50 % of 100 columns: 51 gradient columns from x = 2, rows 2 to 16.
    QTest::newRow("etched") << 4 << QSize(104, 20) << 50 << Pixels{
        {{0, 0}, QColor(128, 128, 128)}, {{103, 19}, Qt::white}, {{1, 1}, Qt::white},
        {{102, 18}, QColor(128, 128, 128)}, {{2, 2}, BlendToWhite(c, 140)},
        {{52, 16}, BlendToWhite(c, 200)}, {{53, 10}, Qt::white}, {{20, 17}, Qt::white}};
    QTest::newRow("track") << 5 << QSize(101, 20) << 50 << Pixels{
        {{0, 0}, BlendToWhite(c, 10)}, {{80, 2}, c}, {{3, 3}, BlendToWhite(c, 250)},
        {{50, 10}, BlendToWhite(c, 25)}};
}

void TestXpProgressBar::lookPixels()
{
    QFETCH(int, look);
    QFETCH(QSize, size);
    QFETCH(int, value);
    QFETCH(Pixels, pixels);
    XP_ProgressBar bar;
    bar.resize(size);
    bar.setScrolling(look);
    bar.setValue(value);
    const QImage image = render(bar);
    for (const auto& [point, colour] : pixels)
        QCOMPARE(image.pixelColor(point), colour);
}

void TestXpProgressBar::xpBlocksAndGaps()
{
    // 50 % of 147 pixels after the left inset ends at 78, taken back to 75,
    // the last multiple of a block and its gap: blocks of 6, gaps of 2.
    XP_ProgressBar bar;
    bar.resize(150, 30);
    bar.setValue(50);
    const QImage image = render(bar);
    const int middle = 15;
    QCOMPARE(image.pixelColor(3, middle), QColor(Qt::white));
    for (int x = 4; x < 74; ++x) {
        const bool gap = (x - 4) % 8 >= 6;
        QCOMPARE(image.pixelColor(x, middle), gap ? QColor(Qt::white) : m_color);
    }
    QCOMPARE(image.pixelColor(75, middle), QColor(Qt::white));
    QCOMPARE(image.pixelColor(90, middle), QColor(Qt::white));

    // At 0 % the bar still shows its first block.
    bar.setValue(0);
    const QImage empty = render(bar);
    QCOMPARE(empty.pixelColor(5, middle), m_color);
    QCOMPARE(empty.pixelColor(12, middle), QColor(Qt::white));
}

void TestXpProgressBar::hatchedLook()
{
    XP_ProgressBar bar;
    bar.resize(101, 20);
    bar.setScrolling(7);
    bar.setBrushStyle(0);
    bar.setValue(100);
    const QImage image = render(bar);
    QSet<QRgb> inside;
    for (int y = 2; y < 18; ++y)
        inside.insert(image.pixel(50, y));
    QCOMPARE(inside, QSet<QRgb>({m_color.rgb(), BlendToWhite(m_color, 140).rgb()}));
    QCOMPARE(image.pixelColor(0, 0), QColor(223, 223, 223));
    QCOMPARE(image.pixelColor(100, 19), QColor(0, 0, 0));
}

void TestXpProgressBar::percentAbove100IsDrawnFull()
{
    XP_ProgressBar full;
    XP_ProgressBar over;
    for (XP_ProgressBar* bar : {&full, &over}) {
        bar->resize(120, 24);
        bar->setScrolling(3);
        bar->setShowText(true);
    }
    full.setValue(100);
    over.setValue(250);
    QCOMPARE(over.text(), QStringLiteral("100 %"));
    QCOMPARE(render(over), render(full));
}

void TestXpProgressBar::textAndAccessibility()
{
    XP_ProgressBar bar;
    bar.resize(120, 24);
    bar.setValue(42);
    QCOMPARE(bar.text(), QStringLiteral("42 %"));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::ProgressBar);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("42 %"));
    QVERIFY(accessible->valueInterface());
    QCOMPARE(accessible->valueInterface()->currentValue().toInt(), 42);
    QCOMPARE(accessible->valueInterface()->maximumValue().toInt(), 100);

    bar.setScrolling(2);
    QCOMPARE(bar.text(), QStringLiteral("Searching.."));
}

void TestXpProgressBar::persistence()
{
    XP_ProgressBar bar;
    bar.setMax(200);
    bar.setValue(50);
    bar.setColor(0x000000ff);
    bar.setScrolling(7);
    bar.setOrientation(1);
    bar.setShowText(true);
    bar.setBrushStyle(2);
    PropertyBag bag;
    bar.writeProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"Value", "Min", "Max", "Color", "Scrolling", "Orientation",
                                      "ShowText", "BrushStyle", "Image", "Font"}));

    XP_ProgressBar loaded;
    loaded.readProperties(*PropertyBag::fromJson(bag.toJson()));
    QCOMPARE(loaded.percent(), 25);
    QCOMPARE(loaded.Value(), 50);
    QCOMPARE(loaded.Color(), 0x000000ffu);
    QCOMPARE(loaded.Scrolling(), 7);
    QCOMPARE(loaded.Orientation(), 1);
    QVERIFY(loaded.ShowText());
    QCOMPARE(loaded.BrushStyle(), 2);

    XP_ProgressBar defaults;
    defaults.readProperties(PropertyBag());
    QCOMPARE(defaults.BrushStyle(), 4);
    QCOMPARE(defaults.Max(), 100);
    QCOMPARE(defaults.Color(), 0x00e35400u);
}

QTEST_MAIN(TestXpProgressBar)
#include "tst_xp_progressbar.moc"
