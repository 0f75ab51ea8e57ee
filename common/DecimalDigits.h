#pragma once

#include <QString>

// A finite double as a person reads it: at most 15 significant decimal
// digits. The value is 0.d1d2d3... times ten to the power pointPosition, so
// pointPosition is the number of digits before the decimal point.
struct DecimalDigits
{
    bool negative = false;
    QString digits; // no leading or trailing zeros; empty for zero
    int pointPosition = 0;

    static DecimalDigits fromDouble(double value);

    bool isZero() const { return digits.isEmpty(); }
    double toDouble() const;

    // Keeps `decimals` digits after the point, rounding halves away from zero.
    DecimalDigits roundedAwayFromZero(int decimals) const;

    // Plain notation, never an exponent; "0.5", or ".5" without the leading
    // zero when asked to.
    QString positionalText(bool leadingZero = true) const;
};
