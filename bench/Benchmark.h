#pragma once

#include <QString>
#include <QTextStream>

#include <functional>

// Each benchmark file registers its benchmarks with TALLYVANE_BENCHMARK;
// the program runs them in name order and prints one line per figure.
namespace Benchmark {

bool add(const QString& name, const std::function<void()>& run);

// Prints one figure line and flushes it, so a long run shows progress.
void report(const QString& line);

// The median wall time of `runs` calls, in milliseconds.
double medianMs(int runs, const std::function<void()>& work);

// Formats "a s" / "b ms" figures consistently.
QString seconds(double ms);
QString milliseconds(double ms);
QString ratio(double measured, double reference);

// "tallyvane-bench --resident PATH": loads the customer list of the
// database at PATH and prints the resident and peak memory it took.
int printResident(const QString& path);

} // namespace Benchmark

#define TALLYVANE_BENCHMARK(name, function) \
    static const bool benchmarkRegistered_##function = Benchmark::add(QStringLiteral(name), function)
