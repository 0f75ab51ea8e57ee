#include "CustomerList.h"
#include "FindText.h"
#include "StoreBackend.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

// Find in every field: what the index finds is what reading every customer
// would find, and it follows every write, ours or another program's.
class TestFinder : public QObject
{
    Q_OBJECT

private slots:
    void foldsCaseAndAccents_data();
    void foldsCaseAndAccents();
    void findsWhatAScanFinds_data() { backends(); }
    void findsWhatAScanFinds();
    void followsWritesFromAnywhere_data() { backends(); }
    void followsWritesFromAnywhere();
    void olderFileGetsTheIndexWithProgress();
    void damagedIndexIsBuiltAgain();
    void listFindsInStepsAndLosesNone();

private:
    static void backends();
    // Opens a store on a new database of `backend`; false when that backend
    // is not there to test.
    bool openStore(const QString& backend);
    QStringList found(const QString& typed);

    std::unique_ptr<StoreBackend> m_database;
    std::unique_ptr<CustomerStore> m_store;
};

namespace {

CustomerRecord named(const QString& name, const QString& city = {}, const QString& telephone = {})
{
    CustomerRecord record;
    record.setValue(CustomerRecord::Field::Name, name);
    record.setValue(CustomerRecord::Field::City, city);
    record.setValue(CustomerRecord::Field::Zip, telephone);
    return record;
}

} // namespace

void TestFinder::backends()
{
    QTest::addColumn<QString>("backend");
    for (const QString& backend : StoreBackend::names())
        QTest::newRow(qPrintable(backend)) << backend;
}

bool TestFinder::openStore(const QString& backend)
{
    m_database = StoreBackend::make(backend);
    if (!m_database)
        return false;
    m_store = m_database->newStore();
    m_store->open();
    return true;
}

#define OPEN_STORE(backend)                                                                                       \
    if (!openStore(backend))                                                                                     \
        QSKIP("No database server to test against: scripts/test starts one.");                                  \
    QVERIFY(m_store->isOpen())

QStringList TestFinder::found(const QString& typed)
{
    QVector<RowId> rows;
    const Result find = m_store->findCustomers(typed, {}, &rows);
    if (!find.ok())
        return {find.message()};
    QStringList names;
    for (const RowId row : rows) {
        CustomerRecord record;
        m_store->read(row, &record);
        names << record.value(CustomerRecord::Field::Name);
    }
    return names;
}

void TestFinder::foldsCaseAndAccents_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("names");
    const QList<std::tuple<const char*, QString, QStringList>> rows = {
        {"accent aside", "muller", {"Jörg Müller", "MÜLLER GmbH"}},
        {"case aside", "MÜLL", {"Jörg Müller", "MÜLLER GmbH"}},
        {"letters without decomposition", "lodz", {"Anna Nowak"}},
        {"sharp s", "strasse", {"Jörg Müller"}},
        {"every word required, any field", "nowak 0048", {"Anna Nowak"}},
        {"one letter", "ø", {"Jörg Müller", "MÜLLER GmbH", "Anna Nowak", "Søren Ørsted", "Star*Shop"}},
        {"two letters, not ASCII", "ør", {"Jörg Müller", "Søren Ørsted"}},
        {"wildcards taken literally", "*", {"Star*Shop"}},
        {"pattern characters taken literally", "%_\\", {"Half %_\\ price"}},
        {"no match", "zzz", {}},
        {"nothing typed", "  ", {}},
    };
    for (const QString& backend : StoreBackend::names()) {
        for (const auto& [name, typed, names] : rows)
            QTest::addRow("%s, %s", qPrintable(backend), name) << backend << typed << names;
    }
}

