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

QRegion chameleonButtonRegion(chameleonButtonKinds::ButtonTypes buttonType, int width, int height)
{
    using chameleonButtonKinds::ButtonTypes;
    const int right = width - 1;
    const int bottom = height - 1;
    if (width <= 0 || height <= 0)
        return QRegion();
    switch (buttonType) {
    case ButtonTypes::TypeClassic:
    case ButtonTypes::TypeBanded: // the four corner pixels
        return without(width, height, {QRect(0, 0, 1, 1), QRect(right, 0, 1, 1), QRect(0, bottom, 1, 1),
                                       QRect(right, bottom, 1, 1)});
    case ButtonTypes::TypeBeveled: // bottom-left and top-right only
        return without(width, height, {QRect(0, bottom, 1, 1), QRect(right, 0, 1, 1)});
    case ButtonTypes::TypeGradient:
    case ButtonTypes::TypeRounded: // a 2 x 1 strip on the outer row and one pixel on the next row
        return without(width, height, {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1),
                                       QRect(right - 1, 0, 2, 1), QRect(right, 1, 1, 1),
                                       QRect(0, bottom, 2, 1), QRect(0, bottom - 1, 1, 1),
                                       QRect(right - 1, bottom, 2, 1), QRect(right, bottom - 1, 1, 1)});
    case ButtonTypes::TypeOval:
        return QRegion(0, 0, width, height, QRegion::Ellipse);
    default:
        return QRegion();
    }
}
