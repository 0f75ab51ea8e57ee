#include "Benchmark.h"
#include "QuietDialogs.h"

#include <QApplication>
#include <QMap>
#include <QStringList>

namespace Benchmark {
QMap<QString, std::function<void()>>& registry();
}

// tallyvane-bench [name...]: runs every benchmark, or those whose names
// start with one of the arguments; --list names them.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Nobody is there to answer a message.
    QuietDialogs dialogs;
    Dialogs::setShared(&dialogs);
    QStringList wanted = application.arguments().mid(1);

    if (wanted.value(0) == QLatin1String("--resident"))
        return Benchmark::printResident(wanted.value(1));

    const auto& benchmarks = Benchmark::registry();
    if (wanted.contains(QStringLiteral("--list"))) {
        for (auto it = benchmarks.begin(); it != benchmarks.end(); ++it)
            Benchmark::report(it.key());
        return 0;
    }
    for (auto it = benchmarks.begin(); it != benchmarks.end(); ++it) {
        const bool selected = wanted.isEmpty()
            || std::any_of(wanted.begin(), wanted.end(),
                           [&](const QString& prefix) { return it.key().startsWith(prefix); });
        if (selected)
            it.value()();
    }
    return 0;
}
