#include "PieRenderer.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
// Rims are joined from short segments, and faces swept with radius lines,
// at these angular steps in radians.
constexpr double kRimStep = 0.05;
constexpr double kSweepStep = 0.01;
// A rim runs this far past the total, so it meets the boundary there.
constexpr double kRimOverlap = 0.018;
// A slice whose end lies strictly between these percentages ends on the
// visible front, so an edge runs down the side wall below its end.
constexpr double kFrontEdgeAbove = 37;
constexpr double kFrontEdgeBelow = 89;
// The left side edge bounds the drawn part once its total passes this.
constexpr double kLeftEdgeAbove = PieGeometry::FrontEnd - 1;

// Where the bottom rim's last segment ends: further past the total once
// the total passes `above`, so the rim reaches the left side edge.
struct BottomRimClosing
{
    double above;
    double offset;

    double at(double total) const { return total > above ? offset : kRimOverlap; }
};
// The outline pass and the redraw over the fills close it differently.
constexpr BottomRimClosing kOutlineClosing{82, 0.08};
constexpr BottomRimClosing kRedrawClosing{83, 0.022};

bool isWholeCircle(const PieChartSlice& slice)
{
    return slice.start == 0 && slice.end == 100;
}

} // namespace

PieRenderer::PieRenderer(const PieGeometry& geometry, QSize canvas, QRgb background)
    : m_geometry(geometry), m_raster(canvas.width(), canvas.height(), background)
{
}

QImage PieRenderer::draw(const PieChartPlan& plan)
{
    for (const PieChartSlice& slice : plan.slices)
        drawOutline(slice, kBlack);
    drawTopRim(plan.total, kBlack);
    drawBottomRim(plan.total, kOutlineClosing.at(plan.total), kBlack);
    drawSideEdges(plan.total);
    for (const PieChartSlice& slice : plan.slices)
        fillSlice(slice);
    if (plan.hasRemainder())
        drawRemainder(plan);
    drawTopRim(plan.total, kBlack);
    drawBottomRim(plan.total, kRedrawClosing.at(plan.total), kBlack);
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
        outline(centre, m_geometry.boundaryPoint(PieGeometry::angle(slice.start)), color);
        outline(centre, end, color);
    }
    if (slice.end > kFrontEdgeAbove && slice.end < kFrontEdgeBelow) {
        // Near the ends of the wall, where the ellipse runs steeply, the
        // edge keeps between the side edges and stops at the bottom rim.
        const int x = m_geometry.frontColumn(slice.end);
        const int bottom = m_geometry.frontRow(x) + m_geometry.length();
        outline(QPoint(x, end.y()), QPoint(x, bottom), color);
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
    const double last = std::min(PieGeometry::angle(total), PieGeometry::LeftEndAngle);
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
        outline(previous, next, color);
        previous = next;
    }
    outline(previous, pointAt(closing), color);
}

void PieRenderer::drawLeftEdge(QRgb color)
{
    const QPoint top = m_geometry.boundaryPoint(PieGeometry::LeftEndAngle) + QPoint(1, 0);
    outline(top, top + QPoint(0, m_geometry.length()), color);
}

void PieRenderer::drawRightEdge(QRgb color)
{
    const QPoint top(m_geometry.width(), m_geometry.centre().y());
    outline(top, top + QPoint(0, m_geometry.length()), color);
}

// The side wall of the drawn part ends at the right end once the total
// passes it, and at the left end once the total reaches the left end.
void PieRenderer::drawSideEdges(double total)
{
    if (total > PieGeometry::FrontStart)
        drawRightEdge(kBlack);
    if (total > kLeftEdgeAbove)
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
// open, so that its fills stay inside the ellipse: the top rim always,
// the wall's edges only when its wall is painted.
void PieRenderer::drawRemainder(const PieChartPlan& plan)
{
    const double end = PieGeometry::angle(100);
    drawRim(PieGeometry::angle(plan.total), end, end, false, kBlack);
    if (plan.remainderSide)
        outlineRemainderWall(plan.total);
    fillBlank(m_geometry.boundaryPoint(PieGeometry::angle(0)) + QPoint(1, 1), plan.remainderFace);
    // Wider outlines cover the pixel beside 0 %: then the rest's face is
    // seeded in its middle, as a slice's face is.
    const double middle = (PieGeometry::angle(plan.total) + PieGeometry::angle(100)) / 2;
    fillBlank(m_geometry.seedPoint(middle), plan.remainderFace);
    if (plan.remainderSide)
        fillSideWall(plan.total, 100, *plan.remainderSide);
}

// A rest with a painted wall has a total below the left end of the front.
void PieRenderer::outlineRemainderWall(double total)
{
    const double from = std::max(PieGeometry::angle(total), 0.0);
    const double last = PieGeometry::LeftEndAngle + kRimOverlap;
    drawRim(from, last, last, true, kBlack);
    drawLeftEdge(kBlack);
    if (total <= PieGeometry::FrontStart)
        drawRightEdge(kBlack);
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
        return wall ? plan.remainderSide.value_or(m_raster.background()) : plan.remainderFace;
    return m_raster.background();
}

// A wider outline adds lines beside the first, toward the centre, so the
// rims grow into the chart rather than out of the picture.
void PieRenderer::outline(QPoint from, QPoint to, QRgb color)
{
    const QPoint middle = (from + to) / 2;
    const QPoint centre = m_geometry.centre();
    const bool flat = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const QPoint step = flat ? QPoint(0, middle.y() > centre.y() ? -1 : 1)
                             : QPoint(middle.x() > centre.x() ? -1 : 1, 0);
    for (int line = 0; line < m_geometry.outlineWidth(); ++line)
        m_raster.line(from + line * step, to + line * step, color);
}

void PieRenderer::fillBlank(QPoint seed, QRgb color)
{
    if (m_raster.contains(seed.x(), seed.y()) && m_raster.at(seed) == m_raster.background())
        m_raster.floodFill(seed, color);
}
