#include "Benchmark.h"

#include "CustomerList.h"
#include "SampleDatabase.h"
#include "SqliteCustomerStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>

// Find in every field and the safety net at a million customers, each
// beside its reference in the same run.

namespace {

constexpr int kCustomers = 1000000;

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

double percentile(QList<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(std::min<qsizetype>(values.size() - 1, qsizetype(values.size() * share)));
}

double mean(const QList<double>& values)
{
    double sum = 0;
    for (const double value : values)
        sum += value;
    return values.isEmpty() ? 0 : sum / double(values.size());
}

// What an operator types: the start of a name, town, telephone or product
// of some customer, one keystroke after the other.
QStringList typedQueries(int count, int shortest, int longest)
{
    QRandomGenerator random(1207);
    QStringList queries;
    while (queries.size() < count) {
        const CustomerRecord sample = SampleDatabase::customer(random.bounded(kCustomers));
        const std::array<CustomerRecord::Field, 4> fields = {CustomerRecord::Field::Name, CustomerRecord::Field::City,
                                                             CustomerRecord::Field::Zip, CustomerRecord::Field::Product};
        const QString text = sample.value(fields[std::size_t(random.bounded(4))]);
        for (int length = shortest; length <= longest && length <= text.size() && queries.size() < count; ++length)
            queries << text.left(length);
    }
    return queries;
}

// A screen of the list, as many as a maximised window shows and more.
constexpr int kScreenful = 100;

struct Keystrokes
{
    QList<double> firstScreen; // until a screen is full or all is found
    QList<double> complete;    // until every customer found is shown
};

// Each query typed as the window finds it: the first screen at once, the
// rest in steps between events.
Keystrokes keystrokes(CustomerList& list, const QStringList& queries)
{
    Keystrokes times;
    for (const QString& query : queries) {
        QElapsedTimer clock;
        clock.start();
        list.find(query);
        while (list.findingMore() && list.shownCount() < kScreenful)
            list.findMore({});
        times.firstScreen << double(clock.nsecsElapsed()) / 1e6;
        while (list.findingMore())
            list.findMore({});
        times.complete << double(clock.nsecsElapsed()) / 1e6;
    }
    return times;
}

void reportKeystrokes(const QString& what, const Keystrokes& times, double scan)
{
    Benchmark::report(QStringLiteral("%1: %2 per keystroke (p99 %3), all found %4 (p99 %5), plain scan %6, %7")
                          .arg(what, Benchmark::milliseconds(mean(times.firstScreen)),
                               Benchmark::milliseconds(percentile(times.firstScreen, 0.99)),
                               Benchmark::milliseconds(mean(times.complete)),
                               Benchmark::milliseconds(percentile(times.complete, 0.99)),
                               Benchmark::milliseconds(scan),
                               Benchmark::ratio(percentile(times.firstScreen, 0.99), scan)));
}

// The plain scan the index stands in for: every customer read for a word.
double scanMs(const QString& path, const QString& word)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = "SELECT count(*) FROM Info WHERE (name || Address || City || Zip || Phone || FAX || "
                           "Product) LIKE '%" + word.toUtf8() + "%'";
    const double ms = elapsedMs([&] { sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr); });
    sqlite3_close(db);
    return ms;
}

// One customer added as the program adds it, `runs` times; the median.
double addMs(SqliteCustomerStore& store, int runs)
{
    return Benchmark::medianMs(runs, [&] { store.append(SampleDatabase::customer(7)); });
}

// The same add as one bare INSERT in its own durable transaction, on a
// file that holds Info alone.
double bareAddMs(const QString& path, int runs)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    const double ms = Benchmark::medianMs(runs, [&] {
        sqlite3_exec(db, "BEGIN IMMEDIATE; INSERT INTO Info (name, City) VALUES ('Ann Lee', 'York'); COMMIT",
                     nullptr, nullptr, nullptr);
    });
    sqlite3_close(db);
    return ms;
}

void findInEveryField()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("customers.mdb"));
    const QString bare = folder.filePath(QStringLiteral("bare.mdb"));
    if (!SampleDatabase::generate(path, kCustomers) || !QFile::copy(path, bare)) {
        Benchmark::report(QStringLiteral("find: could not generate the customers"));
        return;
    }
    const qint64 sizeWithout = QFileInfo(path).size();
    SqliteCustomerStore store(path);
    store.open();
    const double buildMs = elapsedMs([&] { store.buildFindIndex({}); });
    const qint64 sizeWith = QFileInfo(path).size();
    Benchmark::report(QStringLiteral("find index built at 1M: %1; file %2 MB with it, %3 MB without, %4")
                          .arg(Benchmark::seconds(buildMs))
                          .arg(double(sizeWith) / 1e6, 0, 'f', 0)
                          .arg(double(sizeWithout) / 1e6, 0, 'f', 0)
                          .arg(Benchmark::ratio(double(sizeWith), double(sizeWithout))));

    CustomerList list(store);
    list.RefreshList();
    const double scan = scanMs(path, QStringLiteral("ortiz"));
    reportKeystrokes(QStringLiteral("find as you type, 1M"), keystrokes(list, typedQueries(200, 3, 8)), scan);
    reportKeystrokes(QStringLiteral("find as you type, 1-2 characters, 1M"), keystrokes(list, typedQueries(50, 1, 2)),
                     scan);

    const double withMs = addMs(store, 30);
    const double withoutMs = bareAddMs(bare, 30);
    Benchmark::report(QStringLiteral("add with history + index at 1M: %1, without: %2, %3")
                          .arg(Benchmark::milliseconds(withMs), Benchmark::milliseconds(withoutMs),
                               Benchmark::ratio(withMs, withoutMs)));
}

} // namespace

TALLYVANE_BENCHMARK("find", findInEveryField);
