#pragma once

#include <QStringList>

class QWidget;

// The labels shown below `root` whose text does not fit them, as
// "objectName or heading: text" lines; empty when every text shows whole.
// The tour and the tests use it to find texts a value cut short.
QStringList cutLabels(const QWidget* root);
