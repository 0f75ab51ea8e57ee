// The bevelled and flat ButtonTypes: 1, 2 and 6 to 13.
#include "chameleonButtonCanvas.h"

namespace {

using chameleonButtonColors::BlendToWhite;
using chameleonButtonKinds::ButtonTypes;
using chameleonButtonKinds::ColorSchemes;
using CaptionStyle = chameleonButtonCaptionStyle;

// ---- 1 TypeClassic ---------------------------------------------------------

void classicNormal(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.CaptionH();
    canvas.DrawFrame(colors.HighlightColor, colors.ButtonShadowColor, colors.HighlightColor, colors.ButtonShadowColor, -1);
    canvas.frame(0, 0, canvas.width, canvas.height, colors.DarkShadowColor);
    canvas.DrawFocus();
}

void classicPressed(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.DrawFrame(colors.ButtonShadowColor, colors.HighlightColor, colors.ButtonShadowColor, colors.HighlightColor, -1);
    canvas.frame(0, 0, canvas.width, canvas.height, colors.DarkShadowColor);
    canvas.DrawFocus();
}

void classicDisabled(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.DrawCaption(CaptionStyle::Embossed);
    canvas.DrawFrame(colors.HighlightColor, colors.ButtonShadowColor, colors.HighlightColor, colors.ButtonShadowColor, -1);
    canvas.frame(0, 0, canvas.width, canvas.height, colors.DarkShadowColor);
}

// ---- 2 TypeRaised -----------------------------------------------------------

bool showsDefault(const chameleonButtonCanvas& canvas)
{
    return canvas.state.ShowFocusRect && canvas.state.isDefault;
}

void raisedNormal(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.CaptionH();
    if (showsDefault(canvas)) {
        canvas.DrawFrame(colors.HighlightColor, colors.DarkShadowColor, colors.LightColor, colors.ButtonShadowColor, -1);
        canvas.DrawFocus();
        canvas.frame(0, 0, canvas.width, canvas.height, colors.DarkShadowColor);
    } else {
        canvas.DrawFrame(colors.HighlightColor, colors.DarkShadowColor, colors.LightColor, colors.ButtonShadowColor, 0);
    }
}

void raisedPressed(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.DrawCaption(CaptionStyle::Pressed);
    if (showsDefault(canvas)) {
        canvas.frame(0, 0, canvas.width, canvas.height, colors.DarkShadowColor);
        canvas.frame(1, 1, canvas.width - 2, canvas.height - 2, colors.ButtonShadowColor);
        canvas.DrawFocus();
    } else {
        canvas.DrawFrame(colors.DarkShadowColor, colors.HighlightColor, colors.ButtonShadowColor, colors.LightColor, 0);
    }
}

void raisedDisabled(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.DrawCaption(CaptionStyle::Embossed);
    canvas.DrawFrame(colors.HighlightColor, colors.DarkShadowColor, colors.LightColor, colors.ButtonShadowColor, 0);
}

// ---- 6 TypeSoft -------------------------------------------------------------

quint32 softLight(const chameleonButtonCanvas& canvas)
{
    return canvas.shift(canvas.colors.LightColor, 8);
}

void softNormal(chameleonButtonCanvas& canvas)
{
    const quint32 light = softLight(canvas);
    canvas.CaptionH();
    canvas.DrawFrame(light, canvas.colors.ButtonShadowColor, light, canvas.colors.ButtonShadowColor, 0);
    canvas.DrawFocus();
}

void softPressed(chameleonButtonCanvas& canvas)
{
    const quint32 light = softLight(canvas);
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.DrawFrame(canvas.colors.ButtonShadowColor, light, canvas.colors.ButtonShadowColor, light, 0);
    canvas.DrawFocus();
}

void softDisabled(chameleonButtonCanvas& canvas)
{
    const quint32 light = softLight(canvas);
    canvas.DrawCaption(CaptionStyle::Shadow);
    canvas.DrawFrame(light, canvas.colors.ButtonShadowColor, light, canvas.colors.ButtonShadowColor, 0);
}

// ---- 7 TypeFlat and 8 TypeHotFlat -------------------------------------------

void flatRaised(chameleonButtonCanvas& canvas)
{
    canvas.DrawFrame(canvas.colors.HighlightColor, canvas.colors.ButtonShadowColor, 0, 0, 0, true);
}

void flatNormal(chameleonButtonCanvas& canvas)
{
    canvas.CaptionH();
    flatRaised(canvas);
    canvas.DrawFocus();
}

void flatPressed(chameleonButtonCanvas& canvas)
{
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.DrawFrame(canvas.colors.ButtonShadowColor, canvas.colors.HighlightColor, 0, 0, 0, true);
    canvas.DrawFocus();
}

void flatDisabled(chameleonButtonCanvas& canvas)
{
    canvas.DrawCaption(CaptionStyle::Embossed);
    flatRaised(canvas);
}

void hotFlatNormal(chameleonButtonCanvas& canvas)
{
    canvas.CaptionH();
    if (canvas.state.hovered)
        flatRaised(canvas);
    canvas.DrawFocus();
}

void captionDisabled(chameleonButtonCanvas& canvas)
{
    canvas.DrawCaption(CaptionStyle::Embossed);
}

// ---- 9 TypeSelection --------------------------------------------------------

void selectionNormal(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    if (canvas.state.hovered)
        canvas.fill(1, 1, canvas.width, canvas.height, colors.SelectFillColor);
    canvas.CaptionH();
    if (canvas.state.hovered)
        canvas.frame(0, 0, canvas.width, canvas.height, colors.SelectBorderColor);
    canvas.DrawFocus();
}

void selectionPressed(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    if (canvas.state.hovered) {
        canvas.fill(0, 0, canvas.width, canvas.height,
                    canvas.state.ColorScheme == ColorSchemes::SchemeCustom ? canvas.shift(colors.SelectFillColor, -32)
                                                   : BlendToWhite(colors.SelectBorderColor, 128));
    }
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.frame(0, 0, canvas.width, canvas.height, colors.SelectBorderColor);
    canvas.DrawFocus();
}

void captionShadowed(chameleonButtonCanvas& canvas)
{
    canvas.DrawCaption(CaptionStyle::Shadow);
}

// ---- 10 TypePlain (and values outside 1..14) ----------------------------------

void nothing(chameleonButtonCanvas&)
{
}

// ---- 11 TypeTransparent -------------------------------------------------------

void transparentNormal(chameleonButtonCanvas& canvas)
{
    canvas.drawBackground();
    canvas.CaptionH();
    canvas.DrawFocus();
}

void transparentPressed(chameleonButtonCanvas& canvas)
{
    canvas.drawBackground();
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.DrawFocus();
}

void transparentDisabled(chameleonButtonCanvas& canvas)
{
    canvas.drawBackground();
    canvas.DrawCaption(CaptionStyle::Embossed);
}

// ---- 12 TypeHot3D -------------------------------------------------------------

void hot3DNormal(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.CaptionH();
    if (canvas.state.hovered)
        canvas.DrawFrame(colors.HighlightColor, colors.DarkShadowColor, colors.LightColor, colors.ButtonShadowColor, 0);
    canvas.DrawFocus();
}

void hot3DPressed(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.DrawFrame(colors.DarkShadowColor, colors.HighlightColor, colors.ButtonShadowColor, colors.LightColor, 0);
    canvas.DrawFocus();
}

// ---- 13 TypeOval (never a focus rectangle) ------------------------------------

void ovalNormal(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.ellipse(colors.ButtonFaceColor, canvas.state.hovered ? colors.ButtonShadowColor : colors.ButtonFaceColor);
    canvas.CaptionH();
}

void ovalPressed(chameleonButtonCanvas& canvas)
{
    const auto& colors = canvas.colors;
    canvas.ellipse(canvas.shift(colors.ButtonFaceColor, -32), colors.DarkShadowColor);
    canvas.DrawCaption(CaptionStyle::Pressed);
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

const chameleonButtonTypeDrawing& chameleonButtonClassicDrawing(ButtonTypes buttonType)
{
    const int type = int(buttonType);
    if (type < 1 || type >= int(std::size(kDrawings)))
        return kDrawings[0];
    return kDrawings[type];
}
