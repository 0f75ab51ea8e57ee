#include "xpWellsTab.h"

#include "cImageManipulation.h"
#include "mXPWells.h"
#include "xpWellsTabAccessible.h"
#include "xpWellsTabPainter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

using mXPWells::AdjustColor;

namespace {

constexpr quint32 kForeColorActive = OleColor::rgb(56, 80, 152);
constexpr quint32 kForeColorHot = OleColor::rgb(0, 0, 255);
constexpr quint32 kTabHotStripColor = OleColor::rgb(232, 144, 40);

} // namespace

xpWellsTab::xpWellsTab(QWidget* parent) : QWidget(parent), m_repeatTimer(this)
{
    xpWellsTabAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_repeatTimer.setObjectName(QStringLiteral("scrollRepeatTimer"));
    connect(&m_repeatTimer, &QTimer::timeout, this, &xpWellsTab::repeatScroll);

    m_ambient = ambientColors(palette());
    m_backColor = m_ambient.back;
    m_backColorScroll = m_ambient.back;
    m_foreColor = OleColor::ButtonText;
    m_foreColorActive = kForeColorActive;
    m_foreColorHot = kForeColorHot;
    m_frameColor = m_ambient.frame;
    m_foreColorDisabled = m_ambient.frame;
    m_scrollArrowColor = m_ambient.scrollArrow;
    m_maskColor = cImageManipulation::DefaultMask;
    m_tabHotStripColor = kTabHotStripColor;
    updateAccessKeys();
    relayout();
}

xpWellsTab::~xpWellsTab() = default;

xpWellsTab::AmbientColors xpWellsTab::ambientColors(const QPalette& palette)
{
    const quint32 back = OleColor::fromColor(palette.color(QPalette::Window));
    const quint32 frame = AdjustColor(back, -40);
    return {back, frame, AdjustColor(frame, -20)};
}

// A new palette brings new surroundings: the colours still taken from the
// old ones take the new ones, as the strip's defaults would have.
void xpWellsTab::followAmbientColors()
{
    const AmbientColors next = ambientColors(palette());
    auto follow = [](quint32& member, quint32 old, quint32 now) {
        if (member == old)
            member = now;
    };
    follow(m_backColor, m_ambient.back, next.back);
    follow(m_backColorScroll, m_ambient.back, next.back);
    follow(m_frameColor, m_ambient.frame, next.frame);
    follow(m_foreColorDisabled, m_ambient.frame, next.frame);
    follow(m_scrollArrowColor, m_ambient.scrollArrow, next.scrollArrow);
    m_ambient = next;
}

void xpWellsTab::changed(const QString& key)
{
    emit propertyChanged(key);
    DrawTab();
}

void xpWellsTab::DrawTab()
{
    relayout();
    update();
}

void xpWellsTab::setColor(quint32& member, quint32 colour, const QString& key)
{
    if (colour == member)
        return;
    member = colour;
    changed(key);
}

void xpWellsTab::setTabHeight(int height)
{
    height = qMax(height, xpWellsTabLayout::MinimumTabHeight);
    if (height == m_tabHeight)
        return;
    m_tabHeight = height;
    updateGeometry();
    changed(QStringLiteral("TabHeight"));
}

void xpWellsTab::setAlignment(TabAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    updateGeometry();
    changed(QStringLiteral("Alignment"));
}

void xpWellsTab::setBackcolor(quint32 colour) { setColor(m_backColor, colour, QStringLiteral("BackColor")); }
void xpWellsTab::setBackColorScroll(quint32 colour) { setColor(m_backColorScroll, colour, QStringLiteral("BackColorScroll")); }
void xpWellsTab::setForeColor(quint32 colour) { setColor(m_foreColor, colour, QStringLiteral("ForeColor")); }
void xpWellsTab::setForeColorActive(quint32 colour) { setColor(m_foreColorActive, colour, QStringLiteral("ForeColorActive")); }
void xpWellsTab::setForeColorDisabled(quint32 colour) { setColor(m_foreColorDisabled, colour, QStringLiteral("ForeColorDisabled")); }
void xpWellsTab::setForeColorHot(quint32 colour) { setColor(m_foreColorHot, colour, QStringLiteral("ForeColorHot")); }
void xpWellsTab::setFrameColor(quint32 colour) { setColor(m_frameColor, colour, QStringLiteral("FrameColor")); }
void xpWellsTab::setScrollArrowColor(quint32 colour) { setColor(m_scrollArrowColor, colour, QStringLiteral("ScrollArrowColor")); }
void xpWellsTab::setTabHotStripColor(quint32 colour) { setColor(m_tabHotStripColor, colour, QStringLiteral("TabHotStripColor")); }
void xpWellsTab::setMaskColor(quint32 colour) { setColor(m_maskColor, colour, QStringLiteral("MaskColor")); }

