#include "Benchmark.h"

#include "AutomaticBackups.h"
#include "DatabaseBackup.h"
#include "SampleDatabase.h"
#include "SqliteCustomerStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include <unistd.h>

// Backing up a million customers against the plain copy of the same file
// that a file manager makes, flushed to the disk as the backup is.

namespace {

double fileCopyMs(const QString& from, const QString& to)
{
    return Benchmark::medianMs(1, [&] {
        QFile::remove(to);
        QFile::copy(from, to);
        QFile copy(to);
        if (copy.open(QIODevice::ReadWrite))
            ::fsync(copy.handle());
    });
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

constexpr int count = 1000000;

bool generated(const QString& live)
{
    const bool made = SampleDatabase::generate(live, count);
    if (!made)
        Benchmark::report(QStringLiteral("could not generate %1 customers").arg(count));
    return made;
}

void backup()
{
    using namespace Benchmark;
    QTemporaryDir folder;
    const QString live = folder.filePath(QStringLiteral("Tallyvane DB.mdb"));
    if (!generated(live))
        return;
    SqliteCustomerStore store(live);
    store.open();
    DatabaseBackup tool(store, live);
    const QString target = folder.filePath(QStringLiteral("Customers backup.mdb"));
    const QString copy = folder.filePath(QStringLiteral("Plain copy.mdb"));

    // Interleaved, so that both see the same cache.
    std::vector<double> backups, copies;
    for (int run = 0; run < 5; ++run) {
        copies.push_back(fileCopyMs(live, copy));
        backups.push_back(medianMs(1, [&] { tool.backUp(target); }));
    }
    report(QStringLiteral("backup %1 customers: %2, file copy %3, %4")
               .arg(QString::number(count), milliseconds(median(backups)),
                    milliseconds(median(copies)), ratio(median(backups), median(copies))));
}

// An automatic backup after a change: the copy above, and the check of the
// copy that lets the older ones go.
void automaticBackup()
{
    using namespace Benchmark;
    QTemporaryDir folder;
    const QString live = folder.filePath(QStringLiteral("Tallyvane DB.mdb"));
    if (!generated(live))
        return;
    SqliteCustomerStore store(live);
    store.open();
    AutomaticBackups backups(live, folder.filePath(QStringLiteral("Backups")));
    // The newest copy, which the change is told from.
    backups.takeIfChanged();
    const QString copy = folder.filePath(QStringLiteral("Plain copy.mdb"));

    std::vector<double> automatic, copies;
    for (int run = 0; run < 3; ++run) {
        store.append(SampleDatabase::customer(count + run));
        copies.push_back(fileCopyMs(live, copy));
        bool taken = false;
        Result result = Result::success();
        automatic.push_back(medianMs(1, [&] { result = backups.takeIfChanged(&taken); }));
        if (!result.ok() || !taken) {
            report(QStringLiteral("automatic backup 1M: no copy taken. ") + result.message());
            return;
        }
    }
    report(QStringLiteral("automatic backup 1M: %1, file copy %2, %3")
               .arg(milliseconds(median(automatic)), milliseconds(median(copies)),
                    ratio(median(automatic), median(copies))));
}

} // namespace

TALLYVANE_BENCHMARK("backup", backup);
TALLYVANE_BENCHMARK("autobackup", automaticBackup);
