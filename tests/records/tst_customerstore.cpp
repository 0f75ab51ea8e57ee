#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void missingRowsAreErrors_data();
    void missingRowsAreErrors();
    void foreignRowsAreReadSafely();
    void unusableFilesAreReported_data();
    void unusableFilesAreReported();
    void closedStoreReportsInsteadOfFailing();

private:
    static QStringList names(CustomerStore& store);
};

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
    QVERIFY(!store.version().isEmpty());

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
    QTest::addColumn<QString>("text");
    QTest::newRow("N/A") << "N/A";
    QTest::newRow("leading blank") << " 3";
    QTest::newRow("trailing blanks") << "Ann  ";
    QTest::newRow("empty") << "";
    QTest::newRow("quote and semicolon") << "O'Brien\"; DROP TABLE Info; --";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ørsted 東京");
    QTest::newRow("line break") << "line one\r\nline two";
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
    values[CustomerRecord::Name] = text;
    const CustomerRecord written = CustomerRecord::fromList(values);
    RowId row = NoRow;
    QVERIFY(store.append(written, &row).ok());

    CustomerRecord read;
    QVERIFY(store.read(row, &read).ok());
    QCOMPARE(read.toList(), written.toList());
    QVERIFY(!read.value(CustomerRecord::Name).isNull());
}

void TestCustomerStore::editRewritesOnlyThatRow()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    RowId rows[3];
    for (int i = 0; i < 3; ++i)
        QVERIFY(store.append(customer(QStringList{"Ann", "Bob", "Cid"}.at(i)), &rows[i]).ok());

    QVERIFY(store.update(rows[1], customer("Bea", "5", "9.99", "f", "1")).ok());

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

void TestCustomerStore::missingRowsAreErrors_data()
{
    QTest::addColumn<bool>("edit");
    QTest::newRow("edit") << true;
    QTest::newRow("delete") << false;
}

void TestCustomerStore::missingRowsAreErrors()
{
    QFETCH(bool, edit);
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    QVERIFY(store.open().ok());
    RowId ann = NoRow;
    QVERIFY(store.append(customer("Ann"), &ann).ok());
    QVERIFY(store.append(customer("Bob")).ok());
    QVERIFY(store.remove(ann).ok());

    const Result result = edit ? store.update(ann, customer("Eve")) : store.remove(ann);
    QVERIFY(!result.ok());
    QVERIFY(!result.message().isEmpty());
    CustomerRecord record;
    QVERIFY(!store.read(ann, &record).ok());
    QCOMPARE(names(store), QStringList({"Bob"}));
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

    CustomerRecord record;
    QVERIFY(store.read(rows[0].rowId, &record).ok());
    QCOMPARE(record.value(CustomerRecord::Address), QString());
    QVERIFY(store.read(rows[1].rowId, &record).ok());
    QCOMPARE(record.value(CustomerRecord::Price), QStringLiteral("2.5"));
}

void TestCustomerStore::unusableFilesAreReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::newRow("not a database") << QByteArray("Standard Jet DB\0\0\0garbage", 26) << QString();
    QTest::newRow("table without a column") << QByteArray()
                                            << "CREATE TABLE Info (name TEXT, Address TEXT)";
}

void TestCustomerStore::unusableFilesAreReported()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    TestDatabase database;
    QDir().mkpath(QFileInfo(database.path()).absolutePath());
    if (!content.isEmpty()) {
        QFile file(database.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    } else {
        QVERIFY(database.execute(sql));
    }
    QFile original(database.path());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    SqliteCustomerStore store(database.path());
    const Result opened = store.open();
    QVERIFY(!opened.ok());
    QVERIFY2(opened.message().contains(QStringLiteral("Tallyvane DB.mdb")), qPrintable(opened.message()));
    QVERIFY(!store.isOpen());

    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), before);
}

void TestCustomerStore::closedStoreReportsInsteadOfFailing()
{
    TestDatabase database;
    SqliteCustomerStore store(database.path());
    CustomerRecord record;
    qint64 count = 0;
    QVERIFY(!store.append(customer("Ann")).ok());
    QVERIFY(!store.read(1, &record).ok());
    QVERIFY(!store.rowCount(&count).ok());
    QVERIFY(!store.scanSummaries([](CustomerSummary&) {}).ok());
}

QTEST_GUILESS_MAIN(TestCustomerStore)
#include "tst_customerstore.moc"