void xpWellsTab::setSelectedTab(int index)
{
    if (!m_tabs.isValidIndex(index))
        return;
    const bool moved = index != m_selectedTab;
    m_selectedTab = index;
    const int previous = m_previousTab;
    m_previousTab = index;
    emit TabPressed(previous);
    if (moved) {
        xpWellsTabAccessible::notifySelection(this, index);
        changed(QStringLiteral("SelectedTab"));
    }
}

void xpWellsTab::selectAndShowTab(int index)
{
    revealTab(index);
    setSelectedTab(index);
}

void xpWellsTab::revealTab(int index)
{
    if (!m_tabs.isValidIndex(index) || m_layout.isWhollyVisible(index))
        return;
    if (index < m_firstVisible) {
        m_firstVisible = index;
        relayout();
    }
    while (!m_layout.isWhollyVisible(index) && m_firstVisible < index) {
        ++m_firstVisible;
        relayout();
    }
    update();
}

int xpWellsTab::TabWidth(int index) const
{
    return m_tabs.isValidIndex(index) ? m_tabs.tab(index).width() : 0;
}

void xpWellsTab::setTabWidth(int index, int width)
{
    if (!m_tabs.isValidIndex(index))
        return;
    const int innerWidth = xpWellsTabLayout::rowSize(m_alignment, size()).width();
    width = width >= innerWidth ? innerWidth : qMax(0, width);
    if (width == m_tabs.tab(index).width())
        return;
    m_tabs.tab(index).setWidth(width);
    changed(QStringLiteral("TabWidth"));
}

bool xpWellsTab::AutoSize(int index) const
{
    return m_tabs.isValidIndex(index) && m_tabs.tab(index).autoSize();
}

void xpWellsTab::setAutoSize(int index, bool autoSize)
{
    if (!m_tabs.isValidIndex(index) || m_tabs.tab(index).autoSize() == autoSize)
        return;
    m_tabs.tab(index).setAutoSize(autoSize);
    changed(QStringLiteral("AutoSize"));
}

bool xpWellsTab::TabEnabled(int index) const
{
    return m_tabs.isValidIndex(index) && m_tabs.tab(index).enabled();
}

void xpWellsTab::setTabEnabled(int index, bool enabled)
{
    if (!m_tabs.isValidIndex(index) || m_tabs.tab(index).enabled() == enabled)
        return;
    m_tabs.tab(index).setEnabled(enabled);
    if (!enabled && m_hotTab == index)
        m_hotTab = 0;
    changed(QStringLiteral("TabEnabled"));
}

QString xpWellsTab::TabCaption(int index) const
{
    return m_tabs.isValidIndex(index) ? m_tabs.tab(index).caption() : QString();
}

void xpWellsTab::setTabCaption(int index, const QString& caption)
{
    if (!m_tabs.isValidIndex(index) || m_tabs.tab(index).caption() == caption)
        return;
    m_tabs.tab(index).setCaption(caption);
    updateAccessKeys();
    changed(QStringLiteral("TabCaption"));
}

QPixmap xpWellsTab::TabPicture(int index) const
{
    return m_tabs.isValidIndex(index) ? m_tabs.tab(index).TabIcon() : QPixmap();
}

void xpWellsTab::setTabPicture(int index, const QPixmap& picture)
{
    if (!m_tabs.isValidIndex(index))
        return;
    m_tabs.tab(index).setTabIcon(picture);
    changed(QStringLiteral("TabPicture"));
}

int xpWellsTab::AddTab(int width, const QString& caption, bool enabled, bool autoSize,
                       const QPixmap& picture)
{
    const int index = m_tabs.AddTab(width, caption, enabled, autoSize, picture);
    updateAccessKeys();
    emit propertyChanged(QStringLiteral("TabPicture"));
    changed(QStringLiteral("NumberOfTabs"));
    xpWellsTabAccessible::notifyTabsChanged(this);
    return index;
}

void xpWellsTab::DeleteTab()
{
    if (!m_tabs.DeleteTab())
        return;
    const int count = m_tabs.NumberOfTabs();
    m_hotTab = m_hotTab > count ? 0 : m_hotTab;
    m_previousTab = qMin(m_previousTab, count);
    updateAccessKeys();
    changed(QStringLiteral("NumberOfTabs"));
    xpWellsTabAccessible::notifyTabsChanged(this);
    // The selected tab went with the last one: its neighbour takes over.
    if (m_selectedTab > count)
        setSelectedTab(count);
}

