#include "FormatMoney.h"

#include "DecimalDigits.h"
#include "NumberText.h"

namespace {

constexpr int kCentDigits = 2;

} // namespace

QString FormatMoney(QStringView text)
{
    const double value = leadingNumber(text);
    const DecimalDigits cents = DecimalDigits::fromDouble(value).roundedAwayFromZero(kCentDigits);

    // The bare form writes no 0 before the point (".5", "-.5"); only a
    // positive amount gets it back, so -0.5 reads "-.50".
    QString money = cents.positionalText(false);
    const int point = money.indexOf(QLatin1Char('.'));
    if (point < 0)
        return money + QStringLiteral(".00");
    if (money.size() - point - 1 < kCentDigits)
        money += QLatin1Char('0');
    if (point == 0)
        money.prepend(QLatin1Char('0'));
    return money;
}
