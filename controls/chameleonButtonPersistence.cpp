// chameleonButton: InitProperties, ReadProperties and WriteProperties
// through the window's PropertyBag.
#include "chameleonButton.h"

#include "OleColor.h"
#include "PropertyBag.h"

void chameleonButton::InitProperties(const QString& displayName)
{
    const bool refresh = m_refreshEnabled;
    m_refreshEnabled = false; // one draw at the end, not one per property
    setEnabled(true);
    m_showFocusRect = true;
    m_useMaskColor = true;
    m_caption = displayName;
    m_buttonType = TypeRaised;
    m_colorScheme = SchemeSystem;
    SetColors();
    m_backcolor = m_backOver = m_colors.ButtonFaceColor;
    m_maskColor = 0xC0C0C0;
    m_foreColor = m_foreOver = m_colors.TextColor;
    SetColors();
    SetAccessKeys();
    CalcTextRects();
    MakeRegion();
    m_refreshEnabled = refresh;
}

void chameleonButton::WriteProperties(PropertyBag& bag) const
{
    // Every key, always, in this order.
    bag.write(QStringLiteral("BTYPE"), m_buttonType);
    bag.write(QStringLiteral("TX"), m_caption);
    bag.write(QStringLiteral("ENAB"), !testAttribute(Qt::WA_ForceDisabled));
    bag.write(QStringLiteral("FONT"), font());
    bag.write(QStringLiteral("COLTYPE"), m_colorScheme);
    bag.write(QStringLiteral("FOCUSR"), m_showFocusRect);
    bag.write(QStringLiteral("BCOL"), m_backcolor);
    bag.write(QStringLiteral("BCOLO"), m_backOver);
    bag.write(QStringLiteral("FCOL"), m_foreColor);
    bag.write(QStringLiteral("FCOLO"), m_foreOver);
    bag.write(QStringLiteral("MCOL"), m_maskColor);
    bag.write(QStringLiteral("MPTR"), QVariant::fromValue(qint16(m_mousePointer)));
    bag.write(QStringLiteral("MICON"), m_mouseIcon);
    bag.write(QStringLiteral("PICN"), m_pictureNormal);
    bag.write(QStringLiteral("PICH"), m_pictureOver);
    bag.write(QStringLiteral("UMCOL"), m_useMaskColor);
    bag.write(QStringLiteral("SOFT"), m_softBevel);
    bag.write(QStringLiteral("PICPOS"), m_picturePosition);
    bag.write(QStringLiteral("NGREY"), m_useGreyscale);
    bag.write(QStringLiteral("FX"), m_specialEffect);
    bag.write(QStringLiteral("HAND"), m_handPointer);
    bag.write(QStringLiteral("CHECK"), m_checkBoxBehaviour);
    bag.write(QStringLiteral("VALUE"), m_value);
}

void chameleonButton::ReadProperties(const PropertyBag& bag)
{
    const bool refresh = m_refreshEnabled;
    m_refreshEnabled = false; // one draw at the end
    m_buttonType = bag.readInt(QStringLiteral("BTYPE"), TypeRaised);
    m_caption = bag.readString(QStringLiteral("TX"), QString());
    const bool enabled = bag.readBool(QStringLiteral("ENAB"), true);
    setFont(bag.readFont(QStringLiteral("FONT"), font()));
    m_colorScheme = bag.readInt(QStringLiteral("COLTYPE"), SchemeSystem);
    m_showFocusRect = bag.readBool(QStringLiteral("FOCUSR"), true);
    m_backcolor = bag.readColor(QStringLiteral("BCOL"), OleColor::ButtonFace);
    m_backOver = bag.readColor(QStringLiteral("BCOLO"), m_backcolor);
    m_foreColor = bag.readColor(QStringLiteral("FCOL"), OleColor::ButtonText);
    m_foreOver = bag.readColor(QStringLiteral("FCOLO"), m_foreColor);
    m_maskColor = bag.readColor(QStringLiteral("MCOL"), 0xC0C0C0);
    m_mousePointer = qint16(bag.readInt(QStringLiteral("MPTR"), 0));
    m_mouseIcon = bag.readPicture(QStringLiteral("MICON")); // a bad picture is ignored: none
    m_pictureNormal = bag.readPicture(QStringLiteral("PICN"));
    m_pictureOver = bag.readPicture(QStringLiteral("PICH"));
    m_useMaskColor = bag.readBool(QStringLiteral("UMCOL"), true);
    m_softBevel = bag.readBool(QStringLiteral("SOFT"), false);
    m_picturePosition = bag.readInt(QStringLiteral("PICPOS"), PicLeft);
    m_useGreyscale = bag.readBool(QStringLiteral("NGREY"), false);
    m_specialEffect = bag.readInt(QStringLiteral("FX"), FxNone);
    // HandPointer goes through its property, so a stored true sets the hand.
    // A stored false keeps the MousePointer and MouseIcon just read (the
    // property itself would reset them to the arrow on every load).
    if (bag.readBool(QStringLiteral("HAND"), false))
        setHandPointer(true);
    else
        m_handPointer = false;
    m_checkBoxBehaviour = bag.readBool(QStringLiteral("CHECK"), false);
    m_value = bag.readBool(QStringLiteral("VALUE"), false);

    setEnabled(enabled);
    applyPointer();
    CalcPicSize();
    CalcTextRects();
    SetAccessKeys();
    SetColors();
    MakeRegion();
    m_refreshEnabled = refresh;
    DrawButton(0, true);
    updateGeometry();
}
