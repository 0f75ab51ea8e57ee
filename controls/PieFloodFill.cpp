#include "PieFloodFill.h"

#include <vector>

namespace PieFloodFill {

namespace {

class ScanlineFill
{
public:
    ScanlineFill(QRgb* bits, int stride, int width, int height, QRgb target, QRgb color)
        : m_bits(bits), m_stride(stride), m_width(width), m_height(height), m_target(target),
          m_color(color)
    {
    }

    void run(QPoint seed)
    {
        m_pending.push_back(seed);
        while (!m_pending.empty()) {
            const QPoint at = m_pending.back();
            m_pending.pop_back();
            fillSpan(at.x(), at.y());
        }
    }

private:
    QRgb* row(int y) const { return m_bits + y * m_stride; }

    // Fills the run of target pixels through (x, y) and queues the runs
    // that touch it in the rows above and below.
    void fillSpan(int x, int y)
    {
        QRgb* line = row(y);
        if (line[x] != m_target)
            return;
        int left = x;
        while (left > 0 && line[left - 1] == m_target)
            --left;
        int right = x;
        while (right + 1 < m_width && line[right + 1] == m_target)
            ++right;
        for (int i = left; i <= right; ++i)
            line[i] = m_color;
        if (y > 0)
            queueRuns(left, right, y - 1);
        if (y + 1 < m_height)
            queueRuns(left, right, y + 1);
    }

    void queueRuns(int left, int right, int y)
    {
        const QRgb* line = row(y);
        int x = left;
        while (x <= right) {
            while (x <= right && line[x] != m_target)
                ++x;
            if (x > right)
                break;
            m_pending.push_back(QPoint(x, y));
            while (x <= right && line[x] == m_target)
                ++x;
        }
    }

    QRgb* m_bits;
    int m_stride;
    int m_width;
    int m_height;
    QRgb m_target;
    QRgb m_color;
    std::vector<QPoint> m_pending;
};

} // namespace

void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color)
{
    const QRgb target = bits[seed.y() * stride + seed.x()];
    // Filling with the area's own colour would change nothing.
    if (target == color)
        return;
    ScanlineFill(bits, stride, width, height, target, color).run(seed);
}

} // namespace PieFloodFill
