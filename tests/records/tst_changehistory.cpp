#include "StoreBackend.h"

#include <QtTest>

#include <memory>

// The safety net of the store: every change written down in the same
// transaction as the change, deleted customers kept and brought back.
class TestChangeHistory : public QObject
{
    Q_OBJECT

private slots:
    void olderFileGetsTablesOnFirstWriteAndStillOpens();
    void everyChangeIsWrittenDown_data() { backends(); }
    void everyChangeIsWrittenDown();
    void failedHistoryFailsTheChange_data();
    void failedHistoryFailsTheChange();
    void deletedCustomerComesBack_data();
    void deletedCustomerComesBack();
    void oldHistoryIsForgotten_data() { backends(); }
    void oldHistoryIsForgotten();

private:
    static void backends();
    CustomerRecord customer(const QString& name) const;
    QStringList names();
    // Opens a store on a new database of the row's backend, for a clerk at
    // COUNTER-2; false when that backend is not there to test.
    bool openStore(const StoreBackend::Clock& clock = {});

    std::unique_ptr<StoreBackend> m_database;
    std::unique_ptr<CustomerStore> m_store;
};

void TestChangeHistory::backends()
{
    QTest::addColumn<QString>("backend");
    for (const QString& backend : StoreBackend::names())
        QTest::newRow(qPrintable(backend)) << backend;
}

bool TestChangeHistory::openStore(const StoreBackend::Clock& clock)
{
    QFETCH(QString, backend);
    m_database = StoreBackend::make(backend);
    if (!m_database)
        return false;
    m_store = m_database->newStore(clock);
    m_store->setActor({QStringLiteral("clerk"), QStringLiteral("COUNTER-2")});
    const Result opened = m_store->open();
    if (!opened.ok())
        qWarning("%s", qPrintable(opened.message()));
    return true;
}

// The backend a data row names, or a skip when its server is not there.
#define OPEN_STORE(...)                                                                                           \
    if (!openStore(__VA_ARGS__))                                                                                 \
        QSKIP("No database server to test against: scripts/test starts one.");                                  \
    QVERIFY(m_store->isOpen())

CustomerRecord TestChangeHistory::customer(const QString& name) const
{
    CustomerRecord record;
    record.setValue(CustomerRecord::Field::Name, name);
    record.setValue(CustomerRecord::Field::Zip, QStringLiteral("0113 496 0000"));
    return record;
}

QStringList TestChangeHistory::names()
{
    QStringList names;
    m_store->scanSummaries([&](CustomerSummary& row) { names << row.name; });
    return names;
}

// A local file written by an older version, or by a program that only
// knows Info.
void TestChangeHistory::olderFileGetsTablesOnFirstWriteAndStillOpens()
{
    m_database = std::make_unique<FileBackend>();
    m_store = m_database->newStore();
    QVERIFY(m_store->open().ok());
    m_store->close();
    QVERIFY(m_database->execute(QStringLiteral("INSERT INTO Info (name) VALUES ('Ann')")));
    const QByteArray before = m_database->snapshot();
    QVERIFY(m_store->open().ok());
    QList<HistoryEntry> entries;
    QVERIFY(m_store->history({}, &entries).ok());
    QVERIFY(entries.isEmpty());
    m_store->close();
    QCOMPARE(m_database->snapshot(), before);

    QVERIFY(m_store->open().ok());
    QVERIFY(m_store->append(customer(QStringLiteral("Bob"))).ok());
    m_store->close();
    // What only knows Info still finds a usable file, and its writes go on.
    QVERIFY(m_database->execute(QStringLiteral("SELECT 1 FROM History, Deleted LIMIT 1")));
    QVERIFY(m_database->execute(QStringLiteral("INSERT INTO Info (name) VALUES ('Cid')")));
    QVERIFY(m_store->open().ok());
    QCOMPARE(names(), (QStringList{"Ann", "Bob", "Cid"}));
}

