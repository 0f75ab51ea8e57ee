#include "PieShares.h"

#include "FormatMoney.h"
#include "NumberText.h"

#include <cmath>

std::optional<PieShares> sharesOf(QStringView part, QStringView whole)
{
    const std::optional<double> partValue = tryNumberFromText(part);
    const std::optional<double> wholeValue = tryNumberFromText(whole);
    if (!partValue || !wholeValue || *wholeValue == 0)
        return std::nullopt;
    const double share = *partValue * 100 / *wholeValue;
    if (!std::isfinite(share))
        return std::nullopt;
    return PieShares{share, 100 - share};
}

QString shareLegendText(double share)
{
    return QStringLiteral(" = ") + FormatMoney(generalNumberText(share)) + QStringLiteral(" %");
}
