// chameleonButton without events or pixels: colour arithmetic, SetColors,
// caption placement, access keys, the stored design (keys, order, stored
// types and defaults) and the set behaviour of its properties.
#include "OleColor.h"
#include "PropertyBag.h"
#include "chameleonButton.h"
#include "chameleonButtonRegion.h"

#include <QBuffer>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using chameleonButtonColors::BlendToWhite;
using chameleonButtonColors::ShiftColor;
using OleColor::rgb;
using Colours = QMap<QString, quint32>;
using ButtonTypes = chameleonButton::ButtonTypes;
using ColorSchemes = chameleonButton::ColorSchemes;
using PicturePositions = chameleonButton::PicturePositions;

namespace {

Colours named(const chameleonButtonColorSet& s)
{
    return {{"Face", s.ButtonFaceColor}, {"FaceOver", s.FaceOverColor}, {"Light", s.LightColor},
            {"Highlight", s.HighlightColor}, {"Shadow", s.ButtonShadowColor}, {"Dark", s.DarkShadowColor},
            {"Text", s.TextColor}, {"TextOver", s.TextOverColor}, {"SelectBorder", s.SelectBorderColor},
            {"SelectFill", s.SelectFillColor}, {"Mask", s.MaskRgb}, {"GradientBase", s.GradientBase}};
}

QPixmap picture(const QColor& color)
{
    QPixmap pixmap(6, 5);
    pixmap.fill(color);
    return pixmap;
}

// Every stored key in order: its stored type, what it reads as when absent
// (null for no picture), and a value other than that.
struct StoredKey
{
    const char* key;
    int type;
    QVariant absent;
    QVariant other;
};

QList<StoredKey> storedKeys(const QFont& current)
{
    QFont other(QStringLiteral("DejaVu Sans"), 13);
    other.setItalic(true);
    const auto pointer = [](int number) { return QVariant::fromValue(qint16(number)); };
    return {{"BTYPE", QMetaType::Int, 2, 9}, {"TX", QMetaType::QString, QString(), QStringLiteral("&Print")},
            {"ENAB", QMetaType::Bool, true, false}, {"FONT", QMetaType::QFont, current, other},
            {"COLTYPE", QMetaType::Int, 1, 2}, {"FOCUSR", QMetaType::Bool, true, false},
            {"BCOL", QMetaType::UInt, OleColor::ButtonFace, 0x00102030u},
            {"BCOLO", QMetaType::UInt, OleColor::ButtonFace, 0x00405060u},
            {"FCOL", QMetaType::UInt, OleColor::ButtonText, OleColor::WindowText},
            {"FCOLO", QMetaType::UInt, OleColor::ButtonText, 0x00708090u},
            {"MCOL", QMetaType::UInt, 0xC0C0C0u, 0x00FF00FFu}, {"MPTR", QMetaType::Short, pointer(0), pointer(3)},
            {"MICON", QMetaType::QPixmap, {}, picture(Qt::blue)}, {"PICN", QMetaType::QPixmap, {}, picture(Qt::red)},
            {"PICH", QMetaType::QPixmap, {}, picture(Qt::green)}, {"UMCOL", QMetaType::Bool, true, false},
            {"SOFT", QMetaType::Bool, false, true}, {"PICPOS", QMetaType::Int, 0, 3},
            {"NGREY", QMetaType::Bool, false, true}, {"FX", QMetaType::Int, 0, 2},
            {"HAND", QMetaType::Bool, false, false}, {"CHECK", QMetaType::Bool, false, true},
            {"VALUE", QMetaType::Bool, false, true}};
}

} // namespace

class TestChameleonButtonLogic : public QObject
{
    Q_OBJECT

private slots:
    void colourArithmetic_data();
    void colourArithmetic();
    void setColors_data();
    void setColors();
    void captionCentredAndPictureSize();
    void picturePlacement_data();
    void picturePlacement();
    void accessKeys_data();
    void accessKeys();
    void absentKeysWriteBackTheirDefaultsInOrder();
    void everyKeyRoundTrips();
    void damagedStoredPicturesReadAsNone_data();
    void damagedStoredPicturesReadAsNone();
    void newButtonProperties();
    void propertiesMarkTheirKeys();
    void sameValueChangesNothing_data();
    void sameValueChangesNothing();
    void designTimeCopies();
    void pointers();
};

