// chameleonButton pixel tests: the documented colours at given points of
// 120 x 32 buttons painted into images, the window regions, and pictures
// with their transparent blit. ColorScheme 3 (the fixed palette) keeps the
// pixels independent of the desktop.
#include "OleColor.h"
#include "chameleonButtonPictures.h"
#include "chameleonButtonRegion.h"
#include "chameleonButtonTestSupport.h"

#include <QTest>

#include <functional>

using OleColor::rgb;
using Pixels = QList<std::pair<QPoint, QString>>;

namespace {

// A 4 x 4 picture on the mask colour with a 2 x 2 block in its middle.
QPixmap block(const QColor& color)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x)
            image.setPixelColor(x, y, color);
    return QPixmap::fromImage(image);
}

// The button as its window shows it (region applied) on white.
QImage rendered(chameleonButton& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    button.render(&image);
    return image;
}

bool contains(const QImage& image, const QRect& area, const QColor& color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

QString at(QPoint p, const QString& colour)
{
    return QStringLiteral("(%1, %2) %3").arg(p.x()).arg(p.y()).arg(colour);
}

} // namespace

class TestChameleonButtonPaint : public QObject
{
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void regions_data();
    void regions();
    void beveledTextFocusFrame();
    void ovalNeverDrawsFocus();
    void customAndSystemSchemes();
    void captionStylesAndEffects();
    void heightZeroDrawsNothing();
    void transparentShowsTheContainer();
    void transBlt();
};

