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

int xpWellsTabAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* button = dynamic_cast<const xpWellsTabButtonAccessible*>(child);
    return button && button->isValid() ? button->tabIndex() - 1 : -1;
}

QAccessibleInterface* xpWellsTabAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* tab = child(index);
        if (tab->rect().contains(x, y))
            return tab;
    }
    return nullptr;
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
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(strip, QAccessible::Selection);
    event.setChild(index - 1);
    QAccessible::updateAccessibility(&event);
}

void xpWellsTabAccessible::notifyTabsChanged(xpWellsTab* strip)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(strip, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
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

QString xpWellsTabButtonAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return QString();
    const QString caption = m_strip->TabCaption(m_index);
    switch (type) {
    case QAccessible::Name: return mXPWells::PlainText(caption);
    case QAccessible::Accelerator: {
        const QChar key = cTabs::accessKeyOf(caption);
        return key.isNull() ? QString() : QKeySequence::mnemonic(QStringLiteral("&") + key).toString();
    }
    default: return QString();
    }
}

QRect xpWellsTabButtonAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect local = m_strip->tabRect(m_index);
    return local.isEmpty() ? QRect() : local.translated(m_strip->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State xpWellsTabButtonAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.selected = m_strip->SelectedTab() == m_index;
    state.disabled = !m_strip->TabEnabled(m_index);
    state.invisible = m_strip->tabRect(m_index).isEmpty();
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
        m_strip->setSelectedTab(m_index);
}
