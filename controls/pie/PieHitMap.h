#pragma once

#include "PieGeometry.h"

#include <QImage>
#include <QPoint>

// The chart drawn once more as 100 wedges of 1 %, wedge k in grey
// RGB(k, k, k) on face and side wall alike, with black rims. The grey
// under a point names the wedge there; grey 0 (the first wedge) and the
// black rims share a colour, so neither names a wedge.
class PieHitMap
{
public:
    PieHitMap() = default;
    explicit PieHitMap(const PieGeometry& geometry);

    bool isEmpty() const { return m_map.isNull(); }
    // The wedge 1 to 99 under the point, or -1 (rims, outside, the first
    // wedge, or no map yet).
    int wedgeAt(QPoint point) const;

    const QImage& image() const { return m_map; }

private:
    QImage m_map;
};
