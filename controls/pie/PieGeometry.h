#pragma once

#include <QPoint>
#include <QSize>

// Where the chart's percentages lie on screen. A percentage p maps to the
// angle a(p) = (p - 38) * pi / 50, so 38 % is the right end of the top
// ellipse, 63 % its lowest point, 88 % its left end, and 0 % lies in the
// upper left; percentages run clockwise. Points come in three radii
// around the centre (W/2, H/2): the boundary radius for slice boundaries,
// front edges and sweeps, the rim radius for the black outer rims, and the
// seed radius for the face fills. The side wall is the top ellipse moved
// down by the length L. Drawing and the hit map share this one mapping.
class PieGeometry
{
public:
    static constexpr double Pi = 3.14159265358979;
    // The chart's drawing takes the left end of the ellipse at 3.14 rad,
    // just short of Pi: the bottom rim stops there and the left side edge
    // stands one pixel right of the boundary point there.
    static constexpr double LeftEndAngle = 3.14;
    // The percentages between which the side wall is visible.
    static constexpr double FrontStart = 38;
    static constexpr double FrontEnd = 88;

    PieGeometry(int width, int height, int length);
    // The same chart measured in device pixels at a device pixel ratio.
    PieGeometry scaled(double ratio) const;

    int width() const { return m_width; }
    int height() const { return m_height; }
    int length() const { return m_length; }
    // Outlines are one pixel of the widget wide, in device pixels.
    int outlineWidth() const { return m_outlineWidth; }
    // The W + 1 by H + L pixels the chart covers.
    QSize size() const { return QSize(m_width + 1, m_height + m_length); }

    static double angle(double percent);

    QPoint centre() const;
    QPoint boundaryPoint(double angle) const;
    QPoint rimPoint(double angle) const;
    // The rim of the bottom ellipse: the top rim moved down by L - 1.
    QPoint bottomRimPoint(double angle) const;
    QPoint seedPoint(double angle) const;

    // The column of the side wall's edge below a percentage of the front
    // half: its boundary point, but the side edges at both ends.
    int frontColumn(double percent) const;
    // The row of the top ellipse's front half in column x.
    int frontRow(int x) const;

    // The inverse mapping: the percentage (0 to 100) at a point of the top
    // face, and the percentage of the front half above a column of the
    // side wall (38 to 88).
    double facePercent(double x, double y) const;
    double wallPercent(double x) const;

private:
    QPoint pointAt(double angle, double radiusX, double radiusY, double shiftY) const;

    int m_width;
    int m_height;
    int m_length;
    int m_outlineWidth = 1;
};
