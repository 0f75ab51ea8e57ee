#pragma once

#include "chameleonButtonPaintState.h"

#include <QColor>
#include <QImage>
#include <QPainter>

// One DrawButton pass of chameleonButton: the painter on the button's
// surface, the snapshot it draws, and the drawing helpers with the
// platform's meanings (lines exclude their end point, rectangles are
// x, y, w, h). The per-type drawings are written against this class.
class chameleonButtonCanvas
{
public:
    chameleonButtonCanvas(QImage& surface, QPainter& painter, const chameleonButtonPaintState& state);

    const chameleonButtonPaintState& s;
    const chameleonButtonColorSet& c;
    const int W;
    const int H;

    // Changed within a pass by ButtonType 4 (pressed) and 14 (default).
    quint32 gradientBase;
    QFont font;
    QRect textRect;
    QRect textRectDown;

    QColor color(quint32 rgb) const { return chameleonButtonColors::toQColor(rgb); }
    quint32 shift(quint32 rgb, int amount, bool proportional = false) const;

    void pixel(int x, int y, quint32 rgb);
    void line(int x1, int y1, int x2, int y2, quint32 rgb);
    void fill(int x, int y, int w, int h, quint32 rgb);
    void frame(int x, int y, int w, int h, quint32 rgb);
    void corners(quint32 rgb); // (1,1), (1,H-2), (W-2,1), (W-2,H-2)
    void DrawFrame(quint32 c1, quint32 c2, quint32 c3, quint32 c4, int offset, bool flat = false);
    void DrawFocus();
    void DrawCaption(int style);
    void CaptionH() { DrawCaption(s.hovered ? 1 : 0); } // Caption(h) of the type table
    // Type 5 pressed: the caption in TextOverColor at TextRect, no effect.
    static constexpr int CaptionPlainOver = 8;
    void ellipse(quint32 fillRgb, quint32 outlineRgb);
    void drawBackground();
    void drawPictures(int pictureState);

    QPainter& painter() { return m_painter; }
    QImage& surface() { return m_surface; }
    qreal dpr() const { return m_dpr; }

private:
    void text(const QRect& rect, quint32 rgb);
    void captionEffect(const QRect& rect);

    QImage& m_surface;
    QPainter& m_painter;
    qreal m_dpr;
    int m_lastCaptionStyle = -1;

    friend struct chameleonButtonPictureDrawer;
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
const chameleonButtonTypeDrawing* chameleonButtonShadedDrawing(int buttonType);
const chameleonButtonTypeDrawing& chameleonButtonClassicDrawing(int buttonType);
