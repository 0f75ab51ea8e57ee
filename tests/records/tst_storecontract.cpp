#include "StoreBackend.h"

#include <QtTest>

// What every customer store keeps to, the local file and the server alike:
// each case runs unchanged against both.
class TestStoreContract : public QObject
{
    Q_OBJECT

private slots:
    void storesTextsExactly_data();
    void storesTextsExactly();
    void keepsTheNaturalOrderAcrossEditsAndOpenings_data() { backends(); }
    void keepsTheNaturalOrderAcrossEditsAndOpenings();
    void staleRowsAreNeverWritten_data();
    void staleRowsAreNeverWritten();
    void foreignRowsAreReadSafely_data() { backends(); }
    void foreignRowsAreReadSafely();
    void foreignTablesAreRefusedUntouched_data();
    void foreignTablesAreRefusedUntouched();
    void findsRepeatedCustomers_data() { backends(); }
    void findsRepeatedCustomers();
    void closedStoreReportsInsteadOfFailing_data() { backends(); }
    void closedStoreReportsInsteadOfFailing();

private:
    static void backends();
    static QStringList names(CustomerStore& store);
};

namespace {

// CREATE TABLE "Info" with the sixteen columns, text unless `types` says
// otherwise, leaving `left` out.
QString createInfo(const QHash<QString, QString>& types = {}, const QString& left = {})
{
    QStringList columns;
    for (CustomerRecord::Field field : CustomerRecord::AllFields) {
        const QString name = CustomerRecord::columnName(field);
        if (name != left)
            columns << QStringLiteral("\"%1\" %2").arg(name, types.value(name, QStringLiteral("text")));
    }
    return QStringLiteral("CREATE TABLE \"Info\" (%1)").arg(columns.join(QStringLiteral(", ")));
}

} // namespace

void TestStoreContract::backends()
{
    QTest::addColumn<QString>("backend");
    for (const QString& backend : StoreBackend::names())
        QTest::newRow(qPrintable(backend)) << backend;
}

QStringList TestStoreContract::names(CustomerStore& store)
{
    QStringList names;
    const Result scanned = store.scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return scanned.ok() ? names : QStringList{scanned.message()};
}

void TestStoreContract::storesTextsExactly_data()
{
    const QChar byteOrderMark(0xfeff);
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("text");
    const QList<std::pair<const char*, QString>> texts = {
        {"N/A", "N/A"},
        {"leading blank and zeros", " 007"},
        {"trailing blanks", "Ann  "},
        {"empty", ""},
        {"quotes and semicolon", "O'Brien\"; DROP TABLE Info; --"},
        {"backslashes", "C:\\Shop\\new \\x41 \\\\"},
        {"non-ASCII", QString::fromUtf8("Zoë Ørsted 東京 😀")},
        {"line break", "line one\r\nline two"},
        {"byte-order marks", QString(2, byteOrderMark) + QStringLiteral("Ann")},
        {"64 KB", QString(65536, QLatin1Char('x'))},
    };
    for (const QString& backend : StoreBackend::names()) {
        for (const auto& [name, text] : texts)
            QTest::addRow("%s, %s", qPrintable(backend), name) << backend << text;
    }
}

void TestStoreContract::storesTextsExactly()
{
    STORE_BACKEND(database);
    QFETCH(QString, text);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    QVERIFY2(store->open().ok(), qPrintable(store->open().message()));

    QStringList values;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field)
        values << text + QString::number(field).left(field == 0 ? 0 : 2);
    const CustomerRecord written = CustomerRecord::fromList(values);
    RowId row = NoRow;
    QVERIFY(store->append(written, &row).ok());

    CustomerRecord read;
    QVERIFY(store->read(row, &read).ok());
    QCOMPARE(read.toList(), written.toList());
    QVERIFY(!read.value(CustomerRecord::Field::Name).isNull());
    QCOMPARE(names(*store), QStringList{text});
    // An edit of what was read finds the row unchanged and keeps the text.
    QVERIFY(store->update(StoredCustomer{row, read}, read).ok());
}

