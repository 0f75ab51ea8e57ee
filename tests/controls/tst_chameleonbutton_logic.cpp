// chameleonButton's pure parts: colour arithmetic (every documented example), SetColors, window regions, caption placement and access keys.
#include "OleColor.h"
#include "chameleonButtonColors.h"
#include "chameleonButtonLayout.h"
#include "chameleonButtonRegion.h"

#include <QPixmap>
#include <QTest>

using chameleonButtonColors::BlendToWhite;
using chameleonButtonColors::ShiftColor;
using OleColor::rgb;

class TestChameleonButtonLogic : public QObject
{
    Q_OBJECT

private slots:
    void shiftColor_data();
    void shiftColor();
    void softBevelHalvesTheAmount();
    void blendToWhite_data();
    void blendToWhite();
    void setColorsPerScheme();
    void setColorsCustomAndContainer();
    void regions_data();
    void regions();
    void focusRects_data();
    void focusRects();
    void captionIsCentred();
    void picturePlacement_data();
    void picturePlacement();
    void blankCaptionCentresThePicture();
    void accessKeys_data();
    void accessKeys();
    void plainCaption();
};

void TestChameleonButtonLogic::shiftColor_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("clamps at 255") << rgb(255, 250, 10) << 20 << false << rgb(255, 255, 30);
    QTest::newRow("clamps at 0") << rgb(5, 5, 5) << -20 << false << rgb(0, 0, 0);
    QTest::newRow("proportional blue") << rgb(100, 100, 96) << 48 << true << rgb(148, 148, 120);
    QTest::newRow("proportional down") << rgb(240, 240, 240) << -12 << true << rgb(228, 228, 225);
    QTest::newRow("zero clamps nothing") << rgb(1, 2, 3) << 0 << false << rgb(1, 2, 3);
    QTest::newRow("gradient base of grey") << rgb(192, 192, 192) << 48 << true << rgb(240, 240, 240);
}

void TestChameleonButtonLogic::shiftColor()
{
    QFETCH(quint32, color);
    QFETCH(int, amount);
    QFETCH(bool, proportional);
    QFETCH(quint32, expected);
    QCOMPARE(ShiftColor(color, amount, proportional), expected);
}

void TestChameleonButtonLogic::softBevelHalvesTheAmount()
{
    QCOMPARE(ShiftColor(rgb(100, 100, 100), 31, false, true), rgb(115, 115, 115));
    QCOMPARE(ShiftColor(rgb(100, 100, 100), -31, false, true), rgb(85, 85, 85));
    QCOMPARE(ShiftColor(rgb(100, 100, 96), 48, true, true), rgb(124, 124, 108));
}

void TestChameleonButtonLogic::blendToWhite_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<int>("amount");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("select fill example") << rgb(0, 0, 128) << 176 << rgb(176, 176, 215);
    QTest::newRow("none") << rgb(10, 20, 30) << 0 << rgb(10, 20, 30);
    QTest::newRow("all") << rgb(10, 20, 30) << 255 << rgb(255, 255, 255);
    QTest::newRow("half of select border") << rgb(0, 0, 128) << 128 << rgb(128, 128, 191);
}

void TestChameleonButtonLogic::blendToWhite()
{
    QFETCH(quint32, color);
    QFETCH(int, amount);
    QFETCH(quint32, expected);
    QCOMPARE(BlendToWhite(color, amount), expected);
}

