#pragma once

#include <QtGlobal>
#include <QAccessible>
#include <QList>

// The selection interface of an accessible list. Qt provides it from 6.5
// on, where the strip's list is Qt's own; before that this declares the
// same operations, for the same callers.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
using xpWellsTabSelection = QAccessibleSelectionInterface;
inline bool isSelectionInterface(QAccessible::InterfaceType type)
{
    return type == QAccessible::SelectionInterface;
}
#else
inline bool isSelectionInterface(QAccessible::InterfaceType)
{
    return false;
}

class xpWellsTabSelection
{
public:
    virtual ~xpWellsTabSelection() = default;

    virtual int selectedItemCount() const = 0;
    virtual QList<QAccessibleInterface*> selectedItems() const = 0;
    virtual QAccessibleInterface* selectedItem(int selectionIndex) const
    {
        return selectedItems().value(selectionIndex);
    }
    virtual bool isSelected(QAccessibleInterface* childItem) const
    {
        return selectedItems().contains(childItem);
    }
    virtual bool select(QAccessibleInterface* childItem) = 0;
    virtual bool unselect(QAccessibleInterface* childItem) = 0;
    virtual bool selectAll() = 0;
    virtual bool clear() = 0;
};
#endif
