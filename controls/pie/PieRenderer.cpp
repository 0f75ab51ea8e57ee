#include "PieRenderer.h"

#include <algorithm>

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr double kRimStep = 0.05;
constexpr double kSweepStep = 0.01;
// A rim runs this far past the total, so it meets the boundary there.
constexpr double kRimOverlap = 0.018;
// The bottom rim ends at the left side edge, not past it.
constexpr double kBottomRimLimit = 3.14;
// Below and above these the end of a slice is on the visible front.
constexpr double kFrontEdgeFrom = 37;
constexpr double kFrontEdgeTo = 89;

bool isWholeCircle(const PieChartSlice& slice)
{
    return slice.start == 0 && slice.end == 100;
}

} // namespace

PieRenderer::PieRenderer(const PieGeometry& geometry, QRgb background)
    : m_geometry(geometry),
      m_raster(geometry.width() + 1, geometry.height() + geometry.length(), background)
{
}

QImage PieRenderer::draw(const PieChartPlan& plan)
{
    for (const PieChartSlice& slice : plan.slices)
        drawOutline(slice, kBlack);
    drawTopRim(plan.total, kBlack);
    drawBottomRim(plan.total, plan.total > 82 ? 0.08 : kRimOverlap, kBlack);
    drawSideEdges(plan.total);
    for (const PieChartSlice& slice : plan.slices)
        fillSlice(slice);
    if (plan.hasRemainder())
        drawRemainder(plan);
    drawTopRim(plan.total, kBlack);
    drawBottomRim(plan.total, plan.total > 83 ? 0.022 : kRimOverlap, kBlack);
    // A front edge at 38 % lies on the right side edge; the outline stays black.
    drawSideEdges(plan.total);
    clearOutside();
    fillHoles(plan);
    return m_raster.image();
}

// The two radii of a slice and, when its end lies on the front, the
// edge down the side wall below it.
void PieRenderer::drawOutline(const PieChartSlice& slice, QRgb color)
{
    const QPoint centre = m_geometry.centre();
    const QPoint end = m_geometry.boundaryPoint(PieGeometry::angle(slice.end));
    if (!isWholeCircle(slice)) {
        m_raster.line(centre, m_geometry.boundaryPoint(PieGeometry::angle(slice.start)), color);
        m_raster.line(centre, end, color);
    }
    if (slice.end > kFrontEdgeFrom && slice.end < kFrontEdgeTo) {
        // Near the ends of the wall, where the ellipse runs steeply, the
        // edge keeps between the side edges and stops at the bottom rim.
        const int x = m_geometry.frontColumn(slice.end);
        const int bottom = m_geometry.frontRow(x) + m_geometry.length();
        m_raster.line(QPoint(x, end.y()), QPoint(x, bottom), color);
    }
}

void PieRenderer::drawTopRim(double total, QRgb color)
{
    const double end = PieGeometry::angle(total) + kRimOverlap;
    drawRim(PieGeometry::angle(0), end, end, false, color);
}

// The visible half of the bottom rim, from the right end (angle 0) to the
// total or the left end, whichever comes first.
void PieRenderer::drawBottomRim(double total, double closingOffset, QRgb color)
{
    if (total <= PieGeometry::FrontStart)
        return;
    const double last = std::min(PieGeometry::angle(total), kBottomRimLimit);
    drawRim(0, last + kRimOverlap, last + closingOffset, true, color);
}

// Joins the rim points from `from` to `to` in steps of 0.05 rad, then the
// last of them to the point at `closing`.
void PieRenderer::drawRim(double from, double to, double closing, bool bottom, QRgb color)
{
    auto pointAt = [&](double angle) {
        return bottom ? m_geometry.bottomRimPoint(angle) : m_geometry.rimPoint(angle);
    };
    QPoint previous = pointAt(from);
    for (int step = 1; from + step * kRimStep <= to; ++step) {
        const QPoint next = pointAt(from + step * kRimStep);
        m_raster.line(previous, next, color);
        previous = next;
    }
    m_raster.line(previous, pointAt(closing), color);
}

void PieRenderer::drawLeftEdge(QRgb color)
{
    const QPoint top = m_geometry.boundaryPoint(kBottomRimLimit) + QPoint(1, 0);
    m_raster.line(top, top + QPoint(0, m_geometry.length()), color);
}

void PieRenderer::drawRightEdge(QRgb color)
{
    const QPoint top(m_geometry.width(), m_geometry.centre().y());
    m_raster.line(top, top + QPoint(0, m_geometry.length()), color);
}

