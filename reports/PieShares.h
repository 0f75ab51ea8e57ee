#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The two slices of a pie report: a part's share of a whole in percent and
// the rest of the circle.
struct PieShares
{
    double share = 0;
    double rest = 100;
};

// The share of `part` in `whole`, both read as the window shows them;
// nothing when either is not a number or the whole is 0, so that no chart
// is drawn from a figure that means nothing.
std::optional<PieShares> sharesOf(QStringView part, QStringView whole);

// A legend figure: " = ", the share to two decimals, " %".
QString shareLegendText(double share);
