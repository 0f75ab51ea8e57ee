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
    void xpFrameAndCorners();
    void xpBlocksAndGaps();
    void xpBarShading();
    void flatLook();
    void etchedLook();
    void trackLook();
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

void TestXpProgressBar::xpFrameAndCorners()
{
    XP_ProgressBar bar;
    bar.resize(150, 30);
    bar.setValue(50);
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 0), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(0, 1), QColor(172, 171, 166));
    QCOMPARE(image.pixelColor(0, 2), QColor(127, 126, 125));
    QCOMPARE(image.pixelColor(1, 0), QColor(172, 171, 167));
    QCOMPARE(image.pixelColor(1, 1), QColor(119, 119, 119));
    QCOMPARE(image.pixelColor(2, 0), QColor(127, 126, 125));
    QCOMPARE(image.pixelColor(2, 2), QColor(190, 190, 190));
    QCOMPARE(image.pixelColor(149, 29), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(100, 0), QColor(104, 104, 104));
    QCOMPARE(image.pixelColor(100, 1), QColor(190, 190, 190));
    QCOMPARE(image.pixelColor(100, 2), QColor(239, 239, 239));
    QCOMPARE(image.pixelColor(100, 28), QColor(239, 239, 239));
    QCOMPARE(image.pixelColor(100, 29), QColor(104, 104, 104));
    QCOMPARE(image.pixelColor(1, 15), QColor(190, 190, 190));
    QCOMPARE(image.pixelColor(148, 15), QColor(239, 239, 239));
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

void TestXpProgressBar::xpBarShading()
{
    XP_ProgressBar bar;
    bar.resize(150, 30);
    bar.setScrolling(1);
    bar.setValue(100);
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(20, 3), BlendToWhite(m_color, 150));
    QCOMPARE(image.pixelColor(20, 10), m_color);
    QCOMPARE(image.pixelColor(20, 15), m_color);
    QCOMPARE(image.pixelColor(20, 27), BlendToWhite(m_color, 150));
    // No blocks without block width, and the full bar stays inside the frame.
    QCOMPARE(image.pixelColor(10, 15), m_color);
    QCOMPARE(image.pixelColor(147, 15), m_color);
    QCOMPARE(image.pixelColor(148, 15), QColor(239, 239, 239));
}

void TestXpProgressBar::flatLook()
{
    XP_ProgressBar bar;
    bar.resize(100, 20);
    bar.setScrolling(3);
    bar.setValue(40);
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 0), BlendToWhite(m_color, 100));
    QCOMPARE(image.pixelColor(99, 19), BlendToWhite(m_color, 100));
    QCOMPARE(image.pixelColor(1, 1), BlendToWhite(m_color, 180));
    QCOMPARE(image.pixelColor(39, 10), BlendToWhite(m_color, 180));
    QCOMPARE(image.pixelColor(40, 10), QColor(Qt::white));
}

void TestXpProgressBar::etchedLook()
{
    XP_ProgressBar bar;
    bar.resize(104, 20);
    bar.setScrolling(4);
    bar.setValue(50);
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 0), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(103, 19), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(1, 1), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(102, 18), QColor(128, 128, 128));
    // e = 50 % of 100: 51 columns from x = 2, rows 2 to 16.
    QCOMPARE(image.pixelColor(2, 2), BlendToWhite(m_color, 140));
    QCOMPARE(image.pixelColor(52, 16), BlendToWhite(m_color, 200));
    QCOMPARE(image.pixelColor(53, 10), QColor(Qt::white));
    QCOMPARE(image.pixelColor(20, 17), QColor(Qt::white));
}

void TestXpProgressBar::trackLook()
{
    XP_ProgressBar bar;
    bar.resize(101, 20);
    bar.setScrolling(5);
    bar.setValue(50);
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 0), BlendToWhite(m_color, 10));
    QCOMPARE(image.pixelColor(80, 2), m_color);
    QCOMPARE(image.pixelColor(3, 3), BlendToWhite(m_color, 250));
    QCOMPARE(image.pixelColor(50, 10), BlendToWhite(m_color, 25));
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
