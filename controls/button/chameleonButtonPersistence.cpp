// chameleonButton: InitProperties, ReadProperties and WriteProperties
// through the window's PropertyBag.
#include "chameleonButton.h"

#include "OleColor.h"
#include "PropertyBag.h"

#include <type_traits>

namespace {

// The named kinds are stored as their numbers.
template <typename T>
QVariant toStored(const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return QVariant(int(value));
    else
        return QVariant::fromValue(value);
}

template <typename T>
T fromStored(const PropertyBag& bag, const QString& key, const T& absent)
{
    if constexpr (std::is_enum_v<T>)
        return T(bag.readInt(key, int(absent)));
    else
        return bag.read(key, QVariant::fromValue(absent)).template value<T>();
}

} // namespace

void chameleonButton::InitProperties(const QString& displayName)
{
    const bool refresh = m_refreshEnabled;
    m_refreshEnabled = false; // one draw at the end, not one per property
    setEnabled(true);
    m_showFocusRect = true;
    m_useMaskColor = true;
    m_caption = displayName;
    m_buttonType = ButtonTypes::TypeRaised;
    m_colorScheme = ColorSchemes::SchemeSystem;
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

// Every stored key in its order, with its value and the default of an
// absent key. `enabled` and `font` stand for the widget's own properties.
template <typename Self, typename Visit>
void chameleonButton::visitStored(Self& self, bool& enabled, QFont& font, Visit&& visit)
{
    visit("BTYPE", self.m_buttonType, ButtonTypes::TypeRaised);
    visit("TX", self.m_caption, QString());
    visit("ENAB", enabled, true);
    visit("FONT", font, font); // absent: the control's current font
    visit("COLTYPE", self.m_colorScheme, ColorSchemes::SchemeSystem);
    visit("FOCUSR", self.m_showFocusRect, true);
    visit("BCOL", self.m_backcolor, OleColor::ButtonFace);
    visit("BCOLO", self.m_backOver, self.m_backcolor);
    visit("FCOL", self.m_foreColor, OleColor::ButtonText);
    visit("FCOLO", self.m_foreOver, self.m_foreColor);
    visit("MCOL", self.m_maskColor, quint32(0xC0C0C0));
    visit("MPTR", self.m_mousePointer, qint16(0));
    visit("MICON", self.m_mouseIcon, QPixmap()); // a bad picture reads as none
    visit("PICN", self.m_pictureNormal, QPixmap());
    visit("PICH", self.m_pictureOver, QPixmap());
    visit("UMCOL", self.m_useMaskColor, true);
    visit("SOFT", self.m_softBevel, false);
    visit("PICPOS", self.m_picturePosition, PicturePositions::PicLeft);
    visit("NGREY", self.m_useGreyscale, false);
    visit("FX", self.m_specialEffect, SpecialEffects::FxNone);
    visit("HAND", self.m_handPointer, false);
    visit("CHECK", self.m_checkBoxBehaviour, false);
    visit("VALUE", self.m_value, false);
}

void chameleonButton::WriteProperties(PropertyBag& bag) const
{
    // Every key, always, in this order.
    bool enabled = !testAttribute(Qt::WA_ForceDisabled);
    QFont current = font();
    visitStored(*this, enabled, current, [&bag](const char* key, const auto& value, const auto&) {
        bag.write(QLatin1String(key), toStored(value));
    });
}

void chameleonButton::ReadProperties(const PropertyBag& bag)
{
    const bool refresh = m_refreshEnabled;
    m_refreshEnabled = false; // one draw at the end
    bool enabled = true;
    QFont stored = font();
    visitStored(*this, enabled, stored, [&bag](const char* key, auto& field, const auto& absent) {
        using T = std::decay_t<decltype(field)>;
        field = fromStored(bag, QLatin1String(key), T(absent));
    });
    setFont(stored);
    // A stored hand sets the hand pointer as its property does. Without it
    // the MousePointer and MouseIcon just read stay (the property itself
    // would reset them to the arrow on every load).
    if (m_handPointer)
        applyHandPointer();

    setEnabled(enabled);
    applyPointer();
    CalcPicSize();
    CalcTextRects();
    SetAccessKeys();
    SetColors();
    MakeRegion();
    m_refreshEnabled = refresh;
    DrawButton(ButtonState::Normal, true);
    updateGeometry();
}