void TestStoreContract::keepsTheNaturalOrderAcrossEditsAndOpenings()
{
    STORE_BACKEND(database);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    QVERIFY(store->open().ok());
    RowId rows[3];
    for (int i = 0; i < 3; ++i)
        QVERIFY(store->append(customer(QStringList{"Ann", "Bob", "Cid"}.at(i)), &rows[i]).ok());
    QVERIFY(rows[0] < rows[1] && rows[1] < rows[2]);

    QVERIFY(store->update(StoredCustomer{rows[1], customer("Bob")}, customer("Bea", "5", "9.99", "f", "1")).ok());
    QVERIFY(store->remove(StoredCustomer{rows[0], customer("Ann")}).ok());
    CustomerRecord edited;
    QVERIFY(store->read(rows[1], &edited).ok());
    QCOMPARE(edited, customer("Bea", "5", "9.99", "f", "1"));
    QVERIFY(!store->read(rows[0], &edited).ok());

    store->close();
    QVERIFY(!store->isOpen());
    QVERIFY(store->open().ok());
    QVERIFY(store->append(customer("Dee")).ok());
    const std::unique_ptr<CustomerStore> other = database->newStore();
    QVERIFY(other->open().ok());
    QCOMPARE(names(*other), QStringList({"Bea", "Cid", "Dee"}));
    qint64 count = 0;
    QVERIFY(other->rowCount(&count).ok());
    QCOMPARE(count, 3);
    QStringList scanned;
    QVERIFY(other->scanRecords([&](RowId, const CustomerRecord& record) {
        scanned << record.value(CustomerRecord::Field::Name);
        return scanned.size() < 2;
    }).ok());
    QCOMPARE(scanned, QStringList({"Bea", "Cid"}));
}

void TestStoreContract::staleRowsAreNeverWritten_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("elsewhere");
    QTest::addColumn<QStringList>("namesAfterwards");
    for (const QString& backend : StoreBackend::names()) {
        for (const bool edit : {true, false}) {
            const char* write = edit ? "edit" : "delete";
            QTest::addRow("%s, %s after a removal elsewhere", qPrintable(backend), write)
                << backend << edit << "remove" << QStringList{"Ann"};
            QTest::addRow("%s, %s after a change elsewhere", qPrintable(backend), write)
                << backend << edit << "change" << QStringList{"Ann", "Bob"};
        }
    }
    // SQLite hands the freed largest row number to the next customer.
    for (const bool edit : {true, false}) {
        QTest::addRow("file, %s after a newcomer took the row", edit ? "edit" : "delete")
            << "file" << edit << "replace" << QStringList{"Ann", "Newcomer"};
    }
}

// A second copy of the program changes the customer this one has selected.
void TestStoreContract::staleRowsAreNeverWritten()
{
    STORE_BACKEND(database);
    QFETCH(bool, edit);
    QFETCH(QString, elsewhere);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    const std::unique_ptr<CustomerStore> other = database->newStore();
    QVERIFY(store->open().ok());
    QVERIFY(other->open().ok());
    QVERIFY(store->append(customer("Ann")).ok());
    StoredCustomer selected;
    QVERIFY(store->append(customer("Bob"), &selected.row).ok());
    QVERIFY(store->read(selected.row, &selected.record).ok());

    if (elsewhere != QLatin1String("change"))
        QVERIFY(other->remove(selected).ok());
    if (elsewhere == QLatin1String("change"))
        QVERIFY(other->update(selected, customer("Bob", "2")).ok());
    RowId newcomer = NoRow;
    if (elsewhere == QLatin1String("replace")) {
        QVERIFY(other->append(customer("Newcomer"), &newcomer).ok());
        QCOMPARE(newcomer, selected.row);
    }
    const QByteArray before = database->snapshot();

    const Result result = edit ? store->update(selected, customer("Eve")) : store->remove(selected);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(QStringLiteral("changed or removed elsewhere")), qPrintable(result.message()));
    QVERIFY2(result.message().contains(edit ? QStringLiteral("Nothing has been saved")
                                            : QStringLiteral("Nothing has been deleted")),
             qPrintable(result.message()));
    QCOMPARE(database->snapshot(), before);
    QTEST(names(*other), "namesAfterwards");
}

void TestStoreContract::foreignRowsAreReadSafely()
{
    STORE_BACKEND(database);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    QVERIFY(store->open().ok());
    // Rows written by another program: nulls, numbers and junk.
    QVERIFY(database->execute(R"(INSERT INTO "Info" ("name", "Quantity", "Price", "Sex") VALUES )"
                              "(NULL, 'lots', NULL, NULL), ('Num', 4, 2.5, 'f')"));

    QList<CustomerSummary> rows;
    QVERIFY(store->scanSummaries([&](CustomerSummary& row) { rows << row; }).ok());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].name, QString());
    QCOMPARE(rows[0].quantity, 0.0);
    QCOMPARE(rows[0].price, 0.0);
    QCOMPARE(rows[0].sex, CustomerSummary::Sex::Other);
    QCOMPARE(rows[1].quantity, 4.0);
    QCOMPARE(rows[1].price, 2.5);
    QCOMPARE(rows[1].sex, CustomerSummary::Sex::Female);

    StoredCustomer stored{rows[0].rowId, CustomerRecord()};
    QVERIFY(store->read(stored.row, &stored.record).ok());
    QCOMPARE(stored.record.value(CustomerRecord::Field::Address), QString());
    // A null reads as the empty text, and counts as unchanged when written.
    QVERIFY(store->update(stored, customer("Named")).ok());
    CustomerRecord record;
    QVERIFY(store->read(rows[1].rowId, &record).ok());
    QCOMPARE(record.value(CustomerRecord::Field::Price), QStringLiteral("2.5"));
}

