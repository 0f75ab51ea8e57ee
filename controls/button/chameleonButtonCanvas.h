#pragma once

#include "chameleonButtonPaintState.h"

#include <QColor>
#include <QImage>
#include <QPainter>

// The caption styles of DrawCaption: where the caption is drawn (TextRect,
// or TextRectDown one pixel lower right) and in which colours.
enum class chameleonButtonCaptionStyle {
    Normal,          // effect, then TextColor at TextRect
    Hovered,         // effect, then TextOverColor at TextRect
    Pressed,         // effect, then TextOverColor (LightColor for TypeRounded) at TextRectDown
    Embossed,        // highlight below right, shadow on top: disabled text
    Shadow,          // ButtonShadowColor at TextRect
    GradientDisabled, // GradientBase darkened by 104 at TextRect
    BandedDisabled,  // highlight below right, face on top
    BandedPressed,   // darkened shadow below right, highlight on top
    BeveledPressed,  // TextOverColor at TextRect, no effect
};

// What DrawPictures draws: the normal (or hovered) picture, the pressed
// one, or the disabled silhouettes.
enum class chameleonButtonPictureState { Normal, Pressed, Disabled };

// One DrawButton pass of chameleonButton: the painter on the button's
// surface, the snapshot it draws, and the drawing helpers with the
// platform's meanings (lines exclude their end point, rectangles are
// x, y, w, h). The per-type drawings are written against this class.
class chameleonButtonCanvas
{
public:
    chameleonButtonCanvas(QImage& surface, QPainter& painter, const chameleonButtonPaintState& snapshot);

    const chameleonButtonPaintState& state;
    const chameleonButtonColorSet& colors;
    const int width;
    const int height;

    // Changed within a pass by ButtonType 4 (pressed) and 14 (default).
    quint32 gradientBase;
    QFont font;
    QRect textRect;
    QRect textRectDown;

    bool isType(chameleonButtonKinds::ButtonTypes type) const { return state.ButtonType == type; }
    QColor color(quint32 rgb) const { return chameleonButtonColors::toQColor(rgb); }
    quint32 shift(quint32 rgb, int amount, bool proportional = false) const;

    void pixel(int x, int y, quint32 rgb);
    void line(int x1, int y1, int x2, int y2, quint32 rgb);
    // The rectangle (x, y, across, down): columns x..x+across-1, rows y..y+down-1.
    void fill(int x, int y, int across, int down, quint32 rgb);
    void frame(int x, int y, int across, int down, quint32 rgb);
    void corners(quint32 rgb); // (1,1), (1,H-2), (W-2,1), (W-2,H-2)
    // Rows 1..H in the colour `rowColor(row)` gives, one line each.
    template <typename RowColor>
    void rows(RowColor&& rowColor, bool fromBottom = false)
    {
        for (int row = 1; row <= height; ++row) {
            const int y = fromBottom ? height - row : row;
            line(0, y, width, y, rowColor(row));
        }
    }
    void DrawFrame(quint32 outerLit, quint32 outerShaded, quint32 innerLit, quint32 innerShaded, int offset,
                   bool flat = false);
    void DrawFocus();
    void DrawCaption(chameleonButtonCaptionStyle style);
    // Caption(h) of the type table: Hovered while the mouse is over, else Normal.
    void CaptionH();
    void ellipse(quint32 fillRgb, quint32 outlineRgb);
    void drawBackground();
    void drawPictures(chameleonButtonPictureState pictureState);

    QPainter& painter() { return m_painter; }
    QImage& surface() { return m_surface; }
    qreal dpr() const { return m_dpr; }

private:
    void text(const QRect& rect, quint32 rgb);
    void captionEffect(const QRect& rect);

    QImage& m_surface;
    QPainter& m_painter;
    qreal m_dpr;
    bool m_captionDrawn = false;
    chameleonButtonCaptionStyle m_lastCaptionStyle = chameleonButtonCaptionStyle::Normal;
};

// Normal, pressed and disabled drawing of one ButtonType.
struct chameleonButtonTypeDrawing
{
    void (*normal)(chameleonButtonCanvas&);
    void (*pressed)(chameleonButtonCanvas&);
    void (*disabled)(chameleonButtonCanvas&);
};

// Types 3, 4, 5 and 14 (chameleonButtonPaintShaded.cpp); 1, 2, 6 to 13 and
// values outside 1..14, which draw as 10 (chameleonButtonPaintClassic.cpp).
const chameleonButtonTypeDrawing* chameleonButtonShadedDrawing(chameleonButtonKinds::ButtonTypes buttonType);
const chameleonButtonTypeDrawing& chameleonButtonClassicDrawing(chameleonButtonKinds::ButtonTypes buttonType);
