#pragma once

#include <QString>

// Two customers are taken for one when their names and telephones agree
// letter for letter and digit for digit: case, spaces and punctuation
// aside ("ANN LEE, (0113) 496" is "Ann Lee, 0113-496").
QString foldedForMatch(QStringView text);
