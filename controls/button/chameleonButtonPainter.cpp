#include "chameleonButtonPainter.h"

#include "chameleonButtonCanvas.h"
#include "WinPaint.h"

#include <QVector>

#include <algorithm>

chameleonButtonCanvas::chameleonButtonCanvas(QImage& surface, QPainter& painter,
                                             const chameleonButtonPaintState& state)
    : s(state)
    , c(state.colors)
    , W(state.width)
    , H(state.height)
    , gradientBase(state.colors.GradientBase)
    , font(state.font)
    , textRect(state.layout.TextRect)
    , textRectDown(state.layout.TextRectDown)
    , m_surface(surface)
    , m_painter(painter)
    , m_dpr(surface.devicePixelRatio())
{
}

quint32 chameleonButtonCanvas::shift(quint32 rgb, int amount, bool proportional) const
{
    return chameleonButtonColors::ShiftColor(rgb, amount, proportional, s.SoftBevel);
}

void chameleonButtonCanvas::pixel(int x, int y, quint32 rgb)
{
    WinPaint::pixel(m_painter, x, y, color(rgb));
}

void chameleonButtonCanvas::line(int x1, int y1, int x2, int y2, quint32 rgb)
{
    WinPaint::line(m_painter, x1, y1, x2, y2, color(rgb));
}

void chameleonButtonCanvas::fill(int x, int y, int w, int h, quint32 rgb)
{
    WinPaint::fill(m_painter, QRect(x, y, w, h), color(rgb));
}

void chameleonButtonCanvas::frame(int x, int y, int w, int h, quint32 rgb)
{
    WinPaint::frame(m_painter, QRect(x, y, w, h), color(rgb));
}

void chameleonButtonCanvas::corners(quint32 rgb)
{
    pixel(1, 1, rgb);
    pixel(1, H - 2, rgb);
    pixel(W - 2, 1, rgb);
    pixel(W - 2, H - 2, rgb);
}

void chameleonButtonCanvas::DrawFrame(quint32 c1, quint32 c2, quint32 c3, quint32 c4, int offset, bool flat)
{
    const int a = std::abs(offset);
    const int r = W - 1 + offset;
    const int b = H - 1 + offset;
    // Outer polyline: up the left side and along the top in c1, down the
    // right side and back along the bottom in c2.
    line(a, b, a, a, c1);
    line(a, a, r, a, c1);
    line(r, a, r, b, c2);
    line(r, b, a - 1, b, c2);
    if (flat)
        return;
    line(a + 1, b - 1, a + 1, a + 1, c3);
    line(a + 1, a + 1, r - 1, a + 1, c3);
    line(r - 1, a + 1, r - 1, b - 1, c4);
    line(r - 1, b - 1, a, b - 1, c4);
}

void chameleonButtonCanvas::DrawFocus()
{
    if (!s.ShowFocusRect || !s.focused)
        return;
    // The platform's dotted focus rectangle: every other pixel of the
    // outline, in TextColor.
    const QRect& f = s.layout.FocusRect;
    if (f.width() <= 0 || f.height() <= 0)
        return;
    const QColor ink = color(c.TextColor);
    const int right = f.left() + f.width() - 1;
    const int bottom = f.top() + f.height() - 1;
    // A checkerboard along the outline, starting with a dot at the top left.
    QVector<QRect> dots;
    dots.reserve(f.width() + f.height() + 2);
    auto dot = [&](int x, int y) {
        if ((x - f.left() + y - f.top()) % 2 == 0)
            dots.append(QRect(x, y, 1, 1));
    };
    for (int x = f.left(); x <= right; ++x) {
        dot(x, f.top());
        dot(x, bottom);
    }
    for (int y = f.top() + 1; y < bottom; ++y) {
        dot(f.left(), y);
        dot(right, y);
    }
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ink);
    m_painter.drawRects(dots);
    m_painter.restore();
}

void chameleonButtonCanvas::text(const QRect& rect, quint32 rgb)
{
    if (s.caption.isEmpty())
        return;
    // The rectangle fits the measured text; a little slack on both sides
    // keeps the centring and stops a sharper rendering at a higher pixel
    // ratio from wrapping the text differently.
    const int slack = std::max(4, rect.width() / 8);
    m_painter.setFont(font);
    m_painter.setPen(color(rgb));
    m_painter.drawText(rect.adjusted(-slack, 0, slack, 4),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                       s.caption);
}