void TestStoreContract::foreignTablesAreRefusedUntouched_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    for (const QString& backend : StoreBackend::names()) {
        const QByteArray on = backend.toLatin1();
        QTest::addRow("%s, table without a column", on.constData())
            << backend << createInfo({}, QStringLiteral("Country")) << "its table Info has no column \"Country\"";
        QTest::addRow("%s, integer column", on.constData())
            << backend << createInfo({{"Quantity", "integer"}})
            << "the column \"Quantity\" of its table Info is not a text column";
        QTest::addRow("%s, Info is a view", on.constData())
            << backend << "CREATE TABLE T (x text); CREATE VIEW \"Info\" AS SELECT x FROM T"
            << "its Info is a view, not a table";
    }
    // The server numbers its rows in a column of their own, and a table
    // there holds nothing else.
    QTest::newRow("server, no numbering column") << "server" << createInfo() << "has no column \"id\"";
    QTest::newRow("server, numbering column that is not an identity")
        << "server" << createInfo() + "; ALTER TABLE \"Info\" ADD COLUMN id bigint PRIMARY KEY"
        << "has no column \"id\"";
    QTest::newRow("server, column of its own beside")
        << "server"
        << createInfo() + "; ALTER TABLE \"Info\" ADD COLUMN id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY; "
                          "ALTER TABLE \"Info\" ADD COLUMN notes text"
        << "a column \"notes\" that is not one of a customer's";
}

void TestStoreContract::foreignTablesAreRefusedUntouched()
{
    STORE_BACKEND(database);
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    QVERIFY(database->execute(sql));
    const QByteArray before = database->snapshot();

    const std::unique_ptr<CustomerStore> store = database->newStore();
    const Result opened = store->open();
    QVERIFY(!opened.ok());
    QVERIFY2(opened.message().contains(reason), qPrintable(opened.message()));
    QVERIFY2(opened.message().contains(QStringLiteral("cannot be used")), qPrintable(opened.message()));
    QVERIFY(!store->isOpen());
    QCOMPARE(database->snapshot(), before);
}

// The same name and telephone however they are written, or the same
// e-mail address.
void TestStoreContract::findsRepeatedCustomers()
{
    STORE_BACKEND(database);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    QVERIFY(store->open().ok());
    const auto with = [](const QString& name, const QString& telephone, const QString& email) {
        CustomerRecord record;
        record.setValue(CustomerRecord::Field::Name, name);
        record.setValue(CustomerRecord::Field::Zip, telephone);
        record.setValue(CustomerRecord::Field::FAX, email);
        return record;
    };
    RowId ann = NoRow;
    QVERIFY(store->append(with("Ann Lee", "0113 496", "ann@example.com"), &ann).ok());
    QVERIFY(store->append(with("Ann Lee", "0113 497", "")).ok());
    const QList<std::pair<CustomerRecord, QList<RowId>>> asked = {
        {with("ANN LEE,", "(0113) 496", ""), {ann}},
        {with("Bob", "", " Ann@Example.com "), {ann}},
        {with("Ann Lee", "0113 498", ""), {}},
    };
    for (const auto& [record, expected] : asked) {
        QList<StoredCustomer> same;
        QVERIFY(store->findDuplicates(record, &same).ok());
        QList<RowId> rows;
        for (const StoredCustomer& found : same)
            rows << found.row;
        QCOMPARE(rows, expected);
    }
}

void TestStoreContract::closedStoreReportsInsteadOfFailing()
{
    STORE_BACKEND(database);
    const std::unique_ptr<CustomerStore> store = database->newStore();
    CustomerRecord record;
    qint64 count = 0;
    const QString notOpen = QStringLiteral("is not open");
    QVERIFY(store->append(customer("Ann")).message().contains(notOpen));
    QVERIFY(store->read(1, &record).message().contains(notOpen));
    QVERIFY(store->update(StoredCustomer{1, record}, record).message().contains(notOpen));
    QVERIFY(store->remove(StoredCustomer{1, record}).message().contains(notOpen));
    QVERIFY(store->rowCount(&count).message().contains(notOpen));
    QVERIFY(store->scanSummaries([](CustomerSummary&) {}).message().contains(notOpen));
}

QTEST_GUILESS_MAIN(TestStoreContract)
#include "tst_storecontract.moc"
