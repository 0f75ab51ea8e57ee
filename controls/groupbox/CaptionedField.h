#pragma once

#include <QRect>
#include <QString>

class QCalendarWidget;
class QComboBox;
class QWidget;

// A new field in `parent`. A combo box comes editable, typed text kept out
// of its list, so that its edit part exists when the caption names it.
template <typename Field>
Field* newField(QWidget* parent)
{
    return new Field(parent);
}
template <>
QComboBox* newField<QComboBox>(QWidget* parent);

// Puts the caption of `field` beside it, in the field's parent: the caption
// names the field for assistive technology (without its colon, "&&" read as
// "&") and its access key reaches the field.
// A combo box's edit part is named too.
void addFieldCaption(QWidget* field, const QString& caption, const QRect& captionRect);

// Names the parts of a calendar that Qt leaves unnamed (the month buttons,
// the year field and the day grid), for assistive technology.
void nameCalendarParts(QCalendarWidget* calendar);
