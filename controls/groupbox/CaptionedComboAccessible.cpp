#include "CaptionedComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* comboFactory(const QString&, QObject* object)
{
    // Every combo box, whatever its class name: a subclass named after
    // itself would otherwise fall back to Qt's interface.
    auto* comboBox = qobject_cast<QComboBox*>(object);
    return comboBox ? new CaptionedComboAccessible(comboBox) : nullptr;
}

} // namespace

CaptionedComboAccessible::CaptionedComboAccessible(QComboBox* comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox)
{
}

QComboBox* CaptionedComboAccessible::comboBox() const
{
    return static_cast<QComboBox*>(widget());
}

QString CaptionedComboAccessible::text(QAccessible::Text kind) const
{
    const QString caption = widget()->accessibleName();
    if (kind == QAccessible::Value || (kind == QAccessible::Name && caption.isEmpty()))
        return comboBox()->currentText();
    return QAccessibleWidget::text(kind);
}

QAccessible::State CaptionedComboAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = comboBox()->isEditable();
    state.expandable = true;
    state.expanded = comboBox()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

// The list first, then the edit part when the box is editable.
QList<QObject*> CaptionedComboAccessible::parts() const
{
    QList<QObject*> parts{comboBox()->view()};
    if (QLineEdit* edit = comboBox()->lineEdit())
        parts.append(edit);
    return parts;
}

int CaptionedComboAccessible::childCount() const
{
    return int(parts().size());
}

QAccessibleInterface* CaptionedComboAccessible::child(int index) const
{
    const QList<QObject*> all = parts();
    return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all.at(index)) : nullptr;
}

int CaptionedComboAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? int(parts().indexOf(child->object())) : -1;
}

QAccessibleInterface* CaptionedComboAccessible::childAt(int x, int y) const
{
    for (QObject* part : parts()) {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(part);
        if (found && found->rect().contains(x, y))
            return found;
    }
    return nullptr;
}

QStringList CaptionedComboAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void CaptionedComboAccessible::doAction(const QString& actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}

void CaptionedComboAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
