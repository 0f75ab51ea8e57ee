#include "Benchmark.h"

#include "CustomerExport.h"
#include "CustomerImport.h"
#include "JetFile.h"
#include "SampleDatabase.h"
#include "SqliteCustomerStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// Customers to and from CSV at a million rows, beside the sqlite3 shell
// doing the same on the same files.

namespace {

double shellMs(const QStringList& arguments, const QString& output = QString())
{
    QProcess shell;
    if (!output.isEmpty())
        shell.setStandardOutputFile(output);
    QElapsedTimer clock;
    clock.start();
    shell.start(QStringLiteral("sqlite3"), arguments);
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

double timedMs(const std::function<bool()>& work)
{
    QElapsedTimer clock;
    clock.start();
    return work() ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

void csvTransfer()
{
    constexpr int rows = 1000000;
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("source.mdb"));
    const QString csv = folder.filePath(QStringLiteral("customers.csv"));
    if (!SampleDatabase::generate(source, rows)) {
        Benchmark::report(QStringLiteral("csv: could not generate the customers"));
        return;
    }
    SqliteCustomerStore store(source);
    store.open();
    qint64 written = 0;
    const double exportMs = timedMs([&] { return CustomerExport::writeCsv(store, csv, {}, &written).ok(); });
    const double shellExportMs =
        shellMs({QStringLiteral("-csv"), QStringLiteral("-header"), source, QStringLiteral("SELECT * FROM Info")},
                folder.filePath(QStringLiteral("shell.csv")));
    Benchmark::report(QStringLiteral("export csv %1 rows: %2, sqlite3 -csv %3, %4")
                          .arg(rows)
                          .arg(Benchmark::seconds(exportMs), Benchmark::seconds(shellExportMs),
                               Benchmark::ratio(exportMs, shellExportMs)));

    SqliteCustomerStore target(folder.filePath(QStringLiteral("target.mdb")));
    target.open();
    const double importMs = timedMs([&] {
        QFile file(csv);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        CustomerImport::CsvPreview preview;
        CustomerImport::Report report;
        return CustomerImport::previewCsv(bytes, 20, &preview).ok()
            && CustomerImport::importCsv(target, bytes, preview.options, {}, &report).ok();
    });
    // The shell's table made as the store makes it, then filled from the file.
    const QString shellTarget = folder.filePath(QStringLiteral("shell.mdb"));
    SqliteCustomerStore(shellTarget).open();
    const double shellImportMs = shellMs({shellTarget, QStringLiteral(".import --csv --skip 1 ") + csv + " Info"});
    Benchmark::report(QStringLiteral("import csv %1 rows: %2, sqlite3 .import %3, %4")
                          .arg(rows)
                          .arg(Benchmark::seconds(importMs), Benchmark::seconds(shellImportMs),
                               Benchmark::ratio(importMs, shellImportMs)));
}

// A real Jet 3 table into a new store, the reader child's starts included.
void jetImport()
{
    const QString nwind = QStringLiteral(TALLYVANE_TESTDATA "/jet/nwind.mdb");
    if (!QFile::exists(nwind)) {
        Benchmark::report(QStringLiteral("import jet nwind Customers: skipped, no test file"));
        return;
    }
    QTemporaryDir folder;
    SqliteCustomerStore store(folder.filePath(QStringLiteral("target.mdb")));
    store.open();
    CustomerImport::Report report;
    const double ms = timedMs([&] {
        JetFile::Rows rows;
        return JetFile(nwind).read(QStringLiteral("Customers"), -1, {}, &rows).ok()
            && CustomerImport::importRows(store, CustomerImport::tableSource(rows.rows),
                                          {CustomerFields::propose(rows.columns), {}, nullptr, {}}, {}, &report)
                   .ok();
    });
    Benchmark::report(QStringLiteral("import jet nwind Customers: %1 ms (%2 rows)")
                          .arg(ms, 0, 'f', 1)
                          .arg(report.imported));
}

} // namespace

TALLYVANE_BENCHMARK("csv", csvTransfer);
TALLYVANE_BENCHMARK("jet", jetImport);