void TestChameleonButtonLogic::setColorsPerScheme()
{
    chameleonButtonColorInputs in;
    in.ColorScheme = 3;
    in.ButtonType = 3;
    chameleonButtonColorSet set = chameleonButtonSetColors(in);
    QCOMPARE(set.ButtonFaceColor, rgb(192, 192, 192));
    QCOMPARE(set.FaceOverColor, rgb(192, 192, 192));
    QCOMPARE(set.LightColor, rgb(223, 223, 223));
    QCOMPARE(set.HighlightColor, rgb(255, 255, 255));
    QCOMPARE(set.ButtonShadowColor, rgb(128, 128, 128));
    QCOMPARE(set.DarkShadowColor, 0u);
    QCOMPARE(set.TextColor, 0u);
    QCOMPARE(set.SelectBorderColor, rgb(0, 0, 128));
    QCOMPARE(set.SelectFillColor, rgb(173, 173, 209));
    QCOMPARE(set.MaskRgb, rgb(192, 192, 192));
    QCOMPARE(set.GradientBase, rgb(240, 240, 240)); // proportional for type 3
    in.ButtonType = 2;
    QCOMPARE(chameleonButtonSetColors(in).GradientBase, rgb(240, 240, 240));
    in.SoftBevel = true;
    QCOMPARE(chameleonButtonSetColors(in).GradientBase, rgb(216, 216, 216));

    // Scheme 1 (and any unknown scheme) reads the system colours through the
    // palette; Backcolor has no effect.
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::Light, QColor(250, 251, 252));
    palette.setColor(QPalette::Dark, QColor(100, 101, 102));
    in = chameleonButtonColorInputs();
    in.palette = palette;
    in.Backcolor = rgb(255, 0, 0);
    for (int scheme : {1, 0, 7}) {
        in.ColorScheme = scheme;
        set = chameleonButtonSetColors(in);
        QCOMPARE(set.ButtonFaceColor, rgb(10, 20, 30));
        QCOMPARE(set.TextColor, rgb(1, 2, 3));
        QCOMPARE(set.HighlightColor, rgb(250, 251, 252));
        QCOMPARE(set.ButtonShadowColor, rgb(100, 101, 102));
        QCOMPARE(set.SelectBorderColor, rgb(0, 0, 128));
        QCOMPARE(set.SelectFillColor, rgb(176, 176, 215));
    }
}

void TestChameleonButtonLogic::setColorsCustomAndContainer()
{
    chameleonButtonColorInputs in;
    in.ColorScheme = 2;
    in.Backcolor = rgb(100, 100, 100);
    in.BackOver = rgb(1, 1, 1);
    in.ForeColor = rgb(7, 8, 9);
    in.ForeOver = rgb(9, 8, 7);
    in.MaskColor = rgb(255, 0, 255);
    chameleonButtonColorSet set = chameleonButtonSetColors(in);
    QCOMPARE(set.ButtonFaceColor, rgb(100, 100, 100));
    QCOMPARE(set.FaceOverColor, rgb(1, 1, 1));
    QCOMPARE(set.LightColor, rgb(131, 131, 131));
    QCOMPARE(set.HighlightColor, rgb(147, 147, 147));
    QCOMPARE(set.ButtonShadowColor, rgb(36, 36, 36));
    QCOMPARE(set.DarkShadowColor, rgb(0, 0, 0));
    QCOMPARE(set.TextColor, rgb(7, 8, 9));
    QCOMPARE(set.TextOverColor, rgb(9, 8, 7));
    QCOMPARE(set.SelectBorderColor, rgb(0, 0, 0));
    QCOMPARE(set.SelectFillColor, rgb(100, 100, 100));
    QCOMPARE(set.MaskRgb, rgb(255, 0, 255));
    QCOMPARE(set.GradientBase, rgb(148, 148, 148));

    in.ColorScheme = 4;
    in.containerBackground = QColor(200, 100, 50);
    in.containerText = QColor(5, 6, 7);
    set = chameleonButtonSetColors(in);
    QCOMPARE(set.ButtonFaceColor, rgb(200, 100, 50));
    QCOMPARE(set.FaceOverColor, rgb(200, 100, 50));
    QCOMPARE(set.LightColor, rgb(231, 131, 81));
    QCOMPARE(set.TextColor, rgb(5, 6, 7));
    QCOMPARE(set.TextOverColor, rgb(5, 6, 7));
}

