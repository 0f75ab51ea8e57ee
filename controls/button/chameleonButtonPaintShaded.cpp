// The shaded ButtonTypes: 3 (gradient), 4 (rounded),
// 5 (beveled) and 14 (banded).
#include "chameleonButtonCanvas.h"

#include "NumberText.h"

namespace {

int nearest(double value)
{
    return int(roundHalfToEven(value));
}

// ---- ButtonType 3 (TypeGradient) ------------------------------------------

constexpr quint32 kGradientFrame = 0x00733C00;   // (0, 60, 115)
constexpr quint32 kGradientCorner = 0x007B4D10;  // (16, 77, 123)

void gradientFrame(chameleonButtonCanvas& k)
{
    k.frame(0, 0, k.W, k.H, kGradientFrame);
    k.corners(kGradientCorner);
}

// The inner frame of the hover (orange) and focus (blue) looks.
void gradientInnerFrame(chameleonButtonCanvas& k, quint32 outline, quint32 bottom, quint32 top,
                        quint32 second, quint32 sides)
{
    const int W = k.W;
    const int H = k.H;
    k.frame(1, 2, W - 2, H - 4, outline);
    k.line(2, H - 2, W - 2, H - 2, bottom);
    k.line(2, 1, W - 2, 1, top);
    k.line(1, 2, W - 1, 2, second);
    k.line(2, 3, 2, H - 3, sides);
    k.line(W - 3, 3, W - 3, H - 3, sides);
}

void gradientNormal(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const quint32 base = k.gradientBase;
    const float step = 25.0f / float(H);
    for (int i = 1; i <= H; ++i)
        k.line(0, i, W, i, k.shift(base, nearest(-double(step) * i), true));
    k.CaptionH();
    gradientFrame(k);
    if (k.s.hovered) {
        gradientInnerFrame(k, 0x0031B2FF, 0x000096E7, 0x00CEF3FF, 0x008CDBFF, 0x006BCBFF);
    } else if (k.s.ShowFocusRect && (k.s.focused || k.s.isDefault)) {
        gradientInnerFrame(k, 0x00E7AE8C, 0x00EF826B, 0x00FFE7CE, 0x00F7D7BD, 0x00F0D1B5);
    } else {
        // Shading from GradientBase.
        k.line(2, H - 2, W - 2, H - 2, k.shift(base, -48, true));
        k.line(1, H - 3, W - 2, H - 3, k.shift(base, -32, true));
        k.line(W - 2, 2, W - 2, H - 2, k.shift(base, -36, true));
        k.line(W - 3, 3, W - 3, H - 3, k.shift(base, -24, true));
        k.line(2, 1, W - 2, 1, k.shift(base, 16, true));
        k.line(1, 2, W - 2, 2, k.shift(base, 10, true));
        k.line(1, 2, 1, H - 2, k.shift(base, -5, true));
        k.line(2, 3, 2, H - 3, k.shift(base, -10, true));
    }
}

void gradientPressed(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const quint32 base = k.shift(k.gradientBase, -32, true);
    const float step = 25.0f / float(H);
    for (int i = 1; i <= H; ++i)
        k.line(0, H - i, W, H - i, k.shift(base, nearest(-double(step) * i), true));
    k.DrawCaption(2);
    gradientFrame(k);
    k.line(2, H - 2, W - 2, H - 2, k.shift(base, 16, true));
    k.line(1, H - 3, W - 2, H - 3, k.shift(base, 10, true));
    k.line(W - 2, 2, W - 2, H - 2, k.shift(base, 5, true));
    k.line(W - 3, 3, W - 3, H - 3, k.gradientBase);
    k.line(2, 1, W - 2, 1, k.shift(base, -32, true));
    k.line(1, 2, W - 2, 2, k.shift(base, -24, true));
    k.line(1, 2, 1, H - 2, k.shift(base, -32, true));
    k.line(2, 2, 2, H - 2, k.shift(base, -22, true));
}

void gradientDisabled(chameleonButtonCanvas& k)
{
    const quint32 base = k.gradientBase;
    k.fill(0, 0, k.W, k.H, k.shift(base, -24, true));
    k.DrawCaption(5);
    k.frame(0, 0, k.W, k.H, k.shift(base, -84, true));
    k.corners(k.shift(base, -72, true));
}

// ---- ButtonType 4 (TypeRounded) -------------------------------------------

void roundedFace(chameleonButtonCanvas& k, int captionStyle)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    k.fill(1, 1, W - 2, H - 2, c.LightColor);
    k.DrawCaption(captionStyle);
    k.frame(0, 0, W, H, c.DarkShadowColor);
    k.corners(c.DarkShadowColor);
    k.line(1, 2, 2, 0, c.ButtonFaceColor);
    k.line(3, 2, W - 3, 2, c.HighlightColor);
    k.line(2, 2, 2, H - 3, c.HighlightColor);
    k.pixel(3, 3, c.HighlightColor);
    k.line(W - 3, 1, W - 3, H - 3, c.ButtonFaceColor);
    k.line(1, H - 3, W - 3, H - 3, c.ButtonFaceColor);
    k.pixel(W - 4, H - 4, c.ButtonFaceColor);
    k.line(W - 2, 2, W - 2, H - 2, c.ButtonShadowColor);
    k.line(2, H - 2, W - 2, H - 2, c.ButtonShadowColor);
    k.pixel(W - 3, H - 3, c.ButtonShadowColor);
}

