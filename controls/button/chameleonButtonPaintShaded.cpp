// The shaded ButtonTypes: 3 (gradient), 4 (rounded),
// 5 (beveled) and 14 (banded).
#include "chameleonButtonCanvas.h"

#include "NumberText.h"

namespace {

using chameleonButtonKinds::ButtonTypes;
using CaptionStyle = chameleonButtonCaptionStyle;

// The shift of gradient row `row` when each row darkens by `step` (taken in
// single precision): nearest(-step * row), ties to even.
int rowDarkening(float step, int row)
{
    return int(roundHalfToEven(-double(step) * row));
}

// ---- ButtonType 3 (TypeGradient) ------------------------------------------

constexpr quint32 kGradientFrame = 0x00733C00;   // (0, 60, 115)
constexpr quint32 kGradientCorner = 0x007B4D10;  // (16, 77, 123)

void gradientFrame(chameleonButtonCanvas& canvas)
{
    canvas.frame(0, 0, canvas.width, canvas.height, kGradientFrame);
    canvas.corners(kGradientCorner);
}

// The inner frame of the hover (orange) and focus (blue) looks.
void gradientInnerFrame(chameleonButtonCanvas& canvas, quint32 outline, quint32 bottom, quint32 top,
                        quint32 second, quint32 sides)
{
    const int width = canvas.width;
    const int height = canvas.height;
    canvas.frame(1, 2, width - 2, height - 4, outline);
    canvas.line(2, height - 2, width - 2, height - 2, bottom);
    canvas.line(2, 1, width - 2, 1, top);
    canvas.line(1, 2, width - 1, 2, second);
    canvas.line(2, 3, 2, height - 3, sides);
    canvas.line(width - 3, 3, width - 3, height - 3, sides);
}

void gradientNormal(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const quint32 base = canvas.gradientBase;
    const float step = 25.0f / float(height);
    canvas.rows([&](int row) { return canvas.shift(base, rowDarkening(step, row), true); });
    canvas.CaptionH();
    gradientFrame(canvas);
    if (canvas.state.hovered) {
        gradientInnerFrame(canvas, 0x0031B2FF, 0x000096E7, 0x00CEF3FF, 0x008CDBFF, 0x006BCBFF);
    } else if (canvas.state.ShowFocusRect && (canvas.state.focused || canvas.state.isDefault)) {
        gradientInnerFrame(canvas, 0x00E7AE8C, 0x00EF826B, 0x00FFE7CE, 0x00F7D7BD, 0x00F0D1B5);
    } else {
        // Shading from GradientBase.
        canvas.line(2, height - 2, width - 2, height - 2, canvas.shift(base, -48, true));
        canvas.line(1, height - 3, width - 2, height - 3, canvas.shift(base, -32, true));
        canvas.line(width - 2, 2, width - 2, height - 2, canvas.shift(base, -36, true));
        canvas.line(width - 3, 3, width - 3, height - 3, canvas.shift(base, -24, true));
        canvas.line(2, 1, width - 2, 1, canvas.shift(base, 16, true));
        canvas.line(1, 2, width - 2, 2, canvas.shift(base, 10, true));
        canvas.line(1, 2, 1, height - 2, canvas.shift(base, -5, true));
        canvas.line(2, 3, 2, height - 3, canvas.shift(base, -10, true));
    }
}

void gradientPressed(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const quint32 base = canvas.shift(canvas.gradientBase, -32, true);
    const float step = 25.0f / float(height);
    canvas.rows([&](int row) { return canvas.shift(base, rowDarkening(step, row), true); }, true);
    canvas.DrawCaption(CaptionStyle::Pressed);
    gradientFrame(canvas);
    canvas.line(2, height - 2, width - 2, height - 2, canvas.shift(base, 16, true));
    canvas.line(1, height - 3, width - 2, height - 3, canvas.shift(base, 10, true));
    canvas.line(width - 2, 2, width - 2, height - 2, canvas.shift(base, 5, true));
    canvas.line(width - 3, 3, width - 3, height - 3, canvas.gradientBase);
    canvas.line(2, 1, width - 2, 1, canvas.shift(base, -32, true));
    canvas.line(1, 2, width - 2, 2, canvas.shift(base, -24, true));
    canvas.line(1, 2, 1, height - 2, canvas.shift(base, -32, true));
    canvas.line(2, 2, 2, height - 2, canvas.shift(base, -22, true));
}

void gradientDisabled(chameleonButtonCanvas& canvas)
{
    const quint32 base = canvas.gradientBase;
    canvas.fill(0, 0, canvas.width, canvas.height, canvas.shift(base, -24, true));
    canvas.DrawCaption(CaptionStyle::GradientDisabled);
    canvas.frame(0, 0, canvas.width, canvas.height, canvas.shift(base, -84, true));
    canvas.corners(canvas.shift(base, -72, true));
}

// ---- ButtonType 4 (TypeRounded) -------------------------------------------

void roundedFace(chameleonButtonCanvas& canvas, CaptionStyle captionStyle)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    canvas.fill(1, 1, width - 2, height - 2, colors.LightColor);
    canvas.DrawCaption(captionStyle);
    canvas.frame(0, 0, width, height, colors.DarkShadowColor);
    canvas.corners(colors.DarkShadowColor);
    canvas.line(1, 2, 2, 0, colors.ButtonFaceColor);
    canvas.line(3, 2, width - 3, 2, colors.HighlightColor);
    canvas.line(2, 2, 2, height - 3, colors.HighlightColor);
    canvas.pixel(3, 3, colors.HighlightColor);
    canvas.line(width - 3, 1, width - 3, height - 3, colors.ButtonFaceColor);
    canvas.line(1, height - 3, width - 3, height - 3, colors.ButtonFaceColor);
    canvas.pixel(width - 4, height - 4, colors.ButtonFaceColor);
    canvas.line(width - 2, 2, width - 2, height - 2, colors.ButtonShadowColor);
    canvas.line(2, height - 2, width - 2, height - 2, colors.ButtonShadowColor);
    canvas.pixel(width - 3, height - 3, colors.ButtonShadowColor);
}

