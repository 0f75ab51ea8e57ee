#include "PixelProbe.h"
#include "PropertyBag.h"
#include "XP_ProgressBar.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>

using OleColor::BlendToWhite;
using ProgressBarPaint::BlendColors;

namespace {

std::unique_ptr<XP_ProgressBar> makeBar(QSize size, ProgressLook look, int value, bool showText = false)
{
    auto bar = std::make_unique<XP_ProgressBar>();
    bar->resize(size);
    bar->setScrolling(look);
    bar->setShowText(showText);
    bar->setValue(value);
    return bar;
}

} // namespace

class TestXpProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void valueArithmetic_data();
    void valueArithmetic();
    void savedBarLoadsBackTheSame_data();
    void savedBarLoadsBackTheSame();
    void colourArithmetic();
    void lookPixels_data();
    void lookPixels();
    void hatchedLook();
    void percentAbove100IsDrawnFull();
    void colourProperty_data();
    void colourProperty();
    void textAndAccessibility();
    void persistence();

private:
    static QImage render(XP_ProgressBar& bar);
    const QColor m_color = QColor(0, 84, 227);
};

void TestXpProgressBar::initTestCase()
{
    // The classic desktop's colours: 3D light between the face and Light.
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 84, 227));
    QApplication::setPalette(palette);
}

void TestXpProgressBar::init()
{
    PixelProbe::failOnPaintWarnings();
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

void TestXpProgressBar::savedBarLoadsBackTheSame_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("rangeAfterValue");
    QTest::addColumn<int>("percent");
    QTest::newRow("the default range") << 0 << 100 << 50 << false << 50;
    QTest::newRow("min 10, max 200") << 10 << 200 << 50 << false << 35;
    QTest::newRow("max 200") << 0 << 200 << 50 << false << 25;
    QTest::newRow("min 5, max 1000") << 5 << 1000 << 333 << false << 38;
    QTest::newRow("negative min") << -20 << 300 << 77 << false << 6;
    QTest::newRow("max below 100") << 0 << 40 << 1 << false << 2;
    QTest::newRow("value 0 with min 10") << 10 << 200 << 0 << false << 10;
    QTest::newRow("never assigned, min 10") << 10 << 200 << -1 << false << 0;
    QTest::newRow("range changed after the value") << 10 << 200 << 50 << true << 50;
    QTest::newRow("max changed after the value") << 0 << 1000 << 37 << true << 37;
}

// What a saved bar shows it shows again once loaded, and saves the same,
// while the value it reads back keeps its own arithmetic.
void TestXpProgressBar::savedBarLoadsBackTheSame()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(bool, rangeAfterValue);
    QFETCH(int, percent);
    XP_ProgressBar bar;
    bar.resize(150, 22);
    bar.setScrolling(ProgressLook::XpSmooth);
    bar.setShowText(true);
    if (rangeAfterValue)
        bar.setValue(value);
    bar.setMin(min);
    bar.setMax(max);
    if (!rangeAfterValue && value >= 0)
        bar.setValue(value);
    QCOMPARE(bar.percent(), percent);

    PropertyBag saved;
    bar.writeProperties(saved);
    XP_ProgressBar loaded;
    loaded.resize(bar.size());
    loaded.readProperties(*PropertyBag::fromJson(saved.toJson()));
    QCOMPARE(loaded.percent(), percent);
    QCOMPARE(loaded.Value(), bar.Value());
    QCOMPARE(render(loaded), render(bar));
    PropertyBag savedAgain;
    loaded.writeProperties(savedAgain);
    QVERIFY(savedAgain == saved);
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

using Pixels = QList<QPair<QPoint, QColor>>;

