#pragma once

#include "Result.h"

#include <QRect>

class QWidget;

// Saves what `area` of `widget` shows as a picture: an SVG drawing when
// the path ends in .svg, else a PNG at twice the screen's resolution. The
// file is replaced only when it is written whole.
Result saveChartPicture(QWidget* widget, const QRect& area, const QString& path);