void TestChameleonButtonLogic::regions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QPoint>>("removed");
    QTest::addColumn<QList<QPoint>>("kept");
    const int w = 120;
    const int h = 32;
    const QList<QPoint> corners{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    QTest::newRow("1 classic") << 1 << corners << QList<QPoint>{{1, 0}, {0, 1}, {w - 2, h - 1}};
    QTest::newRow("14 banded") << 14 << corners << QList<QPoint>{{1, 0}, {0, 1}, {w - 1, h - 2}};
    QTest::newRow("5 beveled") << 5 << QList<QPoint>{{0, h - 1}, {w - 1, 0}}
                               << QList<QPoint>{{0, 0}, {w - 1, h - 1}};
    const QList<QPoint> rounded{{0, 0}, {1, 0}, {0, 1}, {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
                                {0, h - 1}, {1, h - 1}, {0, h - 2}, {w - 2, h - 1}, {w - 1, h - 1},
                                {w - 1, h - 2}};
    const QList<QPoint> roundedKept{{1, 1}, {2, 0}, {0, 2}, {w - 3, 0}, {w - 2, 1}, {1, h - 2},
                                    {w - 2, h - 2}, {w - 3, h - 1}};
    QTest::newRow("3 gradient") << 3 << rounded << roundedKept;
    QTest::newRow("4 rounded") << 4 << rounded << roundedKept;
    QTest::newRow("13 oval") << 13 << QList<QPoint>{{0, 0}, {w - 1, 0}, {3, 3}, {w - 1, h - 1}}
                             << QList<QPoint>{{w / 2, 0}, {w / 2, h - 1}, {0, h / 2}, {w / 2, h / 2}};
}

void TestChameleonButtonLogic::regions()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, removed);
    QFETCH(QList<QPoint>, kept);
    const QRegion region = chameleonButtonRegion(type, 120, 32);
    for (const QPoint& point : removed)
        QVERIFY2(!region.contains(point), qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    for (const QPoint& point : kept)
        QVERIFY2(region.contains(point), qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    QVERIFY(!region.contains(QPoint(120, 5)));
}

void TestChameleonButtonLogic::focusRects_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("2: by 4") << 2 << QRect(4, 4, 112, 24);
    QTest::newRow("3: by 4") << 3 << QRect(4, 4, 112, 24);
    QTest::newRow("7: by 3") << 7 << QRect(3, 3, 114, 26);
    QTest::newRow("13: by 3") << 13 << QRect(3, 3, 114, 26);
    QTest::newRow("14: by 5, moved") << 14 << QRect(6, 6, 110, 22);
    QTest::newRow("other values: by 4") << 99 << QRect(4, 4, 112, 24);
}

void TestChameleonButtonLogic::focusRects()
{
    QFETCH(int, type);
    QFETCH(QRect, expected);
    QCOMPARE(chameleonButtonFocusRect(type, 120, 32), expected);
    // No other regions for the remaining types: the full rectangle.
    if (type == 2 || type == 7 || type == 99)
        QVERIFY(chameleonButtonRegion(type, 120, 32).isEmpty());
}

void TestChameleonButtonLogic::captionIsCentred()
{
    chameleonButtonLayoutInput in;
    in.caption = QStringLiteral("&Save");
    in.width = 120;
    in.height = 32;
    const QFontMetrics metrics(in.font);
    const QRect bounds = metrics.boundingRect(QRect(1, 1, 117, 29),
                                              Qt::TextWordWrap | Qt::TextShowMnemonic, in.caption);
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(in);
    QCOMPARE(layout.TextRect.size(), bounds.size());
    // Measured from (1, 1), moved by ((W - right) \ 2, (H - bottom) \ 2).
    QCOMPARE(layout.TextRect.left(), 1 + (120 - (1 + bounds.width())) / 2);
    QCOMPARE(layout.TextRect.top(), 1 + (32 - (1 + bounds.height())) / 2);
    QCOMPARE(layout.TextRectDown, layout.TextRect.translated(1, 1));
    QVERIFY(layout.PicRect.isNull());
}

