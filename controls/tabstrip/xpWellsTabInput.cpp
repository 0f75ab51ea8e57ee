#include "xpWellsTab.h"

#include "FormsCodes.h"
#include "xpWellsTabAccessible.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace {

// A held arrow waits this long before it repeats, then steps at the
// repeat pace: quick, yet slow enough to follow the tabs going by.
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatIntervalMs = 16;

} // namespace

using FormsCodes::buttonCode;
using FormsCodes::shiftCode;

void xpWellsTab::updateAccessKeys()
{
    for (int id : std::as_const(m_shortcutIds))
        releaseShortcut(id);
    m_shortcutIds.clear();
    QString grabbed;
    for (int index = 1; index <= m_tabs.NumberOfTabs(); ++index) {
        const QChar key = m_tabs.tab(index).accessKey();
        if (key.isNull() || grabbed.contains(key))
            continue;
        grabbed += key;
        m_shortcutIds.append(grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + key)));
    }
}

bool xpWellsTab::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const QKeySequence sequence = static_cast<QShortcutEvent*>(event)->key();
        if (!sequence.isEmpty())
            selectByAccessKey(QChar(sequence[0].key()));
        return true;
    }
    return QWidget::event(event);
}

void xpWellsTab::selectByAccessKey(QChar key)
{
    const int index = m_tabs.GetTabAccessKey(key);
    if (index != 0 && m_tabs.tab(index).enabled())
        selectAndShowTab(index);
}

bool xpWellsTab::setHot(int hotTab, bool leftArrowHot, bool rightArrowHot)
{
    if (hotTab == m_hotTab && leftArrowHot == m_leftArrowHot && rightArrowHot == m_rightArrowHot)
        return false;
    m_hotTab = hotTab;
    m_leftArrowHot = leftArrowHot;
    m_rightArrowHot = rightArrowHot;
    update();
    return true;
}

void xpWellsTab::trackPointer(QPoint rowPoint)
{
    const bool scrolls = m_layout.scrolls;
    const bool overBox = scrolls && m_layout.arrowBox.contains(rowPoint);
    const int tab = overBox ? 0 : m_layout.tabAt(rowPoint);
    setHot(tab != 0 && m_tabs.tab(tab).enabled() ? tab : 0,
           scrolls && m_layout.leftArrow.contains(rowPoint),
           scrolls && m_layout.rightArrow.contains(rowPoint));
}

void xpWellsTab::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const int buttons = buttonCode(event->buttons());
    const int shift = shiftCode(event->modifiers());
    if (!rect().contains(at.toPoint())) {
        emit MouseOut(buttons, shift, at.x(), at.y());
        setHot(0, false, false);
        return;
    }
    emit MouseIn(buttons, shift, at.x(), at.y());
    trackPointer(toRow(at.toPoint()));
}

void xpWellsTab::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    const QPointF at = mapFromGlobal(QCursor::pos());
    emit MouseOut(0, shiftCode(QGuiApplication::keyboardModifiers()), at.x(), at.y());
    setHot(0, false, false);
}

void xpWellsTab::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint row = toRow(at.toPoint());
    if (m_layout.scrolls && m_layout.arrowBox.contains(row)) {
        if (m_layout.leftArrow.contains(row))
            pressArrow(Scroll::TowardsStart);
        else if (m_layout.rightArrow.contains(row))
            pressArrow(Scroll::TowardsEnd);
        return;
    }
    const int tab = m_layout.tabAt(row);
    if (tab != 0 && m_tabs.tab(tab).enabled())
        pressTab(tab);
}

void xpWellsTab::pressTab(int index)
{
    // A tab half hidden by the arrow box comes one step into view.
    if (index > m_firstVisible && !m_layout.isWhollyVisible(index)) {
        ++m_firstVisible;
        relayout();
    }
    setSelectedTab(index);
    update();
}

void xpWellsTab::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
    if (event->button() == Qt::LeftButton && m_held != Scroll::None)
        releaseArrow();
}

void xpWellsTab::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint row = toRow(event->position().toPoint());
    if (m_layout.scrolls && m_layout.arrowBox.contains(row)) {
        // A quick second click on an arrow scrolls again.
        mousePressEvent(event);
        return;
    }
    const int tab = m_layout.tabAt(row);
    if (tab == 0)
        emit DblClick();
    else if (m_tabs.tab(tab).enabled())
        emit TabDblClick(tab);
}

void xpWellsTab::keyPressEvent(QKeyEvent* event)
{
    const int count = m_tabs.NumberOfTabs();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: selectAndShowTab(qMax(1, m_selectedTab - 1)); break;
    case Qt::Key_Right:
    case Qt::Key_Down: selectAndShowTab(qMin(count, m_selectedTab + 1)); break;
    case Qt::Key_PageUp:
        if (m_layout.scrolls && !event->isAutoRepeat())
            pressArrow(Scroll::TowardsStart);
        break;
    case Qt::Key_PageDown:
        if (m_layout.scrolls && !event->isAutoRepeat())
            pressArrow(Scroll::TowardsEnd);
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void xpWellsTab::keyReleaseEvent(QKeyEvent* event)
{
    const bool pageKey = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (!pageKey || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (m_held != Scroll::None)
        releaseArrow();
    event->accept();
}

void xpWellsTab::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    xpWellsTabAccessible::notifyFocus(this, m_selectedTab);
    update();
}

void xpWellsTab::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void xpWellsTab::pressArrow(Scroll direction)
{
    const bool canScroll = direction == Scroll::TowardsStart
                               ? m_firstVisible > 1
                               : !m_layout.atEnd && m_layout.lastVisible < m_tabs.NumberOfTabs();
    if (!canScroll)
        return;
    m_held = direction;
    scrollStep(direction);
    if (m_held != Scroll::None)
        m_repeatTimer.start(kRepeatDelayMs);
}

void xpWellsTab::repeatScroll()
{
    m_repeatTimer.setInterval(kRepeatIntervalMs);
    if (m_held == Scroll::None || !scrollStep(m_held))
        m_repeatTimer.stop();
}

void xpWellsTab::releaseArrow()
{
    m_held = Scroll::None;
    m_repeatTimer.stop();
    update();
}

bool xpWellsTab::scrollStep(Scroll direction)
{
    if (direction == Scroll::TowardsStart) {
        if (m_firstVisible <= 1)
            return false;
        --m_firstVisible;
    } else {
        if (m_layout.atEnd || m_firstVisible >= m_tabs.NumberOfTabs())
            return false;
        ++m_firstVisible;
    }
    DrawTab();
    return true;
}
