// chameleonButton pixel tests: the documented colours at given points
// of 120 x 32 buttons, painted into images. ColorScheme 3 (the fixed
// palette) keeps the pixels independent of the desktop.
#include "OleColor.h"
#include "chameleonButton.h"
#include "chameleonButtonPainter.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QTest>

#include <memory>

using OleColor::rgb;

namespace {

constexpr int W = 120;
constexpr int H = 32;

std::unique_ptr<chameleonButton> makeButton(int type, int scheme = 3, const QString& caption = QString())
{
    auto button = std::make_unique<chameleonButton>();
    button->resize(W, H);
    button->setColorScheme(scheme);
    button->setButtonType(type);
    button->setCaption(caption);
    // Qt keeps the resize of a hidden widget pending until it is painted;
    // deliver it now so that it does not redraw the button normal later.
    QResizeEvent resize(button->size(), QSize());
    QCoreApplication::sendEvent(button.get(), &resize);
    button->setAttribute(Qt::WA_PendingResizeEvent, false);
    return button;
}

QImage paint(const chameleonButton& button, qreal ratio = 1)
{
    QImage image = chameleonButtonSurface(button.paintState(), ratio);
    chameleonButtonPaint(image, button.paintState());
    return image;
}

// The button as its window shows it (region applied) on white.
QImage rendered(chameleonButton& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    button.render(&image);
    return image;
}

QString px(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

void hover(chameleonButton& button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
}

void focus(chameleonButton& button)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&button, &event);
}

bool contains(const QImage& image, const QRect& area, const QColor& color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

} // namespace

class TestChameleonButtonPaint : public QObject
{
    Q_OBJECT

private slots:
    void gradientNormal();
    void gradientHoverFrame();
    void gradientFocusAndDefaultFrame();
    void gradientPressed();
    void gradientDisabled();
    void gradientAtTwiceThePixels();
    void regionRemovesCornerPixels_data();
    void regionRemovesCornerPixels();
    void frames_data();
    void frames();
    void bandedGradientAndDefault();
    void ovalFillAndOutline();
    void ovalNeverDrawsFocus();
    void dottedFocusRect();
    void beveledTextFocusFrame();
    void disabledLooks_data();
    void disabledLooks();
    void selectionFillWhileHovered();
    void schemeOneIgnoresBackcolor();
    void schemeTwoHoverSwap();
    void captionStylesAndEffects();
    void heightZeroDrawsNothing();
    void transparentShowsTheContainer();
};

void TestChameleonButtonPaint::gradientNormal()
{
    auto button = makeButton(3);
    const QImage image = paint(*button);
    // GradientBase of face (192,192,192) is (240,240,240); row i is
    // ShiftColor(base, nearest(-25 / H * i), proportional).
    QCOMPARE(px(image, 10, 16), QStringLiteral("228,228,225")); // -12.5 rounds to -12
    QCOMPARE(px(image, 10, 20), QStringLiteral("224,224,220")); // -15.625 gives -16
    QCOMPARE(px(image, 10, 5), QStringLiteral("236,236,235"));  // -3.90625 gives -4
    // Frame and corner pixels.
    QCOMPARE(px(image, 0, 10), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 60, 0), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, W - 1, 10), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 60, H - 1), QStringLiteral("0,60,115"));
    for (QPoint corner : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        QCOMPARE(px(image, corner.x(), corner.y()), QStringLiteral("16,77,123"));
    // The shading of the plain look.
    QCOMPARE(px(image, 10, H - 2), QStringLiteral("192,192,180")); // -48
    QCOMPARE(px(image, 10, H - 3), QStringLiteral("208,208,200")); // -32
    QCOMPARE(px(image, W - 2, 10), QStringLiteral("204,204,195")); // -36
    QCOMPARE(px(image, W - 3, 10), QStringLiteral("216,216,210")); // -24
    QCOMPARE(px(image, 10, 1), QStringLiteral("255,255,255"));     // +16
    QCOMPARE(px(image, 10, 2), QStringLiteral("250,250,252"));     // +10
    QCOMPARE(px(image, 1, 10), QStringLiteral("235,235,234"));     // -5
    QCOMPARE(px(image, 2, 10), QStringLiteral("230,230,228"));     // -10
}

