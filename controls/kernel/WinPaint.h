#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include <cstdlib>

class QPainter;

// Drawing with the meanings that the controls' pixel geometry is written
// in: a line covers its start point but not its end point; a rectangle
// (x, y, w, h) covers columns x..x+w-1 and rows y..y+h-1, filled or
// framed. All of them paint whole pixels, never antialiased.
namespace WinPaint {

void pixel(QPainter& painter, int x, int y, const QColor& color);

// Calls visit(x, y) for every pixel that line() paints, in order from the
// start point (Bresenham, stopping before the end point), for code that
// writes into image memory directly.
template <typename Visit>
void forEachLinePixel(QPoint from, QPoint to, Visit&& visit)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx - dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        visit(x, y);
        const int doubled = 2 * error;
        if (doubled > -dy) {
            error -= dy;
            x += stepX;
        }
        if (doubled < dx) {
            error += dx;
            y += stepY;
        }
    }
}

void line(QPainter& painter, QPoint from, QPoint to, const QColor& color);
inline void line(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color)
{
    line(painter, QPoint(x1, y1), QPoint(x2, y2), color);
}
void fill(QPainter& painter, const QRect& rect, const QColor& color);
// The one-pixel outline of the cells that fill() would cover.
void frame(QPainter& painter, const QRect& rect, const QColor& color);

} // namespace WinPaint
