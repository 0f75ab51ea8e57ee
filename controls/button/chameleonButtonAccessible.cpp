#include "chameleonButtonAccessible.h"

#include "chameleonButton.h"

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("chameleonButton") && object && object->isWidgetType())
        return new chameleonButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

chameleonButtonAccessible::chameleonButtonAccessible(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Button)
{
}

void chameleonButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

chameleonButton* chameleonButtonAccessible::button() const
{
    return static_cast<chameleonButton*>(widget());
}

QAccessible::Role chameleonButtonAccessible::role() const
{
    return button()->CheckBoxBehaviour() ? QAccessible::CheckBox : QAccessible::Button;
}

QString chameleonButtonAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name: {
        const QString name = QAccessibleWidget::text(QAccessible::Name); // accessibleName if set
        return name.isEmpty() ? chameleonButtonPlainCaption(button()->Caption()) : name;
    }
    case QAccessible::Accelerator:
        return button()->accessKey().isNull()
            ? QString()
            : QStringLiteral("Alt+") + button()->accessKey().toUpper();
    default:
        return QAccessibleWidget::text(type);
    }
}

QAccessible::State chameleonButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const chameleonButton* shown = button();
    state.focusable = shown->isEnabled();
    state.focused = shown->hasFocusFlag() || shown->hasFocus();
    state.disabled = !shown->isEnabled();
    state.pressed = shown->lastDrawnState() == chameleonButton::ButtonState::Pressed && !shown->CheckBoxBehaviour();
    state.checkable = shown->CheckBoxBehaviour();
    state.checked = shown->CheckBoxBehaviour() && shown->Value();
    state.defaultButton = shown->isDefault();
    state.hotTracked = shown->mouseOver();
    return state;
}

QStringList chameleonButtonAccessible::actionNames() const
{
    QStringList names;
    if (!button()->isEnabled())
        return names;
    names << pressAction();
    if (button()->CheckBoxBehaviour())
        names << toggleAction();
    return names;
}

void chameleonButtonAccessible::doAction(const QString& actionName)
{
    if (!button()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction())
        button()->AccessKeyPress();
}

QStringList chameleonButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && !button()->accessKey().isNull())
        return {text(QAccessible::Accelerator)};
    return {};
}
