#include "xpWellsTabPainter.h"

#include "NumberText.h"
#include "WinGradient.h"
#include "WinPaint.h"
#include "cImageManipulation.h"
#include "mXPWells.h"
#include "xpWellsTabModel.h"

#include <QFontMetrics>
#include <QPainter>

using namespace mXPWells;
using WinPaint::line;
using WinPaint::pixel;

namespace xpWellsTabPainter {

namespace {

// A tab's outline: side lines from two pixels below `top`, the top line
// two pixels in from either side, and one pixel in each cut corner.
void drawOutline(QPainter& painter, const QColor& frame, int left, int top, int right, int bottom)
{
    line(painter, left, top + 2, left, bottom, frame);
    line(painter, left + 2, top, right - 1, top, frame);
    line(painter, right, top + 2, right, bottom, frame);
    pixel(painter, left + 1, top + 1, frame);
    pixel(painter, right - 1, top + 1, frame);
}

// The hot strip inside the top of an outline drawn with the same edges:
// the strip colour over the top line, then +20 and +40 below it, the last
// reaching into the side lines' gap.
void drawHotStrip(QPainter& painter, const xpWellsTabColors& colors, int left, int top, int right)
{
    line(painter, left + 2, top, right - 1, top, toQColor(colors.hotStrip));
    line(painter, left + 2, top + 1, right - 1, top + 1, toQColor(AdjustColor(colors.hotStrip, 20)));
    line(painter, left + 1, top + 2, right, top + 2, toQColor(AdjustColor(colors.hotStrip, 40)));
}

// Gap between icon and caption, and how far the selected tab's content
// moves up, by alignment.
int iconGap(TabAlignment alignment, bool selected)
{
    switch (alignment) {
    case TabAlignment::Left: return selected ? 2 : 4;
    case TabAlignment::Right: return selected ? 4 : 2;
    case TabAlignment::Top:
    case TabAlignment::Bottom: break;
    }
    return 4;
}

int selectedShift(TabAlignment alignment)
{
    switch (alignment) {
    case TabAlignment::Top: return 1;
    case TabAlignment::Bottom: return -2;
    case TabAlignment::Left:
    case TabAlignment::Right: break;
    }
    return 0;
}

int roundedHalf(int length)
{
    return int(roundHalfToEven(length / 2.0));
}

QColor captionColor(const xpWellsTabPaintState& state, int index)
{
    const cTabs& tab = state.tabs->tab(index);
    if (!tab.enabled())
        return state.colors.foreDisabled;
    if (index == state.hotTab)
        return state.colors.foreHot;
    return index == state.selectedTab ? state.colors.foreActive : state.colors.fore;
}

// Sets the painter up so that (0, 0)..(width, height) is the tab's content
// frame, upright for horizontal rows and turned with vertical ones.
void enterContentFrame(QPainter& painter, const xpWellsTabPaintState& state, const TabBounds& bounds)
{
    const QRect frame(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    const QRect device = xpWellsTabLayout::rowToWidget(state.alignment, state.size).mapRect(frame);
    painter.resetTransform();
    switch (xpWellsTabLayout::textAngle(state.alignment)) {
    case -90:
        painter.translate(device.left(), device.top() + device.height());
        painter.rotate(-90);
        break;
    case 90:
        painter.translate(device.left() + device.width(), device.top());
        painter.rotate(90);
        break;
    default: painter.translate(device.topLeft()); break;
    }
}

void drawCaption(QPainter& painter, const QRect& rect, const QString& caption, bool elide)
{
    if (!elide) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
        return;
    }
    const QString elided = painter.fontMetrics().elidedText(PlainText(caption), Qt::ElideRight,
                                                           rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, elided);
}

void drawTabContent(QPainter& painter, const xpWellsTabPaintState& state, int index)
{
    const cTabs& tab = state.tabs->tab(index);
    const TabBounds& bounds = state.layout.bounds(index);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const bool selected = index == state.selectedTab;
    const QSize icon = GetPictureSize(tab.TabIcon());
    const QSize text = MeasureText(painter.fontMetrics(), tab.caption());
    const int iconExtent = icon.width() > 0 ? icon.width() + iconGap(state.alignment, selected) : 0;
    const int shift = selected ? selectedShift(state.alignment) : 0;

    const bool elide = text.width() + icon.width() + 4 > width;
    const int left = elide ? 2 : roundedHalf(width - iconExtent - text.width());
    const int textWidth = elide ? width - 4 - iconExtent : text.width();
    const int textTop = roundedHalf(height - text.height()) - shift;

    painter.save();
    enterContentFrame(painter, state, bounds);
    painter.setPen(captionColor(state, index));
    drawCaption(painter, QRect(left + iconExtent, textTop, textWidth, text.height()), tab.caption(), elide);
    const int iconTop = roundedHalf(height - icon.height()) - shift;
    cImageManipulation().PaintTransparentPicture(painter, tab.TabIcon(), QPoint(left, iconTop), icon,
                                                 QPoint(0, 0), state.colors.mask);
    painter.restore();
}

void drawUnselectedBackground(QPainter& painter, const xpWellsTabPaintState& state, const TabBounds& bounds)
{
    const QRect area(bounds.left + 1, bounds.top, bounds.right - bounds.left - 1,
                     bounds.bottom - bounds.top - 2);
    const quint32 back = OleColor::fromColor(state.colors.back);
    WinGradient::fill(painter, area, toQColor(AdjustColor(back, 20)), toQColor(AdjustColor(back, -20)),
                      WinGradient::Direction::TopToBottom);
}

void paintTab(QPainter& painter, const xpWellsTabPaintState& state, int index)
{
    if (index == state.selectedTab) {
        DrawSelectedTab(painter, state, index);
    } else {
        drawUnselectedBackground(painter, state, state.layout.bounds(index));
        DrawUnSelectedTab(painter, state, index);
    }
    drawTabContent(painter, state, index);
}

// A small triangle pointing to the start (left) or the end of the row.
void drawArrowGlyph(QPainter& painter, const QRect& button, bool towardsStart, const QColor& colour)
{
    constexpr int depth = 4;
    const int centreY = button.top() + button.height() / 2;
    const int tipX = button.left() + (button.width() - depth) / 2 + (towardsStart ? 0 : depth - 1);
    for (int step = 0; step < depth; ++step) {
        const int x = towardsStart ? tipX + step : tipX - step;
        line(painter, x, centreY - step, x, centreY + step + 1, colour);
    }
}

void drawArrowButton(QPainter& painter, const xpWellsTabPaintState& state, const QRect& button,
                     bool towardsStart, bool hot, bool held)
{
    DrawRect(painter, button, OleColor::fromColor(state.colors.backScroll), held ? -20 : 0, false);
    if (hot || held)
        WinPaint::frame(painter, button, state.colors.frame);
    drawArrowGlyph(painter, button, towardsStart, state.colors.scrollArrow);
}

void drawArrowBox(QPainter& painter, const xpWellsTabPaintState& state)
{
    const TabRowLayout& layout = state.layout;
    WinPaint::fill(painter, layout.arrowBox, state.colors.backScroll);
    drawArrowButton(painter, state, layout.leftArrow, true, state.leftArrowHot, state.leftHeld);
    drawArrowButton(painter, state, layout.rightArrow, false, state.rightArrowHot, state.rightHeld);
}

} // namespace

void DrawUnSelectedTab(QPainter& painter, const xpWellsTabPaintState& state, int index)
{
    const TabBounds& tab = state.layout.bounds(index);
    drawOutline(painter, state.colors.frame, tab.left, tab.top, tab.right, tab.bottom);
    if (index == state.hotTab && state.tabHot)
        drawHotStrip(painter, state.colors, tab.left, tab.top, tab.right);
}

// Two pixels larger than the tab on three sides, with the page outline
// opened under it.
void DrawSelectedTab(QPainter& painter, const xpWellsTabPaintState& state, int index)
{
    const TabBounds& tab = state.layout.bounds(index);
    drawOutline(painter, state.colors.frame, tab.left - 2, tab.top - 2, tab.right + 2, tab.bottom);
    line(painter, tab.left - 1, tab.bottom, tab.right + 2, tab.bottom, state.colors.back);
    if (state.hasFocus)
        drawHotStrip(painter, state.colors, tab.left - 2, tab.top - 2, tab.right + 2);
}

void paint(QPainter& painter, const xpWellsTabPaintState& state)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(state.font);
    const QTransform toWidget = xpWellsTabLayout::rowToWidget(state.alignment, state.size);
    painter.setTransform(toWidget);
    WinPaint::fill(painter, QRect(QPoint(0, 0), xpWellsTabLayout::rowSize(state.alignment, state.size)),
                   state.colors.back);
    DrawRect(painter, state.layout.pageArea, OleColor::fromColor(state.colors.frame), 0, true);
    for (int index = state.layout.firstVisible; index <= state.layout.lastVisible; ++index)
        paintTab(painter, state, index);
    if (state.layout.scrolls)
        drawArrowBox(painter, state);
}

} // namespace xpWellsTabPainter
