#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

// Drawing with the meanings that the controls' pixel geometry is written
// in: a line covers its start point but not its end point; a rectangle
// (x, y, w, h) covers columns x..x+w-1 and rows y..y+h-1, filled or
// framed. All of them paint whole pixels, never antialiased.
namespace WinPaint {

void pixel(QPainter& painter, int x, int y, const QColor& color);
void line(QPainter& painter, QPoint from, QPoint to, const QColor& color);
inline void line(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color)
{
    line(painter, QPoint(x1, y1), QPoint(x2, y2), color);
}
void fill(QPainter& painter, const QRect& rect, const QColor& color);
// The one-pixel outline of the cells that fill() would cover.
void frame(QPainter& painter, const QRect& rect, const QColor& color);

} // namespace WinPaint
