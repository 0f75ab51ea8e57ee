#include "cImageManipulation.h"
#include "xpWellsTab.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

// The strip's pixels along the top edge: tab outlines with their cut
// corners, the page frame and its opening under the selected tab, the hot
// and focus strips, the unselected tabs' gradient, caption colours and the
// arrow box. Tabs have fixed widths so every edge is known:
// tab 1 spans 2..62, tab 2 64..114, tab 3 116..186, the row ends at 22.

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

quint32 ole(const QColor& colour)
{
    return OleColor::fromColor(colour);
}

// A strip with pinned colours and an unsmoothed font, so that caption
// pixels carry exactly the caption colour.
std::unique_ptr<xpWellsTab> makeStrip(int tabCount = 3, QSize size = QSize(300, 100))
{
    auto strip = std::make_unique<xpWellsTab>();
    strip->resize(size);
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setStyleStrategy(QFont::NoAntialias);
    strip->setFont(font);
    strip->setBackcolor(ole(kBack));
    strip->setBackColorScroll(ole(kScroll));
    strip->setFrameColor(ole(kFrame));
    strip->setForeColor(ole(kFore));
    strip->setForeColorActive(ole(kActive));
    strip->setForeColorHot(ole(kHot));
    strip->setForeColorDisabled(ole(kDisabled));
    const int widths[] = {60, 50, 70};
    for (int i = 1; i <= tabCount; ++i) {
        if (i > 1)
            strip->AddTab();
        strip->setTabCaption(i, QStringLiteral("HIH"));
        strip->setAutoSize(i, false);
        strip->setTabWidth(i, i <= 3 ? widths[i - 1] : 60);
    }
    return strip;
}

void hover(xpWellsTab& strip, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, strip.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
}

QImage render(xpWellsTab& strip)
{
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    strip.render(&image);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

int count(const QImage& image, const QRect& area, const QColor& colour)
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += image.pixelColor(x, y) == colour;
    return found;
}

} // namespace

class TestXpWellsTabPaint : public QObject
{
    Q_OBJECT

private slots:
    void outlines_data();
    void outlines();
    void unselectedGradient();
    void hotStripShades();
    void focusStripOnSelectedTab();
    void captionColours_data();
    void captionColours();
    void arrowBoxAtTabHeight22();
    void otherEdgesKeepTheirColours_data();
    void otherEdgesKeepTheirColours();
    void iconMaskShowsTheGradient();
    void transparentCopyLeavesOutTheMask();
    void longCaptionIsElidedOnOneLine();
};

void TestXpWellsTabPaint::outlines_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    // Selected tab 1 (L 2, Rt 62) is two pixels larger on three sides.
    QTest::newRow("selected left line top") << QPoint(0, 2) << kFrame;
    QTest::newRow("selected left line bottom") << QPoint(0, 21) << kFrame;
    QTest::newRow("selected left above line") << QPoint(0, 1) << kBack;
    QTest::newRow("selected top line start") << QPoint(2, 0) << kFrame;
    QTest::newRow("selected top line end") << QPoint(62, 0) << kFrame;
    QTest::newRow("selected top line past end") << QPoint(63, 0) << kBack;
    QTest::newRow("selected cut corner left") << QPoint(1, 1) << kFrame;
    QTest::newRow("selected outside corner left") << QPoint(1, 0) << kBack;
    QTest::newRow("selected cut corner right") << QPoint(63, 1) << kFrame;
    QTest::newRow("selected right line") << QPoint(64, 2) << kFrame;
    QTest::newRow("selected inside is plain") << QPoint(10, 4) << kBack;
    // The page frame opens under the selected tab.
    QTest::newRow("opening start") << QPoint(1, 22) << kBack;
    QTest::newRow("opening end") << QPoint(63, 22) << kBack;
    QTest::newRow("page frame left of opening") << QPoint(0, 22) << kFrame;
    QTest::newRow("page frame right of opening") << QPoint(64, 22) << kFrame;
    QTest::newRow("page frame top") << QPoint(250, 22) << kFrame;
    QTest::newRow("page frame right") << QPoint(299, 60) << kFrame;
    QTest::newRow("page frame bottom") << QPoint(150, 99) << kFrame;
    QTest::newRow("page inside") << QPoint(150, 60) << kBack;
    QTest::newRow("right of the row") << QPoint(250, 10) << kBack;
    // Unselected tab 3 (L 116, Rt 186).
    QTest::newRow("unselected left line") << QPoint(116, 4) << kFrame;
    QTest::newRow("unselected left line bottom") << QPoint(116, 21) << kFrame;
    QTest::newRow("unselected left above line") << QPoint(116, 3) << kBack;
    QTest::newRow("unselected top line") << QPoint(118, 2) << kFrame;
    QTest::newRow("unselected top line end") << QPoint(184, 2) << kFrame;
    QTest::newRow("unselected cut corner left") << QPoint(117, 3) << kFrame;
    QTest::newRow("unselected cut corner right") << QPoint(185, 3) << kFrame;
    QTest::newRow("unselected right line") << QPoint(186, 4) << kFrame;
    QTest::newRow("unselected right above line") << QPoint(186, 3) << kBack;
    QTest::newRow("unselected outer corner") << QPoint(116, 2) << kBack;
    QTest::newRow("unselected sits below selected top") << QPoint(150, 1) << kBack;
}

