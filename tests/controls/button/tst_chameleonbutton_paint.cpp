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
using PixelProbe::colourAt;
using PixelProbe::containsColour;
using PixelProbe::placedColourAt;
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

QString at(QPoint place, const QString& colour)
{
    return QStringLiteral("(%1, %2) %3").arg(place.x()).arg(place.y()).arg(colour);
}

// Qt's own default palette, written out: its Midlight (202) is darker than
// its button face (239).
QPalette qtDefaultPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(239, 239, 239));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Dark, QColor(159, 159, 159));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    return palette;
}

// The classic desktop's: Midlight (223) between face and highlight.
QPalette classicPalette()
{
    QPalette palette = qtDefaultPalette();
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    return palette;
}

// Applies the setup steps in order; "custom" is scheme 2 on a green face,
// "pic" and "picover" a red PictureNormal and a blue PictureOver. "x2"
// changes nothing here: the caller paints at twice the pixels.
void applySteps(chameleonButton& button, const QString& setup)
{
    using Step = std::function<void(chameleonButton&)>;
    const QMap<QString, Step> steps{
        {"hover", [](chameleonButton& b) { hover(b); }},
        {"focus", [](chameleonButton& b) { focus(b); }},
        {"default", [](chameleonButton& b) { b.setDefault(true); }},
        {"pressed", [](chameleonButton& b) { b.DrawButton(ButtonState::Pressed, true); }},
        {"disabled", [](chameleonButton& b) { b.setEnabled(false); }},
        {"nofocusrect", [](chameleonButton& b) { b.setShowFocusRect(false); }},
        {"custom", [](chameleonButton& b) {
             b.setColorScheme(ColorSchemes::SchemeCustom);
             b.setBackcolor(rgb(0, 128, 0));
         }},
        {"pic", [](chameleonButton& b) { b.setPictureNormal(block(Qt::red)); }},
        {"picover", [](chameleonButton& b) { b.setPictureOver(block(Qt::blue)); }},
        {"nomask", [](chameleonButton& b) { b.setUseMaskColor(false); }},
        {"grey", [](chameleonButton& b) { b.setUseGreyscale(true); }},
        {"fx2", [](chameleonButton& b) { b.setSpecialEffect(chameleonButton::SpecialEffects::FxEngraved); }},
        {"fx3", [](chameleonButton& b) { b.setSpecialEffect(chameleonButton::SpecialEffects::FxShadowed); }},
        {"x2", [](chameleonButton&) {}}};
    for (const QString& name : setup.split(' ', Qt::SkipEmptyParts)) {
        QVERIFY2(steps.contains(name), qPrintable(name));
        steps[name](button);
    }
}

void expectPixels(const QImage& image, const Pixels& pixels)
{
    for (const auto& [place, colour] : pixels)
        QCOMPARE(placedColourAt(image, place), at(place, colour));
}

} // namespace

class TestChameleonButtonPaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void looks_data();
    void looks();
    void systemSchemeLightBevel_data();
    void systemSchemeLightBevel();
    void systemColoursFollowThePalette_data();
    void systemColoursFollowThePalette();
    void regions_data();
    void regions();
    void beveledTextFocusFrame();
    void ovalNeverDrawsFocus();
    void customSchemeSwapsToBackOverWhileHovered();
    void captionStylesAndEffects();
    void heightZeroDrawsNothing();
    void transparentShowsTheContainer();
    void transBlt();
};

void TestChameleonButtonPaint::init()
{
    PixelProbe::failOnPaintWarnings();
}

