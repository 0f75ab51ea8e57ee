#pragma once

#include "OleColor.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>

class QPainter;

// Everything a progress bar's drawing depends on.
struct ProgressBarLook
{
    QSize size;
    int percent = 0;          // may exceed 100; drawn as at most 100
    QColor color;             // the bar colour, already resolved
    int scrolling = 0;        // which of the ten looks
    bool vertical = false;
    bool showText = false;
    int brushStyle = 0;       // hatch of look 7
    QPixmap image;            // pattern of look 8
    QFont font;
};

// The colour arithmetic and primitives the looks are made of.
namespace ProgressBarPaint {

using OleColor::BlendToWhite;

// Each channel becomes round(channel2 * (255 - weight) / 255 + channel1 * weight / 255).
QColor BlendColors(const QColor& first, const QColor& second, int weight);

// A one-pixel line from (x, y) to the end point (x2, y2), end excluded.
void DrawLine(QPainter& painter, int x, int y, int x2, int y2, const QColor& color);

// n + 1 lines shading from `from` to `to`. Horizontal: n is `width`, one
// line per column x + i running down from y to `height`. Otherwise: n is
// `height`, one line per row y + i running from x to `width`. So the size
// that is not stepped along acts as the far coordinate.
void DrawGradient(QPainter& painter, const QColor& from, const QColor& to, int x, int y,
                  int width, int height, bool horizontal);

} // namespace ProgressBarPaint

// Draws the whole bar, background included, into the look's rectangle.
void paintProgressBar(QPainter& painter, const ProgressBarLook& look);
