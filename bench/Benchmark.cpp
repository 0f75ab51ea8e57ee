#include "Benchmark.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>

#include <algorithm>
#include <vector>

namespace Benchmark {

QMap<QString, std::function<void()>>& registry()
{
    static QMap<QString, std::function<void()>> benchmarks;
    return benchmarks;
}

bool add(const QString& name, const std::function<void()>& run)
{
    registry().insert(name, run);
    return true;
}

void report(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

QString seconds(double ms)
{
    return QString::number(ms / 1000, 'f', 3) + QStringLiteral(" s");
}

QString milliseconds(double ms)
{
    return QString::number(ms, 'f', ms < 1 ? 4 : 2) + QStringLiteral(" ms");
}

QString ratio(double measured, double reference)
{
    return QStringLiteral("ratio ") + QString::number(measured / reference, 'f', 2);
}

} // namespace Benchmark
