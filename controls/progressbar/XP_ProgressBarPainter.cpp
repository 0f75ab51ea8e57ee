#include "XP_ProgressBarPainter.h"

#include "NumberText.h"
#include "OleColor.h"
#include "WinPaint.h"

#include <QBrush>
#include <QPainter>

#include <algorithm>

namespace ProgressBarPaint {

QColor BlendColors(const QColor& first, const QColor& second, int weight)
{
    auto blend = [weight](int channel1, int channel2) {
        return int(roundHalfToEven(channel2 * (255.0 - weight) / 255 + channel1 * weight / 255.0));
    };
    return QColor(blend(first.red(), second.red()), blend(first.green(), second.green()),
                  blend(first.blue(), second.blue()));
}

void DrawLine(QPainter& painter, int x, int y, int x2, int y2, const QColor& color)
{
    WinPaint::line(painter, x, y, x2, y2, color);
}

void DrawGradient(QPainter& painter, const QColor& from, const QColor& to, int x, int y,
                  int width, int height, bool horizontal)
{
    const int steps = horizontal ? width : height;
    if (steps == 0)
        return;
    const double red = double(to.red() - from.red()) / steps;
    const double green = double(to.green() - from.green()) / steps;
    const double blue = double(to.blue() - from.blue()) / steps;
    for (int i = 0; i <= steps; ++i) {
        const QColor color(int(roundHalfToEven(from.red() + red * i)),
                           int(roundHalfToEven(from.green() + green * i)),
                           int(roundHalfToEven(from.blue() + blue * i)));
        if (horizontal)
            DrawLine(painter, x + i, y, x + i, height, color);
        else
            DrawLine(painter, x, y + i, width, y + i, color);
    }
}

} // namespace ProgressBarPaint

using namespace ProgressBarPaint;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
constexpr int kXpGap = 2;
constexpr int kXpGradientRows = 7;

int percentShown(const ProgressBarLook& look)
{
    return std::clamp(look.percent, 0, 100);
}

// The bar's far end for the looks that measure it as a share of the width.
int shareOf(double fraction, int width)
{
    return int(roundHalfToEven(fraction * width));
}

// A two-line edge round the whole rectangle: outer and inner lines, each
// with a top-left and a bottom-right colour.
void drawEdge(QPainter& painter, const QSize& size, quint32 outerTopLeft, quint32 outerBottomRight,
              quint32 innerTopLeft, quint32 innerBottomRight)
{
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    auto ring = [&](int inset, quint32 topLeft, quint32 bottomRight) {
        const QColor light = OleColor::toColor(topLeft);
        const QColor dark = OleColor::toColor(bottomRight);
        WinPaint::line(painter, inset, inset, right - inset, inset, light);
        WinPaint::line(painter, inset, inset, inset, bottom - inset, light);
        WinPaint::line(painter, inset, bottom - inset, right - inset + 1, bottom - inset, dark);
        WinPaint::line(painter, right - inset, inset, right - inset, bottom - inset, dark);
    };
    ring(0, outerTopLeft, outerBottomRight);
    ring(1, innerTopLeft, innerBottomRight);
}

void drawXpFrame(QPainter& painter, const QSize& size)
{
    const int w = size.width();
    const int h = size.height();
    WinPaint::frame(painter, QRect(QPoint(0, 0), size), QColor(104, 104, 104));
    const QColor soft(190, 190, 190);
    const QColor pale(239, 239, 239);
    WinPaint::line(painter, 1, 1, w - 1, 1, soft);
    WinPaint::line(painter, 1, 1, 1, h - 1, soft);
    WinPaint::line(painter, 2, 2, w - 2, 2, pale);
    WinPaint::line(painter, 2, 2, 2, h - 2, pale);
    WinPaint::line(painter, 1, h - 2, w - 1, h - 2, pale);
    WinPaint::line(painter, w - 2, 1, w - 2, h - 1, pale);

    // Softened corners: the same pixels mirrored into each corner.
    struct CornerPixel { int x, y; QColor color; };
    const CornerPixel corner[] = {
        {0, 0, kWhite}, {0, 1, QColor(172, 171, 166)}, {0, 2, QColor(127, 126, 125)},
        {1, 0, QColor(172, 171, 167)}, {1, 1, QColor(119, 119, 119)}, {2, 0, QColor(127, 126, 125)},
    };
    for (const CornerPixel& pixel : corner) {
        WinPaint::pixel(painter, pixel.x, pixel.y, pixel.color);
        WinPaint::pixel(painter, w - 1 - pixel.x, pixel.y, pixel.color);
        WinPaint::pixel(painter, pixel.x, h - 1 - pixel.y, pixel.color);
        WinPaint::pixel(painter, w - 1 - pixel.x, h - 1 - pixel.y, pixel.color);
    }
    WinPaint::pixel(painter, 2, 2, soft);
}

