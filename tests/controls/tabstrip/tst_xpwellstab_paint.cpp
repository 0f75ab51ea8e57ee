#include "PixelProbe.h"
#include "cImageManipulation.h"
#include "xpWellsTabTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QTest>

// The strip's pixels along the top edge. Tabs have fixed widths so every
// edge is known: tab 1 spans 2..62, tab 2 64..114, tab 3 116..186, the row
// ends at 22.

namespace {

const QColor kBack(240, 240, 224);
const QColor kFrame(152, 160, 160);
const QColor kStrip(232, 144, 40);
const QColor kStrip20(252, 164, 60);
const QColor kStrip40(255, 184, 80);
const QColor kFore(0, 128, 0);
const QColor kActive(56, 80, 152);
const QColor kHot(0, 0, 255);
const QColor kDisabled(200, 0, 0);
const QColor kScroll(200, 220, 255);

// Pinned colours and an unsmoothed font, so that caption pixels carry
// exactly the caption colour. The active and hot caption colours, the hot
// strip and the mask are the strip's defaults.
std::unique_ptr<xpWellsTab> pinnedStrip(int tabCount = 3, QSize size = QSize(300, 100))
{
    auto strip = makeStrip(tabCount, size, {60, 50, 70, 60});
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setStyleStrategy(QFont::NoAntialias);
    strip->setFont(font);
    strip->setBackcolor(OleColor::fromColor(kBack));
    strip->setBackColorScroll(OleColor::fromColor(kScroll));
    strip->setFrameColor(OleColor::fromColor(kFrame));
    strip->setForeColor(OleColor::fromColor(kFore));
    strip->setForeColorDisabled(OleColor::fromColor(kDisabled));
    for (int i = 1; i <= tabCount; ++i)
        strip->setTabCaption(i, QStringLiteral("HIH"));
    return strip;
}

QImage render(xpWellsTab& strip)
{
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    strip.render(&image);
    return image;
}

using Pixels = QList<QPair<QPoint, QColor>>;

} // namespace

class TestXpWellsTabPaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pixels_data();
    void pixels();
    void captionColours_data();
    void captionColours();
    void otherEdgesKeepTheirColours_data();
    void otherEdgesKeepTheirColours();
    void transparentPictures();
    void longCaptionIsElidedOnOneLine();
    void coloursFollowThePalette_data();
    void coloursFollowThePalette();
};

void TestXpWellsTabPaint::init()
{
    PixelProbe::failOnPaintWarnings();
}

void TestXpWellsTabPaint::pixels_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<Pixels>("pixels");
    // Selected tab 1 (L 2, Rt 62) is two pixels larger on three sides:
    // side lines, top line, cut corners and what lies just outside them.
    QTest::newRow("selected tab") << "" << Pixels{
        {{0, 2}, kFrame}, {{0, 1}, kBack}, {{2, 0}, kFrame}, {{62, 0}, kFrame}, {{63, 0}, kBack},
        {{1, 1}, kFrame}, {{1, 0}, kBack}, {{63, 1}, kFrame}, {{64, 2}, kFrame}};
    // The page frame opens under the selected tab.
    QTest::newRow("page frame") << "" << Pixels{
        {{1, 22}, kBack}, {{63, 22}, kBack}, {{0, 22}, kFrame}, {{64, 22}, kFrame}, {{150, 99}, kFrame}};
    // Unselected tab 3 (L 116, Rt 186), filled from Backcolor +20 at the
    // top to -20 at row 19; the last two rows above the page stay plain.
    // Row 11 is band 9 of 18: 255 - 35 / 17 x 9 = 236.47 rounds to 236.
    QTest::newRow("unselected tab") << "" << Pixels{
        {{116, 4}, kFrame}, {{116, 3}, kBack}, {{118, 2}, kFrame}, {{184, 2}, kFrame},
        {{117, 3}, kFrame}, {{185, 3}, kFrame}, {{186, 4}, kFrame}};
    QTest::newRow("gradient") << "" << Pixels{
        {{117, 2}, QColor(255, 255, 244)}, {{150, 19}, QColor(220, 220, 204)},
        {{120, 11}, QColor(236, 236, 223)}, {{150, 20}, kBack}};
    // Three shades inside the top edge of the hot tab and of the focused
    // selected tab; cut corners and side lines keep the frame colour.
    QTest::newRow("hot strip") << "hot" << Pixels{
        {{118, 2}, kStrip}, {{118, 3}, kStrip20}, {{117, 4}, kStrip40}, {{117, 3}, kFrame},
        {{116, 4}, kFrame}, {{70, 2}, kFrame}};
    QTest::newRow("focus strip") << "focused" << Pixels{
        {{2, 0}, kStrip}, {{62, 1}, kStrip20}, {{1, 2}, kStrip40}, {{1, 1}, kFrame}, {{0, 2}, kFrame}};
    // At TabHeight 22 the arrow box is 40 pixels wide at the right end and
    // as high as the row; the buttons are 18 pixels square.
    QTest::newRow("arrow box") << "scrolls" << Pixels{
        {{260, 0}, kScroll}, {{280, 10}, kScroll}, {{260, 22}, kFrame}, {{259, 2}, kFrame}};
    QTest::newRow("hot left button") << "left arrow hot" << Pixels{
        {{262, 2}, kFrame}, {{279, 19}, kFrame}, {{261, 2}, kScroll}};
    QTest::newRow("hot right button") << "right arrow hot" << Pixels{{{282, 2}, kFrame}, {{299, 19}, kFrame}};
}

