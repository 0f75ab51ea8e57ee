#pragma once

#include <QPoint>
#include <QRgb>

#include <vector>

// Scanline flood fill over 32-bit pixels: replaces the 4-connected area
// that has exactly the seed's colour. Diagonal steps do not connect, so a
// one-pixel line drawn with diagonal steps still holds the fill back.
namespace PieFloodFill {

void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color);

// The pixels of `color` that no 4-connected path of that colour joins to
// the image's border: the holes that lines enclose.
std::vector<QPoint> enclosed(const QRgb* bits, int stride, int width, int height, QRgb color);

// The pixels that a 4-connected path avoiding `outline` joins to the
// image's border: everything outside a closed outline.
std::vector<QPoint> outside(const QRgb* bits, int stride, int width, int height, QRgb outline);

} // namespace PieFloodFill