// The XP bar body from x = 4 to `end`: shaded top and bottom rows round a
// solid middle.
void drawXpBody(QPainter& painter, const QColor& color, int end, int height)
{
    const QColor shade = BlendToWhite(color, 150);
    WinPaint::fill(painter, QRect(4, 3, end - 4, height - 6), color);
    DrawGradient(painter, shade, color, 4, 3, end, kXpGradientRows, false);
    DrawGradient(painter, color, shade, 4, height - 3 - kXpGradientRows, end, kXpGradientRows, false);
}

void drawXpVerticalBody(QPainter& painter, const QColor& color, int top, const QSize& size)
{
    const QColor shade = BlendToWhite(color, 150);
    const int bottom = size.height() - 3;
    WinPaint::fill(painter, QRect(3, top, size.width() - 6, bottom - top), color);
    DrawGradient(painter, shade, color, 3, top, kXpGradientRows, bottom, true);
    DrawGradient(painter, color, shade, size.width() - 3 - kXpGradientRows, top, kXpGradientRows,
                 bottom, true);
}

void drawMarquee(QPainter& painter, const ProgressBarLook& look)
{
    const int span = std::max(1, look.size.width() - 8);
    const int start = 4 + span * percentShown(look) / 100;
    for (int block = 0; block < 3; ++block) {
        const QColor shade = BlendToWhite(look.color, 200 - 40 * block);
        const int x = 4 + (start - 4 + block * (10 + kXpGap)) % span;
        WinPaint::fill(painter, QRect(x, 3, 10, look.size.height() - 6), shade);
    }
}

void drawXp(QPainter& painter, const ProgressBarLook& look)
{
    const int w = look.size.width();
    const int h = look.size.height();
    const int left = 3;
    const int block = look.scrolling == 0 ? 6 : 0;
    const int pitch = block + kXpGap;
    const double fraction = std::max(0.0, percentShown(look) / 98.0);

    painter.save();
    painter.setClipRect(QRect(3, 3, w - 5, h - 5));
    if (look.scrolling == 2) {
        drawMarquee(painter, look);
    } else if (look.vertical) {
        const int length = int((h - left) * fraction) / pitch * pitch;
        drawXpVerticalBody(painter, look.color, h - 3 - length, look.size);
        for (int y = h - 3 - block - kXpGap; block > 0 && y > h - 3 - length - kXpGap; y -= pitch)
            WinPaint::fill(painter, QRect(3, y, w - 6, kXpGap), kWhite);
    } else {
        int end = left + int((w - left) * fraction);
        end = std::max(left, left + (end - left) / pitch * pitch);
        if (end < 15)
            end = 12;
        drawXpBody(painter, look.color, end, h);
        for (int x = 4 + block; block > 0 && x < end; x += pitch)
            WinPaint::fill(painter, QRect(x, 3, kXpGap, h - 6), kWhite);
    }
    painter.restore();
    drawXpFrame(painter, look.size);
}

void drawFlat(QPainter& painter, const ProgressBarLook& look)
{
    const int end = shareOf(percentShown(look) / 100.0, look.size.width());
    WinPaint::frame(painter, QRect(QPoint(0, 0), look.size), BlendToWhite(look.color, 100));
    WinPaint::fill(painter, QRect(1, 1, end - 1, look.size.height() - 2), BlendToWhite(look.color, 180));
}

