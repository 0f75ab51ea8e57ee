#pragma once

#include <QAccessibleWidget>

class chameleonButton;

// chameleonButton as assistive technology sees it: a push button, or a
// check box with CheckBoxBehaviour, named by its caption without the
// access-key ampersands, with its focused, pressed, checked and disabled
// state and a press (and toggle) action that clicks it.
class chameleonButtonAccessible : public QAccessibleWidget
{
public:
    explicit chameleonButtonAccessible(QWidget* widget);

    // Registers the factory once; chameleonButton's constructor calls it.
    static void install();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    chameleonButton* button() const;
};
