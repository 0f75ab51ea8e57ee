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

bool TabRowLayout::isWhollyVisible(int index) const
{
    return isLaidOut(index) && (!scrolls || bounds(index).right < arrowBox.left());
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

    // The first visible tab starts the row; the ones before it run back
    // from there, the ones after it on.
    layout.tabs.resize(count);
    int x = TabGap;
    for (int index = layout.firstVisible; index <= count; ++index) {
        const int width = widths[index - 1];
        layout.tabs[index - 1] = {x, TabGap, x + width, tabHeight};
        x += width + TabGap;
    }
    x = TabGap;
    for (int index = layout.firstVisible - 1; index >= 1; --index) {
        x -= widths[index - 1] + TabGap;
        layout.tabs[index - 1] = {x, TabGap, x + widths[index - 1], tabHeight};
    }
    return layout;
}

bool isVertical(TabAlignment alignment)
{
    return alignment == TabAlignment::Left || alignment == TabAlignment::Right;
}

QSize rowSize(TabAlignment alignment, QSize widgetSize)
{
    return isVertical(alignment) ? widgetSize.transposed() : widgetSize;
}

QTransform rowToWidget(TabAlignment alignment, QSize widgetSize)
{
    switch (alignment) {
    case TabAlignment::Left: return QTransform(0, 1, 1, 0, 0, 0);
    case TabAlignment::Right: return QTransform(0, 1, -1, 0, widgetSize.width(), 0);
    case TabAlignment::Bottom: return QTransform(1, 0, 0, -1, 0, widgetSize.height());
    case TabAlignment::Top: break;
    }
    return QTransform();
}

QPoint widgetToRow(TabAlignment alignment, QSize widgetSize, QPoint point)
{
    switch (alignment) {
    case TabAlignment::Left: return QPoint(point.y(), point.x());
    case TabAlignment::Right: return QPoint(point.y(), widgetSize.width() - 1 - point.x());
    case TabAlignment::Bottom: return QPoint(point.x(), widgetSize.height() - 1 - point.y());
    case TabAlignment::Top: break;
    }
    return point;
}

int textAngle(TabAlignment alignment)
{
    switch (alignment) {
    case TabAlignment::Left: return -90;
    case TabAlignment::Right: return 90;
    case TabAlignment::Top:
    case TabAlignment::Bottom: break;
    }
    return 0;
}

} // namespace xpWellsTabLayout
