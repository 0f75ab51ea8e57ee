#pragma once

#include "OleColor.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>

class QPainter;

// Paints pictures with one colour treated as transparent: every pixel of
// the source in the mask colour lets the destination show through.
class cImageManipulation
{
public:
    static constexpr quint32 DefaultMask = OleColor::rgb(255, 0, 255);

    // Copies the `size` area of `source` at `from` to `to`, leaving out the
    // pixels in `maskColour` (a plain colour).
    void PaintTransparentDC(QPainter& destination, QPoint to, QSize size, const QImage& source,
                            QPoint from = QPoint(), quint32 maskColour = DefaultMask) const;

    // The same for a picture; its own transparent pixels stay transparent.
    // Nothing for no picture.
    void PaintTransparentPicture(QPainter& destination, const QPixmap& picture, QPoint to, QSize size,
                                 QPoint from = QPoint(), quint32 maskColour = DefaultMask) const;
};