void TestXpWellsTabPaint::pixels()
{
    QFETCH(QString, state);
    QFETCH(Pixels, pixels);
    auto strip = pinnedStrip(state.contains(QLatin1String("arrow")) || state == QLatin1String("scrolls") ? 8 : 3);
    if (state == QLatin1String("hot"))
        hover(*strip, QPoint(150, 12));
    if (state.endsWith(QLatin1String("arrow hot")))
        hover(*strip, QPoint(state.startsWith(QLatin1String("left")) ? 270 : 290, 10));
    if (state == QLatin1String("focused")) {
        focus(*strip);
        QVERIFY(strip->hasFocus());
    }
    const QImage image = render(*strip);
    for (const auto& [point, colour] : pixels)
        QVERIFY2(image.pixelColor(point) == colour, qPrintable(PixelProbe::placedColourAt(image, point)));
}

void TestXpWellsTabPaint::captionColours_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("hotTab");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("normal tab") << 2 << 0 << false << kFore;
    QTest::newRow("selected tab") << 1 << 0 << false << kActive;
    QTest::newRow("hot tab") << 2 << 2 << false << kHot;
    QTest::newRow("hot over active") << 1 << 1 << false << kHot;
    QTest::newRow("disabled tab") << 3 << 0 << true << kDisabled;
    QTest::newRow("disabled tab under the pointer") << 3 << 3 << true << kDisabled;
}

void TestXpWellsTabPaint::captionColours()
{
    QFETCH(int, tab);
    QFETCH(int, hotTab);
    QFETCH(bool, disabled);
    QFETCH(QColor, colour);
    auto strip = pinnedStrip();
    strip->setTabEnabled(3, !disabled);
    if (hotTab != 0)
        hover(*strip, strip->tabRect(hotTab).center());
    const QImage image = render(*strip);
    const QRect area = strip->tabRect(tab).adjusted(2, 3, -2, -1);
    QVERIFY(PixelProbe::countColour(image, area, colour) > 10);
    for (const QColor& other : {kFore, kActive, kHot, kDisabled}) {
        if (other != colour)
            QCOMPARE(PixelProbe::countColour(image, area, other), 0);
    }
}

void TestXpWellsTabPaint::otherEdgesKeepTheirColours_data()
{
    QTest::addColumn<TabAlignment>("alignment");
    QTest::addColumn<QPoint>("frameInsideRow");
    QTest::addColumn<QPoint>("pageInside");
    QTest::newRow("left") << TabAlignment::Left << QPoint(22, 80) << QPoint(150, 80);
    QTest::newRow("right") << TabAlignment::Right << QPoint(300 - 23, 80) << QPoint(100, 80);
    QTest::newRow("bottom") << TabAlignment::Bottom << QPoint(250, 100 - 23) << QPoint(150, 40);
}

void TestXpWellsTabPaint::otherEdgesKeepTheirColours()
{
    QFETCH(TabAlignment, alignment);
    QFETCH(QPoint, frameInsideRow);
    QFETCH(QPoint, pageInside);
    auto strip = pinnedStrip(2, alignment == TabAlignment::Bottom ? QSize(300, 100) : QSize(300, 200));
    strip->setAlignment(alignment);
    hover(*strip, strip->tabRect(2).center());
    const QImage image = render(*strip);
    QCOMPARE(image.pixelColor(frameInsideRow), kFrame);
    QCOMPARE(image.pixelColor(pageInside), kBack);
    QVERIFY(PixelProbe::countColour(image, strip->tabRect(2), kStrip40) > 0);
    QVERIFY(PixelProbe::countColour(image, strip->tabRect(2), kHot) > 0);
    QVERIFY(PixelProbe::countColour(image, strip->tabRect(1).adjusted(2, 2, -2, -2), kActive) > 0);
}

