#include "CsvWriting.h"
#include "CustomerExport.h"
#include "CustomerImport.h"
#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QTest>

// A CSV file's customers taken into a real store: all or nothing.
class TestCustomerImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void importsAndReportsRefusedLines();
    void exportedCustomersComeBackUnchanged();
    void cancelOrDamageStoresNothing_data();
    void cancelOrDamageStoresNothing();
    void duplicatesAsChosen_data();
    void duplicatesAsChosen();

private:
    QStringList storedNames();

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<SqliteCustomerStore> m_store;
};

namespace {

const QByteArray kFile = "Name;Phone;Zip;State;Quantity Purchased;Item Price;Paid;Sex\r\n"
                         "Ann Lee;0113 496 0000;LS1 1AA;West Yorkshire;2;9.5;yes;Female\r\n"
                         ";no name;;;1;1;;\r\n"
                         "\"Bob\r\nMarsh\";555;;;x;1;;m\r\n"
                         "Cid Ortiz;;;;;;pending;\r\n"
                         // No-break spaces are spaces: around a name, a number, a word.
                         "\xC2\xA0;;;;1;1;;\r\n"
                         "D\xC3\xA9" "a Ng;;;;\xC2\xA0" "3;;\xC2\xA0YES;\r\n";

CustomerImport::CsvOptions optionsFor(const QByteArray& file)
{
    CustomerImport::CsvPreview preview;
    if (!CustomerImport::previewCsv(file, 20, &preview).ok())
        qFatal("no preview");
    return preview.options;
}

} // namespace

void TestCustomerImport::init()
{
    m_database = std::make_unique<TestDatabase>();
    m_store = std::make_unique<SqliteCustomerStore>(m_database->path());
    QVERIFY(m_store->open().ok());
    QVERIFY(m_store->append(CustomerRecord::fromList(QStringList(16, QStringLiteral("Stored")))).ok());
}

QStringList TestCustomerImport::storedNames()
{
    QStringList names;
    m_store->scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return names;
}

void TestCustomerImport::importsAndReportsRefusedLines()
{
    CustomerImport::CsvPreview preview;
    QVERIFY(CustomerImport::previewCsv(kFile, 2, &preview).ok());
    QCOMPARE(preview.options.separator, ';');
    QVERIFY(preview.options.header);
    QCOMPARE(preview.rows.size(), 2);
    CustomerImport::Report report;
    QVERIFY(CustomerImport::importCsv(*m_store, kFile, preview.options, {}, &report).ok());
    QCOMPARE(report.imported, 3);
    QCOMPARE(report.refused.size(), 3);
    QCOMPARE(report.refused[0].line, 3);
    QCOMPARE(report.refused[0].reason, QStringLiteral("The customer has no name."));
    // The record that spans two lines is named by its first.
    QCOMPARE(report.refused[1].line, 4);
    QCOMPARE(report.refused[2].line, 7);
    QCOMPARE(storedNames(), (QStringList{"Stored", "Ann Lee", "Cid Ortiz", "D\u00e9a Ng"}));
    CustomerRecord ann;
    QVERIFY(m_store->read(2, &ann).ok());
    using Field = CustomerRecord::Field;
    // Captions decide: the telephone goes to the column that holds it.
    QCOMPARE(ann.value(Field::Zip), QStringLiteral("0113 496 0000"));
    QCOMPARE(ann.value(Field::State), QStringLiteral("LS1 1AA"));
    QCOMPARE(ann.value(Field::Email), QStringLiteral("West Yorkshire"));
    QCOMPARE(ann.value(Field::Paid), QStringLiteral("0"));
    QCOMPARE(ann.value(Field::Sex), QStringLiteral("f"));
    CustomerRecord dea;
    QVERIFY(m_store->read(4, &dea).ok());
    QCOMPARE(dea.value(Field::Quantity), QStringLiteral("\u00a0" "3"));
    QCOMPARE(dea.value(Field::Paid), QStringLiteral("0"));
}

void TestCustomerImport::exportedCustomersComeBackUnchanged()
{
    QList<CustomerRecord> customers{
        CustomerRecord::fromList({"=cmd|' /C calc'!A0", "1 \"Quay\", Galway", "Éire", "Galway", "H91", "+353 91",
                                  "-", "@ann", "Connacht", "Line one\r\nline two", "2", "249.9", "12/6/2026",
                                  "Card", "1", "f"}),
        CustomerRecord::fromList({"'Quoted'", "", "", "", "", "", "", "", "", "", "0", "0", "", "", "0", "m"}),
    };
    for (const CustomerRecord& customer : customers)
        QVERIFY(m_store->append(customer).ok());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("customers.csv"));
    qint64 written = 0;
    const CustomerExport::CsvOptions shown{true, [](RowId row) { return row > 1; }};
    QVERIFY(CustomerExport::writeCsv(*m_store, path, shown, &written).ok());
    QCOMPARE(written, 2);
    QVERIFY(!CustomerExport::writeCsv(*m_store, folder.filePath("no folder/x.csv"), shown, &written).ok());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(CsvWriting::ByteOrderMark + "Name,Address,Country,City,Zip,Phone,Fax,E-Mail,"));
    CustomerImport::Report report;
    QVERIFY(CustomerImport::importCsv(*m_store, bytes, optionsFor(bytes), {}, &report).ok());
    QCOMPARE(report.imported, 2);
    for (int row = 0; row < customers.size(); ++row) {
        CustomerRecord stored;
        QVERIFY(m_store->read(row + 4, &stored).ok());
        QCOMPARE(stored.toList(), customers[row].toList());
    }
}

