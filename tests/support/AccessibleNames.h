#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader finds unnamed below `window`: every shown control
// the keyboard can reach or press, as "Class objectName (role)" lines.
namespace AccessibleNames {

inline bool isControl(QAccessibleInterface* item)
{
    static const QList<QAccessible::Role> pressable{
        QAccessible::Button,      QAccessible::PushButton, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ComboBox,   QAccessible::ButtonMenu,
        QAccessible::SpinBox,     QAccessible::EditableText, QAccessible::Table};
    return item->state().focusable || pressable.contains(item->role());
}

// Shown means shown once the window is: the window itself need not be.
inline bool isShown(QAccessibleInterface* item, QWidget* window)
{
    auto* widget = qobject_cast<QWidget*>(item->object());
    if (!widget)
        return !item->state().invisible || !window->isVisible();
    return widget == window || widget->isVisibleTo(window);
}

inline void collectUnnamed(QAccessibleInterface* item, QWidget* window, QStringList* unnamed)
{
    if (!item || !isShown(item, window))
        return;
    if (isControl(item) && item->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = item->object();
        unnamed->append(QStringLiteral("%1 %2 (role %3)")
                            .arg(QLatin1String(object ? object->metaObject()->className() : "?"),
                                 object ? object->objectName() : QString())
                            .arg(int(item->role())));
    }
    for (int index = 0; index < item->childCount(); ++index)
        collectUnnamed(item->child(index), window, unnamed);
}

inline QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), window, &unnamed);
    return unnamed;
}

} // namespace AccessibleNames

// Fails the test naming every unnamed control below `window`.
#define VERIFY_EVERY_CONTROL_NAMED(window)                                                 \
    do {                                                                                   \
        const QStringList unnamed = AccessibleNames::unnamedControls(window);             \
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed: ") + unnamed.join(", "))); \
    } while (false)
