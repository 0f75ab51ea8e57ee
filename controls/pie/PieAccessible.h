#pragma once

#include <QAccessibleWidget>

class Pie;

// Assistive technology sees the chart as a graphic named by its slices,
// "Slice 1: 25 %, slice 2: 75 %", or by the chart's information text.
class PieAccessible : public QAccessibleWidget
{
public:
    explicit PieAccessible(Pie* pie);

    QString text(QAccessible::Text kind) const override;

    // Makes every Pie answer with this interface; safe to call repeatedly.
    static void installFactory();

private:
    Pie* pie() const;
};