// The side wall of the drawn part ends at the right end once the total
// passes it, and at the left end once the total reaches the left end.
void PieRenderer::drawSideEdges(double total)
{
    if (total > PieGeometry::FrontStart)
        drawRightEdge(kBlack);
    if (total > PieGeometry::FrontEnd - 1)
        drawLeftEdge(kBlack);
}

void PieRenderer::fillSlice(const PieChartSlice& slice)
{
    fillFace(slice);
    fillSideWall(slice.start, slice.end, slice.shadow);
    sweep(slice);
    drawOutline(slice, slice.line);
}

void PieRenderer::fillFace(const PieChartSlice& slice)
{
    const double middle = (PieGeometry::angle(slice.start) + PieGeometry::angle(slice.end)) / 2;
    fillBlank(m_geometry.seedPoint(middle), slice.face);
}

// Seeds in the middle column between the edges that bound the part of
// the side wall below start..end, when there is a column between them.
void PieRenderer::fillSideWall(double start, double end, QRgb color)
{
    const double from = std::max(start, PieGeometry::FrontStart);
    const double to = std::min(end, PieGeometry::FrontEnd);
    if (to <= from)
        return;
    const int right = m_geometry.frontColumn(from);
    const int left = m_geometry.frontColumn(to);
    if (right - left < 2)
        return;
    const int x = (left + right) / 2;
    fillBlank(QPoint(x, m_geometry.frontRow(x) + m_geometry.length() / 2), color);
}

// Radius lines in the face colour cover what the fill could not reach,
// such as the narrow corners near the centre. They end at the rim: the
// boundary radius lies up to a pixel outside it, and lines ending there
// would leave coloured specks outside the black rim.
void PieRenderer::sweep(const PieChartSlice& slice)
{
    const QPoint centre = m_geometry.centre();
    const double from = PieGeometry::angle(slice.start);
    const double to = PieGeometry::angle(slice.end);
    for (int step = 0; from + step * kSweepStep <= to; ++step)
        m_raster.line(centre, m_geometry.rimPoint(from + step * kSweepStep), slice.face);
}

// The rest of a total below 100 gets the outline the drawn part leaves
// open, so that its fills stay inside the ellipse.
void PieRenderer::drawRemainder(const PieChartPlan& plan)
{
    const double end = PieGeometry::angle(100);
    drawRim(PieGeometry::angle(plan.total), end, end, false, kBlack);
    if (plan.total < PieGeometry::FrontEnd) {
        const double from = std::max(PieGeometry::angle(plan.total), 0.0);
        const double last = kBottomRimLimit + kRimOverlap;
        drawRim(from, last, last, true, kBlack);
        drawLeftEdge(kBlack);
        if (plan.total <= PieGeometry::FrontStart)
            drawRightEdge(kBlack);
    }
    fillBlank(m_geometry.boundaryPoint(PieGeometry::angle(0)) + QPoint(1, 1), plan.remainderFace);
    fillSideWall(plan.total, 100, plan.remainderSide);
}

// Boundary lines run to the boundary radius, up to a pixel beyond the rim;
// in the hit map their greys there would name a wedge outside the chart.
// Black stays: it cannot name one.
void PieRenderer::clearOutside()
{
    m_raster.clearOutside(kBlack);
}

void PieRenderer::fillHoles(const PieChartPlan& plan)
{
    for (const QPoint& hole : m_raster.enclosedBackground())
        m_raster.set(hole.x(), hole.y(), colorAt(plan, hole));
}

// The face or wall colour of whatever lies at a point of the chart.
QRgb PieRenderer::colorAt(const PieChartPlan& plan, QPoint point) const
{
    const bool wall = point.y() >= m_geometry.frontRow(point.x());
    const double percent =
        wall ? m_geometry.wallPercent(point.x()) : m_geometry.facePercent(point.x(), point.y());
    for (const PieChartSlice& slice : plan.slices) {
        if (slice.start <= percent && percent < slice.end)
            return wall ? slice.shadow : slice.face;
    }
    if (plan.hasRemainder())
        return wall ? plan.remainderSide : plan.remainderFace;
    return m_raster.background();
}

void PieRenderer::fillBlank(QPoint seed, QRgb color)
{
    if (m_raster.contains(seed.x(), seed.y()) && m_raster.at(seed) == m_raster.background())
        m_raster.floodFill(seed, color);
}