// Setup steps are applied in order; "custom" is scheme 2 on a green face,
// "pic" and "picover" a red PictureNormal and a blue PictureOver, "x2"
// paints at twice the pixels.
void TestChameleonButtonPaint::looks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<Pixels>("pixels");
    const QString black = "0,0,0", white = "255,255,255", grey = "128,128,128", face = "192,192,192";
    const QString light = "223,223,223", frame3 = "0,60,115", corner3 = "16,77,123", red = "255,0,0";
    // Type 3: rows are ShiftColor(GradientBase (240,240,240), nearest(-25 / H * i), proportional).
    QTest::newRow("3 gradient rows, frame, corners, shading") << 3 << "" << Pixels{{{10, 16}, "228,228,225"},
        {{10, 20}, "224,224,220"}, {{10, 5}, "236,236,235"}, {{0, 10}, frame3}, {{60, 0}, frame3},
        {{W - 1, 10}, frame3}, {{60, H - 1}, frame3}, {{1, 1}, corner3}, {{1, H - 2}, corner3}, {{W - 2, 1}, corner3},
        {{W - 2, H - 2}, corner3}, {{10, H - 2}, "192,192,180"}, {{10, H - 3}, "208,208,200"},
        {{W - 2, 10}, "204,204,195"}, {{W - 3, 10}, "216,216,210"}, {{10, 1}, white}, {{10, 2}, "250,250,252"},
        {{1, 10}, "235,235,234"}, {{2, 10}, "230,230,228"}};
    QTest::newRow("3 hover frame") << 3 << "hover" << Pixels{{{1, 10}, "255,178,49"}, {{10, H - 3}, "255,178,49"},
        {{10, H - 2}, "231,150,0"}, {{10, 1}, "255,243,206"}, {{10, 2}, "255,219,140"}, {{2, 10}, "255,203,107"},
        {{W - 3, 10}, "255,203,107"}, {{0, 10}, frame3}, {{10, 16}, "228,228,225"}};
    const Pixels blueFrame{{{1, 10}, "140,174,231"}, {{10, H - 2}, "107,130,239"}, {{10, 1}, "206,231,255"},
                           {{10, 2}, "189,215,247"}, {{2, 10}, "181,209,240"}};
    QTest::newRow("3 focus frame") << 3 << "focus" << blueFrame;
    QTest::newRow("3 default frame") << 3 << "default" << blueFrame;
    QTest::newRow("3 focus without ShowFocusRect") << 3 << "focus nofocusrect" << Pixels{{{1, 10}, "235,235,234"}};
    QTest::newRow("3 pressed: from the bottom, base shifted -32") << 3 << "pressed" << Pixels{{{10, 16}, "196,196,188"},
        {{0, 10}, frame3}, {{1, 1}, corner3}, {{10, H - 2}, "224,224,216"}, {{W - 3, 10}, "240,240,240"},
        {{1, 10}, "176,176,167"}, {{10, 1}, "176,176,167"}};
    QTest::newRow("3 disabled") << 3 << "disabled" << Pixels{{{10, 10}, "216,216,210"}, {{0, 10}, "156,156,135"},
        {{1, 1}, "168,168,150"}};
    QTest::newRow("3 at twice the pixels") << 3 << "x2" << Pixels{{{0, 20}, frame3}, {{1, 21}, frame3},
        {{2, 2}, corner3}, {{3, 3}, corner3}, {{20, 32}, "228,228,225"}, {{20, 33}, "228,228,225"}};
    QTest::newRow("1 normal") << 1 << "" << Pixels{{{0, 10}, black}, {{1, 10}, white}, {{10, 1}, white},
        {{2, 10}, white}, {{W - 2, 10}, grey}, {{10, H - 2}, grey}, {{W - 3, 10}, grey}};
    QTest::newRow("1 pressed") << 1 << "pressed" << Pixels{{{0, 10}, black}, {{1, 10}, grey}, {{W - 2, 10}, white},
        {{2, 10}, grey}, {{W - 3, 10}, white}};
    QTest::newRow("1 dotted focus rectangle") << 1 << "focus" << Pixels{{{4, 4}, black}, {{5, 4}, face},
        {{6, 4}, black}, {{4, 5}, face}, {{4, 6}, black}, {{115, 5}, black}, {{3, 4}, face}};
    QTest::newRow("1 focus without ShowFocusRect") << 1 << "focus nofocusrect" << Pixels{{{4, 4}, face}};
    QTest::newRow("2 normal") << 2 << "" << Pixels{{{0, 10}, white}, {{10, 0}, white}, {{W - 1, 10}, black},
        {{10, H - 1}, black}, {{1, 10}, light}, {{W - 2, 10}, grey}, {{5, 5}, face}};
    QTest::newRow("2 pressed") << 2 << "pressed" << Pixels{{{0, 10}, black}, {{W - 1, 10}, white}, {{1, 10}, grey},
        {{W - 2, 10}, light}};
    QTest::newRow("4 normal") << 4 << "" << Pixels{{{0, 10}, black}, {{W - 2, 1}, black}, {{1, H - 2}, black},
        {{10, 2}, white}, {{2, 10}, white}, {{3, 3}, white}, {{W - 3, 10}, face}, {{W - 2, 10}, grey},
        {{10, H - 2}, grey}, {{10, 10}, light}};
    QTest::newRow("4 pressed") << 4 << "pressed" << Pixels{{{0, 10}, black}, {{1, 10}, "64,64,64"},
        {{2, 10}, "96,96,96"}, {{10, 10}, "112,112,112"}, {{W - 3, 10}, grey}};
    QTest::newRow("5 normal") << 5 << "" << Pixels{{{0, 10}, "102,102,102"}, {{1, 10}, white},
        {{W - 2, 10}, "102,102,102"}, {{W - 1, 10}, white}, {{10, 10}, "204,204,204"}, {{1, H - 2}, "154,154,154"},
        {{W - 2, 1}, "154,154,154"}};
    QTest::newRow("5 pressed") << 5 << "pressed" << Pixels{{{0, 10}, "102,102,102"}, {{W - 1, 10}, white},
        {{10, H - 1}, white}, {{10, 10}, "144,144,144"}};
    QTest::newRow("6 normal") << 6 << "" << Pixels{{{0, 10}, "231,231,231"}, {{1, 10}, "231,231,231"},
        {{W - 1, 10}, grey}, {{W - 2, 10}, grey}};
    QTest::newRow("7 normal") << 7 << "" << Pixels{{{0, 10}, white}, {{10, 0}, white}, {{W - 1, 10}, grey},
        {{10, H - 1}, grey}, {{1, 10}, face}};
    QTest::newRow("7 pressed") << 7 << "pressed" << Pixels{{{0, 10}, grey}, {{W - 1, 10}, white}};
    QTest::newRow("8 not hovered") << 8 << "" << Pixels{{{0, 10}, face}, {{W - 1, 10}, face}};
    QTest::newRow("9 not hovered") << 9 << "" << Pixels{{{10, 10}, face}};
    QTest::newRow("9 hovered: selection fill") << 9 << "hover" << Pixels{{{10, 10}, "173,173,209"},
        {{0, 10}, "0,0,128"}};
    QTest::newRow("9 pressed: border blended 128") << 9 << "hover pressed" << Pixels{{{10, 10}, "128,128,191"},
        {{0, 10}, "0,0,128"}};
    QTest::newRow("12 not hovered") << 12 << "" << Pixels{{{0, 10}, face}, {{W - 1, 10}, face}};
    QTest::newRow("12 pressed") << 12 << "pressed" << Pixels{{{0, 10}, black}, {{W - 1, 10}, white}, {{1, 10}, grey},
        {{W - 2, 10}, light}};
    QTest::newRow("10 plain") << 10 << "" << Pixels{{{0, 0}, face}, {{W - 1, H - 1}, face}, {{60, 16}, face}};
    QTest::newRow("99 draws as 10") << 99 << "pressed" << Pixels{{{0, 0}, face}, {{W - 1, H - 1}, face},
        {{60, 16}, face}};
    QTest::newRow("13 oval") << 13 << "" << Pixels{{{W / 2, 0}, face}, {{W / 2, H / 2}, face}};
    QTest::newRow("13 hovered outline") << 13 << "hover" << Pixels{{{W / 2, 0}, grey}, {{W / 2, 1}, grey},
        {{0, H / 2}, grey}, {{W / 2, 3}, face}};
    QTest::newRow("13 pressed") << 13 << "hover pressed" << Pixels{{{W / 2, 0}, black},
        {{W / 2, H / 2}, "160,160,160"}};
    // Type 14: step 58 / 32, row 16 is ShiftColor(Highlight, -29).
    QTest::newRow("14 banded rows") << 14 << "" << Pixels{{{10, 16}, "226,226,226"}, {{10, 1}, "253,253,253"}};
    QTest::newRow("14 default") << 14 << "default" << Pixels{{{0, 10}, "78,78,78"}, {{1, 10}, "183,183,183"},
        {{10, 2}, white}, {{10, 3}, white}, {{2, 10}, white}, {{3, 10}, white}, {{10, 16}, "226,226,226"}};
    QTest::newRow("14 default hovered") << 14 << "default hover" << Pixels{{{10, 16}, light}};
    QTest::newRow("14 default pressed") << 14 << "default hover pressed" << Pixels{{{0, 10}, "80,80,80"},
        {{10, 10}, "183,183,183"}, {{10, H - 2}, white}};
    // Disabled wins over hover and pressed.
    QTest::newRow("1 disabled keeps its frames") << 1 << "disabled hover pressed" << Pixels{{{0, 10}, black},
        {{1, 10}, white}, {{W - 2, 10}, grey}};
    QTest::newRow("5 disabled shadow frame") << 5 << "disabled hover pressed" << Pixels{{{0, 10}, grey},
        {{W - 1, 10}, grey}, {{10, 10}, face}};
    QTest::newRow("8 disabled caption only") << 8 << "disabled hover pressed" << Pixels{{{0, 10}, face},
        {{W - 1, 10}, face}};
    QTest::newRow("9 disabled caption only") << 9 << "disabled hover pressed" << Pixels{{{0, 10}, face},
        {{W - 1, 10}, face}};
    QTest::newRow("13 disabled no ellipse") << 13 << "disabled hover pressed" << Pixels{{{W / 2, 0}, face}};
    QTest::newRow("14 disabled banded frames") << 14 << "disabled hover pressed" << Pixels{{{0, 10}, "78,78,78"},
        {{1, 10}, "183,183,183"}, {{10, 16}, "226,226,226"}};
    // Pictures: a blank caption centres the 4 x 4 picture at (58, 14).
    QTest::newRow("picture, mask colour transparent") << 10 << "custom pic" << Pixels{{{59, 15}, red},
        {{58, 14}, "0,128,0"}};
    QTest::newRow("picture without UseMaskColor") << 10 << "custom pic nomask" << Pixels{{{58, 14}, face}};
    QTest::newRow("picture greyscale") << 10 << "custom pic grey" << Pixels{{{59, 15}, "76,76,76"}};
    QTest::newRow("picture greyscale only when normal") << 10 << "custom pic grey hover" << Pixels{{{59, 15}, red}};
    QTest::newRow("1 disabled picture: silhouettes") << 1 << "pic disabled" << Pixels{{{59, 15}, grey},
        {{61, 17}, white}, {{58, 14}, face}};
    QTest::newRow("3 disabled picture: grey, moved") << 3 << "pic disabled" << Pixels{{{60, 16}, "76,76,76"}};
    QTest::newRow("2 pressed picture moves by 1, 1") << 2 << "pic pressed" << Pixels{{{61, 17}, red},
        {{59, 15}, face}};
    QTest::newRow("9 picture blended 2 : 1") << 9 << "pic" << Pixels{{{59, 15}, "234,64,64"}};
    QTest::newRow("9 hovered picture over its shadow") << 9 << "pic hover" << Pixels{{{58, 14}, red},
        {{61, 17}, grey}};
    QTest::newRow("picture shadowed") << 2 << "pic fx3" << Pixels{{{59, 15}, red}, {{61, 17}, "152,152,152"},
        {{58, 14}, face}};
    QTest::newRow("picture engraved") << 2 << "pic fx2" << Pixels{{{61, 17}, "232,232,232"},
        {{58, 14}, "152,152,152"}};
    QTest::newRow("PictureOver not hovered") << 2 << "pic picover" << Pixels{{{59, 15}, red}};
    QTest::newRow("PictureOver hovered") << 2 << "pic picover hover" << Pixels{{{59, 15}, "0,0,255"}};
    QTest::newRow("PictureOver pressed") << 2 << "pic picover hover pressed" << Pixels{{{61, 17}, "0,0,255"},
        {{59, 15}, face}};
    QTest::newRow("picture at twice the pixels") << 2 << "pic x2" << Pixels{{{118, 30}, red}, {{121, 33}, red},
        {{117, 29}, face}};
}

