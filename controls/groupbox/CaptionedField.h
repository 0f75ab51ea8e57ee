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

// A form's grid of "caption  [field]" rows: captions from captionLeft,
// fields from fieldLeft, one row every rowStep pixels from firstRow.
struct CaptionedRows
{
    int captionLeft;
    int fieldLeft;
    int fieldWidth;
    int firstRow;
    int rowStep;
    int rowHeight;

    int rowTop(int row) const { return firstRow + row * rowStep; }
    QRect fieldRect(int row, int width = 0, int height = 0) const
    {
        return QRect(fieldLeft, rowTop(row), width > 0 ? width : fieldWidth, height > 0 ? height : rowHeight);
    }
    QRect captionRect(int row) const { return QRect(captionLeft, rowTop(row), fieldLeft - captionLeft, rowHeight); }

    // A new field on `row` of `group`, named by its caption; a width or
    // height of 0 takes the grid's.
    template <typename Field>
    Field* add(QWidget* group, const QString& caption, int row, int width = 0, int height = 0) const
    {
        auto* field = newField<Field>(group);
        field->setGeometry(fieldRect(row, width, height));
        addFieldCaption(field, caption, captionRect(row));
        return field;
    }
};

// Names the parts of a calendar that Qt leaves unnamed (the month buttons,
// the year field and the day grid), for assistive technology.
void nameCalendarParts(QCalendarWidget* calendar);