void TestXpProgressBar::lookPixels_data()
{
    const QColor bar = m_color;
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
    // 50 % of 147 pixels after the left inset ends at 78, taken back to 75,
    // the last multiple of a block and its gap: blocks of 6, gaps of 2.
    Pixels blocks{{{3, 15}, Qt::white}, {{75, 15}, Qt::white}, {{90, 15}, Qt::white}};
    for (int x = 4; x < 74; ++x)
        blocks.append({{x, 15}, (x - 4) % 8 >= 6 ? QColor(Qt::white) : bar});
    QTest::newRow("xp blocks and gaps") << 0 << QSize(150, 30) << 50 << blocks;
    QTest::newRow("xp at 0 % shows its first block") << 0 << QSize(150, 30) << 0 << Pixels{
        {{5, 15}, bar}, {{12, 15}, Qt::white}};
    // Shaded top and bottom rows, no blocks, and a full bar stays inside the frame.
    QTest::newRow("xp shading") << 1 << QSize(150, 30) << 100 << Pixels{
        {{20, 3}, BlendToWhite(bar, 150)}, {{20, 10}, bar}, {{20, 15}, bar},
        {{20, 27}, BlendToWhite(bar, 150)}, {{10, 15}, bar}, {{147, 15}, bar},
        {{148, 15}, QColor(239, 239, 239)}};
    QTest::newRow("flat") << 3 << QSize(100, 20) << 40 << Pixels{
        {{0, 0}, BlendToWhite(bar, 100)}, {{99, 19}, BlendToWhite(bar, 100)},
        {{1, 1}, BlendToWhite(bar, 180)}, {{39, 10}, BlendToWhite(bar, 180)}, {{40, 10}, Qt::white}};
    // 50 % of 100 columns: 51 gradient columns from x = 2, rows 2 to 16.
    QTest::newRow("etched") << 4 << QSize(104, 20) << 50 << Pixels{
        {{0, 0}, QColor(128, 128, 128)}, {{103, 19}, Qt::white}, {{1, 1}, Qt::white},
        {{102, 18}, QColor(128, 128, 128)}, {{2, 2}, BlendToWhite(bar, 140)},
        {{52, 16}, BlendToWhite(bar, 200)}, {{53, 10}, Qt::white}, {{20, 17}, Qt::white}};
    // A gradient of 10 steps draws 11 columns; one of no steps draws none.
    QTest::newRow("etched 10 steps") << 4 << QSize(104, 20) << 10 << Pixels{
        {{2, 10}, BlendToWhite(bar, 140)}, {{12, 10}, BlendToWhite(bar, 200)}, {{13, 10}, Qt::white}};
    QTest::newRow("etched at 0 %") << 4 << QSize(104, 20) << 0 << Pixels{
        {{2, 10}, Qt::white}, {{3, 10}, Qt::white}};
    QTest::newRow("track") << 5 << QSize(101, 20) << 50 << Pixels{
        {{0, 0}, BlendToWhite(bar, 10)}, {{80, 2}, bar}, {{3, 3}, BlendToWhite(bar, 250)},
        {{50, 10}, BlendToWhite(bar, 25)}};
    // The bar would end left of where it starts: nothing but its end line.
    QTest::newRow("track at 0 %") << 5 << QSize(101, 20) << 0 << Pixels{
        {{0, 10}, BlendToWhite(bar, 25)}, {{1, 10}, Qt::white}, {{3, 2}, bar}};
    QTest::newRow("silver on white at 0 %") << 9 << QSize(100, 20) << 0 << Pixels{
        {{0, 0}, QColor(192, 192, 192)}, {{1, 10}, Qt::white}};
    QTest::newRow("silver on black") << 6 << QSize(100, 20) << 50 << Pixels{
        {{1, 1}, BlendColors(Qt::white, QColor(192, 192, 192), 64)}, {{50, 18}, QColor(192, 192, 192)},
        {{51, 10}, Qt::black}, {{0, 0}, Qt::black}};
}

void TestXpProgressBar::lookPixels()
{
    QFETCH(int, look);
    QFETCH(QSize, size);
    QFETCH(int, value);
    QFETCH(Pixels, pixels);
    const QImage image = render(*makeBar(size, ProgressLook(look), value));
    for (const auto& [point, colour] : pixels)
        QVERIFY2(image.pixelColor(point) == colour, qPrintable(PixelProbe::placedColourAt(image, point)));
}

