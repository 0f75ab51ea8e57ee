#include "xpWellsTabLayout.h"

#include <numeric>

int TabRowLayout::tabAt(QPoint point) const
{
    if (scrolls && arrowBox.contains(point))
        return 0;
    for (int index = firstVisible; index <= lastVisible; ++index) {
        if (bounds(index).contains(point))
            return index;
    }
    return 0;
}

namespace xpWellsTabLayout {

namespace {

void placeArrowBox(TabRowLayout& layout, int tabHeight, int rowWidth)
{
    const int side = arrowSide(tabHeight);
    const int boxWidth = 2 * side + 4;
    layout.arrowBox = QRect(rowWidth - boxWidth, 0, boxWidth, tabHeight);
    const int top = (tabHeight - side) / 2;
    layout.leftArrow = QRect(layout.arrowBox.left() + 2, top, side, side);
    layout.rightArrow = QRect(layout.arrowBox.left() + boxWidth - side, top, side, side);
}

// The first tab from `firstVisible` on whose right edge passes the arrow
// box, or 0 when all of them fit before it.
int firstTabPastBox(const QVector<int>& widths, int firstVisible, int boxLeft)
{
    int right = 0;
    for (int index = firstVisible; index <= widths.size(); ++index) {
        right += widths[index - 1] + TabGap;
        if (right > boxLeft)
            return index;
    }
    return 0;
}

} // namespace

TabRowLayout layoutRow(const QVector<int>& widths, int firstVisible, int tabHeight, QSize rowSize)
{
    TabRowLayout layout;
    const int count = int(widths.size());
    layout.pageArea = QRect(0, tabHeight, rowSize.width(), rowSize.height() - tabHeight);
    const int rowWidth = std::accumulate(widths.begin(), widths.end(), TabGap)
                         + TabGap * count;
    layout.scrolls = rowWidth > rowSize.width();
    layout.firstVisible = layout.scrolls ? qBound(1, firstVisible, count) : 1;
    layout.lastVisible = count;
    if (layout.scrolls) {
        placeArrowBox(layout, tabHeight, rowSize.width());
        const int pastBox = firstTabPastBox(widths, layout.firstVisible, layout.arrowBox.left());
        layout.atEnd = pastBox == 0;
        if (pastBox != 0)
            layout.lastVisible = pastBox;
    }

    int x = TabGap;
    for (int index = layout.firstVisible; index <= layout.lastVisible; ++index) {
        const int width = widths[index - 1];
        layout.tabs.append({x, TabGap, x + width, tabHeight});
        x += width + TabGap;
    }
    return layout;
}

QSize rowSize(int alignment, QSize widgetSize)
{
    return alignment == 1 || alignment == 2 ? widgetSize.transposed() : widgetSize;
}

QTransform rowToWidget(int alignment, QSize widgetSize)
{
    switch (alignment) {
    case 1: return QTransform(0, 1, 1, 0, 0, 0);
    case 2: return QTransform(0, 1, -1, 0, widgetSize.width(), 0);
    case 3: return QTransform(1, 0, 0, -1, 0, widgetSize.height());
    default: return QTransform();
    }
}

QPoint widgetToRow(int alignment, QSize widgetSize, QPoint point)
{
    switch (alignment) {
    case 1: return QPoint(point.y(), point.x());
    case 2: return QPoint(point.y(), widgetSize.width() - 1 - point.x());
    case 3: return QPoint(point.x(), widgetSize.height() - 1 - point.y());
    default: return point;
    }
}

int textAngle(int alignment)
{
    switch (alignment) {
    case 1: return -90;
    case 2: return 90;
    default: return 0;
    }
}

} // namespace xpWellsTabLayout