void TestChameleonButtonLogic::picturePlacement_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("left") << 0;
    QTest::newRow("right") << 1;
    QTest::newRow("top") << 2;
    QTest::newRow("bottom") << 3;
    QTest::newRow("behind") << 4;
}

void TestChameleonButtonLogic::picturePlacement()
{
    QFETCH(int, position);
    chameleonButtonLayoutInput in;
    in.caption = QStringLiteral("Accept");
    in.width = 140;
    in.height = 60;
    in.picturePosition = position;
    in.pictureSize = QSize(16, 12);
    in.hasPicture = true;
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(in);
    const QRect t = layout.TextRect;
    const QRect p = layout.PicRect;
    QCOMPARE(p.size(), QSize(16, 12));
    switch (position) {
    case 0:
        QCOMPARE(p.topLeft(), QPoint(t.left() - 16 - 4, (60 - 12) / 2));
        // Text and picture together are centred.
        QCOMPARE(t.left(), 17 + (140 - (17 + t.width())) / 2);
        break;
    case 1:
        QCOMPARE(p.topLeft(), QPoint(t.left() + t.width() + 4, (60 - 12) / 2));
        QCOMPARE(t.left(), 1 + (140 - (1 + t.width()) - 16 - 4) / 2);
        break;
    case 2:
        QCOMPARE(p.topLeft(), QPoint((140 - 16) / 2, t.top() - 12 - 2));
        break;
    case 3:
        QCOMPARE(p.topLeft(), QPoint((140 - 16) / 2, t.top() + t.height() + 2));
        QCOMPARE(t.top(), 1 + (60 - (1 + t.height()) - 12 - 4) / 2);
        break;
    case 4:
        QCOMPARE(p.topLeft(), QPoint((140 - 16) / 2, (60 - 12) / 2));
        break;
    }
}

void TestChameleonButtonLogic::blankCaptionCentresThePicture()
{
    chameleonButtonLayoutInput in;
    in.caption = QStringLiteral("   ");
    in.width = 100;
    in.height = 40;
    in.pictureSize = QSize(20, 10);
    in.hasPicture = true;
    QCOMPARE(chameleonButtonCalcLayout(in).PicRect, QRect(40, 15, 20, 10));
    QCOMPARE(chameleonButtonPictureSize(QPixmap()), QSize(0, 0));
    QPixmap picture(32, 24);
    picture.setDevicePixelRatio(2);
    QCOMPARE(chameleonButtonPictureSize(picture), QSize(16, 12));
}

void TestChameleonButtonLogic::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::newRow("single ampersand before C") << "&Cancel" << "c";
    QTest::newRow("in the middle") << "Save &As" << "a";
    QTest::newRow("only an escaped pair") << "Save && Close" << "";
    QTest::newRow("escaped pair, then &N") << "&&Save &Now" << "n";
    QTest::newRow("two characters ending in &") << "A&" << "";
    QTest::newRow("shorter than 2") << "&" << "";
    QTest::newRow("no ampersand") << "Save" << "";
    QTest::newRow("ends in &") << "Save&" << "";
    QTest::newRow("second is a pair too") << "A&&B&&C&D" << "";
    QTest::newRow("pair, then & at the end") << "&&x&" << "";
}

void TestChameleonButtonLogic::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    const QChar found = chameleonButtonAccessKey(caption);
    QCOMPARE(found.isNull() ? QString() : QString(found), key);
}

void TestChameleonButtonLogic::plainCaption()
{
    QCOMPARE(chameleonButtonPlainCaption(QStringLiteral("&Save")), QStringLiteral("Save"));
    QCOMPARE(chameleonButtonPlainCaption(QStringLiteral("Save && &Close")), QStringLiteral("Save & Close"));
    QCOMPARE(chameleonButtonPlainCaption(QStringLiteral("End&")), QStringLiteral("End"));
}

QTEST_MAIN(TestChameleonButtonLogic)
#include "tst_chameleonbutton_logic.moc"
