#include "XP_ProgressBarAccessible.h"

#include "XP_ProgressBar.h"

#include <QAccessibleWidget>

namespace {

class ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ProgressBarAccessible(XP_ProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {
    }

    XP_ProgressBar* bar() const { return static_cast<XP_ProgressBar*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return bar()->text();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return qMin(bar()->percent(), 100); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* progressBarFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("XP_ProgressBar") && object && object->isWidgetType())
        return new ProgressBarAccessible(static_cast<XP_ProgressBar*>(object));
    return nullptr;
}

} // namespace

void installProgressBarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(progressBarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