void roundedNormal(chameleonButtonCanvas& k)
{
    roundedFace(k, k.s.hovered ? 1 : 0);
}

void roundedDisabled(chameleonButtonCanvas& k)
{
    roundedFace(k, 3);
}

void roundedPressed(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    const quint32 shadow = c.ButtonShadowColor;
    k.fill(1, 1, W - 2, H - 2, k.shift(shadow, -16));
    k.gradientBase = k.shift(shadow, -16);
    k.DrawCaption(2);
    k.gradientBase = k.shift(c.ButtonFaceColor, 48);
    k.frame(0, 0, W, H, c.DarkShadowColor);
    k.frame(1, 1, W - 2, H - 2, k.shift(shadow, -64));
    k.frame(2, 2, W - 4, H - 4, k.shift(shadow, -32));
    k.pixel(2, 2, k.shift(shadow, -64));
    k.pixel(3, 3, k.shift(shadow, -32));
    k.corners(c.DarkShadowColor);
    k.line(W - 3, 1, W - 3, H - 3, shadow);
    k.line(1, H - 3, W - 2, H - 3, shadow);
    k.pixel(W - 4, H - 4, shadow);
    k.line(W - 2, 3, W - 2, H - 2, k.shift(shadow, -16));
    k.line(3, H - 2, W - 2, H - 2, k.shift(shadow, -16));
    k.line(W - 2, H - 3, W - 4, H - 1, k.shift(shadow, -32));
    k.pixel(2, H - 2, k.shift(shadow, -32));
    k.pixel(W - 2, 2, k.shift(shadow, -32));
}

// ---- ButtonType 5 (TypeBeveled) -------------------------------------------

constexpr quint32 kBeveledFocus = 0x00CC9999; // (153, 153, 204)

void beveledTextFocus(chameleonButtonCanvas& k)
{
    if (!k.s.focused || !k.s.ShowFocusRect)
        return;
    const QRect& t = k.textRect;
    k.frame(t.left() - 2, t.top() - 1, t.width() + 4, t.height() + 2, kBeveledFocus);
}

void beveledNormal(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    k.fill(1, 1, W - 1, H - 1, k.shift(c.ButtonFaceColor, 12));
    k.CaptionH();
    k.frame(1, 1, W - 1, H - 1, c.HighlightColor);
    k.frame(0, 0, W - 1, H - 1, k.shift(c.ButtonShadowColor, -26));
    k.pixel(1, H - 2, k.shift(c.ButtonShadowColor, 26));
    k.pixel(W - 2, 1, k.shift(c.ButtonShadowColor, 26));
    beveledTextFocus(k);
}

