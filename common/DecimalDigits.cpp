#include "DecimalDigits.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kSignificantDigits = 15;

QString withoutTrailingZeros(QString digits)
{
    int end = digits.size();
    while (end > 0 && digits.at(end - 1) == QLatin1Char('0'))
        --end;
    digits.truncate(end);
    return digits;
}

// Adds one unit in the last place; returns false when the carry runs out
// of the front ("999" becomes "000").
bool incrementDigits(QString& digits)
{
    for (int i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return true;
        }
        digits[i] = QLatin1Char('0');
    }
    return false;
}

} // namespace

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits result;
    if (value == 0 || !std::isfinite(value))
        return result;

    // "d.dddddddddddddde+XX": fifteen significant digits, locale-free.
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1).ptr;
    const QLatin1String text(buffer, int(end - buffer));
    const int exponentAt = text.indexOf(QLatin1Char('e'));
    QString digits = QString(text.at(0)) + QString(text.mid(2, exponentAt - 2));
    result.negative = value < 0;
    result.digits = withoutTrailingZeros(digits);
    result.pointPosition = QString(text.mid(exponentAt + 1)).toInt() + 1;
    return result;
}

double DecimalDigits::toDouble() const
{
    if (isZero())
        return 0;
    const QByteArray text = "0." + digits.toLatin1() + 'e' + QByteArray::number(pointPosition);
    double value = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return negative ? -value : value;
}

DecimalDigits DecimalDigits::roundedAwayFromZero(int decimals) const
{
    const int keep = pointPosition + decimals;
    if (keep >= digits.size())
        return *this;
    if (keep < 0)
        return DecimalDigits();

    DecimalDigits result = *this;
    result.digits = digits.left(keep);
    if (digits.at(keep) >= QLatin1Char('5') && !incrementDigits(result.digits)) {
        result.digits.prepend(QLatin1Char('1'));
        ++result.pointPosition;
    }
    result.digits = withoutTrailingZeros(result.digits);
    if (result.isZero())
        return DecimalDigits();
    return result;
}

QString DecimalDigits::positionalText(bool leadingZero) const
{
    if (isZero())
        return QStringLiteral("0");

    QString integerPart;
    QString fraction;
    if (pointPosition <= 0) {
        integerPart = leadingZero ? QStringLiteral("0") : QString();
        fraction = QString(-pointPosition, QLatin1Char('0')) + digits;
    } else {
        integerPart = digits.left(pointPosition).leftJustified(pointPosition, QLatin1Char('0'));
        fraction = digits.mid(pointPosition);
    }

    QString text = negative ? QStringLiteral("-") : QString();
    text += integerPart;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text;
}
