#include "PieHitMap.h"

#include "PieData.h"
#include "PieRenderer.h"

// White is no wedge's grey, whatever background the chart itself has.
PieHitMap::PieHitMap(const PieGeometry& geometry)
    : m_map(PieRenderer(geometry, geometry.size(), qRgb(255, 255, 255))
                .draw(PieChart::hitMapPlan()))
{
}

int PieHitMap::wedgeAt(QPoint point) const
{
    if (!m_map.valid(point))
        return -1;
    const QRgb color = m_map.pixel(point);
    const int grey = qRed(color);
    if (qGreen(color) != grey || qBlue(color) != grey || grey < 1 || grey > 100)
        return -1;
    return grey;
}