void TestChameleonButtonPaint::gradientHoverFrame()
{
    auto button = makeButton(3);
    hover(*button);
    QVERIFY(button->paintState().hovered);
    const QImage image = paint(*button);
    QCOMPARE(px(image, 1, 10), QStringLiteral("255,178,49"));
    QCOMPARE(px(image, 10, H - 3), QStringLiteral("255,178,49"));
    QCOMPARE(px(image, 10, H - 2), QStringLiteral("231,150,0"));
    QCOMPARE(px(image, 10, 1), QStringLiteral("255,243,206"));
    QCOMPARE(px(image, 10, 2), QStringLiteral("255,219,140"));
    QCOMPARE(px(image, 2, 10), QStringLiteral("255,203,107"));
    QCOMPARE(px(image, W - 3, 10), QStringLiteral("255,203,107"));
    QCOMPARE(px(image, 0, 10), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 10, 16), QStringLiteral("228,228,225"));
}

void TestChameleonButtonPaint::gradientFocusAndDefaultFrame()
{
    auto focused = makeButton(3);
    focus(*focused);
    auto byDefault = makeButton(3);
    byDefault->setDefault(true);
    for (chameleonButton* button : {focused.get(), byDefault.get()}) {
        const QImage image = paint(*button);
        QCOMPARE(px(image, 1, 10), QStringLiteral("140,174,231"));
        QCOMPARE(px(image, 10, H - 2), QStringLiteral("107,130,239"));
        QCOMPARE(px(image, 10, 1), QStringLiteral("206,231,255"));
        QCOMPARE(px(image, 10, 2), QStringLiteral("189,215,247"));
        QCOMPARE(px(image, 2, 10), QStringLiteral("181,209,240"));
    }
    // Without ShowFocusRect the plain shading stays.
    focused->setShowFocusRect(false);
    QCOMPARE(px(paint(*focused), 1, 10), QStringLiteral("235,235,234"));
}

void TestChameleonButtonPaint::gradientPressed()
{
    auto button = makeButton(3);
    button->DrawButton(2, true);
    const QImage image = paint(*button);
    // base = ShiftColor(GradientBase, -32, proportional) = (208,208,200),
    // rows drawn from the bottom: y = H - i.
    QCOMPARE(px(image, 10, 16), QStringLiteral("196,196,188"));
    QCOMPARE(px(image, 0, 10), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 1, 1), QStringLiteral("16,77,123"));
    QCOMPARE(px(image, 10, H - 2), QStringLiteral("224,224,216")); // +16
    QCOMPARE(px(image, W - 3, 10), QStringLiteral("240,240,240")); // GradientBase
    QCOMPARE(px(image, 1, 10), QStringLiteral("176,176,167"));     // -32
    QCOMPARE(px(image, 10, 1), QStringLiteral("176,176,167"));     // -32
}

void TestChameleonButtonPaint::gradientDisabled()
{
    auto button = makeButton(3);
    button->setEnabled(false);
    const QImage image = paint(*button);
    QCOMPARE(px(image, 10, 10), QStringLiteral("216,216,210"));
    QCOMPARE(px(image, 0, 10), QStringLiteral("156,156,135"));
    QCOMPARE(px(image, 1, 1), QStringLiteral("168,168,150"));
}

void TestChameleonButtonPaint::gradientAtTwiceThePixels()
{
    auto button = makeButton(3, 3, QStringLiteral("&Save"));
    const QImage image = paint(*button, 2);
    QCOMPARE(image.size(), QSize(2 * W, 2 * H));
    QCOMPARE(px(image, 0, 20), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 1, 21), QStringLiteral("0,60,115"));
    QCOMPARE(px(image, 2, 2), QStringLiteral("16,77,123"));
    QCOMPARE(px(image, 3, 3), QStringLiteral("16,77,123"));
    QCOMPARE(px(image, 20, 32), QStringLiteral("228,228,225"));
    QCOMPARE(px(image, 20, 33), QStringLiteral("228,228,225"));
}