// "blend" rows are BlendToWhite; the others ShiftColor.
void TestChameleonButtonLogic::colourArithmetic_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("clamps at 255") << rgb(255, 250, 10) << 20 << "" << rgb(255, 255, 30);
    QTest::newRow("clamps at 0") << rgb(5, 5, 5) << -20 << "" << rgb(0, 0, 0);
    QTest::newRow("proportional blue") << rgb(100, 100, 96) << 48 << "proportional" << rgb(148, 148, 120);
    QTest::newRow("proportional down") << rgb(240, 240, 240) << -12 << "proportional" << rgb(228, 228, 225);
    QTest::newRow("gradient base of grey") << rgb(192, 192, 192) << 48 << "proportional" << rgb(240, 240, 240);
    QTest::newRow("soft bevel halves up") << rgb(100, 100, 100) << 31 << "soft" << rgb(115, 115, 115);
    QTest::newRow("soft bevel halves down") << rgb(100, 100, 100) << -31 << "soft" << rgb(85, 85, 85);
    QTest::newRow("soft bevel, proportional") << rgb(100, 100, 96) << 48 << "proportional soft" << rgb(124, 124, 108);
    QTest::newRow("blend: select fill example") << rgb(0, 0, 128) << 176 << "blend" << rgb(176, 176, 215);
    QTest::newRow("blend: half of select border") << rgb(0, 0, 128) << 128 << "blend" << rgb(128, 128, 191);
    QTest::newRow("blend: none") << rgb(10, 20, 30) << 0 << "blend" << rgb(10, 20, 30);
    QTest::newRow("blend: all") << rgb(10, 20, 30) << 255 << "blend" << rgb(255, 255, 255);
}

void TestChameleonButtonLogic::colourArithmetic()
{
    QFETCH(quint32, color);
    QFETCH(int, amount);
    QFETCH(QString, mode);
    QFETCH(quint32, expected);
    QCOMPARE(mode == "blend" ? BlendToWhite(color, amount)
                             : ShiftColor(color, amount, mode.contains("proportional"), mode.contains("soft")),
             expected);
}

void TestChameleonButtonLogic::setColors_data()
{
    QTest::addColumn<ColorSchemes>("scheme");
    QTest::addColumn<ButtonTypes>("type");
    QTest::addColumn<bool>("soft");
    QTest::addColumn<Colours>("expected");
    const Colours system{{"Face", rgb(10, 20, 30)}, {"Text", rgb(1, 2, 3)}, {"Highlight", rgb(250, 251, 252)},
                         {"Shadow", rgb(100, 101, 102)}, {"SelectBorder", rgb(0, 0, 128)},
                         {"SelectFill", rgb(176, 176, 215)}};
    const ButtonTypes raised = ButtonTypes::TypeRaised;
    QTest::newRow("1 system colours, Backcolor ignored") << ColorSchemes::SchemeSystem << raised << false << system;
    QTest::newRow("unknown scheme as 1") << ColorSchemes(7) << raised << false << system;
    QTest::newRow("2 custom") << ColorSchemes::SchemeCustom << raised << false << Colours{
        {"Face", rgb(100, 100, 100)}, {"FaceOver", rgb(1, 1, 1)}, {"Light", rgb(131, 131, 131)},
        {"Highlight", rgb(147, 147, 147)}, {"Shadow", rgb(36, 36, 36)}, {"Dark", 0}, {"Text", rgb(7, 8, 9)},
        {"TextOver", rgb(9, 8, 7)}, {"SelectBorder", 0}, {"SelectFill", rgb(100, 100, 100)},
        {"Mask", rgb(255, 0, 255)}, {"GradientBase", rgb(148, 148, 148)}};
    QTest::newRow("3 classic palette") << ColorSchemes::SchemeClassic << ButtonTypes::TypeGradient << false << Colours{
        {"Face", rgb(192, 192, 192)}, {"FaceOver", rgb(192, 192, 192)}, {"Light", rgb(223, 223, 223)},
        {"Highlight", rgb(255, 255, 255)}, {"Shadow", rgb(128, 128, 128)}, {"Dark", 0}, {"Text", 0},
        {"SelectBorder", rgb(0, 0, 128)}, {"SelectFill", rgb(173, 173, 209)}, {"GradientBase", rgb(240, 240, 240)}};
    QTest::newRow("3 soft bevel gradient base") << ColorSchemes::SchemeClassic << raised << true
                                                 << Colours{{"GradientBase", rgb(216, 216, 216)}};
    QTest::newRow("4 container") << ColorSchemes::SchemeContainer << raised << false << Colours{
        {"Face", rgb(200, 100, 50)}, {"FaceOver", rgb(200, 100, 50)}, {"Light", rgb(231, 131, 81)},
        {"Text", rgb(5, 6, 7)}, {"TextOver", rgb(5, 6, 7)}};
}