void beveledPressed(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    k.fill(1, 1, W - 2, H - 2, k.shift(c.ButtonShadowColor, 16));
    k.frame(0, 0, W - 1, H - 1, k.shift(c.ButtonShadowColor, -26));
    k.line(W - 1, 1, W - 1, H, c.HighlightColor);
    k.line(1, H - 1, W - 1, H - 1, c.HighlightColor);
    k.DrawCaption(chameleonButtonCanvas::CaptionPlainOver);
    beveledTextFocus(k);
}

void beveledDisabled(chameleonButtonCanvas& k)
{
    k.DrawCaption(4);
    k.frame(0, 0, k.W, k.H, k.c.ButtonShadowColor);
}

// ---- ButtonType 14 (TypeBanded) -------------------------------------------

void bandedGradient(chameleonButtonCanvas& k)
{
    const float step = 58.0f / float(k.H);
    for (int i = 1; i <= k.H; ++i)
        k.line(0, i, k.W, i, k.shift(k.c.HighlightColor, nearest(-double(step) * i)));
}

void bandedDefaultFrame(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    k.frame(0, 0, W, H, k.shift(c.ButtonShadowColor, -50));
    k.frame(1, 1, W - 2, H - 2, k.shift(c.ButtonFaceColor, -9));
    k.fill(2, 2, W - 4, 2, c.HighlightColor);
    k.fill(2, 4, 2, H - 6, c.HighlightColor);
}

// The default button's caption is bold: the caption rectangles are
// measured with the bold font for this one caption, as FontBold's set
// handling (CalcTextRects with drawing suspended) does.
void bandedCaption(chameleonButtonCanvas& k)
{
    if (!k.s.isDefault) {
        k.CaptionH();
        return;
    }
    const QFont regular = k.font;
    QFont bold = regular;
    bold.setBold(true);
    chameleonButtonLayoutInput input;
    input.font = bold;
    input.caption = k.s.caption;
    input.width = k.W;
    input.height = k.H;
    input.buttonType = k.s.ButtonType;
    input.picturePosition = k.s.PicturePosition;
    input.pictureSize = k.s.pictureSize;
    input.hasPicture = !k.s.PictureNormal.isNull() || !k.s.PictureOver.isNull();
    const chameleonButtonLayout layout = chameleonButtonCalcLayout(input);
    k.font = bold;
    k.textRect = layout.TextRect;
    k.textRectDown = layout.TextRectDown;
    k.CaptionH();
    k.font = regular;
    k.textRect = k.s.layout.TextRect;
    k.textRectDown = k.s.layout.TextRectDown;
}

void bandedNormal(chameleonButtonCanvas& k)
{
    if (k.s.hovered)
        k.fill(0, 0, k.W, k.H, k.c.LightColor);
    else
        bandedGradient(k);
    bandedCaption(k);
    if (k.s.isDefault)
        bandedDefaultFrame(k);
    k.DrawFocus();
}

void bandedPressed(chameleonButtonCanvas& k)
{
    const int W = k.W;
    const int H = k.H;
    const auto& c = k.c;
    k.fill(1, 1, W, H, k.shift(c.ButtonFaceColor, -9));
    k.frame(0, 0, W, H, k.shift(c.ButtonShadowColor, -48));
    k.line(2, H - 2, W - 2, H - 2, c.HighlightColor);
    k.line(W - 2, 2, W - 2, H - 1, c.HighlightColor);
    k.DrawCaption(7);
    k.DrawFocus();
}

void bandedDisabled(chameleonButtonCanvas& k)
{
    bandedGradient(k);
    bandedDefaultFrame(k);
    k.DrawCaption(6);
}

const chameleonButtonTypeDrawing kGradient{gradientNormal, gradientPressed, gradientDisabled};
const chameleonButtonTypeDrawing kRounded{roundedNormal, roundedPressed, roundedDisabled};
const chameleonButtonTypeDrawing kBeveled{beveledNormal, beveledPressed, beveledDisabled};
const chameleonButtonTypeDrawing kBanded{bandedNormal, bandedPressed, bandedDisabled};

} // namespace

const chameleonButtonTypeDrawing* chameleonButtonShadedDrawing(int buttonType)
{
    switch (buttonType) {
    case 3: return &kGradient;
    case 4: return &kRounded;
    case 5: return &kBeveled;
    case 14: return &kBanded;
    default: return nullptr;
    }
}
