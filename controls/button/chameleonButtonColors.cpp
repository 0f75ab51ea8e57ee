#include "chameleonButtonColors.h"

#include "OleColor.h"

#include <algorithm>

namespace chameleonButtonColors {

quint32 ShiftColor(quint32 color, int amount, bool proportional, bool softBevel)
{
    if (softBevel)
        amount /= 2; // integer division truncates toward zero
    int blue = int((color >> 16) & 0xff);
    blue = proportional ? blue + (blue * amount) / 192 : blue + amount;
    int green = int((color >> 8) & 0xff) + amount;
    int red = int(color & 0xff) + amount;
    if (amount >= 1) {
        red = std::min(red, 255);
        green = std::min(green, 255);
        blue = std::min(blue, 255);
    } else if (amount < 0) {
        red = std::max(red, 0);
        green = std::max(green, 0);
        blue = std::max(blue, 0);
    }
    return quint32(red) + 256u * quint32(green) + 65536u * quint32(blue);
}

} // namespace chameleonButtonColors

bool chameleonButtonColorSet::operator==(const chameleonButtonColorSet& other) const
{
    return ButtonFaceColor == other.ButtonFaceColor && FaceOverColor == other.FaceOverColor
        && LightColor == other.LightColor && HighlightColor == other.HighlightColor
        && ButtonShadowColor == other.ButtonShadowColor && DarkShadowColor == other.DarkShadowColor
        && TextColor == other.TextColor && TextOverColor == other.TextOverColor
        && MaskRgb == other.MaskRgb && GradientBase == other.GradientBase
        && SelectBorderColor == other.SelectBorderColor && SelectFillColor == other.SelectFillColor;
}

namespace {

using chameleonButtonColors::BlendToWhite;
using chameleonButtonKinds::ButtonTypes;
using chameleonButtonKinds::ColorSchemes;

quint32 translate(quint32 oleColor, const QPalette& palette)
{
    return OleColor::fromColor(OleColor::toColor(oleColor, palette));
}

// Light, highlight, shadow and dark shadow derived from the face (schemes 2, 4).
void deriveBevel(chameleonButtonColorSet& set, bool soft)
{
    using chameleonButtonColors::ShiftColor;
    set.LightColor = ShiftColor(set.ButtonFaceColor, 31, false, soft);
    set.HighlightColor = ShiftColor(set.ButtonFaceColor, 47, false, soft);
    set.ButtonShadowColor = ShiftColor(set.ButtonFaceColor, -64, false, soft);
    set.DarkShadowColor = ShiftColor(set.ButtonFaceColor, -192, false, soft);
}

} // namespace

chameleonButtonColorSet chameleonButtonSetColors(const chameleonButtonColorInputs& in)
{
    using chameleonButtonColors::ShiftColor;
    const QPalette& palette = in.palette;
    chameleonButtonColorSet set;
    switch (in.ColorScheme) {
    case ColorSchemes::SchemeCustom:
        set.ButtonFaceColor = translate(in.Backcolor, palette);
        set.FaceOverColor = translate(in.BackOver, palette);
        deriveBevel(set, in.SoftBevel);
        set.TextColor = translate(in.ForeColor, palette);
        set.TextOverColor = translate(in.ForeOver, palette);
        set.SelectBorderColor = ShiftColor(set.ButtonFaceColor, -128, false, in.SoftBevel);
        set.SelectFillColor = set.ButtonFaceColor;
        break;
    case ColorSchemes::SchemeClassic:
        set.ButtonFaceColor = set.FaceOverColor = OleColor::rgb(192, 192, 192);
        set.LightColor = OleColor::rgb(223, 223, 223);
        set.HighlightColor = OleColor::rgb(255, 255, 255);
        set.ButtonShadowColor = OleColor::rgb(128, 128, 128);
        set.DarkShadowColor = 0;
        set.TextColor = set.TextOverColor = 0;
        set.SelectBorderColor = OleColor::rgb(0, 0, 128);
        set.SelectFillColor = OleColor::rgb(173, 173, 209);
        break;
    case ColorSchemes::SchemeContainer:
        set.ButtonFaceColor = set.FaceOverColor = OleColor::fromColor(in.containerBackground);
        deriveBevel(set, in.SoftBevel);
        set.TextColor = set.TextOverColor = OleColor::fromColor(in.containerText);
        set.SelectBorderColor = translate(OleColor::Highlight, palette);
        set.SelectFillColor = BlendToWhite(set.SelectBorderColor, 176);
        break;
    default: // SchemeSystem, and any other value
        set.ButtonFaceColor = set.FaceOverColor = translate(OleColor::ButtonFace, palette);
        set.LightColor = translate(OleColor::Light, palette);
        set.HighlightColor = translate(OleColor::ButtonHighlight, palette);
        set.ButtonShadowColor = translate(OleColor::ButtonShadow, palette);
        set.DarkShadowColor = translate(OleColor::DarkShadow, palette);
        set.TextColor = set.TextOverColor = translate(OleColor::ButtonText, palette);
        set.SelectBorderColor = translate(OleColor::Highlight, palette);
        set.SelectFillColor = BlendToWhite(set.SelectBorderColor, 176);
        break;
    }
    set.MaskRgb = translate(in.MaskColor, palette);
    set.GradientBase = ShiftColor(set.ButtonFaceColor, 48, in.ButtonType == ButtonTypes::TypeGradient, in.SoftBevel);
    return set;
}