void TestChameleonButtonPaint::regionRemovesCornerPixels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QPoint>>("white");
    QTest::newRow("1") << 1 << QList<QPoint>{{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
    QTest::newRow("3") << 3 << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {W - 1, H - 2}, {W - 2, H - 1}};
    QTest::newRow("4") << 4 << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {W - 1, 1}, {0, H - 2}};
    QTest::newRow("5") << 5 << QList<QPoint>{{0, H - 1}, {W - 1, 0}};
    QTest::newRow("13") << 13 << QList<QPoint>{{0, 0}, {2, 2}, {W - 1, H - 1}};
    QTest::newRow("14") << 14 << QList<QPoint>{{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
}

void TestChameleonButtonPaint::regionRemovesCornerPixels()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, white);
    auto button = makeButton(type);
    QVERIFY(!button->mask().isEmpty());
    button->setBackcolor(rgb(0, 0, 0));
    const QImage image = rendered(*button);
    for (const QPoint& p : white)
        QCOMPARE(px(image, p.x(), p.y()), QStringLiteral("255,255,255"));
    QVERIFY(px(image, W / 2, H / 2) != QStringLiteral("255,255,255"));
    // The type's own drawing shows through the window where the region keeps it.
    QCOMPARE(px(image, W / 2, H / 2), px(paint(*button), W / 2, H / 2));
}

void TestChameleonButtonPaint::frames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QStringList>("colours");
    const QString black = "0,0,0", white = "255,255,255", grey = "128,128,128", face = "192,192,192";
    const QString light = "223,223,223";
    QTest::newRow("1 normal") << 1 << false
        << QList<QPoint>{{0, 10}, {1, 10}, {10, 1}, {2, 10}, {W - 2, 10}, {10, H - 2}, {W - 3, 10}}
        << QStringList{black, white, white, white, grey, grey, grey};
    QTest::newRow("1 pressed") << 1 << true
        << QList<QPoint>{{0, 10}, {1, 10}, {W - 2, 10}, {2, 10}, {W - 3, 10}}
        << QStringList{black, grey, white, grey, white};
    QTest::newRow("2 normal") << 2 << false
        << QList<QPoint>{{0, 10}, {10, 0}, {W - 1, 10}, {10, H - 1}, {1, 10}, {W - 2, 10}, {5, 5}}
        << QStringList{white, white, black, black, light, grey, face};
    QTest::newRow("2 pressed") << 2 << true
        << QList<QPoint>{{0, 10}, {W - 1, 10}, {1, 10}, {W - 2, 10}}
        << QStringList{black, white, grey, light};
    QTest::newRow("4 normal") << 4 << false
        << QList<QPoint>{{0, 10}, {W - 2, 1}, {1, H - 2}, {10, 2}, {2, 10}, {3, 3}, {W - 3, 10}, {W - 2, 10}, {10, H - 2}, {10, 10}}
        << QStringList{black, black, black, white, white, white, face, grey, grey, light};
    QTest::newRow("4 pressed") << 4 << true
        << QList<QPoint>{{0, 10}, {1, 10}, {2, 10}, {10, 10}, {W - 3, 10}}
        << QStringList{black, "64,64,64", "96,96,96", "112,112,112", grey};
    QTest::newRow("5 normal") << 5 << false
        << QList<QPoint>{{0, 10}, {1, 10}, {W - 2, 10}, {W - 1, 10}, {10, 10}, {1, H - 2}, {W - 2, 1}}
        << QStringList{"102,102,102", white, "102,102,102", white, "204,204,204", "154,154,154", "154,154,154"};
    QTest::newRow("5 pressed") << 5 << true
        << QList<QPoint>{{0, 10}, {W - 1, 10}, {10, H - 1}, {10, 10}}
        << QStringList{"102,102,102", white, white, "144,144,144"};
    QTest::newRow("6 normal") << 6 << false
        << QList<QPoint>{{0, 10}, {1, 10}, {W - 1, 10}, {W - 2, 10}}
        << QStringList{"231,231,231", "231,231,231", grey, grey};
    QTest::newRow("7 normal") << 7 << false
        << QList<QPoint>{{0, 10}, {10, 0}, {W - 1, 10}, {10, H - 1}, {1, 10}}
        << QStringList{white, white, grey, grey, face};
    QTest::newRow("7 pressed") << 7 << true
        << QList<QPoint>{{0, 10}, {W - 1, 10}} << QStringList{grey, white};
    QTest::newRow("8 not hovered") << 8 << false
        << QList<QPoint>{{0, 10}, {W - 1, 10}} << QStringList{face, face};
    QTest::newRow("12 not hovered") << 12 << false
        << QList<QPoint>{{0, 10}, {W - 1, 10}} << QStringList{face, face};
    QTest::newRow("12 pressed") << 12 << true
        << QList<QPoint>{{0, 10}, {W - 1, 10}, {1, 10}, {W - 2, 10}}
        << QStringList{black, white, grey, light};
    QTest::newRow("10 plain") << 10 << false
        << QList<QPoint>{{0, 0}, {W - 1, H - 1}, {60, 16}} << QStringList{face, face, face};
    QTest::newRow("99 draws as 10") << 99 << true
        << QList<QPoint>{{0, 0}, {W - 1, H - 1}, {60, 16}} << QStringList{face, face, face};
}

