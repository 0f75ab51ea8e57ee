#include "XP_ProgressBarPainter.h"

#include "NumberText.h"
#include "OleColor.h"
#include "WinGradient.h"
#include "WinPaint.h"

#include <QBrush>
#include <QPainter>

#include <algorithm>

using OleColor::BlendToWhite;
using WinGradient::Direction;

namespace ProgressBarPaint {

QColor BlendColors(const QColor& first, const QColor& second, int weight)
{
    auto blend = [weight](int channel1, int channel2) {
        return int(roundHalfToEven(channel2 * (255.0 - weight) / 255 + channel1 * weight / 255.0));
    };
    return QColor(blend(first.red(), second.red()), blend(first.green(), second.green()),
                  blend(first.blue(), second.blue()));
}

QString text(const ProgressBarLook& look)
{
    if (look.look == ProgressLook::XpMarquee)
        return QStringLiteral("Searching..");
    return QString::number(std::clamp(look.percent, 0, 100)) + QStringLiteral(" %");
}

} // namespace ProgressBarPaint

using namespace ProgressBarPaint;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
constexpr int kXpGap = 2;
constexpr int kXpBlock = 6;
// The shaded rows of the XP bar: a gradient of 7 steps, so 8 lines.
constexpr int kXpShadeLines = 7 + 1;

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
// with a top-left and a bottom-right system colour.
void drawEdge(QPainter& painter, const ProgressBarLook& look, quint32 outerTopLeft,
              quint32 outerBottomRight, quint32 innerTopLeft, quint32 innerBottomRight)
{
    const int right = look.size.width() - 1;
    const int bottom = look.size.height() - 1;
    auto ring = [&](int inset, quint32 topLeft, quint32 bottomRight) {
        const QColor light = OleColor::toColor(topLeft, look.palette);
        const QColor dark = OleColor::toColor(bottomRight, look.palette);
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
    const int width = size.width();
    const int height = size.height();
    WinPaint::frame(painter, QRect(QPoint(0, 0), size), QColor(104, 104, 104));
    const QColor soft(190, 190, 190);
    const QColor pale(239, 239, 239);
    WinPaint::line(painter, 1, 1, width - 1, 1, soft);
    WinPaint::line(painter, 1, 1, 1, height - 1, soft);
    WinPaint::line(painter, 2, 2, width - 2, 2, pale);
    WinPaint::line(painter, 2, 2, 2, height - 2, pale);
    WinPaint::line(painter, 1, height - 2, width - 1, height - 2, pale);
    WinPaint::line(painter, width - 2, 1, width - 2, height - 1, pale);

    // Softened corners: the same pixels mirrored into each corner.
    struct CornerPixel { int x, y; QColor color; };
    const CornerPixel corner[] = {
        {0, 0, kWhite}, {0, 1, QColor(172, 171, 166)}, {0, 2, QColor(127, 126, 125)},
        {1, 0, QColor(172, 171, 167)}, {1, 1, QColor(119, 119, 119)}, {2, 0, QColor(127, 126, 125)},
    };
    for (const CornerPixel& pixel : corner) {
        WinPaint::pixel(painter, pixel.x, pixel.y, pixel.color);
        WinPaint::pixel(painter, width - 1 - pixel.x, pixel.y, pixel.color);
        WinPaint::pixel(painter, pixel.x, height - 1 - pixel.y, pixel.color);
        WinPaint::pixel(painter, width - 1 - pixel.x, height - 1 - pixel.y, pixel.color);
    }
    WinPaint::pixel(painter, 2, 2, soft);
}

// The XP bar body from x = 4 to `end`: shaded top and bottom rows round a
// solid middle.
void drawXpBody(QPainter& painter, const QColor& color, int end, int height)
{
    const QColor shade = BlendToWhite(color, 150);
    WinPaint::fill(painter, QRect(4, 3, end - 4, height - 6), color);
    WinGradient::fill(painter, QRect(4, 3, end - 4, kXpShadeLines), shade, color,
                      Direction::TopToBottom);
    WinGradient::fill(painter, QRect(4, height - 2 - kXpShadeLines, end - 4, kXpShadeLines), color, shade,
                      Direction::TopToBottom);
}

void drawXpVerticalBody(QPainter& painter, const QColor& color, int top, const QSize& size)
{
    const QColor shade = BlendToWhite(color, 150);
    const int bottom = size.height() - 3;
    WinPaint::fill(painter, QRect(3, top, size.width() - 6, bottom - top), color);
    WinGradient::fill(painter, QRect(3, top, kXpShadeLines, bottom - top), shade, color,
                      Direction::LeftToRight);
    WinGradient::fill(painter, QRect(size.width() - 2 - kXpShadeLines, top, kXpShadeLines, bottom - top), color,
                      shade, Direction::LeftToRight);
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
    const int width = look.size.width();
    const int height = look.size.height();
    const int left = 3;
    const int block = look.look == ProgressLook::XpBlocks ? kXpBlock : 0;
    const int pitch = block + kXpGap;
    const double fraction = std::max(0.0, percentShown(look) / 98.0);

    painter.save();
    painter.setClipRect(QRect(3, 3, width - 5, height - 5));
    if (look.look == ProgressLook::XpMarquee) {
        drawMarquee(painter, look);
    } else if (look.vertical) {
        const int length = int((height - left) * fraction) / pitch * pitch;
        drawXpVerticalBody(painter, look.color, height - 3 - length, look.size);
        for (int y = height - 3 - block - kXpGap; block > 0 && y > height - 3 - length - kXpGap; y -= pitch)
            WinPaint::fill(painter, QRect(3, y, width - 6, kXpGap), kWhite);
    } else {
        int end = left + int((width - left) * fraction);
        end = std::max(left, left + (end - left) / pitch * pitch);
        if (end < 15)
            end = 12;
        drawXpBody(painter, look.color, end, height);
        for (int x = 4 + block; block > 0 && x < end; x += pitch)
            WinPaint::fill(painter, QRect(x, 3, kXpGap, height - 6), kWhite);
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

// The bar's gradient has `end` steps, so end + 1 columns from x = 2; a
// bar of no steps is not drawn.
void drawEtched(QPainter& painter, const ProgressBarLook& look)
{
    drawEdge(painter, look, OleColor::ButtonShadow, OleColor::ButtonHighlight,
             OleColor::ButtonHighlight, OleColor::ButtonShadow);
    const int end = shareOf(percentShown(look) / 100.0, look.size.width() - 4);
    if (end > 0)
        WinGradient::fill(painter, QRect(2, 2, end + 1, look.size.height() - 5),
                          BlendToWhite(look.color, 140), BlendToWhite(look.color, 200),
                          Direction::LeftToRight);
}

void drawTrack(QPainter& painter, const ProgressBarLook& look)
{
    const int width = look.size.width();
    const int height = look.size.height();
    const int end = shareOf(percentShown(look) / 101.0, width);
    WinPaint::frame(painter, QRect(0, 0, width, height), BlendToWhite(look.color, 10));
    WinGradient::fill(painter, QRect(2, 2, width - 4, height - 4), look.color,
                      BlendToWhite(look.color, 100), Direction::TopToBottom);
    WinGradient::fill(painter, QRect(3, 3, end - 3, height - 5), BlendToWhite(look.color, 250),
                      look.color, Direction::TopToBottom);
    WinPaint::line(painter, end, 2, end, height - 2, BlendToWhite(look.color, 25));
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
    drawEdge(painter, look, OleColor::Light, OleColor::DarkShadow, OleColor::DarkShadow,
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
    drawEdge(painter, look, OleColor::ButtonShadow, OleColor::ButtonHighlight,
             OleColor::DarkShadow, OleColor::Light);
    const int width = shareOf(percentShown(look) / 101.0, look.size.width());
    if (!look.image.isNull() && width > 0)
        painter.fillRect(QRect(2, 2, width, look.size.height() - 4), QBrush(look.image));
}

// A silver-and-white bar on black or white, whose text changes colour
// where the bar ends. Its gradient has `end` steps, as the etched bar's.
void drawSilver(QPainter& painter, const ProgressBarLook& look)
{
    const bool dark = look.look == ProgressLook::SilverOnBlack;
    const int end = shareOf(percentShown(look) / 100.0, look.size.width() - 2);
    if (!dark)
        WinPaint::frame(painter, QRect(QPoint(0, 0), look.size), kSilver);
    if (end > 0)
        WinGradient::fill(painter, QRect(1, 1, end + 1, look.size.height() - 2),
                          BlendColors(kWhite, kSilver, dark ? 64 : 192), kSilver,
                          Direction::LeftToRight);
}

void drawText(QPainter& painter, const ProgressBarLook& look)
{
    const QRect area(QPoint(0, 0), look.size);
    painter.setFont(look.font);
    if (look.look != ProgressLook::SilverOnBlack) {
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text(look));
        return;
    }
    // Silver on the black track, black where it stands on the bar.
    const int end = 1 + shareOf(percentShown(look) / 100.0, look.size.width() - 2);
    painter.save();
    painter.setClipRect(QRect(0, 0, end, look.size.height()));
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text(look));
    painter.setClipRect(QRect(end, 0, look.size.width() - end, look.size.height()));
    painter.setPen(kSilver);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text(look));
    painter.restore();
}

void drawLook(QPainter& painter, const ProgressBarLook& look)
{
    switch (look.look) {
    case ProgressLook::Flat: drawFlat(painter, look); break;
    case ProgressLook::Etched: drawEtched(painter, look); break;
    case ProgressLook::Track: drawTrack(painter, look); break;
    case ProgressLook::SilverOnBlack:
    case ProgressLook::SilverOnWhite: drawSilver(painter, look); break;
    case ProgressLook::Hatched: drawHatched(painter, look); break;
    case ProgressLook::Pattern: drawPattern(painter, look); break;
    default: drawXp(painter, look); break;
    }
}

} // namespace

void paintProgressBar(QPainter& painter, const ProgressBarLook& look)
{
    if (look.size.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool dark = look.look == ProgressLook::SilverOnBlack;
    painter.fillRect(QRect(QPoint(0, 0), look.size), dark ? Qt::black : Qt::white);
    drawLook(painter, look);
    if (look.showText)
        drawText(painter, look);
}
