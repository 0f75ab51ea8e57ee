#include "PieGeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

PieGeometry::PieGeometry(int width, int height, int length)
    : m_width(width), m_height(height), m_length(length)
{
}

PieGeometry PieGeometry::scaled(double ratio) const
{
    PieGeometry scaled(qRound(m_width * ratio), qRound(m_height * ratio), qRound(m_length * ratio));
    scaled.m_outlineWidth = std::max(1, qRound(m_outlineWidth * ratio));
    return scaled;
}

double PieGeometry::angle(double percent)
{
    return (percent - 38) * Pi / 50;
}

QPoint PieGeometry::centre() const
{
    return QPoint(qRound(m_width / 2.0), qRound(m_height / 2.0));
}

QPoint PieGeometry::boundaryPoint(double angle) const
{
    return pointAt(angle, m_width / 2.0, m_height / 2.0, 0);
}

QPoint PieGeometry::rimPoint(double angle) const
{
    return pointAt(angle, (m_width - 1) / 2.0, (m_height - 1) / 2.0, 0);
}

QPoint PieGeometry::bottomRimPoint(double angle) const
{
    return pointAt(angle, (m_width - 1) / 2.0, (m_height - 1) / 2.0, m_length - 1);
}

QPoint PieGeometry::seedPoint(double angle) const
{
    return pointAt(angle, m_width / 4.0, m_height / 4.0, 0);
}

int PieGeometry::frontColumn(double percent) const
{
    if (percent <= FrontStart)
        return m_width;
    const int leftEdge = boundaryPoint(LeftEndAngle).x() + 1;
    if (percent >= FrontEnd)
        return leftEdge;
    return std::clamp(boundaryPoint(angle(percent)).x(), leftEdge, m_width);
}

int PieGeometry::frontRow(int x) const
{
    const double half = m_width / 2.0;
    const double across = std::clamp((x - half) / half, -1.0, 1.0);
    return qRound(m_height / 2.0 + m_height / 2.0 * std::sqrt(1 - across * across));
}

double PieGeometry::facePercent(double x, double y) const
{
    const double angle = std::atan2((y - m_height / 2.0) / (m_height / 2.0),
                                    (x - m_width / 2.0) / (m_width / 2.0));
    const double percent = angle * 50 / Pi + 38;
    return percent < 0 ? percent + 100 : percent >= 100 ? percent - 100 : percent;
}

double PieGeometry::wallPercent(double x) const
{
    const double across = std::clamp((x - m_width / 2.0) / (m_width / 2.0), -1.0, 1.0);
    return FrontStart + std::acos(across) * 50 / Pi;
}

QPoint PieGeometry::pointAt(double angle, double radiusX, double radiusY, double shiftY) const
{
    return QPoint(qRound(m_width / 2.0 + radiusX * std::cos(angle)),
                  qRound(m_height / 2.0 + shiftY + radiusY * std::sin(angle)));
}
