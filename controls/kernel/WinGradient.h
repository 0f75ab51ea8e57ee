#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Linear colour gradients in one-pixel bands, the way the controls shade
// their tabs and bars: the first band in one colour, the last in the
// other, the ones between blended evenly.
namespace WinGradient {

enum class Direction {
    TopToBottom, // one band per row
    LeftToRight, // one band per column
};

// The colour of band `band` (0 first) of `bands`: each channel goes from
// `from` towards `to` by (to - from) / (bands - 1) per band, rounded half
// to even. A single band is `from`.
QColor bandColor(const QColor& from, const QColor& to, int band, int bands);

// Fills `rect` with bands running along `direction`; nothing for an empty
// rectangle.
void fill(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to,
          Direction direction);

} // namespace WinGradient