void TestChameleonButtonPaint::looks()
{
    QFETCH(int, type);
    QFETCH(QString, setup);
    QFETCH(Pixels, pixels);
    using Step = std::function<void(chameleonButton&)>;
    const QMap<QString, Step> steps{
        {"hover", [](chameleonButton& b) { hover(b); }},
        {"focus", [](chameleonButton& b) { focus(b); }},
        {"default", [](chameleonButton& b) { b.setDefault(true); }},
        {"pressed", [](chameleonButton& b) { b.DrawButton(2, true); }},
        {"disabled", [](chameleonButton& b) { b.setEnabled(false); }},
        {"nofocusrect", [](chameleonButton& b) { b.setShowFocusRect(false); }},
        {"custom", [](chameleonButton& b) { b.setColorScheme(2); b.setBackcolor(rgb(0, 128, 0)); }},
        {"pic", [](chameleonButton& b) { b.setPictureNormal(block(Qt::red)); }},
        {"picover", [](chameleonButton& b) { b.setPictureOver(block(Qt::blue)); }},
        {"nomask", [](chameleonButton& b) { b.setUseMaskColor(false); }},
        {"grey", [](chameleonButton& b) { b.setUseGreyscale(true); }},
        {"fx2", [](chameleonButton& b) { b.setSpecialEffect(2); }},
        {"fx3", [](chameleonButton& b) { b.setSpecialEffect(3); }},
        {"x2", [](chameleonButton&) {}}};
    auto button = makeButton(type);
    const QStringList setupSteps = setup.split(' ', Qt::SkipEmptyParts);
    for (const QString& step : setupSteps) {
        QVERIFY2(steps.contains(step), qPrintable(step));
        steps[step](*button);
    }
    const qreal ratio = setupSteps.contains("x2") ? 2 : 1;
    const QImage image = paint(*button, ratio);
    QCOMPARE(image.size(), QSize(W, H) * ratio);
    for (const auto& [p, colour] : pixels)
        QCOMPARE(at(p, px(image, p.x(), p.y())), at(p, colour));
}