// Setup: the steps of applySteps.
void TestChameleonButtonPaint::looks_data()
{
    QTest::addColumn<ButtonTypes>("type");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<Pixels>("pixels");
    const QString black = "0,0,0", white = "255,255,255", grey = "128,128,128", face = "192,192,192";
    const QString light = "223,223,223", frame3 = "0,60,115", corner3 = "16,77,123", red = "255,0,0";
    // Type 3: rows are ShiftColor(GradientBase (240,240,240), nearest(-25 / kHeight * i), proportional).
    QTest::newRow("3 gradient rows, frame, corners, shading") << ButtonTypes::TypeGradient << "" << Pixels{{{10, 16}, "228,228,225"},
        {{10, 20}, "224,224,220"}, {{10, 5}, "236,236,235"}, {{0, 10}, frame3}, {{60, 0}, frame3},
        {{kWidth - 1, 10}, frame3}, {{60, kHeight - 1}, frame3}, {{1, 1}, corner3}, {{1, kHeight - 2}, corner3}, {{kWidth - 2, 1}, corner3},
        {{kWidth - 2, kHeight - 2}, corner3}, {{10, kHeight - 2}, "192,192,180"}, {{10, kHeight - 3}, "208,208,200"},
        {{kWidth - 2, 10}, "204,204,195"}, {{kWidth - 3, 10}, "216,216,210"}, {{10, 1}, white}, {{10, 2}, "250,250,252"},
        {{1, 10}, "235,235,234"}, {{2, 10}, "230,230,228"}};
    QTest::newRow("3 hover frame") << ButtonTypes::TypeGradient << "hover" << Pixels{{{1, 10}, "255,178,49"}, {{10, kHeight - 3}, "255,178,49"},
        {{10, kHeight - 2}, "231,150,0"}, {{10, 1}, "255,243,206"}, {{10, 2}, "255,219,140"}, {{2, 10}, "255,203,107"},
        {{kWidth - 3, 10}, "255,203,107"}, {{0, 10}, frame3}, {{10, 16}, "228,228,225"}};
    const Pixels blueFrame{{{1, 10}, "140,174,231"}, {{10, kHeight - 2}, "107,130,239"}, {{10, 1}, "206,231,255"},
                           {{10, 2}, "189,215,247"}, {{2, 10}, "181,209,240"}};
    QTest::newRow("3 focus frame") << ButtonTypes::TypeGradient << "focus" << blueFrame;
    QTest::newRow("3 default frame") << ButtonTypes::TypeGradient << "default" << blueFrame;
    QTest::newRow("3 focus without ShowFocusRect") << ButtonTypes::TypeGradient << "focus nofocusrect" << Pixels{{{1, 10}, "235,235,234"}};
    QTest::newRow("3 pressed: from the bottom, base shifted -32") << ButtonTypes::TypeGradient << "pressed" << Pixels{{{10, 16}, "196,196,188"},
        {{0, 10}, frame3}, {{1, 1}, corner3}, {{10, kHeight - 2}, "224,224,216"}, {{kWidth - 3, 10}, "240,240,240"},
        {{1, 10}, "176,176,167"}, {{10, 1}, "176,176,167"}};
    QTest::newRow("3 disabled") << ButtonTypes::TypeGradient << "disabled" << Pixels{{{10, 10}, "216,216,210"}, {{0, 10}, "156,156,135"},
        {{1, 1}, "168,168,150"}};
    QTest::newRow("3 at twice the pixels") << ButtonTypes::TypeGradient << "x2" << Pixels{{{0, 20}, frame3}, {{1, 21}, frame3},
        {{2, 2}, corner3}, {{3, 3}, corner3}, {{20, 32}, "228,228,225"}, {{20, 33}, "228,228,225"}};
    QTest::newRow("1 normal") << ButtonTypes::TypeClassic << "" << Pixels{{{0, 10}, black}, {{1, 10}, white}, {{10, 1}, white},
        {{2, 10}, white}, {{kWidth - 2, 10}, grey}, {{10, kHeight - 2}, grey}, {{kWidth - 3, 10}, grey}};
    QTest::newRow("1 pressed") << ButtonTypes::TypeClassic << "pressed" << Pixels{{{0, 10}, black}, {{1, 10}, grey}, {{kWidth - 2, 10}, white},
        {{2, 10}, grey}, {{kWidth - 3, 10}, white}};
    QTest::newRow("1 dotted focus rectangle") << ButtonTypes::TypeClassic << "focus" << Pixels{{{4, 4}, black}, {{5, 4}, face},
        {{6, 4}, black}, {{4, 5}, face}, {{4, 6}, black}, {{115, 5}, black}, {{3, 4}, face}};
    // Types 7 to 13 dot their focus 3 pixels in; 14 5 pixels in, moved by (1, 1).
    QTest::newRow("7 dotted focus rectangle by 3") << ButtonTypes::TypeFlat << "focus" << Pixels{{{3, 3}, black},
        {{4, 3}, face}, {{3, 5}, black}, {{kWidth - 4, kHeight - 4}, black}, {{2, 2}, face}};
    QTest::newRow("14 dotted focus rectangle moved") << ButtonTypes::TypeBanded << "focus" << Pixels{
        {{6, 6}, black}, {{6, 8}, black}, {{6, 7}, "242,242,242"}, {{kWidth - 5, kHeight - 5}, black}};
    QTest::newRow("1 focus without ShowFocusRect") << ButtonTypes::TypeClassic << "focus nofocusrect" << Pixels{{{4, 4}, face}};
    QTest::newRow("2 normal") << ButtonTypes::TypeRaised << "" << Pixels{{{0, 10}, white}, {{10, 0}, white}, {{kWidth - 1, 10}, black},
        {{10, kHeight - 1}, black}, {{1, 10}, light}, {{kWidth - 2, 10}, grey}, {{5, 5}, face}};
    QTest::newRow("2 pressed") << ButtonTypes::TypeRaised << "pressed" << Pixels{{{0, 10}, black}, {{kWidth - 1, 10}, white}, {{1, 10}, grey},
        {{kWidth - 2, 10}, light}};
    QTest::newRow("4 normal") << ButtonTypes::TypeRounded << "" << Pixels{{{0, 10}, black}, {{kWidth - 2, 1}, black}, {{1, kHeight - 2}, black},
        {{10, 2}, white}, {{2, 10}, white}, {{3, 3}, white}, {{kWidth - 3, 10}, face}, {{kWidth - 2, 10}, grey},
        {{10, kHeight - 2}, grey}, {{10, 10}, light}};
    QTest::newRow("4 pressed") << ButtonTypes::TypeRounded << "pressed" << Pixels{{{0, 10}, black}, {{1, 10}, "64,64,64"},
        {{2, 10}, "96,96,96"}, {{10, 10}, "112,112,112"}, {{kWidth - 3, 10}, grey}};
    QTest::newRow("5 normal") << ButtonTypes::TypeBeveled << "" << Pixels{{{0, 10}, "102,102,102"}, {{1, 10}, white},
        {{kWidth - 2, 10}, "102,102,102"}, {{kWidth - 1, 10}, white}, {{10, 10}, "204,204,204"}, {{1, kHeight - 2}, "154,154,154"},
        {{kWidth - 2, 1}, "154,154,154"}};
    QTest::newRow("5 pressed") << ButtonTypes::TypeBeveled << "pressed" << Pixels{{{0, 10}, "102,102,102"}, {{kWidth - 1, 10}, white},
        {{10, kHeight - 1}, white}, {{10, 10}, "144,144,144"}};
    QTest::newRow("6 normal") << ButtonTypes::TypeSoft << "" << Pixels{{{0, 10}, "231,231,231"}, {{1, 10}, "231,231,231"},
        {{kWidth - 1, 10}, grey}, {{kWidth - 2, 10}, grey}};
    QTest::newRow("7 normal") << ButtonTypes::TypeFlat << "" << Pixels{{{0, 10}, white}, {{10, 0}, white}, {{kWidth - 1, 10}, grey},
        {{10, kHeight - 1}, grey}, {{1, 10}, face}};
    QTest::newRow("7 pressed") << ButtonTypes::TypeFlat << "pressed" << Pixels{{{0, 10}, grey}, {{kWidth - 1, 10}, white}};
    QTest::newRow("8 not hovered") << ButtonTypes::TypeHotFlat << "" << Pixels{{{0, 10}, face}, {{kWidth - 1, 10}, face}};
    QTest::newRow("9 not hovered") << ButtonTypes::TypeSelection << "" << Pixels{{{10, 10}, face}};
    QTest::newRow("9 hovered: selection fill") << ButtonTypes::TypeSelection << "hover" << Pixels{{{10, 10}, "173,173,209"},
        {{0, 10}, "0,0,128"}};
    QTest::newRow("9 pressed: border blended 128") << ButtonTypes::TypeSelection << "hover pressed" << Pixels{{{10, 10}, "128,128,191"},
        {{0, 10}, "0,0,128"}};
    QTest::newRow("12 not hovered") << ButtonTypes::TypeHot3D << "" << Pixels{{{0, 10}, face}, {{kWidth - 1, 10}, face}};
    QTest::newRow("12 pressed") << ButtonTypes::TypeHot3D << "pressed" << Pixels{{{0, 10}, black}, {{kWidth - 1, 10}, white}, {{1, 10}, grey},
        {{kWidth - 2, 10}, light}};
    QTest::newRow("10 plain") << ButtonTypes::TypePlain << "" << Pixels{{{0, 0}, face}, {{kWidth - 1, kHeight - 1}, face}, {{60, 16}, face}};
    QTest::newRow("99 draws as 10") << ButtonTypes(99) << "pressed" << Pixels{{{0, 0}, face}, {{kWidth - 1, kHeight - 1}, face},
        {{60, 16}, face}};
    QTest::newRow("13 oval") << ButtonTypes::TypeOval << "" << Pixels{{{kWidth / 2, 0}, face}, {{kWidth / 2, kHeight / 2}, face}};
    QTest::newRow("13 hovered outline") << ButtonTypes::TypeOval << "hover" << Pixels{{{kWidth / 2, 0}, grey}, {{kWidth / 2, 1}, grey},
        {{0, kHeight / 2}, grey}, {{kWidth / 2, 3}, face}};
    QTest::newRow("13 pressed") << ButtonTypes::TypeOval << "hover pressed" << Pixels{{{kWidth / 2, 0}, black},
        {{kWidth / 2, kHeight / 2}, "160,160,160"}};
    // Type 14: step 58 / 32, row 16 is ShiftColor(Highlight, -29).
    QTest::newRow("14 banded rows") << ButtonTypes::TypeBanded << "" << Pixels{{{10, 16}, "226,226,226"}, {{10, 1}, "253,253,253"}};
    QTest::newRow("14 default") << ButtonTypes::TypeBanded << "default" << Pixels{{{0, 10}, "78,78,78"}, {{1, 10}, "183,183,183"},
        {{10, 2}, white}, {{10, 3}, white}, {{2, 10}, white}, {{3, 10}, white}, {{10, 16}, "226,226,226"}};
    QTest::newRow("14 default hovered") << ButtonTypes::TypeBanded << "default hover" << Pixels{{{10, 16}, light}};
    QTest::newRow("14 default pressed") << ButtonTypes::TypeBanded << "default hover pressed" << Pixels{{{0, 10}, "80,80,80"},
        {{10, 10}, "183,183,183"}, {{10, kHeight - 2}, white}};
    // Disabled wins over hover and pressed.
    QTest::newRow("1 disabled keeps its frames") << ButtonTypes::TypeClassic << "disabled hover pressed" << Pixels{{{0, 10}, black},
        {{1, 10}, white}, {{kWidth - 2, 10}, grey}};
    QTest::newRow("5 disabled shadow frame") << ButtonTypes::TypeBeveled << "disabled hover pressed" << Pixels{{{0, 10}, grey},
        {{kWidth - 1, 10}, grey}, {{10, 10}, face}};
    QTest::newRow("8 disabled caption only") << ButtonTypes::TypeHotFlat << "disabled hover pressed" << Pixels{{{0, 10}, face},
        {{kWidth - 1, 10}, face}};
    QTest::newRow("9 disabled caption only") << ButtonTypes::TypeSelection << "disabled hover pressed" << Pixels{{{0, 10}, face},
        {{kWidth - 1, 10}, face}};
    QTest::newRow("13 disabled no ellipse") << ButtonTypes::TypeOval << "disabled hover pressed" << Pixels{{{kWidth / 2, 0}, face}};
    QTest::newRow("14 disabled banded frames") << ButtonTypes::TypeBanded << "disabled hover pressed" << Pixels{{{0, 10}, "78,78,78"},
        {{1, 10}, "183,183,183"}, {{10, 16}, "226,226,226"}};
    // Pictures: a blank caption centres the 4 x 4 picture at (58, 14).
    QTest::newRow("picture, mask colour transparent") << ButtonTypes::TypePlain << "custom pic" << Pixels{{{59, 15}, red},
        {{58, 14}, "0,128,0"}};
    QTest::newRow("picture without UseMaskColor") << ButtonTypes::TypePlain << "custom pic nomask" << Pixels{{{58, 14}, face}};
    QTest::newRow("picture greyscale") << ButtonTypes::TypePlain << "custom pic grey" << Pixels{{{59, 15}, "76,76,76"}};
    QTest::newRow("picture greyscale only when normal") << ButtonTypes::TypePlain << "custom pic grey hover" << Pixels{{{59, 15}, red}};
    QTest::newRow("1 disabled picture: silhouettes") << ButtonTypes::TypeClassic << "pic disabled" << Pixels{{{59, 15}, grey},
        {{61, 17}, white}, {{58, 14}, face}};
    QTest::newRow("3 disabled picture: grey, moved") << ButtonTypes::TypeGradient << "pic disabled" << Pixels{{{60, 16}, "76,76,76"}};
    QTest::newRow("2 pressed picture moves by 1, 1") << ButtonTypes::TypeRaised << "pic pressed" << Pixels{{{61, 17}, red},
        {{59, 15}, face}};
    QTest::newRow("9 picture blended 2 : 1") << ButtonTypes::TypeSelection << "pic" << Pixels{{{59, 15}, "234,64,64"}};
    QTest::newRow("9 hovered picture over its shadow") << ButtonTypes::TypeSelection << "pic hover" << Pixels{{{58, 14}, red},
        {{61, 17}, grey}};
    QTest::newRow("picture shadowed") << ButtonTypes::TypeRaised << "pic fx3" << Pixels{{{59, 15}, red}, {{61, 17}, "152,152,152"},
        {{58, 14}, face}};
    QTest::newRow("picture engraved") << ButtonTypes::TypeRaised << "pic fx2" << Pixels{{{61, 17}, "232,232,232"},
        {{58, 14}, "152,152,152"}};
    QTest::newRow("PictureOver not hovered") << ButtonTypes::TypeRaised << "pic picover" << Pixels{{{59, 15}, red}};
    QTest::newRow("PictureOver hovered") << ButtonTypes::TypeRaised << "pic picover hover" << Pixels{{{59, 15}, "0,0,255"}};
    QTest::newRow("PictureOver pressed") << ButtonTypes::TypeRaised << "pic picover hover pressed" << Pixels{{{61, 17}, "0,0,255"},
        {{59, 15}, face}};
    QTest::newRow("picture at twice the pixels") << ButtonTypes::TypeRaised << "pic x2" << Pixels{{{118, 30}, red}, {{121, 33}, red},
        {{117, 29}, face}};
}

