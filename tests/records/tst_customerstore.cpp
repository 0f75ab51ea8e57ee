#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QHash>
#include <QTest>

class TestCustomerStore : public QObject
{
    Q_OBJECT

private slots:
    void createsTheFileAndTable();
    void unusableFilesAreRefusedUntouched_data();
    void unusableFilesAreRefusedUntouched();
    void usableFilesAreOpened_data();
    void usableFilesAreOpened();
    void noAppendAfterTheLargestRowNumber();

private:
    static QStringList names(CustomerStore& store);
};

namespace {

// CREATE TABLE Info with the sixteen columns, TEXT unless `types` says
// otherwise, followed by `extra` inside the parentheses.
QString createInfo(const QHash<QString, QString>& types = {}, const QString& extra = {})
{
    QStringList columns;
    for (CustomerRecord::Field field : CustomerRecord::AllFields) {
        const QString name = CustomerRecord::columnName(field);
        columns << QStringLiteral("\"%1\" %2").arg(name, types.value(name, QStringLiteral("TEXT")));
    }
    return QStringLiteral("CREATE TABLE Info (%1%2)").arg(columns.join(QStringLiteral(", ")), extra);
}

// Byte 18 of a database file: 1 for a rollback journal, 2 for write-ahead logging.
constexpr int kJournalFormatByte = 18;

} // namespace

QStringList TestCustomerStore::names(CustomerStore& store)
{
    QStringList names;
    const Result scanned = store.scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return scanned.ok() ? names : QStringList{scanned.message()};
}

void TestCustomerStore::createsTheFileAndTable()
{
    TestDatabase database;
    QVERIFY(!QFile::exists(database.path()));
    SqliteCustomerStore store(database.path());
    const Result opened = store.open();
    QVERIFY2(opened.ok(), qPrintable(opened.message()));
    QVERIFY(QFile::exists(database.path()));
    QCOMPARE(store.version(), QString::fromLatin1(sqlite3_libversion()));

    qint64 count = -1;
    QVERIFY(store.rowCount(&count).ok());
    QCOMPARE(count, 0);
    // The columns carry their exact names, lower-case "name" and upper-case "FAX" included.
    QVERIFY(database.execute("INSERT INTO Info (name, Address, Country, City, State, Zip, Phone, "
                             "FAX, Email, Product, Quantity, Price, DatePur, Payment, Paid, Sex) "
                             "VALUES ('a','b','c','d','e','f','g','h','i','j','1','2','k','l','0','m')"));
}

void TestCustomerStore::unusableFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    const QString info = createInfo();
    QTest::newRow("not a database") << QByteArray("Standard Jet DB\0\0\0garbage", 26) << QString()
                                    << "could not be opened: file is not a database";
    QTest::newRow("write-ahead log file without a column")
        << QByteArray() << "PRAGMA journal_mode = WAL; CREATE TABLE Info (name TEXT)"
        << "its table Info has no column \"Address\"";
    for (const char* alias : {"rowid", "OID", "_rowid_"}) {
        QTest::addRow("column named %s", alias)
            << QByteArray() << createInfo({}, QStringLiteral(", %1 TEXT").arg(alias))
            << QStringLiteral("a column named \"%1\", which takes the place of the row numbers").arg(alias);
    }
    QTest::newRow("REAL column") << QByteArray() << createInfo({{"Price", "REAL"}})
                                 << "the column \"Price\" of its table Info is not a text column";
    QTest::newRow("NUMERIC column") << QByteArray() << createInfo({{"Zip", "NUMERIC"}})
                                    << "the column \"Zip\" of its table Info is not a text column";
    QTest::newRow("column without a type") << QByteArray() << createInfo({{"Paid", ""}})
                                           << "the column \"Paid\" of its table Info is not a text column";
    QTest::newRow("integer despite a text word") << QByteArray() << createInfo({{"Sex", "CHARINT"}})
                                                 << "the column \"Sex\" of its table Info is not a text column";
    QTest::newRow("other tables but no Info")
        << QByteArray() << "CREATE TABLE Orders (id INTEGER, item TEXT)"
        << "is not a customer database: it holds other tables but no table Info";
    QTest::newRow("no row numbers")
        << QByteArray() << createInfo({{"name", "TEXT PRIMARY KEY"}}) + " WITHOUT ROWID"
        << "its table Info has no row numbers";
}

void TestCustomerStore::unusableFilesAreRefusedUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    TestDatabase database;
    QVERIFY(sql.isEmpty() ? database.write(content) : database.execute(sql));
    const QByteArray before = database.bytes();
    QVERIFY(!before.isEmpty());

    SqliteCustomerStore store(database.path());
    const Result opened = store.open();
    QVERIFY(!opened.ok());
    QVERIFY2(opened.message().contains(reason), qPrintable(opened.message()));
    QVERIFY2(opened.message().contains(QStringLiteral("Tallyvane DB.mdb")), qPrintable(opened.message()));
    QVERIFY(!store.isOpen());
    QCOMPARE(database.bytes(), before);
    QVERIFY(!QFile::exists(database.path() + QStringLiteral("-journal")));
}

void TestCustomerStore::usableFilesAreOpened_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::newRow("empty file") << QByteArray("") << QString();
    QTest::newRow("database without tables") << QByteArray() << "PRAGMA user_version = 7";
    QTest::newRow("text-like column types")
        << QByteArray()
        << createInfo({{"name", "VARCHAR(50)"}, {"Address", "NATIVE CHARACTER(70)"},
                       {"Country", "CLOB"}, {"City", "text collate nocase"}});
    QTest::newRow("columns of its own beside") << QByteArray()
                                               << createInfo({}, ", Notes TEXT, Id INTEGER");
    QTest::newRow("write-ahead log file") << QByteArray()
                                          << "PRAGMA journal_mode = WAL; " + createInfo();
}

void TestCustomerStore::usableFilesAreOpened()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    TestDatabase database;
    QVERIFY(sql.isEmpty() ? database.write(content) : database.execute(sql));

    SqliteCustomerStore store(database.path());
    const Result opened = store.open();
    QVERIFY2(opened.ok(), qPrintable(opened.message()));
    RowId row = NoRow;
    QVERIFY(store.append(customer("Ann"), &row).ok());
    CustomerRecord read;
    QVERIFY(store.read(row, &read).ok());
    QCOMPARE(read, customer("Ann"));
    // The database is one file that a copy takes whole.
    QCOMPARE(int(database.bytes().at(kJournalFormatByte)), 1);
}

void TestCustomerStore::noAppendAfterTheLargestRowNumber()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    QVERIFY(store.append(customer("Ann")).ok());
    QVERIFY(database.execute("INSERT INTO Info (rowid, name) VALUES (9223372036854775807, 'Last')"));

    const Result added = store.append(customer("Zed"));
    QVERIFY(!added.ok());
    QVERIFY2(added.message().contains(QStringLiteral("cannot take another customer")),
             qPrintable(added.message()));
    QVERIFY2(added.message().contains(QStringLiteral("Nothing has been saved")), qPrintable(added.message()));
    QCOMPARE(names(store), QStringList({"Ann", "Last"}));
}

QTEST_GUILESS_MAIN(TestCustomerStore)
#include "tst_customerstore.moc"
