#include "Benchmark.h"
#include "Pie.h"
#include "PieHitMap.h"
#include "PieRenderer.h"

namespace {

constexpr int kRuns = 50;

// One CreatePie draws the hit map and the chart: both passes are timed.
void reportCreatePie(const QVariantList& values, const QString& name, int width, int height,
                     int length, double targetMs)
{
    Pie pie;
    const double ms = Benchmark::medianMs(kRuns, [&] { pie.CreatePie(values, width, height, length); });
    Benchmark::report(QStringLiteral("pie CreatePie %1 x %2 x %3, %4, hit map and chart: %5 (target %6)")
                          .arg(width)
                          .arg(height)
                          .arg(length)
                          .arg(name, Benchmark::milliseconds(ms), Benchmark::milliseconds(targetMs)));
}

// On a screen of device pixel ratio 2 CreatePie draws the same hit map in
// the widget's pixels and the chart at four times as many pixels.
void reportHighDensity(const QVariantList& values, const QString& name, int width, int height,
                       int length, double targetMs)
{
    const PieGeometry geometry(width, height, length);
    const PieChartPlan plan = PieChart::plan(PieValues::read(values), PieColors());
    const double ms = Benchmark::medianMs(kRuns, [&] {
        const PieHitMap map(geometry);
        PieRenderer(geometry.scaled(2), geometry.size() * 2, qRgb(255, 255, 255)).draw(plan);
    });
    Benchmark::report(
        QStringLiteral("pie at ratio 2, %1 x %2 x %3, %4, hit map and chart: %5 (target %6)")
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
    reportHighDensity(sevenValues, QStringLiteral("seven values"), 800, 400, 40, 15);
    reportHighDensity({25, 35}, QStringLiteral("total of 60"), 800, 400, 40, 15);
}

} // namespace

TALLYVANE_BENCHMARK("pie", pieBenchmark);
