#include "chameleonButtonPainter.h"

#include "chameleonButtonCanvas.h"
#include "WinPaint.h"

#include <QVector>

#include <algorithm>

using chameleonButtonKinds::ButtonState;
using chameleonButtonKinds::ButtonTypes;
using chameleonButtonKinds::ColorSchemes;
using chameleonButtonKinds::PicturePositions;
using chameleonButtonKinds::SpecialEffects;
using CaptionStyle = chameleonButtonCaptionStyle;
using PictureState = chameleonButtonPictureState;

chameleonButtonCanvas::chameleonButtonCanvas(QImage& surface, QPainter& painter,
                                             const chameleonButtonPaintState& snapshot)
    : state(snapshot)
    , colors(snapshot.colors)
    , width(snapshot.width)
    , height(snapshot.height)
    , gradientBase(snapshot.colors.GradientBase)
    , font(snapshot.font)
    , textRect(snapshot.layout.TextRect)
    , textRectDown(snapshot.layout.TextRectDown)
    , m_surface(surface)
    , m_painter(painter)
    , m_dpr(surface.devicePixelRatio())
{
}

quint32 chameleonButtonCanvas::shift(quint32 rgb, int amount, bool proportional) const
{
    return chameleonButtonColors::ShiftColor(rgb, amount, proportional, state.SoftBevel);
}

void chameleonButtonCanvas::pixel(int x, int y, quint32 rgb)
{
    WinPaint::pixel(m_painter, x, y, color(rgb));
}

void chameleonButtonCanvas::line(int x1, int y1, int x2, int y2, quint32 rgb)
{
    WinPaint::line(m_painter, x1, y1, x2, y2, color(rgb));
}

void chameleonButtonCanvas::fill(int x, int y, int across, int down, quint32 rgb)
{
    WinPaint::fill(m_painter, QRect(x, y, across, down), color(rgb));
}

void chameleonButtonCanvas::frame(int x, int y, int across, int down, quint32 rgb)
{
    WinPaint::frame(m_painter, QRect(x, y, across, down), color(rgb));
}

void chameleonButtonCanvas::corners(quint32 rgb)
{
    pixel(1, 1, rgb);
    pixel(1, height - 2, rgb);
    pixel(width - 2, 1, rgb);
    pixel(width - 2, height - 2, rgb);
}

void chameleonButtonCanvas::DrawFrame(quint32 outerLit, quint32 outerShaded, quint32 innerLit,
                                      quint32 innerShaded, int offset, bool flat)
{
    const int inset = std::abs(offset);
    const int right = width - 1 + offset;
    const int bottom = height - 1 + offset;
    // Outer polyline: up the left side and along the top lit, down the
    // right side and back along the bottom shaded.
    line(inset, bottom, inset, inset, outerLit);
    line(inset, inset, right, inset, outerLit);
    line(right, inset, right, bottom, outerShaded);
    line(right, bottom, inset - 1, bottom, outerShaded);
    if (flat)
        return;
    line(inset + 1, bottom - 1, inset + 1, inset + 1, innerLit);
    line(inset + 1, inset + 1, right - 1, inset + 1, innerLit);
    line(right - 1, inset + 1, right - 1, bottom - 1, innerShaded);
    line(right - 1, bottom - 1, inset, bottom - 1, innerShaded);
}