void TestFinder::foldsCaseAndAccents()
{
    QFETCH(QString, backend);
    OPEN_STORE(backend);
    QFETCH(QString, typed);
    for (const CustomerRecord& record :
         {named("Jörg Müller", "Köln", "Straße 5"), named("MÜLLER GmbH", "Bonn"), named("Anna Nowak", "Łódź", "0048 42"),
          named("Søren Ørsted", "Århus"), named("Star*Shop", "Leeds"), named("Half %_\\ price", "Hull")})
        QVERIFY(m_store->append(record).ok());
    QTEST(found(typed), "names");
}

void TestFinder::findsWhatAScanFinds()
{
    QFETCH(QString, backend);
    OPEN_STORE(backend);
    const QStringList pieces = {"an", "Mül", "ler", "Ørs", "łó", "dź", "Straße", "李", "小龙", "Ива́н", "ñ", "é",
                                "O'Brien", "-", "42", "07", "@", "shop", "São", "Zoë", "😀", "x"};
    QRandomGenerator random(20261207);
    const auto some = [&](int words) {
        QString text;
        for (int word = 0; word < words; ++word)
            text += pieces.at(random.bounded(int(pieces.size()))) + (random.bounded(3) == 0 ? " " : "");
        return text;
    };
    QList<CustomerRecord> customers;
    QVERIFY(m_store->appendAll([&](const CustomerStore::BatchWriter& write) {
        for (int customer = 0; customer < 10000; ++customer) {
            CustomerRecord record = named(some(3), some(2), some(2));
            record.setValue(CustomerRecord::Field::FAX, some(2));
            customers << record;
            if (const Result written = write(CustomerRecord::Utf8Copy(record).texts, nullptr); !written.ok())
                return written;
        }
        return Result::success();
    }).ok());
    qint64 waiting = 0;
    QVERIFY(m_store->findBacklog(&waiting).ok());
    QCOMPARE(waiting, 10000);

    for (int query = 0; query < 60; ++query) {
        const QString piece = some(1 + random.bounded(2));
        // Typed in another case, and cut to one to eight characters.
        const QString typed = (query % 2 ? piece.toUpper() : piece).left(1 + random.bounded(8));
        const QStringList words = searchWords(typed);
        QVector<RowId> expected;
        for (int row = 0; row < customers.size(); ++row) {
            const QString text = searchTextOf(customers.at(row));
            if (!words.isEmpty()
                && std::all_of(words.begin(), words.end(), [&](const QString& word) { return text.contains(word); }))
                expected << row + 1;
        }
        QVector<RowId> rows;
        QVERIFY(m_store->findCustomers(typed, {}, &rows).ok());
        QVERIFY2(rows == expected, qPrintable(typed));
    }
}

void TestFinder::followsWritesFromAnywhere()
{
    QFETCH(QString, backend);
    OPEN_STORE(backend);
    RowId row = NoRow;
    QVERIFY(m_store->append(named("Ann Lee", "York"), &row).ok());
    QCOMPARE(found("york"), QStringList{"Ann Lee"});
    QVERIFY(m_store->update({row, named("Ann Lee", "York")}, named("Ann Lee", "Hull")).ok());
    QCOMPARE(found("york"), QStringList{});
    QCOMPARE(found("hull"), QStringList{"Ann Lee"});
    // Another program's writes are queued by the database's own triggers.
    QVERIFY(m_database->execute(QStringLiteral("INSERT INTO \"Info\" (\"name\", \"City\") VALUES ('Bob', 'Hull');"
                                               "DELETE FROM \"Info\" WHERE \"name\" = 'Ann Lee'")));
    QCOMPARE(found("hull"), QStringList{"Bob"});
    QVERIFY(m_store->remove({2, named("Bob", "Hull")}).ok());
    QCOMPARE(found("hull"), QStringList{});
}