void TestChameleonButtonPaint::frames()
{
    QFETCH(int, type);
    QFETCH(bool, pressed);
    QFETCH(QList<QPoint>, points);
    QFETCH(QStringList, colours);
    auto button = makeButton(type);
    if (pressed)
        button->DrawButton(2, true);
    const QImage image = paint(*button);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(px(image, points[i].x(), points[i].y()), colours[i]);
}

void TestChameleonButtonPaint::bandedGradientAndDefault()
{
    auto button = makeButton(14);
    QImage image = paint(*button);
    // step = 58 / 32: row 16 is ShiftColor(Highlight, -29).
    QCOMPARE(px(image, 10, 16), QStringLiteral("226,226,226"));
    QCOMPARE(px(image, 10, 1), QStringLiteral("253,253,253"));
    button->setDefault(true);
    image = paint(*button);
    QCOMPARE(px(image, 0, 10), QStringLiteral("78,78,78"));
    QCOMPARE(px(image, 1, 10), QStringLiteral("183,183,183"));
    QCOMPARE(px(image, 10, 2), QStringLiteral("255,255,255"));
    QCOMPARE(px(image, 10, 3), QStringLiteral("255,255,255"));
    QCOMPARE(px(image, 2, 10), QStringLiteral("255,255,255"));
    QCOMPARE(px(image, 3, 10), QStringLiteral("255,255,255"));
    QCOMPARE(px(image, 10, 16), QStringLiteral("226,226,226"));
    hover(*button);
    QCOMPARE(px(paint(*button), 10, 16), QStringLiteral("223,223,223")); // Light
    button->DrawButton(2, true);
    image = paint(*button);
    QCOMPARE(px(image, 0, 10), QStringLiteral("80,80,80"));
    QCOMPARE(px(image, 10, 10), QStringLiteral("183,183,183"));
    QCOMPARE(px(image, 10, H - 2), QStringLiteral("255,255,255"));
}

void TestChameleonButtonPaint::ovalFillAndOutline()
{
    auto button = makeButton(13);
    QImage image = paint(*button);
    QCOMPARE(px(image, W / 2, 0), QStringLiteral("192,192,192"));
    QCOMPARE(px(image, W / 2, H / 2), QStringLiteral("192,192,192"));
    hover(*button);
    image = paint(*button);
    QCOMPARE(px(image, W / 2, 0), QStringLiteral("128,128,128"));
    QCOMPARE(px(image, W / 2, 1), QStringLiteral("128,128,128"));
    QCOMPARE(px(image, 0, H / 2), QStringLiteral("128,128,128"));
    QCOMPARE(px(image, W / 2, 3), QStringLiteral("192,192,192"));
    button->DrawButton(2, true);
    image = paint(*button);
    QCOMPARE(px(image, W / 2, 0), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, W / 2, H / 2), QStringLiteral("160,160,160"));
    // The window is the ellipse: its bounding corners are not part of it.
    const QImage window = rendered(*button);
    QCOMPARE(px(window, 1, 1), QStringLiteral("255,255,255"));
    QCOMPARE(px(window, W / 2, H / 2), QStringLiteral("160,160,160"));
}

void TestChameleonButtonPaint::ovalNeverDrawsFocus()
{
    auto plain = makeButton(13, 3, QStringLiteral("Oval"));
    auto focused = makeButton(13, 3, QStringLiteral("Oval"));
    focus(*focused);
    QVERIFY(focused->paintState().focused);
    QCOMPARE(paint(*focused), paint(*plain));
}

