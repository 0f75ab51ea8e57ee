// The customer list follows its own adds, edits and deletes without
// reading the table again, and ends exactly where reading it whole ends.
#include "CustomerList.h"
#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QTest>

#include <random>

namespace {

QString pickOf(std::mt19937& random, const QStringList& choices)
{
    return choices.at(int(random() % choices.size()));
}

CustomerRecord randomCustomer(std::mt19937& random, int number)
{
    const QStringList quantities{"1", "3", "2.5", "0", "-2", "12", "abc", "", "1e3", " 7"};
    const QStringList prices{"2.5", "0.5", "19.99", "0", "1234.5", "x", "3", "1.005"};
    const QStringList sexes{"m", "f", "M", "", "x"};
    CustomerRecord record = CustomerRecord::fromList(QStringList(16, QStringLiteral("N/A")));
    record.setValue(CustomerRecord::Field::Name, QStringLiteral("Customer %1").arg(number));
    record.setValue(CustomerRecord::Field::Quantity, pickOf(random, quantities));
    record.setValue(CustomerRecord::Field::Price, pickOf(random, prices));
    record.setValue(CustomerRecord::Field::Sex, pickOf(random, sexes));
    return record;
}

// Everything the list shows, as text.
QStringList shown(const CustomerList& list)
{
    QStringList lines = list.names();
    for (int position = 0; position < list.count(); ++position)
        lines << QString::number(list.rowAt(position));
    lines << list.productsSoldText() << list.earningsText() << list.maleCountText()
          << list.femaleCountText();
    return lines;
}

} // namespace

class CustomerListSyncTest : public QObject
{
    Q_OBJECT

private slots:
    void randomChangesEndAsAWholeRead_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 7u, 2026u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomChangesEndAsAWholeRead()
    {
        QFETCH(unsigned, seed);
        TestDatabase database;
        SqliteCustomerStore store(database.path());
        QVERIFY(store.open().ok());
        CustomerList list(store);
        QVERIFY(list.RefreshList().ok());

        std::mt19937 random(seed);
        int added = 0;
        for (int step = 0; step < 300; ++step) {
            const int operation = int(random() % 4);
            if (operation <= 1 || list.count() == 0) {
                QVERIFY(list.AddUser(randomCustomer(random, added++)).ok());
            } else {
                QVERIFY(list.select(int(random() % list.count())).ok());
                if (operation == 2)
                    QVERIFY(list.EditUser(list.selectedRow(), randomCustomer(random, added++)).ok());
                else
                    QVERIFY(list.deleteSelected().ok());
            }
            QVERIFY(list.RefreshList().ok());
        }

        SqliteCustomerStore second(database.path());
        QVERIFY(second.open().ok());
        CustomerList wholeRead(second);
        QVERIFY(wholeRead.RefreshList().ok());
        QVERIFY(list.count() > 0);
        QCOMPARE(shown(list), shown(wholeRead));
    }

    void changesByAnotherProgramAreReadAgain()
    {
        TestDatabase database;
        SqliteCustomerStore store(database.path());
        QVERIFY(store.open().ok());
        CustomerList list(store);
        std::mt19937 random(3);
        QVERIFY(list.AddUser(randomCustomer(random, 0)).ok());
        QVERIFY(list.RefreshList().ok());

        SqliteCustomerStore other(database.path());
        QVERIFY(other.open().ok());
        QVERIFY(other.append(randomCustomer(random, 1)).ok());
        QVERIFY(list.RefreshList().ok());
        QCOMPARE(list.names(), (QStringList{"Customer 0", "Customer 1"}));

        // Also when this program's own list changed in between.
        QVERIFY(other.append(randomCustomer(random, 2)).ok());
        QVERIFY(list.AddUser(randomCustomer(random, 3)).ok());
        QVERIFY(list.RefreshList().ok());
        QCOMPARE(list.names(), (QStringList{"Customer 0", "Customer 1", "Customer 2", "Customer 3"}));
    }

    void reopeningTheStoreReadsTheTableAgain()
    {
        TestDatabase database;
        SqliteCustomerStore store(database.path());
        QVERIFY(store.open().ok());
        CustomerList list(store);
        QVERIFY(list.RefreshList().ok());
        store.close();
        // As a restore does: the file changes while the store is closed.
        SqliteCustomerStore restorer(database.path());
        QVERIFY(restorer.open().ok());
        std::mt19937 random(5);
        QVERIFY(restorer.append(randomCustomer(random, 9)).ok());
        restorer.close();
        QVERIFY(store.open().ok());
        QVERIFY(list.RefreshList().ok());
        QCOMPARE(list.names(), QStringList{"Customer 9"});
    }
};

QTEST_GUILESS_MAIN(CustomerListSyncTest)
#include "tst_customerlist_sync.moc"
