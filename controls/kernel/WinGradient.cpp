#include "WinGradient.h"

#include "NumberText.h"
#include "WinPaint.h"

namespace WinGradient {

namespace {

int blendChannel(int from, int to, int band, int bands)
{
    const double step = double(to - from) / (bands - 1);
    return int(roundHalfToEven(from + step * band));
}

} // namespace

QColor bandColor(const QColor& from, const QColor& to, int band, int bands)
{
    if (bands <= 1)
        return from;
    return QColor(blendChannel(from.red(), to.red(), band, bands),
                  blendChannel(from.green(), to.green(), band, bands),
                  blendChannel(from.blue(), to.blue(), band, bands));
}

void fill(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to,
          Direction direction)
{
    if (rect.isEmpty())
        return;
    const bool rows = direction == Direction::TopToBottom;
    const int bands = rows ? rect.height() : rect.width();
    for (int band = 0; band < bands; ++band) {
        const QRect bandRect = rows ? QRect(rect.left(), rect.top() + band, rect.width(), 1)
                                    : QRect(rect.left() + band, rect.top(), 1, rect.height());
        WinPaint::fill(painter, bandRect, bandColor(from, to, band, bands));
    }
}

} // namespace WinGradient