void TestChameleonButtonPaint::looks()
{
    QFETCH(ButtonTypes, type);
    QFETCH(QString, setup);
    QFETCH(Pixels, pixels);
    auto button = makeButton(type);
    applySteps(*button, setup);
    const qreal ratio = setup.split(' ').contains("x2") ? 2 : 1;
    const QImage image = paint(*button, ratio);
    QCOMPARE(image.size(), QSize(kWidth, kHeight) * ratio);
    expectPixels(image, pixels);
}

// The light bevel of the system scheme ("3D light") is lighter than the
// face and darker than the highlight, whatever the palette's Midlight.
void TestChameleonButtonPaint::systemSchemeLightBevel_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<ButtonTypes>("type");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<Pixels>("pixels");
    // Halfway from the face (239) to Light (255).
    const QString derived = "247,247,247";
    const QString face = "239,239,239", highlight = "255,255,255";
    QTest::newRow("2 inner top-left bevel, Qt's palette") << qtDefaultPalette() << ButtonTypes::TypeRaised << ""
        << Pixels{{{1, 10}, derived}, {{10, 1}, derived}, {{0, 10}, highlight}, {{5, 5}, face}};
    QTest::newRow("2 pressed inner bottom-right bevel, Qt's palette") << qtDefaultPalette()
        << ButtonTypes::TypeRaised << "pressed" << Pixels{{{kWidth - 2, 10}, derived}, {{10, kHeight - 2}, derived}};
    QTest::newRow("4 light face, Qt's palette") << qtDefaultPalette() << ButtonTypes::TypeRounded << ""
        << Pixels{{{10, 10}, derived}, {{kWidth - 10, kHeight - 10}, derived}, {{10, 2}, highlight}};
    QTest::newRow("14 hovered light fill, Qt's palette") << qtDefaultPalette() << ButtonTypes::TypeBanded << "hover"
        << Pixels{{{10, 16}, derived}, {{kWidth - 2, kHeight - 2}, derived}};
    QTest::newRow("2 classic palette keeps its Midlight") << classicPalette() << ButtonTypes::TypeRaised << ""
        << Pixels{{{1, 10}, "223,223,223"}, {{5, 5}, "192,192,192"}};
    QTest::newRow("4 classic palette keeps its Midlight") << classicPalette() << ButtonTypes::TypeRounded << ""
        << Pixels{{{10, 10}, "223,223,223"}};
    QTest::newRow("14 classic palette keeps its Midlight") << classicPalette() << ButtonTypes::TypeBanded << "hover"
        << Pixels{{{10, 16}, "223,223,223"}};
}

