#pragma once

#include <QAccessibleWidget>

class GroupBox;

// What assistive technology sees of a group box: a grouping named by its
// caption as the operator reads it, with the box's children inside.
class GroupBoxAccessible : public QAccessibleWidget
{
public:
    explicit GroupBoxAccessible(GroupBox* box);

    QString text(QAccessible::Text kind) const override;

    // Registers the factory that hands out this interface for every group
    // box; repeated calls do nothing.
    static void install();
};
