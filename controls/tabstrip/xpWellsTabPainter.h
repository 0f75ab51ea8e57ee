#pragma once

#include "xpWellsTabLayout.h"

#include <QColor>
#include <QFont>
#include <QSize>

class QPainter;
class xpWellsTabModel;

// The strip's colours, resolved through the palette of the paint.
struct xpWellsTabColors
{
    QColor back;
    QColor backScroll;
    QColor fore;
    QColor foreActive;
    QColor foreDisabled;
    QColor foreHot;
    QColor frame;
    QColor scrollArrow;
    quint32 hotStrip = 0; // plain; shaded +20 and +40 for the inner lines
    quint32 mask = 0;     // plain
};

// Everything one paint of the tab strip needs.
struct xpWellsTabPaintState
{
    const xpWellsTabModel* tabs = nullptr;
    TabRowLayout layout;
    xpWellsTabColors colors;
    QFont font;
    TabAlignment alignment = TabAlignment::Top;
    int tabHeight = xpWellsTabLayout::MinimumTabHeight;
    QSize size;
    int selectedTab = 1;
    int hotTab = 0;
    bool tabHot = false;
    bool hasFocus = false;
    bool leftArrowHot = false;
    bool rightArrowHot = false;
    bool leftHeld = false;
    bool rightHeld = false;
};

namespace xpWellsTabPainter {

// Paints the whole strip: surface, page frame, the laid-out tabs and the
// arrow box.
void paint(QPainter& painter, const xpWellsTabPaintState& state);

// The outline of one tab, in row space.
void DrawSelectedTab(QPainter& painter, const xpWellsTabPaintState& state, int index);
void DrawUnSelectedTab(QPainter& painter, const xpWellsTabPaintState& state, int index);

} // namespace xpWellsTabPainter