void TestChameleonButtonPaint::systemSchemeLightBevel()
{
    QFETCH(QPalette, palette);
    QFETCH(ButtonTypes, type);
    QFETCH(QString, setup);
    QFETCH(Pixels, pixels);
    auto button = makeButton(type, ColorSchemes::SchemeSystem);
    button->setPalette(palette);
    applySteps(*button, setup);
    expectPixels(paint(*button), pixels);
}

// A palette change shows at once, also for the custom scheme when its
// colours are system colours (as an absent stored colour is).
void TestChameleonButtonPaint::systemColoursFollowThePalette_data()
{
    QTest::addColumn<ColorSchemes>("scheme");
    QTest::newRow("system scheme") << ColorSchemes::SchemeSystem;
    QTest::newRow("custom scheme on the system face") << ColorSchemes::SchemeCustom;
}

void TestChameleonButtonPaint::systemColoursFollowThePalette()
{
    QFETCH(ColorSchemes, scheme);
    auto button = makeButton(ButtonTypes::TypePlain, scheme);
    button->setBackcolor(OleColor::ButtonFace);
    button->setPalette(classicPalette());
    QCOMPARE(colourAt(paint(*button), 10, 10), QStringLiteral("192,192,192"));
    QPalette green = classicPalette();
    green.setColor(QPalette::Button, QColor(10, 200, 30));
    button->setPalette(green);
    QCOMPARE(colourAt(paint(*button), 10, 10), QStringLiteral("10,200,30"));
    if (scheme != ColorSchemes::SchemeSystem)
        return;
    // The system scheme ignores the button's own colours, hovered too.
    button->setBackcolor(rgb(255, 0, 0));
    button->setBackOver(rgb(0, 0, 255));
    hover(*button);
    QCOMPARE(colourAt(paint(*button), 10, 10), QStringLiteral("10,200,30"));
}