void roundedNormal(chameleonButtonCanvas& canvas)
{
    roundedFace(canvas, canvas.state.hovered ? CaptionStyle::Hovered : CaptionStyle::Normal);
}

void roundedDisabled(chameleonButtonCanvas& canvas)
{
    roundedFace(canvas, CaptionStyle::Embossed);
}

void roundedPressed(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    const quint32 shadow = colors.ButtonShadowColor;
    canvas.fill(1, 1, width - 2, height - 2, canvas.shift(shadow, -16));
    canvas.gradientBase = canvas.shift(shadow, -16);
    canvas.DrawCaption(CaptionStyle::Pressed);
    canvas.gradientBase = canvas.shift(colors.ButtonFaceColor, 48);
    canvas.frame(0, 0, width, height, colors.DarkShadowColor);
    canvas.frame(1, 1, width - 2, height - 2, canvas.shift(shadow, -64));
    canvas.frame(2, 2, width - 4, height - 4, canvas.shift(shadow, -32));
    canvas.pixel(2, 2, canvas.shift(shadow, -64));
    canvas.pixel(3, 3, canvas.shift(shadow, -32));
    canvas.corners(colors.DarkShadowColor);
    canvas.line(width - 3, 1, width - 3, height - 3, shadow);
    canvas.line(1, height - 3, width - 2, height - 3, shadow);
    canvas.pixel(width - 4, height - 4, shadow);
    canvas.line(width - 2, 3, width - 2, height - 2, canvas.shift(shadow, -16));
    canvas.line(3, height - 2, width - 2, height - 2, canvas.shift(shadow, -16));
    canvas.line(width - 2, height - 3, width - 4, height - 1, canvas.shift(shadow, -32));
    canvas.pixel(2, height - 2, canvas.shift(shadow, -32));
    canvas.pixel(width - 2, 2, canvas.shift(shadow, -32));
}

// ---- ButtonType 5 (TypeBeveled) -------------------------------------------

constexpr quint32 kBeveledFocus = 0x00CC9999; // (153, 153, 204)

void beveledTextFocus(chameleonButtonCanvas& canvas)
{
    if (!canvas.state.focused || !canvas.state.ShowFocusRect)
        return;
    const QRect& text = canvas.textRect;
    canvas.frame(text.left() - 2, text.top() - 1, text.width() + 4, text.height() + 2, kBeveledFocus);
}

void beveledNormal(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    canvas.fill(1, 1, width - 1, height - 1, canvas.shift(colors.ButtonFaceColor, 12));
    canvas.CaptionH();
    canvas.frame(1, 1, width - 1, height - 1, colors.HighlightColor);
    canvas.frame(0, 0, width - 1, height - 1, canvas.shift(colors.ButtonShadowColor, -26));
    canvas.pixel(1, height - 2, canvas.shift(colors.ButtonShadowColor, 26));
    canvas.pixel(width - 2, 1, canvas.shift(colors.ButtonShadowColor, 26));
    beveledTextFocus(canvas);
}

