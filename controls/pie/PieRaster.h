#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

// The chart's drawing surface: whole pixels written straight into an
// image, never antialiased. Lines follow WinPaint's meaning (the start
// point is drawn, the end point is not); writes outside are dropped and
// reads outside give the background.
class PieRaster
{
public:
    PieRaster(int width, int height, QRgb background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QRgb background() const { return m_background; }

    bool contains(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }
    QRgb at(int x, int y) const { return contains(x, y) ? m_bits[y * m_stride + x] : m_background; }
    QRgb at(QPoint point) const { return at(point.x(), point.y()); }
    void set(int x, int y, QRgb color)
    {
        if (contains(x, y))
            m_bits[y * m_stride + x] = color;
    }

    void line(QPoint from, QPoint to, QRgb color);
    // Fills the 4-connected area of the seed's colour, as the platform's
    // surface flood fill does.
    void floodFill(QPoint seed, QRgb color);
    // Background pixels that lines shut off from the image's border.
    std::vector<QPoint> enclosedBackground() const;
    // Clears to the background everything outside a closed outline.
    void clearOutside(QRgb outline);

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    int m_width;
    int m_height;
    QRgb* m_bits;
    int m_stride;
    QRgb m_background;
};