void TestChameleonButtonPaint::regions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QPoint>>("removed");
    QTest::addColumn<QList<QPoint>>("kept");
    const QList<QPoint> corners{{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
    QTest::newRow("1 classic") << 1 << corners << QList<QPoint>{{1, 0}, {0, 1}, {W - 2, H - 1}};
    QTest::newRow("14 banded") << 14 << corners << QList<QPoint>{{1, 0}, {0, 1}, {W - 1, H - 2}};
    QTest::newRow("5 beveled") << 5 << QList<QPoint>{{0, H - 1}, {W - 1, 0}} << QList<QPoint>{{0, 0}, {W - 1, H - 1}};
    const QList<QPoint> rounded{{0, 0}, {1, 0}, {0, 1}, {W - 2, 0}, {W - 1, 0}, {W - 1, 1}, {0, H - 1}, {1, H - 1},
                                {0, H - 2}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
    const QList<QPoint> roundedKept{{1, 1}, {2, 0}, {0, 2}, {W - 3, 0}, {W - 2, 1}, {1, H - 2}, {W - 2, H - 2},
                                    {W - 3, H - 1}};
    QTest::newRow("3 gradient") << 3 << rounded << roundedKept;
    QTest::newRow("4 rounded") << 4 << rounded << roundedKept;
    QTest::newRow("13 oval") << 13 << QList<QPoint>{{0, 0}, {W - 1, 0}, {2, 2}, {3, 3}, {W - 1, H - 1}}
                             << QList<QPoint>{{W / 2, 0}, {W / 2, H - 1}, {0, H / 2}, {W / 2, H / 2}};
}

void TestChameleonButtonPaint::regions()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, removed);
    QFETCH(QList<QPoint>, kept);
    const QRegion region = chameleonButtonRegion(type, W, H);
    auto button = makeButton(type);
    QCOMPARE(button->mask(), region);
    // The window shows the type's drawing where the region keeps it, the white below elsewhere.
    const QImage window = rendered(*button);
    const QImage drawn = paint(*button);
    for (const QPoint& p : removed) {
        QVERIFY2(!region.contains(p), qPrintable(at(p, "kept")));
        QCOMPARE(at(p, px(window, p.x(), p.y())), at(p, "255,255,255"));
    }
    for (const QPoint& p : kept) {
        QVERIFY2(region.contains(p), qPrintable(at(p, "removed")));
        QCOMPARE(at(p, px(window, p.x(), p.y())), at(p, px(drawn, p.x(), p.y())));
    }
}

