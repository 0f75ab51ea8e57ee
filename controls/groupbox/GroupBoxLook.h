#pragma once

#include "GroupBoxCaption.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>

class QStyle;

// Everything a group box needs to paint itself, resolved to plain values.
struct GroupBoxLook
{
    QSize size;
    GroupBoxCaption caption;
    QFont font;
    QColor backColor;
    QColor foreColor;
    QColor highlight; // light half of the etched edge and of embossed text
    QColor shadow;    // dark half of both
    bool bordered = true;
    bool flat = false;
    bool enabled = true;
    // The style that draws group boxes when visual styles are in use;
    // null for the classic frame.
    const QStyle* style = nullptr;
    QPalette palette;
};
