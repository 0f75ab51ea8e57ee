#include "GroupBox.h"

#include <QFontMetrics>
#include <QImage>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>

class TestGroupBoxPaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frameTopSitsHalfACaptionDown_data();
    void frameTopSitsHalfACaptionDown();
    void etchedFrame_data();
    void etchedFrame();
    void flatFrame_data();
    void flatFrame();
    void captionIsCutIntoTheFrame_data();
    void captionIsCutIntoTheFrame();
    void surfaceOnly_data();
    void surfaceOnly();
    void captionColours_data();
    void captionColours();
    void classicUnderlinesTheAccessKey();
    void styledCaptionFollowsKeyboardCues_data();
    void styledCaptionFollowsKeyboardCues();
    void styledPathDrawsTheStyleFrame();

private:
    QStyle* m_classic = nullptr;
    QStyle* m_fusion = nullptr;
};

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 60;
const QColor kFace(192, 192, 192);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(48, 80, 160); // no blend of black text on grey gives this
const QColor kText(0, 0, 0);
// The pinned font's line is 15 pixels; half of it rounds to the even 8.
constexpr int kFrameTop = 8;

QPalette pinnedPalette()
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, kFace);
        palette.setColor(group, QPalette::Window, kFace);
        palette.setColor(group, QPalette::Light, kHighlight);
        palette.setColor(group, QPalette::Dark, kShadow);
        palette.setColor(group, QPalette::ButtonText, kText);
        palette.setColor(group, QPalette::WindowText, kText);
    }
    return palette;
}

// Crisp glyphs, so a text pixel has exactly its pen's colour.
QFont pinnedFont(int pixelSize = 13)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class KeyboardCueStyle : public QProxyStyle
{
public:
    KeyboardCueStyle(QStyle* base, bool showCues) : QProxyStyle(base), m_showCues(showCues) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_UnderlineShortcut)
            return m_showCues ? 1 : 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    bool m_showCues;
};

QImage render(GroupBox& box)
{
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    box.render(&image);
    return image;
}

int captionHeight(int pixelSize = 13)
{
    return QFontMetrics(pinnedFont(pixelSize)).height();
}

int captionWidth(const QString& text)
{
    return QFontMetrics(pinnedFont()).horizontalAdvance(text);
}

int countColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// The longest horizontal run of one colour within the area: an underline.
int longestRun(const QImage& image, const QRect& area, const QColor& colour)
{
    int longest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            run = image.pixelColor(x, y) == colour ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    return longest;
}

} // namespace

void TestGroupBoxPaint::initTestCase()
{
    m_classic = QStyleFactory::create(QStringLiteral("Windows"));
    m_fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QVERIFY(m_classic && m_fusion);
    m_classic->setParent(this);
    m_fusion->setParent(this);
    QCOMPARE(QFontInfo(pinnedFont()).family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(captionHeight(), 15);
}

namespace {

// A classic box of the test size with the pinned palette and font.
struct ClassicBox
{
    explicit ClassicBox(QStyle* style, const QString& caption, int pixelSize = 13)
    {
        box.setStyle(style);
        box.setPalette(pinnedPalette());
        box.setFont(pinnedFont(pixelSize));
        box.setCaption(caption);
        box.resize(kWidth, kHeight);
    }
    GroupBox box;
};

} // namespace

void TestGroupBoxPaint::frameTopSitsHalfACaptionDown_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("top");
    QTest::newRow("even height 14") << 12 << 7;
    QTest::newRow("odd height 13 rounds to even 6") << 11 << 6;
    QTest::newRow("odd height 15 rounds to even 8") << 13 << 8;
}

void TestGroupBoxPaint::frameTopSitsHalfACaptionDown()
{
    QFETCH(int, pixelSize);
    QFETCH(int, top);
    ClassicBox classic(m_classic, QStringLiteral("Backup"), pixelSize);
    const QImage image = render(classic.box);
    QCOMPARE(image.pixelColor(kWidth - 5, top), kShadow);
    QCOMPARE(image.pixelColor(kWidth - 5, top - 1), kFace);
    QCOMPARE(image.pixelColor(0, top), kShadow);
    QCOMPARE(image.pixelColor(0, top - 1), kFace);
}

