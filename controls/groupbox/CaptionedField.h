#pragma once

#include <QRect>
#include <QString>

class QWidget;

// Puts the caption of `field` beside it, in the field's parent: the caption
// names the field for assistive technology (without its colon, "&&" read as
// "&") and its access key reaches the field.
void addFieldCaption(QWidget* field, const QString& caption, const QRect& captionRect);