void TestChameleonButtonLogic::setColors()
{
    QFETCH(ColorSchemes, scheme);
    QFETCH(ButtonTypes, type);
    QFETCH(bool, soft);
    QFETCH(Colours, expected);
    chameleonButtonColorInputs in;
    in.ColorScheme = scheme;
    in.ButtonType = type;
    in.SoftBevel = soft;
    in.Backcolor = rgb(100, 100, 100);
    in.BackOver = rgb(1, 1, 1);
    in.ForeColor = rgb(7, 8, 9);
    in.ForeOver = rgb(9, 8, 7);
    in.MaskColor = rgb(255, 0, 255);
    in.palette.setColor(QPalette::Button, QColor(10, 20, 30));
    in.palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    in.palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    in.palette.setColor(QPalette::Light, QColor(250, 251, 252));
    in.palette.setColor(QPalette::Dark, QColor(100, 101, 102));
    in.containerBackground = QColor(200, 100, 50);
    in.containerText = QColor(5, 6, 7);
    const Colours actual = named(chameleonButtonSetColors(in));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(it.key() + ' ' + QString::number(actual.value(it.key()), 16),
                 it.key() + ' ' + QString::number(it.value(), 16));
}

void TestChameleonButtonLogic::captionCentredAndPictureSize()
{
    chameleonButtonLayoutInput in;
    in.caption = QStringLiteral("&Save");
    in.width = 120;
    in.height = 32;
    const QRect bounds = QFontMetrics(in.font).boundingRect(QRect(1, 1, 117, 29),
                                                           Qt::TextWordWrap | Qt::TextShowMnemonic, in.caption);
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(in);
    // Measured from (1, 1), moved by ((W - right) \ 2, (H - bottom) \ 2).
    QCOMPARE(layout.TextRect, QRect(1 + (120 - (1 + bounds.width())) / 2, 1 + (32 - (1 + bounds.height())) / 2,
                                    bounds.width(), bounds.height()));
    QCOMPARE(layout.TextRectDown, layout.TextRect.translated(1, 1));
    QVERIFY(layout.PicRect.isNull());
    QPixmap picture(32, 24);
    picture.setDevicePixelRatio(2);
    QCOMPARE(chameleonButtonPictureSize(picture), QSize(16, 12));
    QCOMPARE(chameleonButtonPictureSize(QPixmap()), QSize(0, 0));
}

void TestChameleonButtonLogic::picturePlacement_data()
{
    QTest::addColumn<PicturePositions>("position");
    QTest::newRow("left") << PicturePositions::PicLeft;
    QTest::newRow("right") << PicturePositions::PicRight;
    QTest::newRow("top") << PicturePositions::PicTop;
    QTest::newRow("bottom") << PicturePositions::PicBottom;
    QTest::newRow("behind") << PicturePositions::PicBehind;
}