void TestChangeHistory::everyChangeIsWrittenDown()
{
    OPEN_STORE();
    RowId row = NoRow;
    QVERIFY(m_store->append(customer(QStringLiteral("Ann")), &row).ok());
    const CustomerRecord ann = customer(QStringLiteral("Ann"));
    CustomerRecord edited = ann;
    edited.setValue(CustomerRecord::Field::Price, QStringLiteral("9.50"));
    QVERIFY(m_store->update({row, ann}, edited).ok());
    QVERIFY(m_store->remove({row, edited}).ok());
    qint64 imported = 0;
    QVERIFY(m_store->appendAll([](const CustomerStore::BatchWriter& write) {
        const QByteArray name = "Dee";
        CustomerRecord::Utf8Texts texts;
        texts[0] = name;
        return write(texts, nullptr);
    }, &imported, QStringLiteral("shop.csv")).ok());
    QVERIFY(m_store->noteChange(ChangeKind::Restore, QStringLiteral("restored from copy.mdb")).ok());

    QList<HistoryEntry> entries;
    QVERIFY(m_store->history({}, &entries).ok());
    QCOMPARE(entries.size(), 5);
    using K = ChangeKind;
    const QList<K> kinds{K::Restore, K::Import, K::Delete, K::Edit, K::Add};
    for (int index = 0; index < entries.size(); ++index) {
        QCOMPARE(entries[index].kind, kinds[index]);
        QCOMPARE(entries[index].role, QStringLiteral("clerk"));
        QCOMPARE(entries[index].computer, QStringLiteral("COUNTER-2"));
        QVERIFY(qAbs(entries[index].at.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    }
    QCOMPARE(entries[1].note, QStringLiteral("1 customers imported from shop.csv"));
    QCOMPARE(*entries[2].before, edited);
    QVERIFY(!entries[2].after);
    QCOMPARE(*entries[3].before, ann);
    QCOMPARE(*entries[3].after, edited);
    QVERIFY(!entries[4].before);

    HistoryFilter filter;
    filter.customer = row;
    filter.kind = K::Edit;
    QVERIFY(m_store->history(filter, &entries).ok());
    QCOMPARE(entries.size(), 1);
    filter = {};
    filter.to = QDateTime::currentDateTimeUtc().addDays(-1);
    QVERIFY(m_store->history(filter, &entries).ok());
    QVERIFY(entries.isEmpty());
}

void TestChangeHistory::failedHistoryFailsTheChange_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("change");
    for (const QString& backend : StoreBackend::names()) {
        for (const char* change : {"add", "edit", "delete", "import"})
            QTest::addRow("%s, %s", qPrintable(backend), change) << backend << change;
    }
}

void TestChangeHistory::failedHistoryFailsTheChange()
{
    OPEN_STORE();
    QFETCH(QString, backend);
    QFETCH(QString, change);
    RowId row = NoRow;
    const CustomerRecord ann = customer(QStringLiteral("Ann"));
    QVERIFY(m_store->append(ann, &row).ok());
    m_store->close();
    // A full disk or a damaged table, as the history sees it.
    QVERIFY(m_database->execute(
        backend == QLatin1String("file")
            ? QStringLiteral("CREATE TRIGGER Refuse BEFORE INSERT ON History BEGIN SELECT RAISE(ABORT, 'disk full'); END")
            : QStringLiteral("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS "
                             "$$BEGIN RAISE EXCEPTION 'disk full'; END$$; CREATE TRIGGER refuse BEFORE INSERT ON "
                             "\"History\" FOR EACH ROW EXECUTE FUNCTION refuse()")));
    const QByteArray before = m_database->snapshot();
    QVERIFY(m_store->open().ok());
    Result result = Result::success();
    if (change == QLatin1String("add"))
        result = m_store->append(customer(QStringLiteral("Bob")));
    else if (change == QLatin1String("edit"))
        result = m_store->update({row, ann}, customer(QStringLiteral("Bob")));
    else if (change == QLatin1String("delete"))
        result = m_store->remove({row, ann});
    else
        result = m_store->appendAll([](const CustomerStore::BatchWriter& write) {
            return write(CustomerRecord::Utf8Texts{"Bob"}, nullptr);
        });
    QVERIFY(!result.ok());
    QVERIFY(result.message().contains(QLatin1String("disk full")));
    QCOMPARE(names(), QStringList{"Ann"});
    QList<DeletedCustomer> deleted;
    QVERIFY(m_store->deletedCustomers(&deleted).ok());
    QVERIFY(deleted.isEmpty());
    m_store->close();
    QCOMPARE(m_database->snapshot(), before);
}

void TestChangeHistory::deletedCustomerComesBack_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<bool>("placeTaken");
    QTest::addColumn<QStringList>("names");
    for (const QString& backend : StoreBackend::names()) {
        QTest::addRow("%s, where it stood", qPrintable(backend)) << backend << false << QStringList{"Ann", "Bob", "Cid"};
        QTest::addRow("%s, its place taken since", qPrintable(backend))
            << backend << true << QStringList{"Ann", "Dee", "Bob"};
    }
}