void drawEtched(QPainter& painter, const ProgressBarLook& look)
{
    drawEdge(painter, look.size, OleColor::ButtonShadow, OleColor::ButtonHighlight,
             OleColor::ButtonHighlight, OleColor::ButtonShadow);
    const int end = shareOf(percentShown(look) / 100.0, look.size.width() - 4);
    DrawGradient(painter, BlendToWhite(look.color, 140), BlendToWhite(look.color, 200), 2, 2, end,
                 look.size.height() - 3, true);
}

void drawTrack(QPainter& painter, const ProgressBarLook& look)
{
    const int w = look.size.width();
    const int h = look.size.height();
    const int end = shareOf(percentShown(look) / 101.0, w);
    WinPaint::frame(painter, QRect(0, 0, w, h), BlendToWhite(look.color, 10));
    DrawGradient(painter, look.color, BlendToWhite(look.color, 100), 2, 2, w - 2, h - 5, false);
    DrawGradient(painter, BlendToWhite(look.color, 250), look.color, 3, 3, end, h - 6, false);
    DrawLine(painter, end, 2, end, h - 2, BlendToWhite(look.color, 25));
}

Qt::BrushStyle hatchStyle(int brushStyle)
{
    switch (brushStyle) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

void drawHatched(QPainter& painter, const ProgressBarLook& look)
{
    drawEdge(painter, look.size, OleColor::Light, OleColor::DarkShadow, OleColor::DarkShadow,
             OleColor::Light);
    const int end = shareOf(percentShown(look) / 101.0, look.size.width());
    const QRect bar(2, 2, end - 2, look.size.height() - 4);
    if (bar.width() <= 0)
        return;
    painter.fillRect(bar, BlendToWhite(look.color, 140));
    painter.fillRect(bar, QBrush(look.color, hatchStyle(look.brushStyle)));
}

void drawPattern(QPainter& painter, const ProgressBarLook& look)
{
    drawEdge(painter, look.size, OleColor::ButtonShadow, OleColor::ButtonHighlight,
             OleColor::DarkShadow, OleColor::Light);
    const int width = shareOf(percentShown(look) / 101.0, look.size.width());
    if (!look.image.isNull() && width > 0)
        painter.fillRect(QRect(2, 2, width, look.size.height() - 4), QBrush(look.image));
}

// Looks 6 and 9: a silver-and-white bar on black or white, whose text
// changes colour where the bar ends.
void drawSplit(QPainter& painter, const ProgressBarLook& look)
{
    const bool dark = look.scrolling == 6;
    const int end = shareOf(percentShown(look) / 100.0, look.size.width() - 2);
    if (!dark)
        WinPaint::frame(painter, QRect(QPoint(0, 0), look.size), kSilver);
    DrawGradient(painter, BlendColors(kWhite, kSilver, dark ? 64 : 192), kSilver, 1, 1, end,
                 look.size.height() - 1, true);
}

QString textOf(const ProgressBarLook& look)
{
    return look.scrolling == 2 ? QStringLiteral("Searching..")
                               : QString::number(percentShown(look)) + QStringLiteral(" %");
}

void drawText(QPainter& painter, const ProgressBarLook& look)
{
    const QRect area(QPoint(0, 0), look.size);
    painter.setFont(look.font);
    if (look.scrolling != 6) {
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, textOf(look));
        return;
    }
    // Silver on the black track, black where it stands on the bar.
    const int end = 1 + shareOf(percentShown(look) / 100.0, look.size.width() - 2);
    painter.save();
    painter.setClipRect(QRect(0, 0, end, look.size.height()));
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, textOf(look));
    painter.setClipRect(QRect(end, 0, look.size.width() - end, look.size.height()));
    painter.setPen(kSilver);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, textOf(look));
    painter.restore();
}

} // namespace

void paintProgressBar(QPainter& painter, const ProgressBarLook& look)
{
    if (look.size.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), look.size), look.scrolling == 6 ? Qt::black : Qt::white);
    switch (look.scrolling) {
    case 3: drawFlat(painter, look); break;
    case 4: drawEtched(painter, look); break;
    case 5: drawTrack(painter, look); break;
    case 6:
    case 9: drawSplit(painter, look); break;
    case 7: drawHatched(painter, look); break;
    case 8: drawPattern(painter, look); break;
    default: drawXp(painter, look); break;
    }
    if (look.showText)
        drawText(painter, look);
}
