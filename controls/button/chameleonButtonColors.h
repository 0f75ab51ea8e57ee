#pragma once

#include <QColor>
#include <QPalette>

#include "OleColor.h"
#include "chameleonButtonKinds.h"

// The colour arithmetic of chameleonButton. Every colour here is
// a 24-bit RGB value in the platform's order 0x00BBGGRR; system colour
// references are resolved before they reach these functions.
namespace chameleonButtonColors {

// Adds `amount` to each channel (blue in proportion to itself when
// `proportional`: B + B * amount / 192), clamped to 0..255 in the direction
// of the shift. With `softBevel` the amount is halved first.
quint32 ShiftColor(quint32 color, int amount, bool proportional = false, bool softBevel = false);

using OleColor::BlendToWhite;

inline QColor toQColor(quint32 color)
{
    return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));
}

} // namespace chameleonButtonColors

// The colour set of one button, computed by SetColors.
struct chameleonButtonColorSet
{
    quint32 ButtonFaceColor = 0;
    quint32 FaceOverColor = 0;
    quint32 LightColor = 0;
    quint32 HighlightColor = 0;
    quint32 ButtonShadowColor = 0;
    quint32 DarkShadowColor = 0;
    quint32 TextColor = 0;
    quint32 TextOverColor = 0;
    quint32 MaskRgb = 0;
    quint32 GradientBase = 0;
    quint32 SelectBorderColor = 0;
    quint32 SelectFillColor = 0;

    bool operator==(const chameleonButtonColorSet& other) const;
};

// What SetColors reads: the scheme, the colour properties as stored (OLE
// colours, possibly system references), the palette that resolves system
// colours, and the container's colours for scheme 4.
struct chameleonButtonColorInputs
{
    chameleonButtonKinds::ColorSchemes ColorScheme = chameleonButtonKinds::ColorSchemes::SchemeSystem;
    chameleonButtonKinds::ButtonTypes ButtonType = chameleonButtonKinds::ButtonTypes::TypeRaised;
    bool SoftBevel = false;
    quint32 Backcolor = 0;
    quint32 BackOver = 0;
    quint32 ForeColor = 0;
    quint32 ForeOver = 0;
    quint32 MaskColor = 0xC0C0C0;
    QPalette palette;
    QColor containerBackground;
    QColor containerText;
};

// SetColors as a pure function.
chameleonButtonColorSet chameleonButtonSetColors(const chameleonButtonColorInputs& inputs);