void TestCustomerImport::cancelOrDamageStoresNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled after two customers") << kFile << true;
    QTest::newRow("truncated inside quotes") << kFile.left(kFile.indexOf("Marsh")) << false;
    QByteArray flipped = kFile;
    for (int offset = 7; offset < flipped.size(); offset += 13)
        flipped[offset] = char(flipped[offset] ^ 0x22);
    QTest::newRow("bytes flipped") << flipped << false;
}

void TestCustomerImport::cancelOrDamageStoresNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, cancel);
    CustomerImport::CsvOptions options = optionsFor(kFile);
    const auto progress = [cancel](qint64 line, qint64) { return !(cancel && line >= 4); };
    CustomerImport::Report report;
    const Result imported = CustomerImport::importCsv(*m_store, file, options, progress, &report);
    if (!imported.ok() || cancel) {
        QVERIFY(!imported.ok());
        QCOMPARE(report.imported, 0);
        QCOMPARE(storedNames(), QStringList{"Stored"});
    }
    QVERIFY(!imported.message().isEmpty() || imported.ok());
}

void TestCustomerImport::duplicatesAsChosen_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("annCity");
    QTest::addColumn<bool>("changedMeanwhile");
    using D = CustomerImport::Duplicates;
    QTest::newRow("keep both") << int(D::KeepBoth) << QStringList{"Stored", "ann lee", "Ann Lee", "Cid Ortiz", "D\u00e9a Ng"}
                               << "York" << false;
    QTest::newRow("skip") << int(D::Skip) << QStringList{"Stored", "ann lee", "Cid Ortiz", "D\u00e9a Ng"} << "York" << false;
    QTest::newRow("replace") << int(D::Replace) << QStringList{"Stored", "Ann Lee", "Cid Ortiz", "D\u00e9a Ng"} << "" << false;
    // A stored customer whose telephone changed after the duplicates were
    // counted is matched as it is now.
    QTest::newRow("replace, telephone changed since")
        << int(D::Replace) << QStringList{"Stored", "ann lee", "Ann Lee", "Cid Ortiz", "D\u00e9a Ng"} << "York"
        << true;
}

void TestCustomerImport::duplicatesAsChosen()
{
    QFETCH(int, choice);
    QFETCH(QStringList, names);
    QFETCH(QString, annCity);
    QFETCH(bool, changedMeanwhile);
    CustomerRecord ann;
    ann.setValue(CustomerRecord::Field::Name, QStringLiteral("ann lee"));
    ann.setValue(CustomerRecord::Field::Zip, QStringLiteral("(0113) 496-0000"));
    ann.setValue(CustomerRecord::Field::City, QStringLiteral("York"));
    QVERIFY(m_store->append(ann).ok());
    StoredCustomers stored(*m_store);
    QVERIFY(stored.load().ok());
    if (changedMeanwhile) {
        CustomerRecord moved = ann;
        moved.setValue(CustomerRecord::Field::Zip, QStringLiteral("0113 496 0001"));
        QVERIFY(m_store->update({2, ann}, moved).ok());
    }
    Result decoded = Result::success();
    const CustomerImport::CsvOptions options = optionsFor(kFile);
    const CustomerImport::Source source = CustomerImport::csvSource(kFile, options, &decoded);
    const CustomerImport::Plan plan{options.mapping, CustomerImport::Duplicates(choice), &stored, {}};
    qint64 duplicates = 0;
    QVERIFY(CustomerImport::countDuplicates(source, plan, &duplicates).ok());
    QCOMPARE(duplicates, changedMeanwhile ? 0 : 1);
    CustomerImport::Report report;
    const Result imported = CustomerImport::importRows(*m_store, source, plan, {}, &report);
    QVERIFY(imported.ok());
    QCOMPARE(storedNames(), names);
    CustomerRecord second;
    QVERIFY(m_store->read(2, &second).ok());
    QCOMPARE(second.value(CustomerRecord::Field::City), annCity);
    QCOMPARE(report.skipped + report.replaced, changedMeanwhile ? 0 : qint64(choice != 0));
}

QTEST_GUILESS_MAIN(TestCustomerImport)
#include "tst_customerimport.moc"