void TestChangeHistory::deletedCustomerComesBack()
{
    OPEN_STORE();
    QFETCH(QString, backend);
    QFETCH(bool, placeTaken);
    QFETCH(QStringList, names);
    RowId row = NoRow;
    for (const char* name : {"Ann", "Bob", "Cid"})
        QVERIFY(m_store->append(customer(QString::fromLatin1(name)), &row).ok());
    const RowId bob = row - 1;
    const CustomerRecord removed = customer(QStringLiteral("Bob"));
    QVERIFY(m_store->remove({bob, removed}).ok());
    if (placeTaken) {
        // Another counter's customer took the freed number.
        QVERIFY(m_store->remove({row, customer(QStringLiteral("Cid"))}).ok());
        m_store->close();
        QVERIFY(m_database->execute(
            (backend == QLatin1String("file")
                 ? QStringLiteral("INSERT INTO Info (rowid, name) VALUES (%1, 'Dee')")
                 : QStringLiteral("INSERT INTO \"Info\" (id, \"name\") OVERRIDING SYSTEM VALUE VALUES (%1, 'Dee')"))
                .arg(bob)));
        QVERIFY(m_store->open().ok());
    }
    QList<DeletedCustomer> deleted;
    QVERIFY(m_store->deletedCustomers(&deleted).ok());
    const DeletedCustomer& bobKept = deleted.last();
    QCOMPARE(bobKept.record, removed);
    QCOMPARE(bobKept.row, bob);
    QCOMPARE(bobKept.role, QStringLiteral("clerk"));
    QVERIFY(m_store->bringBack(bobKept.id).ok());
    QCOMPARE(m_store->bringBack(bobKept.id).ok(), false);
    QCOMPARE(this->names().mid(0, 3), names);
    QList<HistoryEntry> entries;
    QVERIFY(m_store->history({}, &entries).ok());
    QCOMPARE(entries.first().kind, ChangeKind::BringBack);
    QCOMPARE(*entries.first().after, removed);
}

void TestChangeHistory::oldHistoryIsForgotten()
{
    QDateTime now = QDateTime(QDate(2024, 1, 10), QTime(9, 0), Qt::UTC);
    OPEN_STORE([&now] { return now; });
    RowId row = NoRow;
    QVERIFY(m_store->append(customer(QStringLiteral("Ann")), &row).ok());
    QVERIFY(m_store->remove({row, customer(QStringLiteral("Ann"))}).ok());
    // Kept through two years; forgotten by the first write after that.
    for (const int days : {365 * 2 - 1, 3}) {
        now = now.addDays(days);
        QVERIFY(m_store->open().ok());
        QVERIFY(m_store->append(customer(QStringLiteral("Bob"))).ok());
        QList<HistoryEntry> entries;
        QList<DeletedCustomer> deleted;
        QVERIFY(m_store->history({}, &entries).ok() && m_store->deletedCustomers(&deleted).ok());
        QCOMPARE(deleted.size(), days == 3 ? 0 : 1);
        QCOMPARE(entries.size(), days == 3 ? 2 : 3);
    }
}

QTEST_GUILESS_MAIN(TestChangeHistory)
#include "tst_changehistory.moc"