void TestChameleonButtonPaint::regions_data()
{
    QTest::addColumn<ButtonTypes>("type");
    QTest::addColumn<QList<QPoint>>("removed");
    QTest::addColumn<QList<QPoint>>("kept");
    const QList<QPoint> corners{{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}};
    QTest::newRow("1 classic") << ButtonTypes::TypeClassic << corners << QList<QPoint>{{1, 0}, {0, 1}, {kWidth - 2, kHeight - 1}};
    QTest::newRow("14 banded") << ButtonTypes::TypeBanded << corners << QList<QPoint>{{1, 0}, {0, 1}, {kWidth - 1, kHeight - 2}};
    QTest::newRow("5 beveled") << ButtonTypes::TypeBeveled << QList<QPoint>{{0, kHeight - 1}, {kWidth - 1, 0}} << QList<QPoint>{{0, 0}, {kWidth - 1, kHeight - 1}};
    const QList<QPoint> rounded{{0, 0}, {1, 0}, {0, 1}, {kWidth - 2, 0}, {kWidth - 1, 0}, {kWidth - 1, 1}, {0, kHeight - 1}, {1, kHeight - 1},
                                {0, kHeight - 2}, {kWidth - 2, kHeight - 1}, {kWidth - 1, kHeight - 1}, {kWidth - 1, kHeight - 2}};
    const QList<QPoint> roundedKept{{1, 1}, {2, 0}, {0, 2}, {kWidth - 3, 0}, {kWidth - 2, 1}, {1, kHeight - 2}, {kWidth - 2, kHeight - 2},
                                    {kWidth - 3, kHeight - 1}};
    QTest::newRow("3 gradient") << ButtonTypes::TypeGradient << rounded << roundedKept;
    QTest::newRow("4 rounded") << ButtonTypes::TypeRounded << rounded << roundedKept;
    QTest::newRow("13 oval") << ButtonTypes::TypeOval << QList<QPoint>{{0, 0}, {kWidth - 1, 0}, {2, 2}, {3, 3}, {kWidth - 1, kHeight - 1}}
                             << QList<QPoint>{{kWidth / 2, 0}, {kWidth / 2, kHeight - 1}, {0, kHeight / 2}, {kWidth / 2, kHeight / 2}};
}

