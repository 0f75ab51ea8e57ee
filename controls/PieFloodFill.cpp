#include "PieFloodFill.h"

#include <algorithm>

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

constexpr QRgb kPassable = 1;
constexpr QRgb kReached = 2;

enum class Listed { Reached, Unreached };

// Floods from the border over the pixels that pass, then lists the passing
// pixels that were reached, or those that were not.
template <typename Passes>
std::vector<QPoint> floodFromBorder(const QRgb* bits, int stride, int width, int height,
                                    Passes passes, Listed listed)
{
    std::vector<QRgb> mask(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            mask[size_t(y) * width + x] = passes(bits[y * stride + x]) ? kPassable : 0;
    }
    auto floodFrom = [&](int x, int y) {
        if (mask[size_t(y) * width + x] == kPassable)
            ScanlineFill(mask.data(), width, width, height, kPassable, kReached).run(QPoint(x, y));
    };
    for (int x = 0; x < width; ++x) {
        floodFrom(x, 0);
        floodFrom(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        floodFrom(0, y);
        floodFrom(width - 1, y);
    }
    const QRgb wanted = listed == Listed::Reached ? kReached : kPassable;
    std::vector<QPoint> points;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (mask[size_t(y) * width + x] == wanted)
                points.push_back(QPoint(x, y));
        }
    }
    return points;
}

} // namespace

void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color)
{
    const QRgb target = bits[seed.y() * stride + seed.x()];
    // Filling with the area's own colour would change nothing.
    if (target == color)
        return;
    ScanlineFill(bits, stride, width, height, target, color).run(seed);
}

std::vector<QPoint> enclosed(const QRgb* bits, int stride, int width, int height, QRgb color)
{
    return floodFromBorder(bits, stride, width, height, [color](QRgb pixel) { return pixel == color; },
                           Listed::Unreached);
}

std::vector<QPoint> outside(const QRgb* bits, int stride, int width, int height, QRgb outline)
{
    return floodFromBorder(bits, stride, width, height,
                           [outline](QRgb pixel) { return pixel != outline; }, Listed::Reached);
}

} // namespace PieFloodFill
