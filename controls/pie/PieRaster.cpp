#include "PieRaster.h"

#include "PieFloodFill.h"
#include "WinPaint.h"

PieRaster::PieRaster(int width, int height, QRgb background)
    : m_image(width, height, QImage::Format_RGB32), m_background(background)
{
    // An image too large to allocate is null: then nothing is drawn.
    m_width = m_image.width();
    m_height = m_image.height();
    m_image.fill(background);
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = int(m_image.bytesPerLine() / sizeof(QRgb));
}

void PieRaster::line(QPoint from, QPoint to, QRgb color)
{
    WinPaint::forEachLinePixel(from, to, [&](int x, int y) { set(x, y, color); });
}

void PieRaster::floodFill(QPoint seed, QRgb color)
{
    if (contains(seed.x(), seed.y()))
        PieFloodFill::fill(m_bits, m_stride, width(), height(), seed, color);
}

std::vector<QPoint> PieRaster::enclosedBackground() const
{
    return PieFloodFill::enclosed(m_bits, m_stride, width(), height(), m_background);
}

void PieRaster::clearOutside(QRgb outline)
{
    PieFloodFill::paintOutside(m_bits, m_stride, m_width, m_height, outline, m_background);
}