int xpWellsTab::GetTabAccessKey(int keyCode) const
{
    return m_tabs.GetTabAccessKey(QChar(keyCode));
}

int xpWellsTab::layoutWidth(int index) const
{
    const cTabs& tab = m_tabs.tab(index);
    if (!tab.autoSize())
        return tab.width();
    const QSize text = mXPWells::MeasureText(fontMetrics(), tab.caption());
    return text.width() + mXPWells::GetPictureSize(tab.TabIcon()).width() + 10;
}

void xpWellsTab::relayout()
{
    QVector<int> widths;
    widths.reserve(m_tabs.NumberOfTabs());
    for (int index = 1; index <= m_tabs.NumberOfTabs(); ++index)
        widths.append(layoutWidth(index));
    m_layout = xpWellsTabLayout::layoutRow(widths, m_firstVisible, m_tabHeight,
                                           xpWellsTabLayout::rowSize(m_alignment, size()));
    m_firstVisible = m_layout.firstVisible;
    if (m_layout.atEnd && m_held == Scroll::TowardsEnd)
        releaseArrow();
    if (m_hotTab != 0 && !m_layout.isLaidOut(m_hotTab))
        m_hotTab = 0;
}

QRect xpWellsTab::tabRect(int index) const
{
    return m_layout.isLaidOut(index) ? tabRectInRow(index) : QRect();
}

QRect xpWellsTab::tabRectInRow(int index) const
{
    if (!m_tabs.isValidIndex(index))
        return QRect();
    const TabBounds& bounds = m_layout.bounds(index);
    const QRect row(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    return xpWellsTabLayout::rowToWidget(m_alignment, size()).mapRect(row);
}

int xpWellsTab::tabAt(QPoint point) const
{
    return rect().contains(point) ? m_layout.tabAt(toRow(point)) : 0;
}

QRect xpWellsTab::arrowButtonRect(bool left) const
{
    if (!m_layout.scrolls)
        return QRect();
    return xpWellsTabLayout::rowToWidget(m_alignment, size())
        .mapRect(left ? m_layout.leftArrow : m_layout.rightArrow);
}

QPoint xpWellsTab::toRow(QPoint widgetPoint) const
{
    return xpWellsTabLayout::widgetToRow(m_alignment, size(), widgetPoint);
}

xpWellsTabPaintState xpWellsTab::paintState() const
{
    xpWellsTabPaintState state;
    state.tabs = &m_tabs;
    state.layout = m_layout;
    const QPalette& colours = palette();
    auto resolve = [&colours](quint32 colour) { return OleColor::toColor(colour, colours); };
    auto plain = [&colours](quint32 colour) { return AdjustColor(colour, 0, colours); };
    state.colors = {resolve(m_backColor),       resolve(m_backColorScroll), resolve(m_foreColor),
                    resolve(m_foreColorActive), resolve(m_foreColorDisabled), resolve(m_foreColorHot),
                    resolve(m_frameColor),      resolve(m_scrollArrowColor), plain(m_tabHotStripColor),
                    plain(m_maskColor)};
    state.font = font();
    state.alignment = m_alignment;
    state.tabHeight = m_tabHeight;
    state.size = size();
    state.selectedTab = m_selectedTab;
    state.hotTab = m_hotTab;
    state.tabHot = m_hotTab != 0;
    state.hasFocus = hasFocus();
    state.leftArrowHot = m_leftArrowHot;
    state.rightArrowHot = m_rightArrowHot;
    state.leftHeld = m_held == Scroll::TowardsStart;
    state.rightHeld = m_held == Scroll::TowardsEnd;
    return state;
}

void xpWellsTab::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    xpWellsTabPainter::paint(painter, paintState());
}

void xpWellsTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    DrawTab();
}

void xpWellsTab::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        changed(QStringLiteral("Font"));
    if (event->type() == QEvent::PaletteChange) {
        followAmbientColors();
        DrawTab();
    }
}

QSize xpWellsTab::sizeHint() const
{
    int row = xpWellsTabLayout::TabGap;
    for (int index = 1; index <= m_tabs.NumberOfTabs(); ++index)
        row += layoutWidth(index) + xpWellsTabLayout::TabGap;
    const QSize hint(qMax(row, 2 * m_tabHeight + 4), m_tabHeight + 4 * fontMetrics().height());
    return xpWellsTabLayout::isVertical(m_alignment) ? hint.transposed() : hint;
}