void TestFinder::olderFileGetsTheIndexWithProgress()
{
    OPEN_STORE(QStringLiteral("file"));
    // An older file, never written by a build that knows the index, gets it
    // on its first find, with progress.
    m_store->close();
    QVERIFY(m_database->execute(QStringLiteral("DROP TABLE IF EXISTS Finder; DROP TABLE IF EXISTS FinderPending; DROP TRIGGER IF EXISTS FinderAdded;"
                                               "DROP TRIGGER IF EXISTS FinderChanged; DROP TRIGGER IF EXISTS FinderRemoved;"
                                               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                               "WHERE i < 99) INSERT INTO Info (name) SELECT 'Dee' FROM n;"
                                               "INSERT INTO Info (name) VALUES ('Cid')")));
    QVERIFY(m_store->open().ok());
    qint64 reported = 0;
    QVERIFY(m_store->buildFindIndex([&](qint64 done, qint64 total) { return (reported = done) <= total; }).ok());
    QCOMPARE(reported, 100);
    QCOMPARE(found("cid"), QStringList{"Cid"});

    // An index an earlier version laid out is made again, with progress.
    m_store->close();
    QVERIFY(m_database->execute(QStringLiteral("DROP TABLE Finder; CREATE VIRTUAL TABLE Finder USING "
                                               "fts5(texts, tokenize = 'trigram case_sensitive 1')")));
    QVERIFY(m_store->open().ok());
    qint64 waiting = 0;
    QVERIFY(m_store->findBacklog(&waiting).ok());
    QCOMPARE(waiting, 100);
    QCOMPARE(found("cid"), QStringList{"Cid"});
}

void TestFinder::damagedIndexIsBuiltAgain()
{
    OPEN_STORE(QStringLiteral("file"));
    QVERIFY(m_store->append(named("Ann Lee", "York")).ok());
    QCOMPARE(found("york"), QStringList{"Ann Lee"});
    m_store->close();
    QVERIFY(m_database->execute(QStringLiteral("UPDATE Finder_data SET block = x'ffffffff'")));
    QVERIFY(m_store->open().ok());
    const QStringList first = found("york");
    QCOMPARE(first.size(), 1);
    QVERIFY2(first.first() == "Ann Lee" || first.first().contains("built again"), qPrintable(first.first()));
    QCOMPARE(found("york"), QStringList{"Ann Lee"});
}

// A find over a large table reads it in parts: the first customers show
// at once, and every later part adds its own at the end, none twice.
void TestFinder::listFindsInStepsAndLosesNone()
{
    OPEN_STORE(QStringLiteral("file"));
    QVERIFY(m_database->execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
        "INSERT INTO Info (rowid, name, City) SELECT i, 'Eve ' || i, 'Hull' FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 41000) "
        "INSERT INTO Info (rowid, name, City) SELECT i, 'Kit', 'York' FROM n;"
        "INSERT INTO Info (rowid, name, City) VALUES (50000, 'Bob', 'Hull'), (300000, 'Cid', 'Hull'), "
        "(300001, 'Dee', 'York'), (9223372036854775806, 'Fay', 'Hull')")));
    CustomerList list(*m_store);
    QVERIFY(list.RefreshList().ok());
    for (const QString& typed : {QStringLiteral("hull"), QStringLiteral("u")}) {
        QVERIFY(list.find(typed).ok());
        QVERIFY(list.findingMore());
        QVERIFY(list.shownCount() > 0);
        int steps = 0;
        while (list.findingMore()) {
            const int before = list.shownCount();
            QVERIFY(list.findMore([&](int first, int last) {
                QCOMPARE(first, before);
                QVERIFY(last >= first);
            }).ok());
            QVERIFY(++steps < 100);
        }
        QStringList names;
        for (int row = 0; row < list.shownCount(); ++row)
            names << list.nameAt(list.shownPosition(row)).toString();
        QCOMPARE(names.size(), 303);
        QCOMPARE(names.mid(299), (QStringList{"Eve 300", "Bob", "Cid", "Fay"}));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 303);
    }
}

QTEST_GUILESS_MAIN(TestFinder)
#include "tst_finder.moc"
