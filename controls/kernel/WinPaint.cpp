#include "WinPaint.h"

#include <QPainter>

#include <cstdlib>

namespace WinPaint {

void pixel(QPainter& painter, int x, int y, const QColor& color)
{
    painter.fillRect(QRect(x, y, 1, 1), color);
}

void line(QPainter& painter, QPoint from, QPoint to, const QColor& color)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    if (dy == 0 && dx > 0) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        painter.fillRect(QRect(left, from.y(), dx, 1), color);
        return;
    }
    if (dx == 0 && dy > 0) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        painter.fillRect(QRect(from.x(), top, 1, dy), color);
        return;
    }

    forEachLinePixel(from, to, [&](int x, int y) { pixel(painter, x, y, color); });
}

void fill(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() > 0 && rect.height() > 0)
        painter.fillRect(rect, color);
}

void frame(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

} // namespace WinPaint
