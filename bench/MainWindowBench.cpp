#include "Benchmark.h"

#include "CustomerList.h"
#include "FrmMain.h"
#include "QuietDialogs.h"
#include "SampleDatabase.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <memory>

// The main window on a generated database: opening it, adding a customer
// and showing it, and what the window costs while nobody uses it.

namespace {

struct WindowOnDatabase
{
    explicit WindowOnDatabase(int customers)
        : store(folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"))),
          settings(folder.filePath(QStringLiteral("settings.ini")))
    {
        SampleDatabase::generate(store.path(), customers);
        settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
    }

    // Open, fill the list, read the settings and paint the list once.
    double open()
    {
        QElapsedTimer clock;
        clock.start();
        window = std::make_unique<FrmMain>(FrmMainServices{store, settings, dialogs, folder.path()});
        if (!window->load().ok())
            return -1;
        window->setRole(Session::administrator());
        window->show();
        window->controls().List->viewport()->grab();
        return double(clock.nsecsElapsed()) / 1e6;
    }

    QTemporaryDir folder;
    SqliteCustomerStore store;
    SettingsStore settings;
    QuietDialogs dialogs;
    std::unique_ptr<FrmMain> window;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The reference: the list logic alone reading the same rows through a
// store opened afresh, as the window's own load does.
double storeRefreshMs(const QString& path)
{
    return Benchmark::medianMs(3, [&] {
        SqliteCustomerStore store(path);
        store.open();
        CustomerList(store).RefreshList();
    });
}

// Another counter's write moves the table's outside-change mark, so the
// window's next refresh reads the table whole.
void changeElsewhere(const QString& path, int customer)
{
    SqliteCustomerStore other(path);
    other.open();
    other.append(SampleDatabase::customer(customer));
}

void mainWindowLoad()
{
    for (int customers : {100000, 1000000}) {
        WindowOnDatabase bench(customers);
        const double ms = bench.open();
        const double refresh = storeRefreshMs(bench.store.path());
        Benchmark::report(QStringLiteral("main window load %1 customers: %2, store refresh %3, %4")
                              .arg(customers)
                              .arg(Benchmark::milliseconds(ms), Benchmark::milliseconds(refresh),
                                   Benchmark::ratio(ms, refresh)));
        if (customers != 1000000)
            continue;

        // What an entry form does: append, then have the list show it.
        const CustomerRecord record = SampleDatabase::customer(customers + 1);
        const double add = Benchmark::medianMs(5, [&] {
            bench.window->AddUser(record);
            bench.window->RefreshList();
        });
        int changes = 0;
        const double rebuild = Benchmark::medianMs(3, [&] {
            changeElsewhere(bench.store.path(), customers + 2 + changes++);
            bench.window->RefreshList();
        });
        Benchmark::report(QStringLiteral("add with list update %1 customers: %2, full rebuild %3, "
                                         "store refresh %4, %5")
                              .arg(customers)
                              .arg(Benchmark::milliseconds(add), Benchmark::milliseconds(rebuild),
                                   Benchmark::milliseconds(refresh), Benchmark::ratio(rebuild, refresh)));
    }
}

void idleMainWindow()
{
    WindowOnDatabase bench(1000);
    bench.open();
    // Idle means after the first ticks and the first paints have settled.
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    const QString settingsFile = bench.settings.fileName();
    const auto stamp = [&] {
        const QFileInfo info(settingsFile);
        return std::pair(info.lastModified().toMSecsSinceEpoch(), info.size());
    };
    auto lastStamp = stamp();
    int writes = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const auto now = stamp();
        if (now != lastStamp)
            ++writes;
        lastStamp = now;
    });
    watch.start(500);

    constexpr int idleMs = 10000;
    const double cpuBefore = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuPercent = (cpuSeconds() - cpuBefore) * 100.0 / (idleMs / 1000.0);
    Benchmark::report(QStringLiteral("idle main window 10 s: cpu %1 %, settings writes %2")
                          .arg(cpuPercent, 0, 'f', 2)
                          .arg(writes));
}

} // namespace

TALLYVANE_BENCHMARK("main window load", mainWindowLoad);
TALLYVANE_BENCHMARK("main window idle", idleMainWindow);
