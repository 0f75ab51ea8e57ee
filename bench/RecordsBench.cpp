#include "Benchmark.h"

#include "CustomerList.h"
#include "NumberText.h"
#include "PgCustomerStore.h"
#include "SampleDatabase.h"
#include "SqliteCustomerStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>


// Customer list figures at 10,000, 100,000 and 1,000,000 realistic
// customers: the list rebuild against a bare SQLite scan doing the same
// work, selection, saving one customer, a search that finds nothing, and
// the memory a million loaded customers take.

namespace {

// The reference: the same four columns and the same arithmetic, straight
// from the C API into a QStringList.
double bareScanMs(const QString& path, QStringList* names)
{
    return Benchmark::medianMs(1, [&] {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_stmt* scan = nullptr;
        sqlite3_prepare_v2(db, "SELECT name, Quantity, Price, Sex FROM Info", -1, &scan, nullptr);
        double sold = 0, earnings = 0;
        qint64 males = 0, females = 0;
        names->clear();
        while (sqlite3_step(scan) == SQLITE_ROW) {
            names->append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(scan, 0)),
                                            sqlite3_column_bytes(scan, 0)));
            const double quantity = sqlite3_column_double(scan, 1);
            sold += quantity;
            earnings += roundHalfToEven(quantity * sqlite3_column_double(scan, 2));
            const char* sex = reinterpret_cast<const char*>(sqlite3_column_text(scan, 3));
            males += sex[0] == 'm';
            females += sex[0] == 'f';
        }
        sqlite3_finalize(scan);
        sqlite3_close(db);
        if (sold < 0 || earnings < 0 || males + females < 0)
            names->clear();
    });
}

double bareInsertMs(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Info (name, Quantity, Price, Sex) VALUES ('Bare', '1', '2', 'm')",
                       -1, &insert, nullptr);
    const double ms = Benchmark::medianMs(41, [&] {
        sqlite3_step(insert);
        sqlite3_reset(insert);
    });
    sqlite3_finalize(insert);
    sqlite3_close(db);
    return ms;
}

double residentMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// In a process of its own, so that what earlier benchmarks allocated and
// the peak of their windows do not count.
QString residentInChild(const QString& path, const QString& size)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--resident"), path});
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        return QStringLiteral("resident memory with %1 customers loaded: could not be measured").arg(size);
    return QStringLiteral("resident memory with %1 customers loaded: %2")
        .arg(size, QString::fromUtf8(child.readAllStandardOutput()).trimmed());
}

CustomerRecord newCustomer()
{
    return CustomerRecord::fromList({"Zoë Newcomer", "1 New Road", "United Kingdom", "Leeds",
                                     "LS1 1AA", "0113 000000", "N/A", "zoe@example.com",
                                     "West Yorkshire", "Monitor", "2", "149.99", "6/12/2026",
                                     "Card", "0", "f"});
}

void measure(int count)
{
    using namespace Benchmark;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tallyvane DB.mdb"));
    if (!SampleDatabase::generate(path, count)) {
        report(QStringLiteral("could not generate %1 customers").arg(count));
        return;
    }
    const QString size = QString::number(count);

    if (count == 1000000)
        report(residentInChild(path, size));
    SqliteCustomerStore store(path);
    store.open();
    CustomerList list(store);
    list.RefreshList();

    // Interleaved, so that both see the same cache.
    QStringList bareNames;
    std::vector<double> refresh, bare;
    for (int run = 0; run < 3; ++run) {
        bare.push_back(bareScanMs(path, &bareNames));
        // Opened anew, the store may hold anything: the list reads it whole.
        store.close();
        store.open();
        refresh.push_back(medianMs(1, [&] { list.RefreshList(); }));
    }
    bareNames.clear();
    std::sort(refresh.begin(), refresh.end());
    std::sort(bare.begin(), bare.end());
    report(QStringLiteral("refresh %1 rows: %2, bare scan %3, %4")
               .arg(size, seconds(refresh[1]), seconds(bare[1]), ratio(refresh[1], bare[1])));

    const double select = medianMs(101, [&] { list.select(count - 1); });
    report(QStringLiteral("select last of %1 rows: %2").arg(size, milliseconds(select)));

    const double search = medianMs(5, [&] { list.search(QStringLiteral("Nobody Of That Name")); });
    report(QStringLiteral("search %1 rows, no match: %2").arg(size, milliseconds(search)));

    const double add = medianMs(41, [&] { list.AddUser(newCustomer()); });
    store.close();
    const double bareAdd = bareInsertMs(path);
    report(QStringLiteral("AddUser with %1 rows (durable): %2, bare insert %3, %4")
               .arg(size, milliseconds(add), milliseconds(bareAdd), ratio(add, bareAdd)));
}

} // namespace

int Benchmark::printResident(const QString& path)
{
    // A database server's URI, or a local file.
    std::unique_ptr<CustomerStore> store;
    if (path.startsWith(QLatin1String("postgresql:")))
        store = std::make_unique<PgCustomerStore>(path);
    else
        store = std::make_unique<SqliteCustomerStore>(path);
    CustomerList list(*store);
    if (!store->open().ok() || !list.RefreshList().ok())
        return 1;
    QTextStream(stdout) << QStringLiteral("%1 MB (peak %2 MB)")
                               .arg(residentMb("VmRSS:"), 0, 'f', 0)
                               .arg(residentMb("VmHWM:"), 0, 'f', 0)
                        << Qt::endl;
    return 0;
}

namespace {

void customerList()
{
    for (int count : {10000, 100000, 1000000})
        measure(count);
}

} // namespace

TALLYVANE_BENCHMARK("records", customerList);
