#include "PieFloodFill.h"

#include <QtGlobal>

namespace PieFloodFill {

namespace {

template <typename Pixel>
class ScanlineFill
{
public:
    ScanlineFill(Pixel* bits, int stride, int width, int height, Pixel target, Pixel color)
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
    Pixel* row(int y) const { return m_bits + y * m_stride; }

    // Fills the run of target pixels through (x, y) and queues the runs
    // that touch it in the rows above and below.
    void fillSpan(int x, int y)
    {
        Pixel* line = row(y);
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
        const Pixel* line = row(y);
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

    Pixel* m_bits;
    int m_stride;
    int m_width;
    int m_height;
    Pixel m_target;
    Pixel m_color;
    std::vector<QPoint> m_pending;
};

constexpr quint8 kBlocked = 0;
constexpr quint8 kPassable = 1;
constexpr quint8 kReached = 2;

// One byte per pixel: the pixels that pass, and of them those that a path
// of passing pixels joins to the border.
template <typename Passes>
std::vector<quint8> floodFromBorder(const QRgb* bits, int stride, int width, int height, Passes passes)
{
    std::vector<quint8> mask(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const QRgb* line = bits + y * stride;
        quint8* out = mask.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x)
            out[x] = passes(line[x]) ? kPassable : kBlocked;
    }
    ScanlineFill<quint8> reach(mask.data(), width, width, height, kPassable, kReached);
    for (int x = 0; x < width; ++x) {
        reach.run(QPoint(x, 0));
        reach.run(QPoint(x, height - 1));
    }
    for (int y = 0; y < height; ++y) {
        reach.run(QPoint(0, y));
        reach.run(QPoint(width - 1, y));
    }
    return mask;
}

} // namespace

void fill(QRgb* bits, int stride, int width, int height, QPoint seed, QRgb color)
{
    const QRgb target = bits[seed.y() * stride + seed.x()];
    // Filling with the area's own colour would change nothing.
    if (target == color)
        return;
    ScanlineFill<QRgb>(bits, stride, width, height, target, color).run(seed);
}

std::vector<QPoint> enclosed(const QRgb* bits, int stride, int width, int height, QRgb color)
{
    const std::vector<quint8> mask =
        floodFromBorder(bits, stride, width, height, [color](QRgb pixel) { return pixel == color; });
    std::vector<QPoint> holes;
    for (int y = 0; y < height; ++y) {
        const quint8* line = mask.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            if (line[x] == kPassable)
                holes.push_back(QPoint(x, y));
        }
    }
    return holes;
}

void paintOutside(QRgb* bits, int stride, int width, int height, QRgb outline, QRgb color)
{
    const std::vector<quint8> mask =
        floodFromBorder(bits, stride, width, height, [outline](QRgb pixel) { return pixel != outline; });
    for (int y = 0; y < height; ++y) {
        const quint8* reached = mask.data() + size_t(y) * width;
        QRgb* line = bits + y * stride;
        for (int x = 0; x < width; ++x) {
            if (reached[x] == kReached)
                line[x] = color;
        }
    }
}

} // namespace PieFloodFill
