#pragma once

#include "PieData.h"
#include "PieGeometry.h"
#include "PieRaster.h"

#include <QImage>

// Draws one chart on a canvas of the background colour, at least the
// chart's W + 1 by H + L pixels: the black outlines of the slice
// boundaries and front edges, the rims and side edges of the drawn part,
// then per slice a flood fill of its face and of its visible side wall,
// a sweep of radius lines over the face and its boundaries drawn again,
// then the rest of a total below 100 (its face, and its side wall for the
// totals that paint it) and the rims once more. Pixels that crossing
// lines shut off from every fill (in slices thinner than a few pixels)
// finally take the colour the geometry gives them.
class PieRenderer
{
public:
    PieRenderer(const PieGeometry& geometry, QSize canvas, QRgb background);

    QImage draw(const PieChartPlan& plan);

private:
    // A line of the chart's outline width.
    void outline(QPoint from, QPoint to, QRgb color);
    void drawOutline(const PieChartSlice& slice, QRgb color);
    void drawTopRim(double total, QRgb color);
    void drawBottomRim(double total, double closingOffset, QRgb color);
    void drawRim(double from, double to, double closing, bool bottom, QRgb color);
    void drawLeftEdge(QRgb color);
    void drawRightEdge(QRgb color);
    void drawSideEdges(double total);
    void fillSlice(const PieChartSlice& slice);
    void fillFace(const PieChartSlice& slice);
    void fillSideWall(double start, double end, QRgb color);
    void sweep(const PieChartSlice& slice);
    void drawRemainder(const PieChartPlan& plan);
    void outlineRemainderWall(double total);
    void clearOutside();
    void fillHoles(const PieChartPlan& plan);
    QRgb colorAt(const PieChartPlan& plan, QPoint point) const;
    // Fills only an area still blank: a seed on a line (a very thin slice)
    // would otherwise recolour every line joined to it.
    void fillBlank(QPoint seed, QRgb color);

    PieGeometry m_geometry;
    PieRaster m_raster;
};