// Pixels in the mask colour let the destination show: the tab's gradient
// around an icon, and the target of a copy from an offset in the source.
void TestXpWellsTabPaint::transparentPictures()
{
    const QColor dark(10, 20, 30);
    auto strip = pinnedStrip();
    strip->setTabCaption(2, QString());
    QPixmap icon(16, 16);
    icon.fill(QColor(255, 0, 255));
    QPainter(&icon).fillRect(QRect(6, 6, 4, 4), dark);
    strip->setTabPicture(2, icon);
    const QImage image = render(*strip);
    const QRect tab = strip->tabRect(2);
    QCOMPARE(PixelProbe::countColour(image, tab, QColor(255, 0, 255)), 0);
    QCOMPARE(PixelProbe::countColour(image, tab, Qt::black), 0);
    QCOMPARE(PixelProbe::countColour(image, tab, dark), 16);

    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::green);
    source.setPixelColor(1, 0, QColor(255, 0, 255));
    source.setPixelColor(3, 1, QColor(255, 0, 255));
    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    cImageManipulation().PaintTransparentDC(painter, QPoint(2, 1), QSize(3, 2), source, QPoint(1, 0));
    painter.end();
    QCOMPARE(target.pixelColor(2, 1), QColor(Qt::white));
    QCOMPARE(target.pixelColor(3, 1), QColor(Qt::green));
    QCOMPARE(target.pixelColor(4, 2), QColor(Qt::white));
    QCOMPARE(target.pixelColor(5, 1), QColor(Qt::white));
}

// All of the caption stays inside its tab, on one line ending in an ellipsis.
void TestXpWellsTabPaint::longCaptionIsElidedOnOneLine()
{
    auto strip = pinnedStrip();
    strip->setTabCaption(2, QStringLiteral("A caption much too long for its tab"));
    strip->setTabCaption(3, QString());
    const QImage image = render(*strip);
    const QRect tab = strip->tabRect(2);
    QCOMPARE(PixelProbe::countColour(image, image.rect(), kFore), PixelProbe::countColour(image, tab.adjusted(1, 0, -1, 0), kFore));
    QVERIFY(PixelProbe::countColour(image, QRect(tab.right() - 12, tab.top() + 4, 10, tab.height() - 6), kFore) > 0);
}

void TestXpWellsTabPaint::coloursFollowThePalette_data()
{
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("before");
    QTest::addColumn<QColor>("after");
    // A new window colour (200, 210, 250): the surface and the frame
    // (40 darker) that a new strip took from its surroundings follow it.
    QTest::newRow("default surface") << "new" << QPoint(150, 60) << QColor(239, 239, 239)
                                     << QColor(200, 210, 250);
    QTest::newRow("default frame") << "new" << QPoint(150, 99) << QColor(199, 199, 199)
                                   << QColor(160, 170, 210);
    // The caption colour is system button text; the frame here is set to
    // the system shadow (Dark); the new palette has them red and green.
    QTest::newRow("system caption colour") << "system" << QPoint() << QColor(Qt::black) << QColor(255, 0, 0);
    QTest::newRow("system frame colour") << "system" << QPoint(150, 99) << QColor(159, 159, 159)
                                         << QColor(0, 160, 0);
    QTest::newRow("a colour set stays") << "pinned" << QPoint(150, 60) << kBack << kBack;
}

void TestXpWellsTabPaint::coloursFollowThePalette()
{
    QFETCH(QString, strip);
    QFETCH(QPoint, point);
    QFETCH(QColor, before);
    QFETCH(QColor, after);
    auto tabs = strip == QLatin1String("new") ? makeStrip(3) : pinnedStrip();
    if (strip == QLatin1String("system")) {
        tabs->setForeColor(OleColor::ButtonText);
        tabs->setFrameColor(OleColor::ButtonShadow);
    }
    // A point-less row looks for the caption of the unselected tab 2.
    auto colourAt = [&](const QImage& image) {
        const QRect caption = tabs->tabRect(2).adjusted(2, 3, -2, -1);
        return point.isNull() ? (PixelProbe::countColour(image, caption, before) > 10 ? before : QColor())
                              : image.pixelColor(point);
    };
    QCOMPARE(colourAt(render(*tabs)), before);
    QPalette palette = tabs->palette();
    palette.setColor(QPalette::Window, QColor(200, 210, 250));
    palette.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    palette.setColor(QPalette::Dark, QColor(0, 160, 0));
    tabs->setPalette(palette);
    const QImage image = render(*tabs);
    if (point.isNull())
        QVERIFY(PixelProbe::countColour(image, tabs->tabRect(2).adjusted(2, 3, -2, -1), after) > 10);
    else
        QCOMPARE(image.pixelColor(point), after);
}

QTEST_MAIN(TestXpWellsTabPaint)
#include "tst_xpwellstab_paint.moc"
