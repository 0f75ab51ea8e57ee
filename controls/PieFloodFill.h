#pragma once

#include <QPoint>
#include <QRgb>

// Scanline flood fill over 32-bit pixels: replaces the 4-connected area
// that has exactly the seed's colour. Diagonal steps do not connect, so a
// one-pixel line drawn with diagonal steps still holds the fill back.
namespace PieFloodFill {

void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color);

} // namespace PieFloodFill