void TestXpProgressBar::hatchedLook()
{
    auto bar = makeBar(QSize(101, 20), ProgressLook::Hatched, 100);
    bar->setBrushStyle(0);
    const QImage image = render(*bar);
    QSet<QRgb> inside;
    for (int y = 2; y < 18; ++y)
        inside.insert(image.pixel(50, y));
    QCOMPARE(inside, QSet<QRgb>({m_color.rgb(), BlendToWhite(m_color, 140).rgb()}));
    QCOMPARE(image.pixelColor(0, 0), QColor(223, 223, 223));
    QCOMPARE(image.pixelColor(100, 19), QColor(0, 0, 0));
}

void TestXpProgressBar::percentAbove100IsDrawnFull()
{
    auto over = makeBar(QSize(120, 24), ProgressLook::Flat, 250, true);
    QCOMPARE(over->text(), QStringLiteral("100 %"));
    QCOMPARE(render(*over), render(*makeBar(QSize(120, 24), ProgressLook::Flat, 100, true)));
}

void TestXpProgressBar::colourProperty_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<quint32>("given");
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<bool>("followsPalette");
    QTest::newRow("default highlight") << false << 0u << OleColor::Highlight << true;
    QTest::newRow("system colour set") << true << OleColor::ButtonFace << OleColor::rgb(192, 192, 192) << false;
    QTest::newRow("highlight set") << true << OleColor::Highlight << OleColor::rgb(0, 84, 227) << false;
    QTest::newRow("plain colour") << true << OleColor::rgb(10, 20, 30) << OleColor::rgb(10, 20, 30) << false;
}

// A system colour set is resolved at once: read back, saved and painted as
// that RGB, whatever the palette does later. Only the untouched default
// follows the palette.
void TestXpProgressBar::colourProperty()
{
    QFETCH(bool, set);
    QFETCH(quint32, given);
    QFETCH(quint32, stored);
    QFETCH(bool, followsPalette);
    auto bar = makeBar(QSize(150, 30), ProgressLook::XpSmooth, 100);
    if (set)
        bar->setColor(given);
    QCOMPARE(bar->Color(), stored);
    PropertyBag bag;
    bar->writeProperties(bag);
    QCOMPARE(bag.readColor(QStringLiteral("Color"), 0), stored);
    const QColor painted = OleColor::toColor(stored, bar->palette());
    QCOMPARE(render(*bar).pixelColor(20, 15), painted);

    const QColor other(200, 30, 40);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Highlight, other);
    palette.setColor(QPalette::Button, other);
    bar->setPalette(palette);
    QCOMPARE(bar->Color(), stored);
    QCOMPARE(render(*bar).pixelColor(20, 15), followsPalette ? other : painted);
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

    bar.setScrolling(ProgressLook::XpMarquee);
    QCOMPARE(bar.text(), QStringLiteral("Searching.."));
}

void TestXpProgressBar::persistence()
{
    XP_ProgressBar bar;
    bar.setMax(200);
    bar.setValue(50);
    bar.setColor(0x000000ff);
    bar.setScrolling(ProgressLook::Hatched);
    bar.setOrientation(1);
    bar.setShowText(true);
    bar.setBrushStyle(2);
    PropertyBag bag;
    bar.writeProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"Value", "Min", "Max", "Color", "Scrolling", "Orientation",
                                      "ShowText", "BrushStyle", "Image", "Font"}));
    // Every property set away from its default comes back: the bag saved
    // again is the same.
    XP_ProgressBar loaded;
    loaded.readProperties(*PropertyBag::fromJson(bag.toJson()));
    QCOMPARE(loaded.percent(), 25);
    PropertyBag loadedBag;
    loaded.writeProperties(loadedBag);
    QVERIFY(loadedBag == bag);

    // A look stored outside the ten is drawn as the smooth XP bar and kept.
    PropertyBag unknownLook;
    unknownLook.write(QStringLiteral("Scrolling"), 12);
    XP_ProgressBar unknown;
    unknown.readProperties(unknownLook);
    PropertyBag savedAgain;
    unknown.writeProperties(savedAgain);
    QCOMPARE(savedAgain.readInt(QStringLiteral("Scrolling"), 0), 12);
}

QTEST_MAIN(TestXpProgressBar)
#include "tst_xp_progressbar.moc"