void TestChameleonButtonLogic::picturePlacement()
{
    QFETCH(PicturePositions, position);
    chameleonButtonLayoutInput in;
    in.caption = QStringLiteral("Accept");
    in.width = 140;
    in.height = 60;
    in.picturePosition = position;
    in.pictureSize = QSize(16, 12);
    in.hasPicture = true;
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(in);
    const QRect text = layout.TextRect;
    const QRect picture = layout.PicRect;
    QCOMPARE(picture.size(), QSize(16, 12));
    switch (position) {
    case PicturePositions::PicLeft: // text and picture together are centred
        QCOMPARE(picture.topLeft(), QPoint(text.left() - 16 - 4, (60 - 12) / 2));
        QCOMPARE(text.left(), 17 + (140 - (17 + text.width())) / 2);
        break;
    case PicturePositions::PicRight:
        QCOMPARE(picture.topLeft(), QPoint(text.left() + text.width() + 4, (60 - 12) / 2));
        QCOMPARE(text.left(), 1 + (140 - (1 + text.width()) - 16 - 4) / 2);
        break;
    case PicturePositions::PicTop:
        QCOMPARE(picture.topLeft(), QPoint((140 - 16) / 2, text.top() - 12 - 2));
        break;
    case PicturePositions::PicBottom:
        QCOMPARE(picture.topLeft(), QPoint((140 - 16) / 2, text.top() + text.height() + 2));
        QCOMPARE(text.top(), 1 + (60 - (1 + text.height()) - 12 - 4) / 2);
        break;
    case PicturePositions::PicBehind:
        QCOMPARE(picture.topLeft(), QPoint((140 - 16) / 2, (60 - 12) / 2));
        break;
    }
}

void TestChameleonButtonLogic::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("plain");
    QTest::newRow("single ampersand before C") << "&Cancel" << "c" << "Cancel";
    QTest::newRow("in the middle") << "Save &As" << "a" << "Save As";
    QTest::newRow("only an escaped pair") << "Save && Close" << "" << "Save & Close";
    QTest::newRow("escaped pair, then &N") << "&&Save &Now" << "n" << "&Save Now";
    QTest::newRow("two characters ending in &") << "A&" << "" << "A";
    QTest::newRow("shorter than 2") << "&" << "" << "";
    QTest::newRow("no ampersand") << "Save" << "" << "Save";
    QTest::newRow("ends in &") << "Save&" << "" << "Save";
    QTest::newRow("second is a pair too") << "A&&B&&C&D" << "" << "A&B&CD";
    QTest::newRow("pair, then & at the end") << "&&x&" << "" << "&x";
}

void TestChameleonButtonLogic::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    QFETCH(QString, plain);
    const QChar found = chameleonButtonAccessKey(caption);
    QCOMPARE(found.isNull() ? QString() : QString(found), key);
    QCOMPARE(chameleonButtonPlainCaption(caption), plain);
}

void TestChameleonButtonLogic::absentKeysWriteBackTheirDefaultsInOrder()
{
    chameleonButton button;
    const QFont current(QStringLiteral("DejaVu Serif"), 10);
    button.setFont(current);
    button.setButtonType(ButtonTypes::TypeFlat);
    button.setCaption(QStringLiteral("&Old"));
    button.setEnabled(false);
    button.setMousePointer(5);
    button.setSpecialEffect(chameleonButton::SpecialEffects::FxShadowed);
    button.setBackcolor(1);
    button.setMouseIcon(picture(Qt::blue));
    button.ReadProperties(PropertyBag());
    QVERIFY(button.accessKey().isNull());
    PropertyBag bag;
    button.WriteProperties(bag);
    QStringList keys;
    for (const StoredKey& stored : storedKeys(current)) {
        keys << stored.key;
        const QVariant value = bag.read(stored.key);
        QVERIFY2(value.typeId() == stored.type, stored.key);
        if (stored.type == QMetaType::QPixmap)
            QVERIFY2(value.value<QPixmap>().isNull(), stored.key);
        else
            QVERIFY2(value == stored.absent, stored.key);
    }
    QCOMPARE(bag.keys(), keys);
    PropertyBag colours;
    colours.write(QStringLiteral("BCOL"), quint32(0x00123456));
    colours.write(QStringLiteral("FCOL"), quint32(0x00654321));
    button.ReadProperties(colours);
    QCOMPARE(button.BackOver(), 0x00123456u); // "BCOLO" absent: Backcolor
    QCOMPARE(button.ForeOver(), 0x00654321u);
}

