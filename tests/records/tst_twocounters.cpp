#include "CustomerList.h"
#include "StoreBackend.h"

#include <QtTest>

// Two counters on one server: each list follows the other's adds, edits
// and deletes by reading just those rows, the selection staying put.
class TestTwoCounters : public QObject
{
    Q_OBJECT

private slots:
    void listFollowsTheOtherCounter();
};

namespace {

// Follows the other counter until `done`; each try is a round trip to the
// server, which the other counter's notification has reached by then.
bool followUntil(CustomerStore& store, CustomerList& list, const std::function<bool()>& done)
{
    for (int tries = 0; tries < 200 && !done(); ++tries) {
        qint64 count = 0;
        store.rowCount(&count);
        bool changed = false;
        if (!list.followOutsideChanges(&changed).ok())
            return false;
    }
    return done();
}

QStringList totals(const CustomerList& list)
{
    return {list.productsSoldText(), list.earningsText(), list.maleCountText(), list.femaleCountText()};
}

} // namespace

void TestTwoCounters::listFollowsTheOtherCounter()
{
    const std::unique_ptr<StoreBackend> server = StoreBackend::make(QStringLiteral("server"));
    if (!server)
        QSKIP("No database server to test against: scripts/test starts one.");
    const std::unique_ptr<CustomerStore> firstStore = server->newStore();
    const std::unique_ptr<CustomerStore> secondStore = server->newStore();
    QVERIFY(firstStore->open().ok());
    QVERIFY(secondStore->open().ok());
    CustomerList first(*firstStore);
    CustomerList second(*secondStore);
    QVERIFY(first.RefreshList().ok());
    QVERIFY(second.RefreshList().ok());

    for (const char* name : {"Ann", "Bob", "Cid"})
        QVERIFY(first.AddUser(customer(QString::fromLatin1(name), "2", "1.50")).ok());
    QVERIFY(followUntil(*secondStore, second, [&] { return second.count() == 3; }));
    QCOMPARE(second.names(), (QStringList{"Ann", "Bob", "Cid"}));
    QVERIFY(second.select(1).ok());

    QVERIFY(first.RefreshList().ok());
    QVERIFY(first.EditUser({first.rowAt(2), customer("Cid", "2", "1.50")}, customer("Cy", "5", "2", "f")).ok());
    QVERIFY(followUntil(*secondStore, second, [&] { return second.names().contains("Cy"); }));
    QVERIFY(first.select(0).ok());
    QVERIFY(first.deleteSelected().ok());
    QVERIFY(followUntil(*secondStore, second, [&] { return second.count() == 2; }));

    QCOMPARE(second.names(), (QStringList{"Bob", "Cy"}));
    QCOMPARE(second.selectedPosition(), 0);
    QCOMPARE(second.selectedRow().record, customer("Bob", "2", "1.50"));
    QCOMPARE(totals(second), totals(first));
    // The other counter's changes came row by row: reading the list whole
    // ends where following it did.
    const QStringList followed = second.names();
    QVERIFY(second.reload().ok());
    QCOMPARE(second.names(), followed);
}

QTEST_GUILESS_MAIN(TestTwoCounters)
#include "tst_twocounters.moc"