void TestChameleonButtonPaint::dottedFocusRect()
{
    auto button = makeButton(1);
    focus(*button);
    QImage image = paint(*button);
    // FocusRect is the client area shrunk by 4: dots in TextColor on every
    // other pixel from its top left.
    QCOMPARE(px(image, 4, 4), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, 5, 4), QStringLiteral("192,192,192"));
    QCOMPARE(px(image, 6, 4), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, 4, 5), QStringLiteral("192,192,192"));
    QCOMPARE(px(image, 4, 6), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, 115, 5), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, 3, 4), QStringLiteral("192,192,192"));
    // Types 7 to 13 shrink by 3.
    auto flat = makeButton(7);
    focus(*flat);
    image = paint(*flat);
    QCOMPARE(px(image, 3, 3), QStringLiteral("0,0,0"));
    QCOMPARE(px(image, 4, 3), QStringLiteral("192,192,192"));
    // No dots without ShowFocusRect, nor without the focus.
    button->setShowFocusRect(false);
    QCOMPARE(px(paint(*button), 4, 4), QStringLiteral("192,192,192"));
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

void TestChameleonButtonPaint::disabledLooks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QStringList>("colours");
    const QString face = "192,192,192";
    QTest::newRow("1 keeps its frames") << 1 << QList<QPoint>{{0, 10}, {1, 10}, {W - 2, 10}}
                                        << QStringList{"0,0,0", "255,255,255", "128,128,128"};
    QTest::newRow("5 shadow frame") << 5 << QList<QPoint>{{0, 10}, {W - 1, 10}, {10, 10}}
                                    << QStringList{"128,128,128", "128,128,128", face};
    QTest::newRow("8 caption only") << 8 << QList<QPoint>{{0, 10}, {W - 1, 10}} << QStringList{face, face};
    QTest::newRow("9 caption only") << 9 << QList<QPoint>{{0, 10}, {W - 1, 10}} << QStringList{face, face};
    QTest::newRow("13 no ellipse") << 13 << QList<QPoint>{{W / 2, 0}} << QStringList{face};
    QTest::newRow("14 banded frames") << 14 << QList<QPoint>{{0, 10}, {1, 10}, {10, 16}}
                                      << QStringList{"78,78,78", "183,183,183", "226,226,226"};
}

void TestChameleonButtonPaint::disabledLooks()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, points);
    QFETCH(QStringList, colours);
    auto button = makeButton(type);
    button->setEnabled(false);
    hover(*button); // disabled wins over hover and pressed
    button->DrawButton(2, true);
    const QImage image = paint(*button);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(px(image, points[i].x(), points[i].y()), colours[i]);
}

void TestChameleonButtonPaint::selectionFillWhileHovered()
{
    auto button = makeButton(9);
    QCOMPARE(px(paint(*button), 10, 10), QStringLiteral("192,192,192"));
    hover(*button);
    QImage image = paint(*button);
    QCOMPARE(px(image, 10, 10), QStringLiteral("173,173,209"));
    QCOMPARE(px(image, 0, 10), QStringLiteral("0,0,128"));
    button->DrawButton(2, true);
    image = paint(*button);
    QCOMPARE(px(image, 10, 10), QStringLiteral("128,128,191")); // BlendToWhite(border, 128)
    QCOMPARE(px(image, 0, 10), QStringLiteral("0,0,128"));
}

void TestChameleonButtonPaint::schemeOneIgnoresBackcolor()
{
    auto button = makeButton(10, 1);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(10, 200, 30));
    button->setPalette(palette);
    button->setBackcolor(rgb(255, 0, 0));
    button->setBackOver(rgb(0, 0, 255));
    QCOMPARE(px(paint(*button), 10, 10), QStringLiteral("10,200,30"));
    hover(*button);
    QCOMPARE(px(paint(*button), 10, 10), QStringLiteral("10,200,30"));
}

void TestChameleonButtonPaint::schemeTwoHoverSwap()
{
    auto button = makeButton(10, 2);
    button->setBackcolor(rgb(0, 128, 0));
    button->setBackOver(rgb(0, 0, 255));
    QCOMPARE(px(paint(*button), 10, 10), QStringLiteral("0,128,0"));
    hover(*button);
    QCOMPARE(px(paint(*button), 10, 10), QStringLiteral("0,0,255"));
    QCOMPARE(button->colors().ButtonFaceColor, rgb(0, 128, 0)); // put back after the pass
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
    // Embossed: ShiftColor(face, -40) below right, +40 above left.
    button->setSpecialEffect(1);
    image = paint(*button);
    QVERIFY(contains(image, area, QColor(152, 152, 152)));
    QVERIFY(contains(image, area, QColor(232, 232, 232)));
    // Shadowed (and values above 3): only the -40 copy.
    button->setSpecialEffect(7);
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

QTEST_MAIN(TestChameleonButtonPaint)
#include "tst_chameleonbutton_paint.moc"