void TestChameleonButtonPaint::beveledTextFocusFrame()
{
    auto button = makeButton(5, 3, QStringLiteral("Save"));
    focus(*button);
    const QRect text = button->layout().TextRect;
    const QImage image = paint(*button);
    QCOMPARE(px(image, text.left() - 2, text.top()), QStringLiteral("153,153,204"));
    QCOMPARE(px(image, text.left() + text.width() + 1, text.top()), QStringLiteral("153,153,204"));
    QCOMPARE(px(image, text.left(), text.top() - 1), QStringLiteral("153,153,204"));
}

void TestChameleonButtonPaint::ovalNeverDrawsFocus()
{
    auto plain = makeButton(13, 3, QStringLiteral("Oval"));
    auto focused = makeButton(13, 3, QStringLiteral("Oval"));
    focus(*focused);
    QVERIFY(focused->paintState().focused);
    QCOMPARE(paint(*focused), paint(*plain));
}

void TestChameleonButtonPaint::customAndSystemSchemes()
{
    // Scheme 2 swaps the whole colour set to BackOver while hovered.
    auto custom = makeButton(10, 2);
    custom->setBackcolor(rgb(0, 128, 0));
    custom->setBackOver(rgb(0, 0, 255));
    QCOMPARE(px(paint(*custom), 10, 10), QStringLiteral("0,128,0"));
    hover(*custom);
    QCOMPARE(px(paint(*custom), 10, 10), QStringLiteral("0,0,255"));
    QCOMPARE(custom->colors().ButtonFaceColor, rgb(0, 128, 0)); // put back after the pass
    // Scheme 1 takes the palette and ignores both.
    auto system = makeButton(10, 1);
    QPalette palette = system->palette();
    palette.setColor(QPalette::Button, QColor(10, 200, 30));
    system->setPalette(palette);
    system->setBackcolor(rgb(255, 0, 0));
    system->setBackOver(rgb(0, 0, 255));
    hover(*system);
    QCOMPARE(px(paint(*system), 10, 10), QStringLiteral("10,200,30"));
}

