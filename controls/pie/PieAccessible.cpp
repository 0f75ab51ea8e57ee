#include "PieAccessible.h"

#include "Pie.h"

namespace {

QAccessibleInterface* createPieAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("Pie"))
        return nullptr;
    Pie* pie = qobject_cast<Pie*>(object);
    return pie ? new PieAccessible(pie) : nullptr;
}

} // namespace

PieAccessible::PieAccessible(Pie* pie) : QAccessibleWidget(pie, QAccessible::Graphic)
{
}

QString PieAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && pie()->accessibleName().isEmpty())
        return pie()->summary();
    return QAccessibleWidget::text(kind);
}

void PieAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(createPieAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

Pie* PieAccessible::pie() const
{
    return static_cast<Pie*>(widget());
}
