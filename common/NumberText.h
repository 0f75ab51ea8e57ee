#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Reading and writing numbers as text, the same way everywhere.

// The leading number of a text: leading blanks skipped, an optional sign,
// digits with at most one ".", an optional exponent; reading stops at the
// first character that cannot continue the number. No number gives 0.
double leadingNumber(QStringView text);

// A whole text converted by the system's number rules: the plain stored
// form first ("." as the point, no thousands separators), the default
// locale's own form second, so "2,5" and "2,500" read as 2.5 where the
// point is "," and "2.5" reads as 2.5 everywhere. A text that does not
// convert (or does not give a finite number) gives 0.
double numberFromText(QStringView text);
// The same, telling a text that does not convert apart from 0.
std::optional<double> tryNumberFromText(QStringView text);

// The same for text stored as UTF-8, without building a QString when the
// text is a plain number (the list rebuild reads a million of them).
double numberFromUtf8(const char* data, qsizetype size);

// The general number text: at most 15 significant digits, no trailing
// zeros, "." as the point, no thousands separators ("0.5", "12", "1E+20").
QString generalNumberText(double value);

// Rounds to a whole number, halves to the even neighbour (2.5 gives 2).
double roundHalfToEven(double value);

// Rounds to the given number of decimals, halves away from zero, on the
// decimal value a person sees: the value taken to 15 significant digits
// first, so 1.005 gives 1.01.
double roundHalfAwayFromZero(double value, int decimals);
