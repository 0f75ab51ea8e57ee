#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QHash>
#include <QTest>

class TestCustomerStore : public QObject
{
    Q_OBJECT

private slots:
    void createsTheFileAndTable();
    void storesTextsExactly_data();
    void storesTextsExactly();
    void editRewritesOnlyThatRow();
    void reopensWithTheSameRows();
    void staleRowsAreNeverWritten_data();
    void staleRowsAreNeverWritten();
    void foreignRowsAreReadSafely();
    void unusableFilesAreRefusedUntouched_data();
    void unusableFilesAreRefusedUntouched();
    void usableFilesAreOpened_data();
    void usableFilesAreOpened();
    void noAppendAfterTheLargestRowNumber();
    void closedStoreReportsInsteadOfFailing();

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

void TestCustomerStore::storesTextsExactly_data()
{
    const QChar byteOrderMark(0xfeff);
    QTest::addColumn<QString>("text");
    QTest::newRow("N/A") << "N/A";
    QTest::newRow("leading blank") << " 3";
    QTest::newRow("leading zeros") << "007";
    QTest::newRow("trailing blanks") << "Ann  ";
    QTest::newRow("empty") << "";
    QTest::newRow("quote and semicolon") << "O'Brien\"; DROP TABLE Info; --";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ørsted 東京");
    QTest::newRow("line break") << "line one\r\nline two";
    QTest::newRow("leading byte-order mark") << byteOrderMark + QStringLiteral("Ann");
    QTest::newRow("two byte-order marks") << QString(2, byteOrderMark) + QStringLiteral("Ann");
    QTest::newRow("byte-order mark alone") << QString(byteOrderMark);
}

void TestCustomerStore::storesTextsExactly()
{
    QFETCH(QString, text);
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());

    QStringList values;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field)
        values << text + QString::number(field).left(field == 0 ? 0 : 2);
    const CustomerRecord written = CustomerRecord::fromList(values);
    RowId row = NoRow;
    QVERIFY(store.append(written, &row).ok());

    CustomerRecord read;
    QVERIFY(store.read(row, &read).ok());
    QCOMPARE(read.toList(), written.toList());
    QVERIFY(!read.value(CustomerRecord::Field::Name).isNull());
    QCOMPARE(names(store), QStringList{text});

    // An edit of what was read finds the row unchanged and keeps the text.
    QVERIFY(store.update(StoredCustomer{row, read}, read).ok());
}

void TestCustomerStore::editRewritesOnlyThatRow()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    RowId rows[3];
    for (int i = 0; i < 3; ++i)
        QVERIFY(store.append(customer(QStringList{"Ann", "Bob", "Cid"}.at(i)), &rows[i]).ok());

    QVERIFY(store.update(StoredCustomer{rows[1], customer("Bob")}, customer("Bea", "5", "9.99", "f", "1")).ok());

    QCOMPARE(names(store), QStringList({"Ann", "Bea", "Cid"}));
    CustomerRecord first, second;
    QVERIFY(store.read(rows[0], &first).ok());
    QVERIFY(store.read(rows[1], &second).ok());
    QCOMPARE(first, customer("Ann"));
    QCOMPARE(second, customer("Bea", "5", "9.99", "f", "1"));
}

void TestCustomerStore::reopensWithTheSameRows()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    QVERIFY(store.append(customer("Ann")).ok());
    store.close();
    QVERIFY(!store.isOpen());
    QVERIFY(store.open().ok());
    QVERIFY(store.append(customer("Bob")).ok());

    SqliteCustomerStore other(database.path());
    QVERIFY(other.open().ok());
    QCOMPARE(names(other), QStringList({"Ann", "Bob"}));
}

void TestCustomerStore::staleRowsAreNeverWritten_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("elsewhere");
    QTest::addColumn<QStringList>("namesAfterwards");
    for (const bool edit : {true, false}) {
        const char* write = edit ? "edit" : "delete";
        QTest::addRow("%s after a removal elsewhere", write)
            << edit << "remove" << QStringList{"Ann"};
        QTest::addRow("%s after a change elsewhere", write)
            << edit << "change" << QStringList{"Ann", "Bob"};
        // SQLite hands the freed largest row number to the next customer.
        QTest::addRow("%s after a newcomer took the row", write)
            << edit << "replace" << QStringList{"Ann", "Newcomer"};
    }
}

