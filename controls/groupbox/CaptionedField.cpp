#include "CaptionedField.h"

#include <QLabel>

void addFieldCaption(QWidget* field, const QString& caption, const QRect& captionRect)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setGeometry(captionRect);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"))
                                 .remove(QLatin1Char(':')).trimmed());
}
