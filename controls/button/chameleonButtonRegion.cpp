#include "chameleonButtonRegion.h"

#include <initializer_list>

namespace {

QRegion without(int width, int height, std::initializer_list<QRect> removed)
{
    QRegion region(0, 0, width, height);
    for (const QRect& cell : removed)
        region -= cell;
    return region;
}

} // namespace

QRegion chameleonButtonRegion(int buttonType, int width, int height)
{
    const int w = width;
    const int h = height;
    if (w <= 0 || h <= 0)
        return QRegion();
    switch (buttonType) {
    case 1:
    case 14: // the four corner pixels
        return without(w, h, {QRect(0, 0, 1, 1), QRect(w - 1, 0, 1, 1), QRect(0, h - 1, 1, 1),
                              QRect(w - 1, h - 1, 1, 1)});
    case 5: // bottom-left and top-right only
        return without(w, h, {QRect(0, h - 1, 1, 1), QRect(w - 1, 0, 1, 1)});
    case 3:
    case 4: // a 2 x 1 strip on the outer row and one pixel on the next row
        return without(w, h, {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1),
                              QRect(w - 2, 0, 2, 1), QRect(w - 1, 1, 1, 1),
                              QRect(0, h - 1, 2, 1), QRect(0, h - 2, 1, 1),
                              QRect(w - 2, h - 1, 2, 1), QRect(w - 1, h - 2, 1, 1)});
    case 13:
        return QRegion(0, 0, w, h, QRegion::Ellipse);
    default:
        return QRegion();
    }
}
