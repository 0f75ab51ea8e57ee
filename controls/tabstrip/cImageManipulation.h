#pragma once

#include "OleColor.h"

#include <QImage>
#include <QPixmap>

class QPainter;

// Paints pictures with one colour treated as transparent: every pixel of
// the source in the mask colour lets the destination show through.
class cImageManipulation
{
public:
    static constexpr quint32 DefaultMask = OleColor::rgb(255, 0, 255);

    // Copies the `width` x `height` area of `source` at (xSrc, ySrc) to
    // (xDest, yDest), leaving out the pixels in `clrMask`.
    void PaintTransparentDC(QPainter& destination, int xDest, int yDest, int width, int height,
                            const QImage& source, int xSrc = 0, int ySrc = 0,
                            quint32 clrMask = DefaultMask) const;

    // The same for a picture; its own transparent pixels stay transparent.
    // Nothing for no picture.
    void PaintTransparentPicture(QPainter& destination, const QPixmap& picture, int xDest, int yDest,
                                 int width, int height, int xSrc = 0, int ySrc = 0,
                                 quint32 clrMask = DefaultMask) const;
};
