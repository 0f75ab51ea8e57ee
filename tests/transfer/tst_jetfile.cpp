#include "CustomerImport.h"
#include "JetFile.h"
#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QLocale>
#include <QTest>

#include <unistd.h>

// Real Jet 3, Jet 4 and ACE files made by other tools, read through the
// reader child; damaged copies never crash the program or store anything.
class TestJetFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsEveryUserTable_data();
    void listsEveryUserTable();
    void readsValuesAsTheFileShowsThem_data();
    void readsValuesAsTheFileShowsThem();
    void importsCustomersByWhatColumnsHold();
    void refusesWhatIsNotAReadableFile_data();
    void refusesWhatIsNotAReadableFile();
    void damagedCopiesStoreNothing_data();
    void damagedCopiesStoreNothing();
    void cancelStopsTheReader();

private:
    static QString sample(const QString& name);
};

QString TestJetFile::sample(const QString& name)
{
    return QStringLiteral(TALLYVANE_TESTDATA "/jet/") + name;
}

void TestJetFile::initTestCase()
{
    if (!QFile::exists(sample("nwind.mdb")))
        QSKIP("The shared Jet test files are not on this machine.");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestJetFile::listsEveryUserTable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<int>("tables");
    QTest::newRow("Jet 3") << "nwind.mdb" << "Customers" << qint64(91) << 9;
    QTest::newRow("Jet 4") << "DateTestDatabase.mdb" << "DateTest" << qint64(6) << 1;
    QTest::newRow("ACE") << "ASampleDatabase.accdb" << "Asset Items" << qint64(65) << 1;
}

void TestJetFile::listsEveryUserTable()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(qint64, rows);
    QFETCH(int, tables);
    QVERIFY(JetFile::looksLikeJet(sample(file)));
    QList<JetFile::Table> listed;
    const Result result = JetFile(sample(file)).tables(&listed);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(listed.size(), tables);
    const auto entry = std::find_if(listed.begin(), listed.end(), [&](const auto& t) { return t.name == table; });
    QVERIFY(entry != listed.end());
    QCOMPARE(entry->rows, rows);
    JetFile::Rows read;
    QVERIFY(JetFile(sample(file)).read(table, -1, {}, &read).ok());
    QCOMPARE(read.rows.size(), rows);
    QCOMPARE(read.columns, entry->columns);
}

void TestJetFile::readsValuesAsTheFileShowsThem_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Jet 3 text") << "nwind.mdb" << "Customers" << 0 << "CompanyName" << "Alfreds Futterkiste";
    QTest::newRow("Jet 3 code page") << "nwind.mdb" << "Customers" << 1 << "Address"
                                     << "Avda. de la Constitución 2222";
    QTest::newRow("Jet 3 table name") << "nwind.mdb" << "Umsätze" << 0 << "ShipCountry" << "Venezuela";
    QTest::newRow("empty") << "nwind.mdb" << "Customers" << 0 << "Region" << "";
    QTest::newRow("money") << "nwind.mdb" << "Products" << 0 << "UnitPrice" << "18";
    QTest::newRow("money, a fraction") << "nwind.mdb" << "Order Details" << 1 << "UnitPrice" << "9.8";
    QTest::newRow("yes/no") << "nwind.mdb" << "Products" << 4 << "Discontinued" << "Yes";
    QTest::newRow("picture") << "nwind.mdb" << "Employees" << 0 << "Photo" << "";
    QTest::newRow("two-line text") << "nwind.mdb" << "Employees" << 0 << "Address"
                                   << "507 - 20th Ave. E.\r\nApt. 2A";
    QTest::newRow("date") << "DateTestDatabase.mdb" << "DateTest" << 0 << "DateCol" << "12/2/2021";
    QTest::newRow("year 9999") << "DateTestDatabase.mdb" << "DateTest" << 1 << "DateCol" << "1/1/9999";
    QTest::newRow("before 1900") << "DateTestDatabase.mdb" << "DateTest" << 2 << "DateTimeCol" << "1/1/1898";
    QTest::newRow("memo") << "DateTestDatabase.mdb" << "DateTest" << 5 << "LongTextCol" << "New line\r\nin field";
    QTest::newRow("ACE date") << "ASampleDatabase.accdb" << "Asset Items" << 0 << "Acquired" << "9/2/1997";
    QTest::newRow("ACE currency") << "ASampleDatabase.accdb" << "Asset Items" << 0 << "Cost" << "1995.5";
}

