#pragma once

#include <QRect>
#include <QString>

class QWidget;
class chameleonButton;

// A chameleonButton with the look every window of the program gives its
// buttons, placed at `geometry` in `parent`.
chameleonButton* addWindowButton(QWidget* parent, const QString& caption, const QRect& geometry);