void TestChameleonButtonPaint::captionStylesAndEffects()
{
    auto button = makeButton(2, 2, QStringLiteral("H"));
    QFont font = button->font();
    font.setPixelSize(22);
    font.setBold(true);
    button->setFont(font);
    button->setBackcolor(rgb(192, 192, 192));
    button->setBackOver(rgb(192, 192, 192));
    button->setForeColor(rgb(255, 0, 0));
    button->setForeOver(rgb(0, 0, 255));
    const QRect area = button->layout().TextRect.adjusted(-2, -2, 2, 2);
    const QColor red(255, 0, 0), blue(0, 0, 255);
    QImage image = paint(*button);
    QVERIFY(contains(image, area, red));
    QVERIFY(!contains(image, area, blue));
    hover(*button); // caption style 1: TextOverColor
    image = paint(*button);
    QVERIFY(contains(image, area, blue));
    QVERIFY(!contains(image, area, red));
    button->setEnabled(false); // style 3: highlight below, shadow on top
    image = paint(*button);
    QVERIFY(contains(image, area, QColor(239, 239, 239))); // ShiftColor(face, 47)
    QVERIFY(contains(image, area, QColor(128, 128, 128))); // ShiftColor(face, -64)
    QVERIFY(!contains(image, area, red));
    button->setEnabled(true);
    button->setSpecialEffect(1); // embossed: ShiftColor(face, -40) below right, +40 above left
    image = paint(*button);
    QVERIFY(contains(image, area, QColor(152, 152, 152)));
    QVERIFY(contains(image, area, QColor(232, 232, 232)));
    button->setSpecialEffect(7); // shadowed (and values above 3): only the -40 copy
    image = paint(*button);
    QVERIFY(contains(image, area, QColor(152, 152, 152)));
    QVERIFY(!contains(image, area, QColor(232, 232, 232)));
}

void TestChameleonButtonPaint::heightZeroDrawsNothing()
{
    auto button = makeButton(3);
    button->resize(W, 0);
    const int before = button->drawCount();
    button->DrawButton(2, true);
    QCOMPARE(button->drawCount(), before);
    chameleonButtonPaintState state = button->paintState();
    state.height = 0;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    chameleonButtonPaint(image, state);
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
}

void TestChameleonButtonPaint::transparentShowsTheContainer()
{
    QWidget container;
    QPalette palette = container.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    container.setPalette(palette);
    container.setAutoFillBackground(true);
    container.resize(200, 60);
    auto* button = new chameleonButton(&container);
    button->setGeometry(20, 10, W, H);
    button->setButtonType(11);
    button->setColorScheme(3);
    button->setCaption(QStringLiteral("Save"));
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    // Shown: the container's background under the button is captured.
    QImage image = paint(*button);
    QCOMPARE(px(image, 2, 2), QStringLiteral("10,20,30"));
    QCOMPARE(px(image, W - 3, H - 3), QStringLiteral("10,20,30"));
    // Refresh captures it again.
    palette.setColor(QPalette::Window, QColor(40, 50, 60));
    container.setPalette(palette);
    button->Refresh();
    QCOMPARE(px(paint(*button), 2, 2), QStringLiteral("40,50,60"));
}

void TestChameleonButtonPaint::transBlt()
{
    // Transparency, greyscale, blend and silhouettes show in the picture rows
    // of looks; here the rounding tie of the grey and the mono silhouette.
    QCOMPARE(chameleonButtonGrey(100, 150, 200), 140); // 140.5: ties go to even
    QImage target(2, 1, QImage::Format_RGB32);
    target.fill(QColor(30, 60, 90));
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, QColor(255, 0, 0));
    picture.setPixelColor(1, 0, QColor(250, 250, 250)); // near white
    chameleonButtonBlit blit;
    blit.brush = rgb(0, 255, 0);
    QCOMPARE(chameleonButtonTransBlt(target, picture, blit).pixelColor(1, 0), QColor(0, 255, 0));
    blit.mono = true; // the near-white parts drop out of a mono silhouette
    const QImage out = chameleonButtonTransBlt(target, picture, blit);
    QCOMPARE(out.pixelColor(0, 0), QColor(0, 255, 0));
    QCOMPARE(out.pixelColor(1, 0), QColor(30, 60, 90));
}

QTEST_MAIN(TestChameleonButtonPaint)
#include "tst_chameleonbutton_paint.moc"
