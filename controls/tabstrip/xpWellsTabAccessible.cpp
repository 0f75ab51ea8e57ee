#include "xpWellsTabAccessible.h"

#include "mXPWells.h"
#include "xpWellsTab.h"

namespace {

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("xpWellsTab") && object && object->isWidgetType())
        return new xpWellsTabAccessible(static_cast<xpWellsTab*>(object));
    return nullptr;
}

xpWellsTabAccessible::EventObserver& observer()
{
    static xpWellsTabAccessible::EventObserver watching;
    return watching;
}

void raise(QAccessibleEvent& event)
{
    if (observer())
        observer()(event);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

void notifyChild(xpWellsTab* strip, QAccessible::Event type, int index)
{
    QAccessibleEvent event(strip, type);
    event.setChild(index - 1);
    raise(event);
}

} // namespace

xpWellsTabAccessible::xpWellsTabAccessible(xpWellsTab* strip)
    : QAccessibleWidget(strip, QAccessible::PageTabList)
{
}

xpWellsTabAccessible::~xpWellsTabAccessible()
{
    for (QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

xpWellsTab* xpWellsTabAccessible::strip() const
{
    return static_cast<xpWellsTab*>(widget());
}

QString xpWellsTabAccessible::text(QAccessible::Text type) const
{
    const QString text = QAccessibleWidget::text(type);
    if (type == QAccessible::Name && text.isEmpty())
        return QStringLiteral("Tabs");
    return text;
}

int xpWellsTabAccessible::childCount() const
{
    return strip()->NumberOfTabs();
}

QAccessibleInterface* xpWellsTabAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const int tab = index + 1;
    if (const auto found = m_children.constFind(tab); found != m_children.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* button = new xpWellsTabButtonAccessible(strip(), tab);
    m_children.insert(tab, QAccessible::registerAccessibleInterface(button));
    return button;
}

int xpWellsTabAccessible::tabOf(const QAccessibleInterface* child) const
{
    const auto* button = dynamic_cast<const xpWellsTabButtonAccessible*>(child);
    return button && button->isValid() && button->parent() == this ? button->tabIndex() : 0;
}

int xpWellsTabAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return tabOf(child) - 1;
}

QAccessibleInterface* xpWellsTabAccessible::childAt(int x, int y) const
{
    const int tab = strip()->tabAt(strip()->mapFromGlobal(QPoint(x, y)));
    return tab == 0 ? nullptr : child(tab - 1);
}

QAccessibleInterface* xpWellsTabAccessible::focusChild() const
{
    return strip()->hasFocus() ? child(strip()->SelectedTab() - 1) : nullptr;
}

void* xpWellsTabAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (isSelectionInterface(type))
        return static_cast<xpWellsTabSelection*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int xpWellsTabAccessible::selectedItemCount() const
{
    return 1;
}

QList<QAccessibleInterface*> xpWellsTabAccessible::selectedItems() const
{
    return {child(strip()->SelectedTab() - 1)};
}

bool xpWellsTabAccessible::select(QAccessibleInterface* childItem)
{
    const int tab = tabOf(childItem);
    if (tab == 0 || !strip()->TabEnabled(tab))
        return false;
    strip()->selectAndShowTab(tab);
    return true;
}

bool xpWellsTabAccessible::unselect(QAccessibleInterface*)
{
    return false;
}

bool xpWellsTabAccessible::selectAll()
{
    return false;
}

bool xpWellsTabAccessible::clear()
{
    return false;
}

void xpWellsTabAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void xpWellsTabAccessible::notifySelection(xpWellsTab* strip, int index)
{
    notifyChild(strip, QAccessible::Selection, index);
    if (strip->hasFocus())
        notifyChild(strip, QAccessible::Focus, index);
}

void xpWellsTabAccessible::notifyFocus(xpWellsTab* strip, int index)
{
    notifyChild(strip, QAccessible::Focus, index);
}

void xpWellsTabAccessible::notifyTabsChanged(xpWellsTab* strip)
{
    QAccessibleEvent event(strip, QAccessible::ObjectReorder);
    raise(event);
}

void xpWellsTabAccessible::observeEvents(EventObserver watcher)
{
    observer() = std::move(watcher);
}

xpWellsTabButtonAccessible::xpWellsTabButtonAccessible(xpWellsTab* strip, int index)
    : m_strip(strip), m_index(index)
{
}

bool xpWellsTabButtonAccessible::isValid() const
{
    return m_strip && m_index <= m_strip->NumberOfTabs();
}

QWindow* xpWellsTabButtonAccessible::window() const
{
    QAccessibleInterface* strip = parent();
    return strip ? strip->window() : nullptr;
}

QAccessibleInterface* xpWellsTabButtonAccessible::parent() const
{
    return m_strip ? QAccessible::queryAccessibleInterface(m_strip.data()) : nullptr;
}

QString xpWellsTabButtonAccessible::accessKey() const
{
    const QChar key = cTabs::accessKeyOf(m_strip->TabCaption(m_index));
    if (key.isNull() || m_strip->GetTabAccessKey(key.unicode()) != m_index)
        return QString();
    return QKeySequence::mnemonic(QStringLiteral("&") + key).toString();
}

QString xpWellsTabButtonAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return QString();
    switch (type) {
    case QAccessible::Name: return mXPWells::PlainText(m_strip->TabCaption(m_index));
    case QAccessible::Accelerator: return accessKey();
    default: return QString();
    }
}

QRect xpWellsTabButtonAccessible::rect() const
{
    if (!isValid())
        return QRect();
    return m_strip->tabRectInRow(m_index).translated(m_strip->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State xpWellsTabButtonAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const bool enabled = m_strip->TabEnabled(m_index);
    const bool selected = m_strip->SelectedTab() == m_index;
    state.selectable = enabled;
    state.selected = selected;
    state.focusable = enabled;
    state.focused = selected && m_strip->hasFocus();
    state.disabled = !enabled;
    state.offscreen = m_strip->tabRect(m_index).isEmpty();
    state.hotTracked = m_strip->hotTab() == m_index;
    return state;
}

void* xpWellsTabButtonAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList xpWellsTabButtonAccessible::actionNames() const
{
    if (!isValid() || !m_strip->TabEnabled(m_index))
        return {};
    return {pressAction()};
}

void xpWellsTabButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && isValid() && m_strip->TabEnabled(m_index))
        m_strip->selectAndShowTab(m_index);
}

QStringList xpWellsTabButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() || !isValid())
        return {};
    const QString key = accessKey();
    return key.isEmpty() ? QStringList() : QStringList{key};
}