void TestGroupBoxPaint::etchedFrame_data()
{
    const int top = kFrameTop;
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("outer top left corner") << QPoint(0, top) << kShadow;
    QTest::newRow("outer top") << QPoint(100, top) << kShadow;
    QTest::newRow("outer top right corner") << QPoint(kWidth - 1, top) << kHighlight;
    QTest::newRow("outer left") << QPoint(0, 30) << kShadow;
    QTest::newRow("outer bottom left corner") << QPoint(0, kHeight - 1) << kHighlight;
    QTest::newRow("outer bottom") << QPoint(60, kHeight - 1) << kHighlight;
    QTest::newRow("outer right") << QPoint(kWidth - 1, 30) << kHighlight;
    QTest::newRow("inner top left corner") << QPoint(1, top + 1) << kHighlight;
    QTest::newRow("inner top") << QPoint(100, top + 1) << kHighlight;
    QTest::newRow("inner top right corner") << QPoint(kWidth - 2, top + 1) << kShadow;
    QTest::newRow("inner left") << QPoint(1, 30) << kHighlight;
    QTest::newRow("inner bottom left corner") << QPoint(1, kHeight - 2) << kShadow;
    QTest::newRow("inner bottom") << QPoint(60, kHeight - 2) << kShadow;
    QTest::newRow("inner right") << QPoint(kWidth - 2, 30) << kShadow;
    QTest::newRow("inside") << QPoint(2, top + 2) << kFace;
    QTest::newRow("above the frame") << QPoint(kWidth - 1, top - 1) << kFace;
}

void TestGroupBoxPaint::etchedFrame()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    ClassicBox classic(m_classic, QStringLiteral("Backup"));
    QCOMPARE(render(classic.box).pixelColor(at), colour);
}

void TestGroupBoxPaint::flatFrame_data()
{
    const int top = kFrameTop;
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black top left corner") << QPoint(0, top) << QColor(Qt::black);
    QTest::newRow("black top right corner") << QPoint(kWidth - 1, top) << QColor(Qt::black);
    QTest::newRow("black bottom left corner") << QPoint(0, kHeight - 1) << QColor(Qt::black);
    QTest::newRow("black bottom right corner") << QPoint(kWidth - 1, kHeight - 1) << QColor(Qt::black);
    QTest::newRow("black top") << QPoint(100, top) << QColor(Qt::black);
    QTest::newRow("white inside the top") << QPoint(100, top + 1) << QColor(Qt::white);
    QTest::newRow("white inside the left") << QPoint(1, 30) << QColor(Qt::white);
    QTest::newRow("white inside the right") << QPoint(kWidth - 2, 30) << QColor(Qt::white);
    QTest::newRow("white inside the bottom") << QPoint(60, kHeight - 2) << QColor(Qt::white);
    QTest::newRow("inside the white") << QPoint(2, top + 2) << kFace;
    QTest::newRow("inside the white, bottom right") << QPoint(kWidth - 3, kHeight - 3) << kFace;
}

void TestGroupBoxPaint::flatFrame()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    ClassicBox classic(m_classic, QStringLiteral("Backup"));
    classic.box.setAppearance(0);
    QCOMPARE(render(classic.box).pixelColor(at), colour);
}

void TestGroupBoxPaint::captionIsCutIntoTheFrame_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("gapWidth");
    QTest::newRow("plain caption") << QStringLiteral("Restore") << captionWidth(QStringLiteral("Restore")) + 2;
    QTest::newRow("access key") << QStringLiteral("&Print") << captionWidth(QStringLiteral("Print")) + 2;
    QTest::newRow("doubled ampersand measured as a letter")
        << QStringLiteral("Save && Exit") << captionWidth(QStringLiteral("Save A Exit")) + 2;
    QTest::newRow("empty caption leaves the frame whole") << QString() << 0;
}

void TestGroupBoxPaint::captionIsCutIntoTheFrame()
{
    QFETCH(QString, caption);
    QFETCH(int, gapWidth);
    for (int appearance : {0, 1}) {
        ClassicBox classic(m_classic, caption);
        classic.box.setAppearance(appearance);
        classic.box.setForeColor(OleColor::rgb(255, 0, 0));
        const QImage image = render(classic.box);
        const QColor frame = appearance == 0 ? QColor(Qt::black) : kShadow;
        const int top = kFrameTop;
        const int gapEnd = 7 + gapWidth;
        QCOMPARE(countColour(image, QRect(0, top, 7, 1), frame), 7);
        QCOMPARE(countColour(image, QRect(7, top, gapWidth, 2), frame), 0);
        QCOMPARE(countColour(image, QRect(gapEnd, top, kWidth - 1 - gapEnd, 1), frame),
                 kWidth - 1 - gapEnd);
    }
}

