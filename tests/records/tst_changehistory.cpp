#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QtTest>

#include <memory>

// The safety net of the store: every change written down in the same
// transaction as the change, deleted customers kept and brought back.
class TestChangeHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void olderFileGetsTablesOnFirstWriteAndStillOpens();
    void everyChangeIsWrittenDown();
    void failedHistoryFailsTheChange_data();
    void failedHistoryFailsTheChange();
    void deletedCustomerComesBack_data();
    void deletedCustomerComesBack();
    void oldHistoryIsForgotten();

private:
    CustomerRecord customer(const QString& name) const;
    QStringList names();

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<SqliteCustomerStore> m_store;
};

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

void TestChangeHistory::init()
{
    m_database = std::make_unique<TestDatabase>();
    m_store = std::make_unique<SqliteCustomerStore>(m_database->path());
    QVERIFY(m_store->open().ok());
    m_store->setActor({QStringLiteral("clerk"), QStringLiteral("COUNTER-2")});
}

void TestChangeHistory::olderFileGetsTablesOnFirstWriteAndStillOpens()
{
    m_store->close();
    QVERIFY(m_database->execute(QStringLiteral("INSERT INTO Info (name) VALUES ('Ann')")));
    const QByteArray before = m_database->bytes();
    QVERIFY(m_store->open().ok());
    QList<HistoryEntry> entries;
    QVERIFY(m_store->history({}, &entries).ok());
    QVERIFY(entries.isEmpty());
    m_store->close();
    QCOMPARE(m_database->bytes(), before);

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
    QTest::addColumn<QString>("change");
    QTest::newRow("add") << "add";
    QTest::newRow("edit") << "edit";
    QTest::newRow("delete") << "delete";
    QTest::newRow("import") << "import";
}

void TestChangeHistory::failedHistoryFailsTheChange()
{
    QFETCH(QString, change);
    RowId row = NoRow;
    const CustomerRecord ann = customer(QStringLiteral("Ann"));
    QVERIFY(m_store->append(ann, &row).ok());
    m_store->close();
    // A full disk or a damaged table, as the history sees it.
    QVERIFY(m_database->execute(QStringLiteral(
        "CREATE TRIGGER Refuse BEFORE INSERT ON History BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    const QByteArray before = m_database->bytes();
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
    QCOMPARE(m_database->bytes(), before);
}

void TestChangeHistory::deletedCustomerComesBack_data()
{
    QTest::addColumn<bool>("placeTaken");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("where it stood") << false << QStringList{"Ann", "Bob", "Cid"};
    QTest::newRow("its place taken since") << true << QStringList{"Ann", "Dee", "Bob"};
}

void TestChangeHistory::deletedCustomerComesBack()
{
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
        QVERIFY(m_database->execute(QStringLiteral("INSERT INTO Info (rowid, name) VALUES (%1, 'Dee')").arg(bob)));
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
    m_store->close();
    QDateTime now = QDateTime(QDate(2024, 1, 10), QTime(9, 0), Qt::UTC);
    m_store->setClock([&now] { return now; });
    QVERIFY(m_store->open().ok());
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