void TestChameleonButtonPaint::regions()
{
    QFETCH(ButtonTypes, type);
    QFETCH(QList<QPoint>, removed);
    QFETCH(QList<QPoint>, kept);
    const QRegion region = chameleonButtonRegion(type, kWidth, kHeight);
    auto button = makeButton(type);
    QCOMPARE(button->mask(), region);
    // The window shows the type's drawing where the region keeps it, the white below elsewhere.
    const QImage window = rendered(*button);
    const QImage drawn = paint(*button);
    for (const QPoint& place : removed) {
        QVERIFY2(!region.contains(place), qPrintable(at(place, "kept")));
        QCOMPARE(placedColourAt(window, place), at(place, "255,255,255"));
    }
    for (const QPoint& place : kept) {
        QVERIFY2(region.contains(place), qPrintable(at(place, "removed")));
        QCOMPARE(placedColourAt(window, place), placedColourAt(drawn, place));
    }
}

void TestChameleonButtonPaint::beveledTextFocusFrame()
{
    auto button = makeButton(ButtonTypes::TypeBeveled, ColorSchemes::SchemeClassic, QStringLiteral("Save"));
    focus(*button);
    const QRect text = button->layout().TextRect;
    const QImage image = paint(*button);
    QCOMPARE(colourAt(image, text.left() - 2, text.top()), QStringLiteral("153,153,204"));
    QCOMPARE(colourAt(image, text.left() + text.width() + 1, text.top()), QStringLiteral("153,153,204"));
    QCOMPARE(colourAt(image, text.left(), text.top() - 1), QStringLiteral("153,153,204"));
}