void TestGroupBoxPaint::surfaceOnly_data()
{
    QTest::addColumn<quint32>("backColor");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("button face") << OleColor::ButtonFace << kFace;
    QTest::newRow("pale yellow") << OleColor::rgb(255, 255, 225) << QColor(255, 255, 225);
}

void TestGroupBoxPaint::surfaceOnly()
{
    QFETCH(quint32, backColor);
    QFETCH(QColor, expected);
    ClassicBox classic(m_classic, QStringLiteral("&Print"));
    classic.box.setBackcolor(backColor);
    const QImage bordered = render(classic.box);
    QCOMPARE(bordered.pixelColor(kWidth / 2, kHeight / 2), expected);
    QCOMPARE(bordered.pixelColor(kWidth - 1, 0), expected);

    for (QStyle* style : {m_classic, m_fusion}) {
        classic.box.setStyle(style);
        classic.box.setBorderStyle(0);
        const QImage image = render(classic.box);
        QCOMPARE(countColour(image, image.rect(), expected), kWidth * kHeight);
    }
}

void TestGroupBoxPaint::captionColours_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled in the fore colour") << true;
    QTest::newRow("disabled embossed") << false;
}

void TestGroupBoxPaint::captionColours()
{
    QFETCH(bool, enabled);
    const QColor red(255, 0, 0);
    ClassicBox classic(m_classic, QStringLiteral("Backup"));
    classic.box.setForeColor(OleColor::rgb(255, 0, 0));
    classic.box.setEnabled(enabled);
    const QImage image = render(classic.box);
    const QRect caption(9, 0, captionWidth(QStringLiteral("Backup")) + 1, captionHeight() + 1);
    QCOMPARE(countColour(image, caption, red) > 20, enabled);
    QCOMPARE(countColour(image, caption, kShadow) > 20, !enabled);
    QCOMPARE(countColour(image, caption, kHighlight) > 5, !enabled);
}

void TestGroupBoxPaint::classicUnderlinesTheAccessKey()
{
    ClassicBox withKey(m_classic, QStringLiteral("&Print"));
    ClassicBox without(m_classic, QStringLiteral("Print"));
    const QFontMetrics metrics(pinnedFont());
    const int keyWidth = metrics.horizontalAdvance(QLatin1Char('P'));
    const QRect belowBaseline(9, metrics.ascent(), keyWidth + 1, metrics.descent());
    QVERIFY(longestRun(render(withKey.box), belowBaseline, kText) >= keyWidth - 1);
    QVERIFY(longestRun(render(without.box), belowBaseline, kText) < keyWidth / 2);
}

void TestGroupBoxPaint::styledCaptionFollowsKeyboardCues_data()
{
    QTest::addColumn<bool>("showCues");
    QTest::newRow("cues shown underline the key") << true;
    QTest::newRow("cues hidden show no underline") << false;
}

void TestGroupBoxPaint::styledCaptionFollowsKeyboardCues()
{
    QFETCH(bool, showCues);
    KeyboardCueStyle style(QStyleFactory::create(QStringLiteral("Fusion")), showCues);
    ClassicBox withKey(&style, QStringLiteral("&Print"));
    ClassicBox without(&style, QStringLiteral("Print"));
    QCOMPARE(render(withKey.box) != render(without.box), showCues);
}

void TestGroupBoxPaint::styledPathDrawsTheStyleFrame()
{
    ClassicBox styled(m_fusion, QStringLiteral("Backup"));
    ClassicBox classic(m_classic, QStringLiteral("Backup"));
    const QImage image = render(styled.box);
    QVERIFY(image != render(classic.box));
    QCOMPARE(countColour(image, image.rect(), kShadow), 0);
    QVERIFY(countColour(image, QRect(0, kHeight / 2, 4, 1), kFace) < 4);
    QVERIFY(countColour(image, QRect(0, 0, captionWidth(QStringLiteral("Backup")) + 20, captionHeight()),
                        kText) > 20);
}

QTEST_MAIN(TestGroupBoxPaint)
#include "tst_groupbox_paint.moc"