void TestChameleonButtonLogic::everyKeyRoundTrips()
{
    PropertyBag bag;
    for (const StoredKey& stored : storedKeys(QFont()))
        bag.write(stored.key, stored.other);
    const std::optional<PropertyBag> loaded = PropertyBag::fromJson(bag.toJson());
    QVERIFY(loaded);
    chameleonButton button;
    button.ReadProperties(*loaded);
    PropertyBag again;
    button.WriteProperties(again);
    QVERIFY(again == bag);
    // What follows from the loaded design: access key, pointer, picture size, colours.
    QCOMPARE(button.accessKey(), QChar('p'));
    QCOMPARE(button.cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(button.layout().PicRect.size(), QSize(6, 5));
    QCOMPARE(button.colors().ButtonFaceColor, 0x00102030u);
}

// A picture entry that does not hold a picture (a file cut short, text)
// reads as no picture; the rest of the design still loads.
void TestChameleonButtonLogic::damagedStoredPicturesReadAsNone_data()
{
    QTest::addColumn<QVariant>("damaged");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture(Qt::red).save(&buffer, "PNG");
    QTest::newRow("picture file cut short") << QVariant(png.left(png.size() / 2));
    QTest::newRow("text instead of a picture") << QVariant(QStringLiteral("Other/Save.bmp"));
}

void TestChameleonButtonLogic::damagedStoredPicturesReadAsNone()
{
    QFETCH(QVariant, damaged);
    PropertyBag bag;
    bag.write(QStringLiteral("TX"), QStringLiteral("&Print"));
    bag.write(QStringLiteral("MICON"), damaged);
    bag.write(QStringLiteral("PICN"), damaged);
    bag.write(QStringLiteral("PICH"), damaged);
    chameleonButton button;
    button.resize(120, 32);
    button.setPictureNormal(picture(Qt::blue));
    button.ReadProperties(bag);
    QVERIFY(button.PictureNormal().isNull());
    QVERIFY(button.PictureOver().isNull());
    QVERIFY(button.MouseIcon().isNull());
    QCOMPARE(button.layout().PicRect, QRect());
    QCOMPARE(button.Caption(), QStringLiteral("&Print"));
    QCOMPARE(button.paintState().caption, QStringLiteral("&Print"));
}

void TestChameleonButtonLogic::newButtonProperties()
{
    chameleonButton button;
    button.setButtonType(ButtonTypes::TypeBeveled);
    button.setBackcolor(1);
    button.InitProperties(QStringLiteral("chameleonButton1"));
    QCOMPARE(button.Caption(), QStringLiteral("chameleonButton1"));
    QCOMPARE(button.ButtonType(), ButtonTypes::TypeRaised);
    QCOMPARE(button.Backcolor(), button.colors().ButtonFaceColor);
    QCOMPARE(button.BackOver(), button.colors().ButtonFaceColor);
    QCOMPARE(button.ForeColor(), button.colors().TextColor);
    QCOMPARE(button.ForeOver(), button.colors().TextColor);
}

void TestChameleonButtonLogic::propertiesMarkTheirKeys()
{
    chameleonButton button;
    QSignalSpy marks(&button, &chameleonButton::PropertyChanged);
    // Every writable property in its declared order, set to another value.
    const QMetaObject& meta = chameleonButton::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        const QVariant value = property.read(&button);
        const QVariant other = value.typeId() == QMetaType::Bool      ? QVariant(!value.toBool())
                               : value.typeId() == QMetaType::QString ? QVariant(value.toString() + 'x')
                                                                      : QVariant(value.toInt() + 1);
        QVERIFY2(!property.isWritable() || property.write(&button, other), property.name());
    }
    button.setEnabled(false);
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    button.setMouseIcon(picture(Qt::blue));
    button.setPictureNormal(picture(Qt::red));
    button.setPictureOver(picture(Qt::green));
    QStringList keys;
    for (const QList<QVariant>& mark : marks)
        keys << mark.at(0).toString();
    QCOMPARE(keys, QStringList({"BCOL", "BCOLO", "FCOL", "FCOLO", "MCOL", "BTYPE", "TX", "COLTYPE", "FOCUSR", "MPTR",
                                "HAND", "SOFT", "PICPOS", "UMCOL", "NGREY", "FX", "CHECK", "VALUE", "ENAB", "FONT",
                                "MICON", "PICN", "PICO"}));
}