void chameleonButtonCanvas::captionEffect(const QRect& rect)
{
    if (s.SpecialEffect <= 0)
        return;
    const int effect = std::min(s.SpecialEffect, 3);
    quint32 base = c.ButtonFaceColor;
    if (s.ButtonType == 3 || s.ButtonType == 4 || s.ButtonType == 14)
        base = gradientBase;
    else if (s.ButtonType == 9 && s.hovered && s.state == 0 && s.ColorScheme != 2)
        base = c.SelectFillColor;
    text(rect.translated(1, 1), shift(base, effect == 2 ? 40 : -40));
    if (effect < 3)
        text(rect.translated(-1, -1), shift(base, effect == 2 ? -40 : 40));
}

void chameleonButtonCanvas::DrawCaption(int style)
{
    m_lastCaptionStyle = style;
    switch (style) {
    case 0:
        captionEffect(textRect);
        text(textRect, c.TextColor);
        break;
    case 1:
        captionEffect(textRect);
        text(textRect, c.TextOverColor);
        break;
    case 2:
        captionEffect(textRectDown);
        text(textRectDown, s.ButtonType == 4 ? c.LightColor : c.TextOverColor);
        break;
    case 3: // embossed disabled text
        text(textRectDown, c.HighlightColor);
        text(textRect, c.ButtonShadowColor);
        break;
    case 4:
        text(textRect, c.ButtonShadowColor);
        break;
    case 5:
        text(textRect, shift(gradientBase, -104, true));
        break;
    case 6:
        text(textRectDown, c.HighlightColor);
        text(textRect, c.ButtonFaceColor);
        break;
    case 7:
        text(textRectDown, shift(c.ButtonShadowColor, -50));
        text(textRect, c.HighlightColor);
        break;
    case CaptionPlainOver:
        text(textRect, c.TextOverColor);
        break;
    default:
        break;
    }
}

void chameleonButtonCanvas::ellipse(quint32 fillRgb, quint32 outlineRgb)
{
    m_painter.save();
    m_painter.setPen(QPen(color(outlineRgb), 2));
    m_painter.setBrush(color(fillRgb));
    // A 2-pixel pen centred one pixel inside the edge covers the outer two
    // pixels of the ellipse inscribed in (0, 0)-(W, H).
    m_painter.drawEllipse(QRectF(1, 1, W - 2, H - 2));
    m_painter.restore();
}

void chameleonButtonCanvas::drawBackground()
{
    if (!s.background.isNull())
        m_painter.drawPixmap(QPoint(0, 0), s.background);
}

QImage chameleonButtonSurface(const chameleonButtonPaintState& state, qreal devicePixelRatio)
{
    const QSize size(qMax(1, qRound(state.width * devicePixelRatio)),
                     qMax(1, qRound(state.height * devicePixelRatio)));
    // ButtonType 11 lets the container show through where nothing was captured.
    QImage surface(size, state.ButtonType == 11 ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    surface.setDevicePixelRatio(devicePixelRatio);
    return surface;
}

void chameleonButtonPaint(QImage& surface, const chameleonButtonPaintState& state)
{
    if (state.width <= 0 || state.height <= 0)
        return;
    surface.fill(Qt::transparent); // clear the surface
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    chameleonButtonCanvas canvas(surface, painter, state);

    if (state.ButtonType != 11)
        canvas.fill(0, 0, state.width, state.height, state.colors.ButtonFaceColor);
    const chameleonButtonTypeDrawing* drawing = chameleonButtonShadedDrawing(state.ButtonType);
    if (!drawing)
        drawing = &chameleonButtonClassicDrawing(state.ButtonType);

    if (!state.enabled) {
        drawing->disabled(canvas);
        canvas.drawPictures(2);
    } else if (state.state == 2) {
        drawing->pressed(canvas);
        canvas.drawPictures(1);
    } else if (state.state == 0) {
        drawing->normal(canvas);
        canvas.drawPictures(0);
    }
}
