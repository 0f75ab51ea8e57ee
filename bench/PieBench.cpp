#include "Benchmark.h"
#include "FakeDialogs.h"
#include "Pie.h"

namespace {

constexpr int kRuns = 50;

// One CreatePie draws the hit map and the chart: both passes are timed.
void reportCreatePie(const QVariantList& values, const QString& name, int width, int height,
                     int length, double targetMs)
{
    FakeDialogs dialogs;
    Pie pie;
    pie.setDialogs(&dialogs);
    const double ms = Benchmark::medianMs(kRuns, [&] { pie.CreatePie(values, width, height, length); });
    Benchmark::report(QStringLiteral("pie CreatePie %1 x %2 x %3, %4, hit map and chart: %5 (target %6)")
                          .arg(width)
                          .arg(height)
                          .arg(length)
                          .arg(name, Benchmark::milliseconds(ms), Benchmark::milliseconds(targetMs)));
}

void pieBenchmark()
{
    const QVariantList sevenValues{10, 15, 20, 5, 25, 10, 15};
    reportCreatePie(sevenValues, QStringLiteral("seven values"), 200, 100, 15, 2);
    reportCreatePie(sevenValues, QStringLiteral("seven values"), 800, 400, 40, 15);
    reportCreatePie({25, 35}, QStringLiteral("total of 60"), 200, 100, 15, 2);
    reportCreatePie({25, 35}, QStringLiteral("total of 60"), 800, 400, 40, 15);
}

} // namespace

TALLYVANE_BENCHMARK("pie", pieBenchmark);
