#include "Benchmark.h"

#include "CustomerList.h"
#include "PgConnection.h"
#include "PgCustomerStore.h"
#include "SampleDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <libpq-fe.h>

#include <algorithm>

// The customer list on a database server (the throwaway one scripts/bench
// starts), each figure beside its reference in the same run.

namespace {

constexpr int kCustomers = 1000000;

// The sample customers, made on the server itself; the triggers are off
// for the fill, as for a restore.
const char* const kFill =
    "SET session_replication_role = replica;"
    "INSERT INTO \"Info\" (\"name\", \"Address\", \"Country\", \"City\", \"State\", \"Zip\", \"Phone\", \"FAX\", "
    "\"Email\", \"Product\", \"Quantity\", \"Price\", \"DatePur\", \"Payment\", \"Paid\", \"Sex\") "
    "SELECT (ARRAY['Ann','Bob','Carla','David','Elena','Frank','Grace','Hassan','Ingrid','Jamal'])[1 + i % 10] "
    "|| ' ' || (ARRAY['Smith','Okafor','Nguyen','Garcia','Müller','Rossi','Kowalski','Haddad'])[1 + (i / 10) % 8], "
    "(1 + i % 300) || ' High Street', 'United Kingdom', 'Leeds', 'LS' || (i % 30) || ' 4AB', "
    "'0113 ' || (100000 + i % 900000), 'N/A', 'ann.' || i || '@example.com', 'West Yorkshire', "
    "(ARRAY['Desk lamp','Office chair','Printer paper','Monitor','Keyboard'])[1 + i % 5], (1 + i % 12)::text, "
    "((99 + i % 99900) / 100.0)::numeric(10, 2)::text, (1 + i % 28) || '/11/2026', "
    "CASE WHEN i % 3 = 0 THEN 'Card' ELSE 'Cash' END, CASE WHEN i % 5 = 0 THEN '1' ELSE '0' END, "
    "CASE WHEN i % 2 = 0 THEN 'm' ELSE 'f' END FROM generate_series(1, 1000000) i;"
    "SET session_replication_role = origin; ANALYZE \"Info\";";

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values.at(std::min(values.size() - 1, std::size_t(double(values.size()) * share)));
}

// The same rows as the list reads, through COPY: the fastest way out of
// the server.
double copyOutMs(const QString& uri)
{
    PGconn* conn = PQconnectdb(uri.toUtf8().constData());
    const double ms = elapsedMs([&] {
        PQclear(PQexec(conn, "COPY (SELECT id, \"name\", \"Quantity\", \"Price\", \"Sex\" FROM \"Info\" ORDER BY id) "
                             "TO STDOUT"));
        char* line = nullptr;
        while (PQgetCopyData(conn, &line, 0) > 0)
            PQfreemem(line);
        PQclear(PQgetResult(conn));
    });
    PQfinish(conn);
    return ms;
}

// In a process of its own, as the local file's figure is measured.
QString residentInChild(const QString& database)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--resident"), database});
    if (!child.waitForFinished(300000) || child.exitCode() != 0)
        return QStringLiteral("could not be measured");
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}

CustomerRecord newCustomer(int number)
{
    return CustomerRecord::fromList({QStringLiteral("Zoë Newcomer %1").arg(number), "1 New Road", "United Kingdom",
                                     "Leeds", "LS1 1AA", "0113 000000", "N/A", "zoe@example.com", "West Yorkshire",
                                     "Monitor", "2", "149.99", "6/12/2026", "Card", "0", "f"});
}

// Edits at one counter, each timed until the other counter's list shows it.
std::vector<double> editsSeenElsewhere(CustomerList& editing, CustomerStore& otherStore, CustomerList& other)
{
    std::vector<double> seen;
    const RowId row = editing.rowAt(0);
    CustomerRecord current;
    otherStore.read(row, &current);
    for (int edit = 0; edit < 200; ++edit) {
        CustomerRecord next = current;
        next.setValue(CustomerRecord::Field::Name, QStringLiteral("Edited %1").arg(edit));
        editing.EditUser({row, current}, next);
        QElapsedTimer clock;
        clock.start();
        bool changed = false;
        while (other.nameAt(0) != next.value(CustomerRecord::Field::Name) && clock.elapsed() < 5000)
            other.followOutsideChanges(&changed);
        seen.push_back(double(clock.nsecsElapsed()) / 1e6);
        current = next;
    }
    return seen;
}

void serverList()
{
    using namespace Benchmark;
    const QString server = qEnvironmentVariable("TALLYVANE_TEST_DATABASE_URI");
    if (server.isEmpty()) {
        report(QStringLiteral("server: no database server (scripts/bench starts one)"));
        return;
    }
    const QString schema = QStringLiteral("bench_") + QUuid::createUuid().toString(QUuid::Id128);
    PgConnection admin;
    admin.open(server);
    admin.runScript("CREATE SCHEMA " + schema.toUtf8(), QString());
    const QString uri = server + QStringLiteral("&options=-csearch_path%3D") + schema;
    PgCustomerStore store(uri);
    PgConnection filling;
    if (!store.open().ok() || !filling.open(uri).ok() || !filling.runScript(kFill, QString()).ok()) {
        report(QStringLiteral("server: could not fill the customers"));
        return;
    }

    CustomerList list(store);
    std::vector<double> refresh, copy;
    for (int run = 0; run < 3; ++run) {
        copy.push_back(copyOutMs(uri));
        refresh.push_back(elapsedMs([&] { list.reload(); }));
    }
    report(QStringLiteral("refresh %1 rows (server): %2, COPY to stdout %3, %4")
               .arg(kCustomers)
               .arg(seconds(percentile(refresh, 0.5)), seconds(percentile(copy, 0.5)),
                    ratio(percentile(refresh, 0.5), percentile(copy, 0.5))));

    int number = 0;
    const double add = medianMs(41, [&] {
        list.AddUser(newCustomer(number++));
        list.RefreshList();
    });
    report(QStringLiteral("add with list update (server) at 1M: %1").arg(milliseconds(add)));

    PgCustomerStore otherStore(uri);
    otherStore.open();
    CustomerList other(otherStore);
    other.RefreshList();
    const std::vector<double> seen = editsSeenElsewhere(list, otherStore, other);
    report(QStringLiteral("edit seen at the other counter: p50 %1, p99 %2")
               .arg(milliseconds(percentile(seen, 0.5)), milliseconds(percentile(seen, 0.99))));

    QTemporaryDir folder;
    const QString local = folder.filePath(QStringLiteral("customers.mdb"));
    const QString localFigure =
        SampleDatabase::generate(local, kCustomers) ? residentInChild(local) : QStringLiteral("could not be measured");
    report(QStringLiteral("resident memory with 1000000 customers loaded (server): %1, local file %2")
               .arg(residentInChild(uri), localFigure));
    admin.runScript("DROP SCHEMA " + schema.toUtf8() + " CASCADE", QString());
}

} // namespace

TALLYVANE_BENCHMARK("server", serverList);
