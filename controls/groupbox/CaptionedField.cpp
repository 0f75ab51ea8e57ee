#include "CaptionedField.h"

#include "CaptionedComboAccessible.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

void nameByCaption(QWidget* field, const QString& caption)
{
    const QString name = QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"))
                             .remove(QLatin1Char(':')).trimmed();
    auto* comboBox = qobject_cast<QComboBox*>(field);
    // Before the name is set: setting it may already create the interface.
    if (comboBox)
        CaptionedComboAccessible::install();
    field->setAccessibleName(name);
    if (QLineEdit* edit = comboBox ? comboBox->lineEdit() : nullptr)
        edit->setAccessibleName(name);
}

} // namespace

template <>
QComboBox* newField<QComboBox>(QWidget* parent)
{
    auto* comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    return comboBox;
}

void addFieldCaption(QWidget* field, const QString& caption, const QRect& captionRect)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setGeometry(captionRect);
    label->setBuddy(field);
    nameByCaption(field, caption);
}

void nameCalendarParts(QCalendarWidget* calendar)
{
    const std::pair<const char*, const char*> parts[] = {
        {"qt_calendar_prevmonth", "Previous Month"},
        {"qt_calendar_nextmonth", "Next Month"},
        {"qt_calendar_yearedit", "Year"},
        {"qt_calendar_calendarview", "Days"},
    };
    for (const auto& [objectName, name] : parts) {
        if (auto* part = calendar->findChild<QWidget*>(QLatin1String(objectName)))
            part->setAccessibleName(QLatin1String(name));
    }
}