void beveledPressed(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    canvas.fill(1, 1, width - 2, height - 2, canvas.shift(colors.ButtonShadowColor, 16));
    canvas.frame(0, 0, width - 1, height - 1, canvas.shift(colors.ButtonShadowColor, -26));
    canvas.line(width - 1, 1, width - 1, height, colors.HighlightColor);
    canvas.line(1, height - 1, width - 1, height - 1, colors.HighlightColor);
    canvas.DrawCaption(CaptionStyle::BeveledPressed);
    beveledTextFocus(canvas);
}

void beveledDisabled(chameleonButtonCanvas& canvas)
{
    canvas.DrawCaption(CaptionStyle::Shadow);
    canvas.frame(0, 0, canvas.width, canvas.height, canvas.colors.ButtonShadowColor);
}

// ---- ButtonType 14 (TypeBanded) -------------------------------------------

void bandedGradient(chameleonButtonCanvas& canvas)
{
    const float step = 58.0f / float(canvas.height);
    const quint32 highlight = canvas.colors.HighlightColor;
    canvas.rows([&](int row) { return canvas.shift(highlight, rowDarkening(step, row)); });
}

void bandedDefaultFrame(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    canvas.frame(0, 0, width, height, canvas.shift(colors.ButtonShadowColor, -50));
    canvas.frame(1, 1, width - 2, height - 2, canvas.shift(colors.ButtonFaceColor, -9));
    canvas.fill(2, 2, width - 4, 2, colors.HighlightColor);
    canvas.fill(2, 4, 2, height - 6, colors.HighlightColor);
}

// The default button's caption is bold: the caption rectangles are
// measured with the bold font for this one caption, as FontBold's set
// handling (CalcTextRects with drawing suspended) does.
void bandedCaption(chameleonButtonCanvas& canvas)
{
    if (!canvas.state.isDefault) {
        canvas.CaptionH();
        return;
    }
    const QFont regular = canvas.font;
    QFont bold = regular;
    bold.setBold(true);
    chameleonButtonLayoutInput input;
    input.font = bold;
    input.caption = canvas.state.caption;
    input.width = canvas.width;
    input.height = canvas.height;
    input.buttonType = canvas.state.ButtonType;
    input.picturePosition = canvas.state.PicturePosition;
    input.pictureSize = canvas.state.pictureSize;
    input.hasPicture = !canvas.state.PictureNormal.isNull() || !canvas.state.PictureOver.isNull();
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(input);
    canvas.font = bold;
    canvas.textRect = layout.TextRect;
    canvas.textRectDown = layout.TextRectDown;
    canvas.CaptionH();
    canvas.font = regular;
    canvas.textRect = canvas.state.layout.TextRect;
    canvas.textRectDown = canvas.state.layout.TextRectDown;
}

void bandedNormal(chameleonButtonCanvas& canvas)
{
    if (canvas.state.hovered)
        canvas.fill(0, 0, canvas.width, canvas.height, canvas.colors.LightColor);
    else
        bandedGradient(canvas);
    bandedCaption(canvas);
    if (canvas.state.isDefault)
        bandedDefaultFrame(canvas);
    canvas.DrawFocus();
}

void bandedPressed(chameleonButtonCanvas& canvas)
{
    const int width = canvas.width;
    const int height = canvas.height;
    const auto& colors = canvas.colors;
    canvas.fill(1, 1, width, height, canvas.shift(colors.ButtonFaceColor, -9));
    canvas.frame(0, 0, width, height, canvas.shift(colors.ButtonShadowColor, -48));
    canvas.line(2, height - 2, width - 2, height - 2, colors.HighlightColor);
    canvas.line(width - 2, 2, width - 2, height - 1, colors.HighlightColor);
    canvas.DrawCaption(CaptionStyle::BandedPressed);
    canvas.DrawFocus();
}

void bandedDisabled(chameleonButtonCanvas& canvas)
{
    bandedGradient(canvas);
    bandedDefaultFrame(canvas);
    canvas.DrawCaption(CaptionStyle::BandedDisabled);
}

const chameleonButtonTypeDrawing kGradient{gradientNormal, gradientPressed, gradientDisabled};
const chameleonButtonTypeDrawing kRounded{roundedNormal, roundedPressed, roundedDisabled};
const chameleonButtonTypeDrawing kBeveled{beveledNormal, beveledPressed, beveledDisabled};
const chameleonButtonTypeDrawing kBanded{bandedNormal, bandedPressed, bandedDisabled};

} // namespace

const chameleonButtonTypeDrawing* chameleonButtonShadedDrawing(ButtonTypes buttonType)
{
    switch (buttonType) {
    case ButtonTypes::TypeGradient: return &kGradient;
    case ButtonTypes::TypeRounded: return &kRounded;
    case ButtonTypes::TypeBeveled: return &kBeveled;
    case ButtonTypes::TypeBanded: return &kBanded;
    default: return nullptr;
    }
}
