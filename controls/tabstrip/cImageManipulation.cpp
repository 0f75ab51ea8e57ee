#include "cImageManipulation.h"

#include <QPainter>

void cImageManipulation::PaintTransparentDC(QPainter& destination, int xDest, int yDest, int width,
                                            int height, const QImage& source, int xSrc, int ySrc,
                                            quint32 clrMask) const
{
    if (width <= 0 || height <= 0 || source.isNull())
        return;
    QImage masked = source.copy(xSrc, ySrc, width, height).convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = OleColor::toColor(clrMask).rgb() & RGB_MASK;
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] & RGB_MASK) == mask)
                row[x] = 0;
        }
    }
    destination.drawImage(xDest, yDest, masked);
}

void cImageManipulation::PaintTransparentPicture(QPainter& destination, const QPixmap& picture,
                                                 int xDest, int yDest, int width, int height,
                                                 int xSrc, int ySrc, quint32 clrMask) const
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return;
    // The picture's own transparency becomes the mask colour first, so
    // both kinds of transparency end up the same.
    QImage canvas(width, height, QImage::Format_ARGB32);
    canvas.fill(OleColor::toColor(clrMask));
    {
        QPainter painter(&canvas);
        painter.drawPixmap(-xSrc, -ySrc, picture);
    }
    PaintTransparentDC(destination, xDest, yDest, width, height, canvas, 0, 0, clrMask);
}
