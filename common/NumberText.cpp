#include "NumberText.h"

#include "DecimalDigits.h"
#include "Utf8Text.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The common stored form, up to fifteen digits with at most one point and
// no sign or exponent, read directly: the digits as an exact integer
// divided by an exact power of ten is the correctly rounded value, the
// same as a general parser gives.
bool parsePlainDecimal(const char* begin, const char* end, double* value)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (begin == end || end - begin > 16)
        return false;
    qint64 digits = 0;
    int digitCount = 0;
    int fractionDigits = -1;
    for (const char* c = begin; c < end; ++c) {
        if (*c >= '0' && *c <= '9') {
            digits = digits * 10 + (*c - '0');
            ++digitCount;
            if (fractionDigits >= 0)
                ++fractionDigits;
        } else if (*c == '.' && fractionDigits < 0) {
            fractionDigits = 0;
        } else {
            return false;
        }
    }
    if (digitCount == 0 || digitCount > 15)
        return false;
    *value = double(digits) / kPowersOfTen[fractionDigits > 0 ? fractionDigits : 0];
    return true;
}

// Parses exactly [begin, end) as a plain decimal number.
bool parseWholeAscii(const char* begin, const char* end, double* value)
{
    if (begin == end)
        return false;
    const auto parsed = std::from_chars(begin, end, *value);
    return parsed.ec == std::errc() && parsed.ptr == end && std::isfinite(*value);
}

// The number part at the start of `text`, as ASCII: sign, digits with one
// point, and an exponent only when digits follow its letter.
QByteArray leadingNumberText(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    QByteArray number;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            number += char(c.unicode());
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit)
        return QByteArray();

    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        QByteArray exponent = "e";
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exponent += char(text[j++].unicode());
        const qsizetype firstExponentDigit = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += char(text[j++].unicode());
        if (j > firstExponentDigit)
            number += exponent;
    }
    if (number.startsWith('.') || number.startsWith("-."))
        number.insert(number.indexOf('.'), '0');
    return number;
}

} // namespace

double leadingNumber(QStringView text)
{
    const QByteArray number = leadingNumberText(text);
    double value = 0;
    if (!parseWholeAscii(number.constData(), number.constData() + number.size(), &value))
        return 0;
    return value;
}

std::optional<double> tryNumberFromText(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    // The stored form first, strictly: "2,500" is no plain number, so a
    // locale whose point is "," reads it as 2.5 rather than as 2500.
    static const QLocale plain = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        return c;
    }();
    bool ok = false;
    double value = plain.toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double numberFromText(QStringView text)
{
    return tryNumberFromText(text).value_or(0);
}

double numberFromUtf8(const char* data, qsizetype size)
{
    const char* begin = data;
    const char* end = data + size;
    while (begin < end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t'))
        --end;

    double value = 0;
    if (parsePlainDecimal(begin, end, &value) || parseWholeAscii(begin, end, &value))
        return value;
    if (begin == end)
        return 0;
    return numberFromText(textFromUtf8(begin, end - begin));
}

QString generalNumberText(double value)
{
    const DecimalDigits decimal = DecimalDigits::fromDouble(value);
    if (decimal.pointPosition <= 15 && decimal.pointPosition > -15)
        return decimal.positionalText();

    const int exponent = decimal.pointPosition - 1;
    QString text = decimal.negative ? QStringLiteral("-") : QString();
    text += decimal.digits.left(1);
    if (decimal.digits.size() > 1)
        text += QLatin1Char('.') + decimal.digits.mid(1);
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    return text;
}

double roundHalfToEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

double roundHalfAwayFromZero(double value, int decimals)
{
    return DecimalDigits::fromDouble(value).roundedAwayFromZero(decimals).toDouble();
}
