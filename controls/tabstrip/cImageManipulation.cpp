#include "cImageManipulation.h"

#include <QPainter>

void cImageManipulation::PaintTransparentDC(QPainter& destination, QPoint to, QSize size,
                                            const QImage& source, QPoint from,
                                            quint32 maskColour) const
{
    if (size.isEmpty() || source.isNull())
        return;
    QImage masked = source.copy(QRect(from, size)).convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = OleColor::toColor(maskColour).rgb() & RGB_MASK;
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] & RGB_MASK) == mask)
                row[x] = 0;
        }
    }
    destination.drawImage(to, masked);
}

void cImageManipulation::PaintTransparentPicture(QPainter& destination, const QPixmap& picture,
                                                 QPoint to, QSize size, QPoint from,
                                                 quint32 maskColour) const
{
    if (picture.isNull() || size.isEmpty())
        return;
    // The picture's own transparency becomes the mask colour first, so
    // both kinds of transparency end up the same.
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(OleColor::toColor(maskColour));
    {
        QPainter painter(&canvas);
        painter.drawPixmap(-from, picture);
    }
    PaintTransparentDC(destination, to, size, canvas, QPoint(), maskColour);
}