void chameleonButtonCanvas::DrawFocus()
{
    if (!state.ShowFocusRect || !state.focused)
        return;
    // The platform's dotted focus rectangle: every other pixel of the
    // outline, in TextColor.
    const QRect& focus = state.layout.FocusRect;
    if (focus.width() <= 0 || focus.height() <= 0)
        return;
    const QColor ink = color(colors.TextColor);
    const int right = focus.left() + focus.width() - 1;
    const int bottom = focus.top() + focus.height() - 1;
    // A checkerboard along the outline, starting with a dot at the top left.
    QVector<QRect> dots;
    dots.reserve(focus.width() + focus.height() + 2);
    auto dot = [&](int x, int y) {
        if ((x - focus.left() + y - focus.top()) % 2 == 0)
            dots.append(QRect(x, y, 1, 1));
    };
    for (int x = focus.left(); x <= right; ++x) {
        dot(x, focus.top());
        dot(x, bottom);
    }
    for (int y = focus.top() + 1; y < bottom; ++y) {
        dot(focus.left(), y);
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
    if (state.caption.isEmpty())
        return;
    // The rectangle fits the measured text; a little slack on both sides
    // keeps the centring and stops a sharper rendering at a higher pixel
    // ratio from wrapping the text differently.
    const int slack = std::max(4, rect.width() / 8);
    m_painter.setFont(font);
    m_painter.setPen(color(rgb));
    m_painter.drawText(rect.adjusted(-slack, 0, slack, 4),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                       state.caption);
}

void chameleonButtonCanvas::captionEffect(const QRect& rect)
{
    if (state.SpecialEffect <= SpecialEffects::FxNone)
        return;
    const bool engraved = state.SpecialEffect == SpecialEffects::FxEngraved;
    quint32 base = colors.ButtonFaceColor;
    if (isType(ButtonTypes::TypeGradient) || isType(ButtonTypes::TypeRounded) || isType(ButtonTypes::TypeBanded))
        base = gradientBase;
    else if (isType(ButtonTypes::TypeSelection) && state.hovered && state.buttonState == ButtonState::Normal
             && state.ColorScheme != ColorSchemes::SchemeCustom)
        base = colors.SelectFillColor;
    text(rect.translated(1, 1), shift(base, engraved ? 40 : -40));
    if (state.SpecialEffect < SpecialEffects::FxShadowed)
        text(rect.translated(-1, -1), shift(base, engraved ? -40 : 40));
}

void chameleonButtonCanvas::CaptionH()
{
    DrawCaption(state.hovered ? CaptionStyle::Hovered : CaptionStyle::Normal);
}

void chameleonButtonCanvas::DrawCaption(CaptionStyle style)
{
    m_captionDrawn = true;
    m_lastCaptionStyle = style;
    switch (style) {
    case CaptionStyle::Normal:
        captionEffect(textRect);
        text(textRect, colors.TextColor);
        break;
    case CaptionStyle::Hovered:
        captionEffect(textRect);
        text(textRect, colors.TextOverColor);
        break;
    case CaptionStyle::Pressed:
        captionEffect(textRectDown);
        text(textRectDown, isType(ButtonTypes::TypeRounded) ? colors.LightColor : colors.TextOverColor);
        break;
    case CaptionStyle::Embossed:
        text(textRectDown, colors.HighlightColor);
        text(textRect, colors.ButtonShadowColor);
        break;
    case CaptionStyle::Shadow:
        text(textRect, colors.ButtonShadowColor);
        break;
    case CaptionStyle::GradientDisabled:
        text(textRect, shift(gradientBase, -104, true));
        break;
    case CaptionStyle::BandedDisabled:
        text(textRectDown, colors.HighlightColor);
        text(textRect, colors.ButtonFaceColor);
        break;
    case CaptionStyle::BandedPressed:
        text(textRectDown, shift(colors.ButtonShadowColor, -50));
        text(textRect, colors.HighlightColor);
        break;
    case CaptionStyle::BeveledPressed:
        text(textRect, colors.TextOverColor);
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
    m_painter.drawEllipse(QRectF(1, 1, width - 2, height - 2));
    m_painter.restore();
}

void chameleonButtonCanvas::drawBackground()
{
    if (!state.background.isNull())
        m_painter.drawPixmap(QPoint(0, 0), state.background);
}

QImage chameleonButtonSurface(const chameleonButtonPaintState& state, qreal devicePixelRatio)
{
    const QSize size(qMax(1, qRound(state.width * devicePixelRatio)),
                     qMax(1, qRound(state.height * devicePixelRatio)));
    // ButtonType 11 lets the container show through where nothing was captured.
    QImage surface(size, state.ButtonType == ButtonTypes::TypeTransparent ? QImage::Format_ARGB32_Premultiplied
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

    if (state.ButtonType != ButtonTypes::TypeTransparent)
        canvas.fill(0, 0, state.width, state.height, state.colors.ButtonFaceColor);
    const chameleonButtonTypeDrawing* drawing = chameleonButtonShadedDrawing(state.ButtonType);
    if (!drawing)
        drawing = &chameleonButtonClassicDrawing(state.ButtonType);

    if (!state.enabled) {
        drawing->disabled(canvas);
        canvas.drawPictures(PictureState::Disabled);
    } else if (state.buttonState == ButtonState::Pressed) {
        drawing->pressed(canvas);
        canvas.drawPictures(PictureState::Pressed);
    } else if (state.buttonState == ButtonState::Normal) {
        drawing->normal(canvas);
        canvas.drawPictures(PictureState::Normal);
    }
}
