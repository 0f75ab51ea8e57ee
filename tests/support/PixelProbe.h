#pragma once

// Probes for the pixel tests of painted widgets: a pixel as readable text,
// colour counts in an area, and the rule that a paint test fails on any
// warning its painting raises.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QTest>

namespace PixelProbe {

// "r,g,b" of one pixel, so a failed comparison shows the colour.
inline QString colourAt(const QImage& image, int x, int y)
{
    const QColor colour = image.pixelColor(x, y);
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// The same, labelled with its place: "(x, y) r,g,b".
inline QString placedColourAt(const QImage& image, QPoint at)
{
    return QStringLiteral("(%1, %2) %3").arg(at.x()).arg(at.y()).arg(colourAt(image, at.x(), at.y()));
}

inline int countColour(const QImage& image, const QRect& area, const QColor& colour)
{
    const QRect inside = area & image.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

inline bool containsColour(const QImage& image, const QRect& area, const QColor& colour)
{
    return countColour(image, area, colour) > 0;
}

// Call in a paint test's init(): a painting warning (a QPainter that could
// not begin or was left active, a bad paint device, image or pixmap, a
// recursive repaint) fails the test.
inline void failOnPaintWarnings()
{
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(QPainter|QPaintDevice|QPaintEngine|QImage|QPixmap|QWidget::(repaint|render))")));
}

} // namespace PixelProbe
