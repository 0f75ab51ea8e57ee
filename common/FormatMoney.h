#pragma once

#include <QString>
#include <QStringView>

// The two-decimal money text shown wherever an amount appears: the leading
// number of the text rounded to cents, halves away from zero ("1234.50",
// "0.50", "-.50"). The currency stands in its own label beside it.
QString FormatMoney(QStringView text);