void TestJetFile::readsValuesAsTheFileShowsThem()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(int, row);
    QFETCH(QString, column);
    QFETCH(QString, shown);
    JetFile::Rows read;
    const Result result = JetFile(sample(file)).read(table, row + 1, {}, &read);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(read.rows.size(), row + 1);
    QCOMPARE(read.rows.at(row).value(read.columns.indexOf(column)), shown);
}

void TestJetFile::importsCustomersByWhatColumnsHold()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    JetFile::Rows read;
    QVERIFY(JetFile(sample("nwind.mdb")).read("Customers", -1, {}, &read).ok());
    const CustomerImport::Plan plan{CustomerFields::propose(read.columns), {}, nullptr, {}};
    CustomerImport::Report report;
    QVERIFY(CustomerImport::importRows(store, CustomerImport::tableSource(read.rows), plan, {}, &report).ok());
    QCOMPARE(report.imported, 91);
    QVERIFY(report.refused.isEmpty());
    CustomerRecord alfki;
    QVERIFY(store.read(1, &alfki).ok());
    using Field = CustomerRecord::Field;
    QCOMPARE(alfki.value(Field::Name), QStringLiteral("Maria Anders"));
    QCOMPARE(alfki.value(Field::City), QStringLiteral("Berlin"));
    QCOMPARE(alfki.value(Field::State), QStringLiteral("12209")); // captioned "Zip:"
    QCOMPARE(alfki.value(Field::Zip), QStringLiteral("030-0074321")); // captioned "Phone:"
    QCOMPARE(alfki.value(Field::Phone), QStringLiteral("030-0076545")); // captioned "Fax:"
}

void TestJetFile::refusesWhatIsNotAReadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing" << "it does not exist.";
    QTest::newRow("folder") << "folder" << "it is a folder.";
    QTest::newRow("text") << "text" << "it is not a Jet or Access database.";
    QTest::newRow("no permission") << "unreadable" << "you have no permission to read it.";
    QTest::newRow("no such table") << "table" << "it has no table Nothing.";
}

void TestJetFile::refusesWhatIsNotAReadableFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("file.mdb"));
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "text" || kind == "unreadable") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    }
    if (kind == "unreadable") {
        if (geteuid() == 0)
            QSKIP("The administrator can read every file.");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
    }
    if (kind == "table")
        path = sample("nwind.mdb");
    JetFile::Rows read;
    const Result result = JetFile(path).read(QStringLiteral("Nothing"), -1, {}, &read);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(why), qPrintable(result.message()));
    QVERIFY(read.rows.isEmpty());
}

void TestJetFile::damagedCopiesStoreNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("seed");
    for (const auto& [file, table] : {std::pair{"nwind.mdb", "Customers"}, {"DateTestDatabase.mdb", "DateTest"},
                                      {"ASampleDatabase.accdb", "Asset Items"}})
        for (int seed = 0; seed < 6; ++seed)
            QTest::addRow("%s %d", file, seed) << QString(file) << QString(table) << seed;
}

void TestJetFile::damagedCopiesStoreNothing()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(int, seed);
    QFile original(sample(file));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    // Even seeds cut the file short; odd ones flip bytes all through it.
    if (seed % 2 == 0) {
        bytes.truncate(bytes.size() * (seed + 1) / 8);
    } else {
        quint32 state = quint32(seed) * 2654435761u;
        for (int flip = 0; flip < 200; ++flip) {
            state = state * 1664525u + 1013904223u;
            bytes[qsizetype(state % quint32(bytes.size()))] ^= char(1 << (state >> 29));
        }
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    QFile copy(path);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(bytes);
    copy.close();

    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    JetFile jet(path);
    jet.setSilenceLimit(300);
    JetFile::Rows read;
    const Result result = jet.read(table, -1, {}, &read);
    if (!result.ok()) {
        QVERIFY(result.message().contains(QStringLiteral("Nothing has been imported")));
        QVERIFY(read.rows.isEmpty());
    }
    qint64 count = -1;
    QVERIFY(store.rowCount(&count).ok());
    QCOMPARE(count, 0);
}

void TestJetFile::cancelStopsTheReader()
{
    JetFile::Rows read;
    qint64 seen = 0;
    const Result result = JetFile(sample("nwind.mdb")).read("Order Details", -1, [&](qint64 done, qint64 total) {
        seen = done;
        return done < 10 && total == 2155;
    }, &read);
    QVERIFY(!result.ok());
    QCOMPARE(seen, 10);
    QVERIFY(read.rows.isEmpty());
}

QTEST_GUILESS_MAIN(TestJetFile)
#include "tst_jetfile.moc"
