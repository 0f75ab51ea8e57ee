#include "GroupBoxAccessible.h"

#include "GroupBox.h"

namespace {

QAccessibleInterface* groupBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("GroupBox"))
        return nullptr;
    auto* box = qobject_cast<GroupBox*>(object);
    return box ? new GroupBoxAccessible(box) : nullptr;
}

} // namespace

GroupBoxAccessible::GroupBoxAccessible(GroupBox* box)
    : QAccessibleWidget(box, QAccessible::Grouping)
{
}

QString GroupBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return GroupBoxCaption(static_cast<const GroupBox*>(widget())->caption()).plainText();
    return QAccessibleWidget::text(kind);
}

void GroupBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(groupBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
