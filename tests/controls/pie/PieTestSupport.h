#pragma once

#include "FakeDialogs.h"
#include "OleColor.h"
#include "Pie.h"
#include "PieGeometry.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QVariantList>

#include <algorithm>
#include <cmath>

// A chart on a white background, with the points of its picture that the
// chart tests look at.
namespace PieTest {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
// The six built-in colour pairs.
constexpr QRgb Faces[] = {qRgb(168, 223, 11), qRgb(0, 155, 225), qRgb(1, 169, 44),
                          qRgb(210, 44, 2),   qRgb(250, 206, 1), qRgb(193, 2, 170)};
constexpr QRgb Shadows[] = {qRgb(156, 198, 82), qRgb(0, 115, 165), qRgb(1, 122, 32),
                            qRgb(155, 33, 2),   qRgb(205, 169, 1), qRgb(135, 1, 122)};

// The seed point of the face at a percentage.
inline QPoint facePoint(const PieGeometry& geometry, double percent)
{
    return geometry.seedPoint(PieGeometry::angle(percent));
}

// The side wall halfway down, below a percentage of the front half.
inline QPoint wallPoint(const PieGeometry& geometry, double percent)
{
    const int x = geometry.boundaryPoint(PieGeometry::angle(percent)).x();
    return QPoint(x, geometry.frontRow(x) + geometry.length() / 2);
}

// Inside the outline of the cylinder (top ellipse, bottom ellipse and the
// band between), grown or shrunk by `margin` pixels.
inline bool insideOutline(const PieGeometry& geometry, double x, double y, double margin)
{
    const double across = (x - geometry.width() / 2.0) / (geometry.width() / 2.0 + margin);
    const double half =
        (geometry.height() / 2.0 + margin) * std::sqrt(std::max(0.0, 1 - across * across));
    return std::abs(across) < 1 && y > geometry.height() / 2.0 - half
        && y < geometry.height() / 2.0 + geometry.length() - 1 + half;
}

// Any warning fails the test: a painter warning means something was not
// drawn, and a dialogs warning that a chart reached for an unset service.
inline void failOnAnyWarning()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

inline void send(Pie& pie, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), pie.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&pie, &event);
}

struct Chart
{
    FakeDialogs dialogs;
    Pie pie;

    explicit Chart(const QVariantList& values, QSize size = QSize(1, 1), int length = 1)
    {
        pie.setDialogs(&dialogs);
        pie.setBackcolor(OleColor::rgb(255, 255, 255));
        pie.CreatePie(values, size.width(), size.height(), length);
    }

    // The chart in the widget's own pixels, as the hit map measures it.
    PieGeometry geometry() const
    {
        return PieGeometry(pie.pieChartWidth(), pie.pieChartHeight(), pie.pieChartLength());
    }
    QRgb at(QPoint point) const { return pie.picture().pixel(point); }
    QRgb faceAt(double percent) const { return at(facePoint(geometry(), percent)); }
    QRgb wallAt(double percent) const { return at(wallPoint(geometry(), percent)); }
    // Whether every pixel of the picture has this colour.
    bool only(QRgb color) const
    {
        return count(color) == pie.picture().width() * pie.picture().height();
    }
    int count(QRgb color) const
    {
        int found = 0;
        for (int y = 0; y < pie.picture().height(); ++y)
            for (int x = 0; x < pie.picture().width(); ++x)
                found += at(QPoint(x, y)) == color;
        return found;
    }
};

} // namespace PieTest
