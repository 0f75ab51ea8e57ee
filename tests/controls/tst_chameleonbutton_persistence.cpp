// chameleonButton's stored design (keys, order, stored types and
// defaults) and what it shows assistive technology.
#include "OleColor.h"
#include "PropertyBag.h"
#include "chameleonButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

class TestChameleonButtonPersistence : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryKeyInOrderWithItsType();
    void everyKeyRoundTrips();
    void absentKeysGiveTheirDefaults();
    void backOverDefaultsToBackcolor();
    void storedHandPointerSetsTheHand();
    void newButtonProperties();
    void accessibleButton();
    void accessibleCheckBox();
};

namespace {

const QStringList kKeys{"BTYPE", "TX", "ENAB", "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO", "FCOL",
                        "FCOLO", "MCOL", "MPTR", "MICON", "PICN", "PICH", "UMCOL", "SOFT", "PICPOS",
                        "NGREY", "FX", "HAND", "CHECK", "VALUE"};

QPixmap picture(const QColor& color)
{
    QPixmap pixmap(6, 5);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

void TestChameleonButtonPersistence::writesEveryKeyInOrderWithItsType()
{
    chameleonButton button;
    PropertyBag bag;
    button.WriteProperties(bag);
    QCOMPARE(bag.keys(), kKeys);
    const QMap<QString, int> types{
        {"BTYPE", QMetaType::Int}, {"TX", QMetaType::QString}, {"ENAB", QMetaType::Bool},
        {"FONT", QMetaType::QFont}, {"COLTYPE", QMetaType::Int}, {"FOCUSR", QMetaType::Bool},
        {"BCOL", QMetaType::UInt}, {"BCOLO", QMetaType::UInt}, {"FCOL", QMetaType::UInt},
        {"FCOLO", QMetaType::UInt}, {"MCOL", QMetaType::UInt}, {"MPTR", QMetaType::Short},
        {"MICON", QMetaType::QPixmap}, {"PICN", QMetaType::QPixmap}, {"PICH", QMetaType::QPixmap},
        {"UMCOL", QMetaType::Bool}, {"SOFT", QMetaType::Bool}, {"PICPOS", QMetaType::Int},
        {"NGREY", QMetaType::Bool}, {"FX", QMetaType::Int}, {"HAND", QMetaType::Bool},
        {"CHECK", QMetaType::Bool}, {"VALUE", QMetaType::Bool}};
    for (const QString& key : kKeys)
        QVERIFY2(bag.read(key).typeId() == types.value(key), qPrintable(key));
}

void TestChameleonButtonPersistence::everyKeyRoundTrips()
{
    chameleonButton source;
    QFont font(QStringLiteral("DejaVu Sans"), 13);
    font.setItalic(true);
    source.setButtonType(9);
    source.setCaption(QStringLiteral("&Print"));
    source.setEnabled(false);
    source.setFont(font);
    source.setColorScheme(2);
    source.setShowFocusRect(false);
    source.setBackcolor(0x00102030);
    source.setBackOver(0x00405060);
    source.setForeColor(OleColor::WindowText);
    source.setForeOver(0x00708090);
    source.setMaskColor(0x00FF00FF);
    source.setMousePointer(3);
    source.setMouseIcon(picture(Qt::blue));
    source.setPictureNormal(picture(Qt::red));
    source.setPictureOver(picture(Qt::green));
    source.setUseMaskColor(false);
    source.setSoftBevel(true);
    source.setPicturePosition(3);
    source.setUseGreyscale(true);
    source.setSpecialEffect(2);
    source.setCheckBoxBehaviour(true);
    source.setValue(true);

    PropertyBag bag;
    source.WriteProperties(bag);
    const std::optional<PropertyBag> loaded = PropertyBag::fromJson(bag.toJson());
    QVERIFY(loaded);
    chameleonButton copy;
    copy.ReadProperties(*loaded);
    QCOMPARE(copy.ButtonType(), 9);
    QCOMPARE(copy.Caption(), QStringLiteral("&Print"));
    QCOMPARE(copy.accessKey(), QChar('p'));
    QVERIFY(!copy.isEnabled());
    QCOMPARE(copy.font(), font);
    QCOMPARE(copy.ColorScheme(), 2);
    QVERIFY(!copy.ShowFocusRect());
    QCOMPARE(copy.Backcolor(), 0x00102030u);
    QCOMPARE(copy.BackOver(), 0x00405060u);
    QCOMPARE(copy.ForeColor(), OleColor::WindowText);
    QCOMPARE(copy.ForeOver(), 0x00708090u);
    QCOMPARE(copy.MaskColor(), 0x00FF00FFu);
    QCOMPARE(copy.MousePointer(), 3);
    QCOMPARE(copy.cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(copy.MouseIcon().toImage().pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(copy.PictureNormal().toImage().pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(copy.PictureOver().toImage().pixelColor(1, 1), QColor(Qt::green));
    QVERIFY(!copy.UseMaskColor());
    QVERIFY(copy.SoftBevel());
    QCOMPARE(copy.PicturePosition(), 3);
    QVERIFY(copy.UseGreyscale());
    QCOMPARE(copy.SpecialEffect(), 2);
    QVERIFY(!copy.HandPointer());
    QVERIFY(copy.CheckBoxBehaviour());
    QVERIFY(copy.Value());
    // Picture size and caption placement follow the loaded design.
    QCOMPARE(copy.layout().PicRect.size(), QSize(6, 5));
    QCOMPARE(copy.colors().ButtonFaceColor, 0x00102030u);

    PropertyBag again;
    copy.WriteProperties(again);
    QVERIFY(again == bag);
}

void TestChameleonButtonPersistence::absentKeysGiveTheirDefaults()
{
    chameleonButton button;
    QFont current(QStringLiteral("DejaVu Serif"), 10);
    button.setFont(current);
    button.setButtonType(7);
    button.setCaption(QStringLiteral("&Old"));
    button.setEnabled(false);
    button.setMousePointer(5);
    button.setSpecialEffect(3);
    button.ReadProperties(PropertyBag());
    QCOMPARE(button.ButtonType(), 2);
    QCOMPARE(button.Caption(), QString());
    QVERIFY(button.accessKey().isNull());
    QVERIFY(button.isEnabled());
    QCOMPARE(button.font(), current); // the control's current font
    QCOMPARE(button.ColorScheme(), 1);
    QVERIFY(button.ShowFocusRect());
    QCOMPARE(button.Backcolor(), OleColor::ButtonFace);
    QCOMPARE(button.BackOver(), OleColor::ButtonFace);
    QCOMPARE(button.ForeColor(), OleColor::ButtonText);
    QCOMPARE(button.ForeOver(), OleColor::ButtonText);
    QCOMPARE(button.MaskColor(), 0xC0C0C0u);
    QCOMPARE(button.MousePointer(), 0);
    QVERIFY(button.MouseIcon().isNull());
    QVERIFY(button.PictureNormal().isNull());
    QVERIFY(button.PictureOver().isNull());
    QVERIFY(button.UseMaskColor());
    QVERIFY(!button.SoftBevel());
    QCOMPARE(button.PicturePosition(), 0);
    QVERIFY(!button.UseGreyscale());
    QCOMPARE(button.SpecialEffect(), 0);
    QVERIFY(!button.HandPointer());
    QVERIFY(!button.CheckBoxBehaviour());
    QVERIFY(!button.Value());
}

void TestChameleonButtonPersistence::backOverDefaultsToBackcolor()
{
    PropertyBag bag;
    bag.write(QStringLiteral("BCOL"), quint32(0x00123456));
    bag.write(QStringLiteral("FCOL"), quint32(0x00654321));
    chameleonButton button;
    button.ReadProperties(bag);
    QCOMPARE(button.Backcolor(), 0x00123456u);
    QCOMPARE(button.BackOver(), 0x00123456u);
    QCOMPARE(button.ForeOver(), 0x00654321u);
}

void TestChameleonButtonPersistence::storedHandPointerSetsTheHand()
{
    PropertyBag bag;
    bag.write(QStringLiteral("MPTR"), QVariant::fromValue(qint16(2)));
    bag.write(QStringLiteral("HAND"), true);
    chameleonButton button;
    button.ReadProperties(bag);
    QVERIFY(button.HandPointer());
    QCOMPARE(button.MousePointer(), 99);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
}

void TestChameleonButtonPersistence::newButtonProperties()
{
    chameleonButton button;
    button.InitProperties(QStringLiteral("chameleonButton1"));
    QCOMPARE(button.Caption(), QStringLiteral("chameleonButton1"));
    QCOMPARE(button.ButtonType(), 2);
    QCOMPARE(button.ColorScheme(), 1);
    QVERIFY(button.isEnabled());
    QVERIFY(button.ShowFocusRect());
    QVERIFY(button.UseMaskColor());
    QCOMPARE(button.Backcolor(), button.colors().ButtonFaceColor);
    QCOMPARE(button.BackOver(), button.colors().ButtonFaceColor);
    QCOMPARE(button.ForeColor(), button.colors().TextColor);
    QCOMPARE(button.ForeOver(), button.colors().TextColor);
    QCOMPARE(button.MaskColor(), 0xC0C0C0u);
}

void TestChameleonButtonPersistence::accessibleButton()
{
    chameleonButton button;
    button.resize(120, 32);
    button.setCaption(QStringLiteral("&Save && Close"));
    QSignalSpy clicks(&button, &chameleonButton::Click);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Save & Close"));
    QVERIFY(face->state().focusable);
    QVERIFY(!face->state().focused);
    QVERIFY(!face->state().pressed);
    QVERIFY(!face->state().disabled);
    QVERIFY(!face->state().checkable);

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&button, &focusIn);
    QVERIFY(face->state().focused);
    button.DrawButton(2, false);
    QVERIFY(face->state().pressed);
    button.DrawButton(0, false);
    QVERIFY(!face->state().pressed);

    QAccessibleActionInterface* actions = face->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);

    button.setEnabled(false);
    QVERIFY(face->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
}

void TestChameleonButtonPersistence::accessibleCheckBox()
{
    chameleonButton button;
    button.resize(120, 32);
    button.setCaption(QStringLiteral("&Bold"));
    button.setCheckBoxBehaviour(true);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::CheckBox);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Bold"));
    QVERIFY(face->state().checkable);
    QVERIFY(!face->state().checked);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(button.Value());
    QVERIFY(face->state().checked);
    QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!button.Value());
    QVERIFY(!face->state().checked);
}

QTEST_MAIN(TestChameleonButtonPersistence)
#include "tst_chameleonbutton_persistence.moc"