// Setting a property to the value it has neither redraws nor marks a key.
// Rows: every writable property of the interface, then the widget's own
// properties the forms set through it.
void TestChameleonButtonLogic::sameValueChangesNothing_data()
{
    using Set = std::function<void(chameleonButton&)>;
    QTest::addColumn<Set>("setAgain");
    const QMetaObject& meta = chameleonButton::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.isWritable()) {
            QTest::newRow(property.name()) << Set([property](chameleonButton& button) {
                QVERIFY(property.write(&button, property.read(&button)));
            });
        }
    }
    QTest::newRow("Enabled") << Set([](chameleonButton& button) { button.setEnabled(button.isEnabled()); });
    QTest::newRow("Font") << Set([](chameleonButton& button) { button.setFont(button.font()); });
    QTest::newRow("FontBold") << Set([](chameleonButton& button) { button.setFontBold(button.FontBold()); });
    QTest::newRow("FontItalic") << Set([](chameleonButton& button) { button.setFontItalic(button.FontItalic()); });
    QTest::newRow("FontUnderline")
        << Set([](chameleonButton& button) { button.setFontUnderline(button.FontUnderline()); });
    QTest::newRow("FontSize") << Set([](chameleonButton& button) { button.setFontSize(button.FontSize()); });
    QTest::newRow("FontName") << Set([](chameleonButton& button) { button.setFontName(button.FontName()); });
    QTest::newRow("MouseIcon") << Set([](chameleonButton& button) { button.setMouseIcon(button.MouseIcon()); });
    QTest::newRow("PictureNormal")
        << Set([](chameleonButton& button) { button.setPictureNormal(button.PictureNormal()); });
    QTest::newRow("PictureOver") << Set([](chameleonButton& button) { button.setPictureOver(button.PictureOver()); });
    QTest::newRow("default button") << Set([](chameleonButton& button) { button.setDefault(button.isDefault()); });
}

void TestChameleonButtonLogic::sameValueChangesNothing()
{
    using Set = std::function<void(chameleonButton&)>;
    QFETCH(Set, setAgain);
    chameleonButton button;
    button.resize(120, 32);
    // Values other than a new button's, so that "the same" is not just the default.
    button.setButtonType(ButtonTypes::TypeGradient);
    button.setCaption(QStringLiteral("&Save"));
    button.setColorScheme(ColorSchemes::SchemeCustom);
    button.setBackcolor(rgb(10, 20, 30));
    button.setHandPointer(true);
    button.setCheckBoxBehaviour(true);
    button.setValue(true);
    button.setFontBold(true);
    button.setFontSize(13);
    button.setMouseIcon(picture(Qt::blue));
    button.setPictureNormal(picture(Qt::red));
    button.setPictureOver(picture(Qt::green));
    button.setDefault(true);
    QSignalSpy marks(&button, &chameleonButton::PropertyChanged);
    const int draws = button.drawCount();
    setAgain(button);
    QCOMPARE(button.drawCount(), draws);
    QCOMPARE(marks.count(), 0);
}

void TestChameleonButtonLogic::designTimeCopies()
{
    chameleonButton button;
    button.setBackcolor(0x112233);
    QVERIFY(button.BackOver() != 0x112233u); // run time: no copy
    button.setButtonType(ButtonTypes::TypeBeveled);
    QVERIFY(!button.FontBold());
    button.setButtonType(ButtonTypes::TypeRaised);
    button.setDesignMode(true);
    button.setBackcolor(0x445566);
    QCOMPARE(button.BackOver(), 0x445566u);
    button.setForeColor(0x778899);
    QCOMPARE(button.ForeOver(), 0x778899u);
    button.setButtonType(ButtonTypes::TypeBeveled);
    QVERIFY(button.FontBold());
}

void TestChameleonButtonLogic::pointers()
{
    chameleonButton button;
    button.setMouseIcon(picture(Qt::blue));
    button.setHandPointer(true);
    QCOMPARE(button.MousePointer(), 99);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    button.setHandPointer(false); // clears the custom pointer too
    QCOMPARE(button.MousePointer(), 1);
    QVERIFY(button.MouseIcon().isNull());
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    button.setMousePointer(11);
    QCOMPARE(button.cursor().shape(), Qt::WaitCursor);
    PropertyBag stored; // a stored hand wins over the stored pointer
    stored.write(QStringLiteral("MPTR"), QVariant::fromValue(qint16(2)));
    stored.write(QStringLiteral("HAND"), true);
    button.ReadProperties(stored);
    QCOMPARE(button.MousePointer(), 99);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(TestChameleonButtonLogic)
#include "tst_chameleonbutton_logic.moc"