void TestXpWellsTabPaint::outlines()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    auto strip = makeStrip();
    const QImage image = render(*strip);
    QCOMPARE(at(image, point.x(), point.y()), colour);
}

void TestXpWellsTabPaint::unselectedGradient()
{
    auto strip = makeStrip();
    const QImage image = render(*strip);
    // From Backcolor +20 at the top to -20 at row 19; the last two rows
    // above the page stay plain.
    QCOMPARE(at(image, 150, 2), kFrame);
    QCOMPARE(at(image, 117, 2), QColor(255, 255, 244));
    QCOMPARE(at(image, 150, 19), QColor(220, 220, 204));
    QCOMPARE(at(image, 150, 20), kBack);
    QCOMPARE(at(image, 150, 21), kBack);
    const QColor upper = at(image, 120, 6);
    const QColor lower = at(image, 120, 15);
    QVERIFY(upper.red() > lower.red());
    QCOMPARE(at(image, 120, 6), at(image, 180, 6));
}

void TestXpWellsTabPaint::hotStripShades()
{
    auto strip = makeStrip();
    hover(*strip, QPoint(150, 12));
    QCOMPARE(strip->hotTab(), 3);
    const QImage image = render(*strip);
    QCOMPARE(at(image, 118, 2), kStrip);
    QCOMPARE(at(image, 184, 2), kStrip);
    QCOMPARE(at(image, 118, 3), kStrip20);
    QCOMPARE(at(image, 184, 3), kStrip20);
    QCOMPARE(at(image, 117, 4), kStrip40);
    QCOMPARE(at(image, 185, 4), kStrip40);
    // The cut corners and the side lines keep the frame colour.
    QCOMPARE(at(image, 117, 3), kFrame);
    QCOMPARE(at(image, 116, 4), kFrame);
    QCOMPARE(at(image, 186, 4), kFrame);
    // No strip on the tabs that are not hot.
    QCOMPARE(at(image, 70, 2), kFrame);

    hover(*strip, QPoint(150, 60));
    QCOMPARE(strip->hotTab(), 0);
    QCOMPARE(at(render(*strip), 118, 2), kFrame);
}

void TestXpWellsTabPaint::focusStripOnSelectedTab()
{
    auto strip = makeStrip();
    strip->show();
    QApplication::setActiveWindow(strip.get());
    strip->setFocus();
    QVERIFY(strip->hasFocus());
    const QImage image = render(*strip);
    QCOMPARE(at(image, 2, 0), kStrip);
    QCOMPARE(at(image, 62, 0), kStrip);
    QCOMPARE(at(image, 2, 1), kStrip20);
    QCOMPARE(at(image, 62, 1), kStrip20);
    QCOMPARE(at(image, 1, 2), kStrip40);
    QCOMPARE(at(image, 63, 2), kStrip40);
    QCOMPARE(at(image, 1, 1), kFrame);
    QCOMPARE(at(image, 0, 2), kFrame);

    strip->clearFocus();
    QCOMPARE(at(render(*strip), 2, 0), kFrame);
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
    auto strip = makeStrip();
    strip->setTabEnabled(3, !disabled);
    if (hotTab != 0)
        hover(*strip, strip->tabRect(hotTab).center());
    const QImage image = render(*strip);
    const QRect area = strip->tabRect(tab).adjusted(2, 3, -2, -1);
    QVERIFY(count(image, area, colour) > 10);
    for (const QColor& other : {kFore, kActive, kHot, kDisabled}) {
        if (other != colour)
            QCOMPARE(count(image, area, other), 0);
    }
}

void TestXpWellsTabPaint::arrowBoxAtTabHeight22()
{
    auto strip = makeStrip(8);
    QCOMPARE(strip->TabHeight(), 22);
    QCOMPARE(strip->arrowButtonRect(true), QRect(262, 2, 18, 18));
    QCOMPARE(strip->arrowButtonRect(false), QRect(282, 2, 18, 18));
    QImage image = render(*strip);
    // The box: 40 pixels wide at the right end, as high as the row.
    QCOMPARE(at(image, 260, 0), kScroll);
    QCOMPARE(at(image, 260, 21), kScroll);
    QCOMPARE(at(image, 299, 0), kScroll);
    QCOMPARE(at(image, 261, 10), kScroll);
    QCOMPARE(at(image, 280, 10), kScroll);
    QVERIFY(at(image, 259, 10) != kScroll);
    QCOMPARE(at(image, 260, 22), kFrame);
    // The tab behind the box is drawn up to it.
    QCOMPARE(at(image, 259, 2), kFrame);

    hover(*strip, QPoint(270, 10));
    image = render(*strip);
    QCOMPARE(at(image, 262, 2), kFrame);
    QCOMPARE(at(image, 279, 19), kFrame);
    QCOMPARE(at(image, 261, 2), kScroll);
    QCOMPARE(at(image, 280, 2), kScroll);
    QCOMPARE(at(image, 282, 2), kScroll);
}