// A second copy of the program changes the customer this one has selected.
void TestCustomerStore::staleRowsAreNeverWritten()
{
    QFETCH(bool, edit);
    QFETCH(QString, elsewhere);
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    SqliteCustomerStore other(database.path());
    QVERIFY(store.open().ok());
    QVERIFY(other.open().ok());
    QVERIFY(store.append(customer("Ann")).ok());
    StoredCustomer selected;
    QVERIFY(store.append(customer("Bob"), &selected.row).ok());
    QVERIFY(store.read(selected.row, &selected.record).ok());

    if (elsewhere != QLatin1String("change"))
        QVERIFY(other.remove(selected).ok());
    if (elsewhere == QLatin1String("change"))
        QVERIFY(other.update(selected, customer("Bob", "2")).ok());
    RowId newcomer = NoRow;
    if (elsewhere == QLatin1String("replace")) {
        QVERIFY(other.append(customer("Newcomer"), &newcomer).ok());
        QCOMPARE(newcomer, selected.row);
    }
    const QByteArray before = database.bytes();

    const Result result = edit ? store.update(selected, customer("Eve")) : store.remove(selected);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(QStringLiteral("changed or removed elsewhere")),
             qPrintable(result.message()));
    QVERIFY2(result.message().contains(edit ? QStringLiteral("Nothing has been saved")
                                            : QStringLiteral("Nothing has been deleted")),
             qPrintable(result.message()));
    QCOMPARE(database.bytes(), before);
    QTEST(names(other), "namesAfterwards");
}

void TestCustomerStore::foreignRowsAreReadSafely()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    // A database written by another program: nulls, numbers and junk.
    QVERIFY(database.execute("INSERT INTO Info (name, Quantity, Price, Sex) VALUES (NULL, 'lots', NULL, NULL)"));
    QVERIFY(database.execute("INSERT INTO Info (name, Quantity, Price, Sex) VALUES ('Num', 4, 2.5, 'f')"));

    QList<CustomerSummary> rows;
    QVERIFY(store.scanSummaries([&](CustomerSummary& row) { rows << row; }).ok());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].name, QString());
    QCOMPARE(rows[0].quantity, 0.0);
    QCOMPARE(rows[0].price, 0.0);
    QCOMPARE(rows[0].sex, CustomerSummary::Sex::Other);
    QCOMPARE(rows[1].quantity, 4.0);
    QCOMPARE(rows[1].price, 2.5);
    QCOMPARE(rows[1].sex, CustomerSummary::Sex::Female);

    StoredCustomer stored{rows[0].rowId, CustomerRecord()};
    QVERIFY(store.read(stored.row, &stored.record).ok());
    QCOMPARE(stored.record.value(CustomerRecord::Field::Address), QString());
    // A null reads as the empty text, and counts as unchanged when written.
    QVERIFY(store.update(stored, customer("Named")).ok());
    CustomerRecord record;
    QVERIFY(store.read(rows[1].rowId, &record).ok());
    QCOMPARE(record.value(CustomerRecord::Field::Price), QStringLiteral("2.5"));
}

void TestCustomerStore::unusableFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    const QString info = createInfo();
    QTest::newRow("not a database") << QByteArray("Standard Jet DB\0\0\0garbage", 26) << QString()
                                    << "could not be opened: file is not a database";
    QTest::newRow("table without a column")
        << QByteArray() << "CREATE TABLE Info (name TEXT, Address TEXT)"
        << "its table Info has no column \"Country\"";
    QTest::newRow("write-ahead log file without a column")
        << QByteArray() << "PRAGMA journal_mode = WAL; CREATE TABLE Info (name TEXT)"
        << "its table Info has no column \"Address\"";
    for (const char* alias : {"rowid", "OID", "_rowid_"}) {
        QTest::addRow("column named %s", alias)
            << QByteArray() << createInfo({}, QStringLiteral(", %1 TEXT").arg(alias))
            << QStringLiteral("a column named \"%1\", which takes the place of the row numbers").arg(alias);
    }
    QTest::newRow("INTEGER column") << QByteArray() << createInfo({{"Quantity", "INTEGER"}})
                                    << "the column \"Quantity\" of its table Info is not a text column "
                                       "(it is declared as \"INTEGER\")";
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
    QTest::newRow("Info is a view") << QByteArray()
                                    << "CREATE TABLE T (x TEXT); CREATE VIEW Info AS SELECT x FROM T"
                                    << "its Info is a view, not a table";
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

void TestCustomerStore::closedStoreReportsInsteadOfFailing()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    CustomerRecord record;
    qint64 count = 0;
    const QString notOpen = QStringLiteral("is not open");
    QVERIFY(store.append(customer("Ann")).message().contains(notOpen));
    QVERIFY(store.read(1, &record).message().contains(notOpen));
    QVERIFY(store.update(StoredCustomer{1, record}, record).message().contains(notOpen));
    QVERIFY(store.remove(StoredCustomer{1, record}).message().contains(notOpen));
    QVERIFY(store.rowCount(&count).message().contains(notOpen));
    QVERIFY(store.scanSummaries([](CustomerSummary&) {}).message().contains(notOpen));
}

QTEST_GUILESS_MAIN(TestCustomerStore)
#include "tst_customerstore.moc"
