#pragma once

#include <QPoint>
#include <QRgb>

#include <vector>

// Scanline flood fills over 32-bit pixels. Areas are 4-connected:
// diagonal steps do not connect, so a one-pixel line drawn with diagonal
// steps still holds a fill back.
namespace PieFloodFill {

// Replaces the area that has exactly the seed's colour.
void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color);

// The pixels of `color` that no path of that colour joins to the image's
// border: the holes that lines enclose.
std::vector<QPoint> enclosed(const QRgb* bits, int stride, int width, int height, QRgb color);

// Paints `color` over everything that a path avoiding `outline` joins to
// the image's border: everything outside a closed outline.
void paintOutside(QRgb* bits, int stride, int width, int height, QRgb outline, QRgb color);

} // namespace PieFloodFill