void TestXpWellsTabPaint::otherEdgesKeepTheirColours_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QPoint>("frameInsideRow");
    QTest::addColumn<QPoint>("pageInside");
    QTest::newRow("left") << 1 << QPoint(22, 80) << QPoint(150, 80);
    QTest::newRow("right") << 2 << QPoint(300 - 23, 80) << QPoint(100, 80);
    QTest::newRow("bottom") << 3 << QPoint(250, 100 - 23) << QPoint(150, 40);
}

void TestXpWellsTabPaint::otherEdgesKeepTheirColours()
{
    QFETCH(int, alignment);
    QFETCH(QPoint, frameInsideRow);
    QFETCH(QPoint, pageInside);
    auto strip = makeStrip(2, alignment == 3 ? QSize(300, 100) : QSize(300, 200));
    strip->setAlignment(alignment);
    hover(*strip, strip->tabRect(2).center());
    const QImage image = render(*strip);
    QCOMPARE(at(image, frameInsideRow.x(), frameInsideRow.y()), kFrame);
    QCOMPARE(at(image, pageInside.x(), pageInside.y()), kBack);
    QVERIFY(count(image, strip->tabRect(2), kStrip) > 0);
    QVERIFY(count(image, strip->tabRect(2), kStrip40) > 0);
    QVERIFY(count(image, strip->tabRect(2), kHot) > 0);
    QVERIFY(count(image, strip->tabRect(1).adjusted(2, 2, -2, -2), kActive) > 0);
}

void TestXpWellsTabPaint::iconMaskShowsTheGradient()
{
    auto strip = makeStrip();
    strip->setTabCaption(2, QString());
    QPixmap icon(16, 16);
    icon.fill(QColor(255, 0, 255));
    {
        QPainter painter(&icon);
        painter.fillRect(QRect(6, 6, 4, 4), QColor(10, 20, 30));
    }
    strip->setTabPicture(2, icon);
    const QImage image = render(*strip);
    const QRect tab = strip->tabRect(2);
    QCOMPARE(count(image, tab, QColor(255, 0, 255)), 0);
    QCOMPARE(count(image, tab, QColor(10, 20, 30)), 16);
    // Around the opaque block the gradient shows through, row by row.
    int top = -1;
    for (int y = tab.top(); y <= tab.bottom() && top < 0; ++y)
        if (count(image, QRect(tab.left(), y, tab.width(), 1), QColor(10, 20, 30)) > 0)
            top = y;
    QVERIFY(top > 0);
    const int left = tab.left() + (tab.width() - 16) / 2;
    QCOMPARE(at(image, left + 1, top - 6), at(image, tab.left() + 3, top - 6));
    QCOMPARE(at(image, left + 1, top + 3), at(image, tab.left() + 3, top + 3));
}

void TestXpWellsTabPaint::transparentCopyLeavesOutTheMask()
{
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(QColor(0, 255, 0));
    source.setPixelColor(1, 0, QColor(255, 0, 255));
    source.setPixelColor(3, 1, QColor(255, 0, 255));
    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        cImageManipulation().PaintTransparentDC(painter, 2, 1, 3, 2, source, 1, 0);
    }
    QCOMPARE(target.pixelColor(2, 1), QColor(Qt::white));
    QCOMPARE(target.pixelColor(3, 1), QColor(0, 255, 0));
    QCOMPARE(target.pixelColor(4, 2), QColor(Qt::white));
    QCOMPARE(target.pixelColor(2, 2), QColor(0, 255, 0));
    QCOMPARE(target.pixelColor(5, 1), QColor(Qt::white));
    QCOMPARE(target.pixelColor(1, 1), QColor(Qt::white));
}

void TestXpWellsTabPaint::longCaptionIsElidedOnOneLine()
{
    auto strip = makeStrip();
    strip->setTabCaption(2, QStringLiteral("A caption much too long for its tab"));
    strip->setTabCaption(3, QString());
    const QImage image = render(*strip);
    const QRect tab = strip->tabRect(2);
    int top = tab.bottom();
    int bottom = tab.top();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != kFore)
                continue;
            QVERIFY2(tab.adjusted(1, 0, -1, 0).contains(x, y), "caption drawn outside its tab");
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    QVERIFY(bottom - top < strip->fontMetrics().height());
    QVERIFY(count(image, QRect(tab.right() - 12, tab.top() + 4, 10, tab.height() - 6), kFore) > 0);
}

QTEST_MAIN(TestXpWellsTabPaint)
#include "tst_xpwellstab_paint.moc"
