#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>
#include <QVector>

// Layout of the tab strip in "row space": the tabs run from left to right
// along the top edge, whatever edge the strip shows them on. The
// orientation functions below map row space onto the widget.

// A tab's rectangle with exclusive right and bottom edges; its outline is
// drawn on the columns `left` and `right`.
struct TabBounds
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(QPoint point) const
    {
        return point.x() >= left && point.x() < right && point.y() >= top && point.y() < bottom;
    }
};

// The edge the tabs stand along, as `Alignment` stores it.
enum class TabAlignment : int {
    Top = 0,
    Left = 1,
    Right = 2,
    Bottom = 3,
};

struct TabRowLayout
{
    int firstVisible = 1;
    int lastVisible = 1;
    bool atEnd = true;            // the row cannot scroll further on
    bool scrolls = false;         // the arrow box is shown
    // Every tab, the row continued on both sides: the scrolled-out ones
    // lie before the strip or from the arrow box on.
    QVector<TabBounds> tabs;
    QRect pageArea;
    QRect arrowBox;
    QRect leftArrow;              // both in row space, inside arrowBox
    QRect rightArrow;

    bool isLaidOut(int index) const { return index >= firstVisible && index <= lastVisible; }
    // Laid out and not even partly under the arrow box.
    bool isWhollyVisible(int index) const;
    const TabBounds& bounds(int index) const { return tabs[index - 1]; }
    // The laid-out tab under `point` (row space), 0 when none. The arrow
    // box lies over the tabs.
    int tabAt(QPoint point) const;
};

namespace xpWellsTabLayout {

constexpr int MinimumTabHeight = 22;
constexpr int TabGap = 2;

// Side of the square arrow buttons.
inline int arrowSide(int tabHeight) { return tabHeight - 4; }

// `widths` holds every tab's width (index 1 first). `rowSize` is the
// widget's size in row space. The first visible tab is kept within the
// tabs, and returns to 1 when every tab fits.
TabRowLayout layoutRow(const QVector<int>& widths, int firstVisible, int tabHeight, QSize rowSize);

bool isVertical(TabAlignment alignment);
QSize rowSize(TabAlignment alignment, QSize widgetSize);
// Maps row-space pixels onto the widget's pixels.
QTransform rowToWidget(TabAlignment alignment, QSize widgetSize);
QPoint widgetToRow(TabAlignment alignment, QSize widgetSize, QPoint point);
// Rotation of the captions, in degrees.
int textAngle(TabAlignment alignment);

} // namespace xpWellsTabLayout