void TestChameleonButtonPaint::ovalNeverDrawsFocus()
{
    auto plain = makeButton(ButtonTypes::TypeOval, ColorSchemes::SchemeClassic, QStringLiteral("Oval"));
    auto focused = makeButton(ButtonTypes::TypeOval, ColorSchemes::SchemeClassic, QStringLiteral("Oval"));
    focus(*focused);
    QVERIFY(focused->paintState().focused);
    QCOMPARE(paint(*focused), paint(*plain));
}

void TestChameleonButtonPaint::customSchemeSwapsToBackOverWhileHovered()
{
    // Scheme 2 swaps the whole colour set to BackOver while hovered.
    auto custom = makeButton(ButtonTypes::TypePlain, ColorSchemes::SchemeCustom);
    custom->setBackcolor(rgb(0, 128, 0));
    custom->setBackOver(rgb(0, 0, 255));
    QCOMPARE(colourAt(paint(*custom), 10, 10), QStringLiteral("0,128,0"));
    hover(*custom);
    QCOMPARE(colourAt(paint(*custom), 10, 10), QStringLiteral("0,0,255"));
    QCOMPARE(custom->colors().ButtonFaceColor, rgb(0, 128, 0)); // put back after the pass
}

void TestChameleonButtonPaint::captionStylesAndEffects()
{
    auto button = makeButton(ButtonTypes::TypeRaised, ColorSchemes::SchemeCustom, QStringLiteral("H"));
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
    QVERIFY(containsColour(image, area, red));
    QVERIFY(!containsColour(image, area, blue));
    hover(*button); // caption style 1: TextOverColor
    image = paint(*button);
    QVERIFY(containsColour(image, area, blue));
    QVERIFY(!containsColour(image, area, red));
    button->setEnabled(false); // style 3: highlight below, shadow on top
    image = paint(*button);
    QVERIFY(containsColour(image, area, QColor(239, 239, 239))); // ShiftColor(face, 47)
    QVERIFY(containsColour(image, area, QColor(128, 128, 128))); // ShiftColor(face, -64)
    QVERIFY(!containsColour(image, area, red));
    button->setEnabled(true);
    button->setSpecialEffect(chameleonButton::SpecialEffects::FxEmbossed); // embossed: ShiftColor(face, -40) below right, +40 above left
    image = paint(*button);
    QVERIFY(containsColour(image, area, QColor(152, 152, 152)));
    QVERIFY(containsColour(image, area, QColor(232, 232, 232)));
    // A stored effect above 3 acts as shadowed: only the -40 copy.
    button->setSpecialEffect(chameleonButton::SpecialEffects(7));
    image = paint(*button);
    QVERIFY(containsColour(image, area, QColor(152, 152, 152)));
    QVERIFY(!containsColour(image, area, QColor(232, 232, 232)));
}

void TestChameleonButtonPaint::heightZeroDrawsNothing()
{
    auto button = makeButton(ButtonTypes::TypeGradient);
    button->resize(kWidth, 0);
    const int before = button->drawCount();
    button->DrawButton(ButtonState::Pressed, true);
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
    button->setGeometry(20, 10, kWidth, kHeight);
    button->setButtonType(ButtonTypes::TypeTransparent);
    button->setColorScheme(ColorSchemes::SchemeClassic);
    button->setCaption(QStringLiteral("Save"));
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    // Shown: the container's background under the button is captured.
    QImage image = paint(*button);
    QCOMPARE(colourAt(image, 2, 2), QStringLiteral("10,20,30"));
    QCOMPARE(colourAt(image, kWidth - 3, kHeight - 3), QStringLiteral("10,20,30"));
    // Refresh captures it again.
    palette.setColor(QPalette::Window, QColor(40, 50, 60));
    container.setPalette(palette);
    button->Refresh();
    QCOMPARE(colourAt(paint(*button), 2, 2), QStringLiteral("40,50,60"));
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
