// The bevelled and flat ButtonTypes: 1, 2 and 6 to 13.
#include "chameleonButtonCanvas.h"

namespace {

using chameleonButtonColors::BlendToWhite;

// ---- 1 TypeClassic ---------------------------------------------------------

void classicNormal(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.CaptionH();
    k.DrawFrame(c.HighlightColor, c.ButtonShadowColor, c.HighlightColor, c.ButtonShadowColor, -1);
    k.frame(0, 0, k.W, k.H, c.DarkShadowColor);
    k.DrawFocus();
}

void classicPressed(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.DrawCaption(2);
    k.DrawFrame(c.ButtonShadowColor, c.HighlightColor, c.ButtonShadowColor, c.HighlightColor, -1);
    k.frame(0, 0, k.W, k.H, c.DarkShadowColor);
    k.DrawFocus();
}

void classicDisabled(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.DrawCaption(3);
    k.DrawFrame(c.HighlightColor, c.ButtonShadowColor, c.HighlightColor, c.ButtonShadowColor, -1);
    k.frame(0, 0, k.W, k.H, c.DarkShadowColor);
}

// ---- 2 TypeRaised -----------------------------------------------------------

bool showsDefault(const chameleonButtonCanvas& k)
{
    return k.s.ShowFocusRect && k.s.isDefault;
}

void raisedNormal(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.CaptionH();
    if (showsDefault(k)) {
        k.DrawFrame(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ButtonShadowColor, -1);
        k.DrawFocus();
        k.frame(0, 0, k.W, k.H, c.DarkShadowColor);
    } else {
        k.DrawFrame(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ButtonShadowColor, 0);
    }
}

void raisedPressed(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.DrawCaption(2);
    if (showsDefault(k)) {
        k.frame(0, 0, k.W, k.H, c.DarkShadowColor);
        k.frame(1, 1, k.W - 2, k.H - 2, c.ButtonShadowColor);
        k.DrawFocus();
    } else {
        k.DrawFrame(c.DarkShadowColor, c.HighlightColor, c.ButtonShadowColor, c.LightColor, 0);
    }
}

void raisedDisabled(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.DrawCaption(3);
    k.DrawFrame(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ButtonShadowColor, 0);
}

// ---- 6 TypeSoft -------------------------------------------------------------

quint32 softLight(const chameleonButtonCanvas& k)
{
    return k.shift(k.c.LightColor, 8);
}

void softNormal(chameleonButtonCanvas& k)
{
    const quint32 light = softLight(k);
    k.CaptionH();
    k.DrawFrame(light, k.c.ButtonShadowColor, light, k.c.ButtonShadowColor, 0);
    k.DrawFocus();
}

void softPressed(chameleonButtonCanvas& k)
{
    const quint32 light = softLight(k);
    k.DrawCaption(2);
    k.DrawFrame(k.c.ButtonShadowColor, light, k.c.ButtonShadowColor, light, 0);
    k.DrawFocus();
}

void softDisabled(chameleonButtonCanvas& k)
{
    const quint32 light = softLight(k);
    k.DrawCaption(4);
    k.DrawFrame(light, k.c.ButtonShadowColor, light, k.c.ButtonShadowColor, 0);
}

// ---- 7 TypeFlat and 8 TypeHotFlat -------------------------------------------

void flatRaised(chameleonButtonCanvas& k)
{
    k.DrawFrame(k.c.HighlightColor, k.c.ButtonShadowColor, 0, 0, 0, true);
}

void flatNormal(chameleonButtonCanvas& k)
{
    k.CaptionH();
    flatRaised(k);
    k.DrawFocus();
}

void flatPressed(chameleonButtonCanvas& k)
{
    k.DrawCaption(2);
    k.DrawFrame(k.c.ButtonShadowColor, k.c.HighlightColor, 0, 0, 0, true);
    k.DrawFocus();
}

void flatDisabled(chameleonButtonCanvas& k)
{
    k.DrawCaption(3);
    flatRaised(k);
}

void hotFlatNormal(chameleonButtonCanvas& k)
{
    k.CaptionH();
    if (k.s.hovered)
        flatRaised(k);
    k.DrawFocus();
}

void captionDisabled(chameleonButtonCanvas& k)
{
    k.DrawCaption(3);
}

// ---- 9 TypeSelection --------------------------------------------------------

void selectionNormal(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    if (k.s.hovered)
        k.fill(1, 1, k.W, k.H, c.SelectFillColor);
    k.CaptionH();
    if (k.s.hovered)
        k.frame(0, 0, k.W, k.H, c.SelectBorderColor);
    k.DrawFocus();
}

void selectionPressed(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    if (k.s.hovered) {
        k.fill(0, 0, k.W, k.H, k.s.ColorScheme == 2 ? k.shift(c.SelectFillColor, -32)
                                                   : BlendToWhite(c.SelectBorderColor, 128));
    }
    k.DrawCaption(2);
    k.frame(0, 0, k.W, k.H, c.SelectBorderColor);
    k.DrawFocus();
}

void captionShadowed(chameleonButtonCanvas& k)
{
    k.DrawCaption(4);
}

// ---- 10 TypePlain (and values outside 1..14) ----------------------------------

void nothing(chameleonButtonCanvas&)
{
}

// ---- 11 TypeTransparent -------------------------------------------------------

void transparentNormal(chameleonButtonCanvas& k)
{
    k.drawBackground();
    k.CaptionH();
    k.DrawFocus();
}

void transparentPressed(chameleonButtonCanvas& k)
{
    k.drawBackground();
    k.DrawCaption(2);
    k.DrawFocus();
}

void transparentDisabled(chameleonButtonCanvas& k)
{
    k.drawBackground();
    k.DrawCaption(3);
}

// ---- 12 TypeHot3D -------------------------------------------------------------

void hot3DNormal(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.CaptionH();
    if (k.s.hovered)
        k.DrawFrame(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ButtonShadowColor, 0);
    k.DrawFocus();
}

void hot3DPressed(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.DrawCaption(2);
    k.DrawFrame(c.DarkShadowColor, c.HighlightColor, c.ButtonShadowColor, c.LightColor, 0);
    k.DrawFocus();
}

// ---- 13 TypeOval (never a focus rectangle) ------------------------------------

void ovalNormal(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.ellipse(c.ButtonFaceColor, k.s.hovered ? c.ButtonShadowColor : c.ButtonFaceColor);
    k.CaptionH();
}

void ovalPressed(chameleonButtonCanvas& k)
{
    const auto& c = k.c;
    k.ellipse(k.shift(c.ButtonFaceColor, -32), c.DarkShadowColor);
    k.DrawCaption(2);
}

const chameleonButtonTypeDrawing kDrawings[] = {
    {nothing, nothing, nothing},                               // outside 1..14: as 10
    {classicNormal, classicPressed, classicDisabled},          // 1
    {raisedNormal, raisedPressed, raisedDisabled},             // 2
    {nothing, nothing, nothing},                               // 3: shaded
    {nothing, nothing, nothing},                               // 4: shaded
    {nothing, nothing, nothing},                               // 5: shaded
    {softNormal, softPressed, softDisabled},                   // 6
    {flatNormal, flatPressed, flatDisabled},                   // 7
    {hotFlatNormal, flatPressed, captionDisabled},             // 8
    {selectionNormal, selectionPressed, captionShadowed},      // 9
    {nothing, nothing, nothing},                               // 10
    {transparentNormal, transparentPressed, transparentDisabled}, // 11
    {hot3DNormal, hot3DPressed, captionDisabled},              // 12
    {ovalNormal, ovalPressed, captionDisabled},                // 13
};

} // namespace

const chameleonButtonTypeDrawing& chameleonButtonClassicDrawing(int buttonType)
{
    if (buttonType < 1 || buttonType >= int(std::size(kDrawings)))
        return kDrawings[0];
    return kDrawings[buttonType];
}
