#include "CustomerList.h"
#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QTest>

#include <memory>

class TestCustomerList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyTableGivesZeroTotals();
    void totalsRoundEachAmount_data();
    void totalsRoundEachAmount();
    void totalsHaveNoSixteenBitLimits();
    void foreignRowsDoNotStopTheRebuild();
    void selectionFillsTheDetails();
    void moneyElements_data();
    void moneyElements();
    void searchFindsWholeNamesInTurn();
    void searchThatFindsNothing();
    void deleteSelectedCustomer();
    void deleteWithoutSelectionDoesNothing();
    void editReachesTheSelectedRowOnly();

private:
    void add(const CustomerRecord& record);

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<SqliteCustomerStore> m_store;
    std::unique_ptr<CustomerList> m_list;
};

void TestCustomerList::init()
{
    m_database = std::make_unique<TestDatabase>();
    m_store = std::make_unique<SqliteCustomerStore>(m_database->path());
    QVERIFY(m_store->open().ok());
    m_list = std::make_unique<CustomerList>(*m_store);
}

void TestCustomerList::cleanup()
{
    m_list.reset();
    m_store.reset();
    m_database.reset();
}

void TestCustomerList::add(const CustomerRecord& record)
{
    const Result added = m_list->AddUser(record);
    QVERIFY2(added.ok(), qPrintable(added.message()));
}

void TestCustomerList::emptyTableGivesZeroTotals()
{
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_list->productsSoldText(), QStringLiteral("0"));
    QCOMPARE(m_list->earningsText(), QStringLiteral("0"));
    QCOMPARE(m_list->maleCountText(), QStringLiteral("0"));
    QCOMPARE(m_list->femaleCountText(), QStringLiteral("0"));
    QCOMPARE(m_list->details()[0], QStringLiteral("."));
    QCOMPARE(m_list->details()[13], QStringLiteral("0"));
    QCOMPARE(m_list->paid(), QStringLiteral("0"));
}

void TestCustomerList::totalsRoundEachAmount_data()
{
    QTest::addColumn<QStringList>("quantities");
    QTest::addColumn<QStringList>("prices");
    QTest::addColumn<QStringList>("sexes");
    QTest::addColumn<QString>("productsSold");
    QTest::addColumn<QString>("earnings");
    QTest::addColumn<QString>("males");
    QTest::addColumn<QString>("females");
    QTest::newRow("7.5 adds 8") << QStringList{"3"} << QStringList{"2.5"} << QStringList{"m"}
                                << "3" << "8" << "1" << "0";
    QTest::newRow("2.5 adds 2") << QStringList{"1"} << QStringList{"2.5"} << QStringList{"f"}
                                << "1" << "2" << "0" << "1";
    QTest::newRow("both") << QStringList{"3", "1"} << QStringList{"2.5", "2.5"}
                          << QStringList{"m", "f"} << "4" << "10" << "1" << "1";
    QTest::newRow("fractional quantities") << QStringList{"2.5", "0.25"} << QStringList{"1", "4"}
                                           << QStringList{"M", "x"} << "2.75" << "3" << "0" << "0";
}

void TestCustomerList::totalsRoundEachAmount()
{
    QFETCH(QStringList, quantities);
    QFETCH(QStringList, prices);
    QFETCH(QStringList, sexes);
    for (int i = 0; i < quantities.size(); ++i)
        add(customer(QString::number(i), quantities[i], prices[i], sexes[i]));
    QVERIFY(m_list->RefreshList().ok());

    QTEST(m_list->productsSoldText(), "productsSold");
    QTEST(m_list->earningsText(), "earnings");
    QTEST(m_list->maleCountText(), "males");
    QTEST(m_list->femaleCountText(), "females");
}

void TestCustomerList::totalsHaveNoSixteenBitLimits()
{
    // 40,000 customers, each spending 50,000: far beyond 16-bit counters.
    QVERIFY(m_database->execute(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO Info (name, Quantity, Price, Sex, Paid) "
        "SELECT 'Customer ' || i, '2', '25000', CASE WHEN i % 4 = 0 THEN 'f' ELSE 'm' END, '0' FROM n"));
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->count(), 40000);
    QCOMPARE(m_list->productsSoldText(), QStringLiteral("80000"));
    QCOMPARE(m_list->earningsText(), QStringLiteral("2000000000"));
    QCOMPARE(m_list->maleCountText(), QStringLiteral("30000"));
    QCOMPARE(m_list->femaleCountText(), QStringLiteral("10000"));

    QVERIFY(m_list->select(39999).ok());
    QCOMPARE(m_list->details()[0], QStringLiteral("Customer 40000"));
    QCOMPARE(m_list->details()[14], QStringLiteral("50000.00"));
}

void TestCustomerList::foreignRowsDoNotStopTheRebuild()
{
    add(customer("Ann", "3", "2"));
    QVERIFY(m_database->execute("INSERT INTO Info (name, Quantity, Price) VALUES (NULL, 'many', NULL)"));
    add(customer("Bob", "1", "abc"));
    add(customer("Cid", "2", "5"));

    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), QStringList({"Ann", "", "Bob", "Cid"}));
    QCOMPARE(m_list->productsSoldText(), QStringLiteral("6"));
    QCOMPARE(m_list->earningsText(), QStringLiteral("16"));

    QVERIFY(m_list->select(1).ok());
    QCOMPARE(m_list->details()[0], QString());
    QCOMPARE(m_list->details()[13], QStringLiteral("0.00"));
    QCOMPARE(m_list->details()[14], QStringLiteral("0.00"));
}

void TestCustomerList::selectionFillsTheDetails()
{
    add(customer("Ann"));
    add(customer("Bob", "3", "2.5", "f", "1"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(1).ok());

    const CustomerRecord bob = customer("Bob", "3", "2.5", "f", "1");
    const CustomerList::DetailPanel& details = m_list->details();
    const int shown[] = {
        CustomerRecord::Name, CustomerRecord::Address, CustomerRecord::Country,
        CustomerRecord::City, CustomerRecord::State, CustomerRecord::Zip, CustomerRecord::Phone,
        CustomerRecord::FAX, CustomerRecord::Email, CustomerRecord::Product,
        CustomerRecord::Quantity, CustomerRecord::DatePur, CustomerRecord::Payment,
    };
    for (int element = 0; element < 13; ++element)
        QCOMPARE(details[element], bob.value(shown[element]));
    QCOMPARE(details[13], QStringLiteral("2.50"));
    QCOMPARE(details[14], QStringLiteral("7.50"));
    QCOMPARE(m_list->paid(), QStringLiteral("1"));
    QCOMPARE(m_list->sex(), QStringLiteral("f"));
    QCOMPARE(m_list->selectedPosition(), 1);
}

void TestCustomerList::moneyElements_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("itemPrice");
    QTest::addColumn<QString>("totalSpent");
    QTest::newRow("price 0") << "4" << "0" << "0.00" << "0.00";
    QTest::newRow("quantity 1") << "1" << "2.5" << "2.50" << "2.50";
    QTest::newRow("rounded cents") << "3" << "0.125" << "0.13" << "0.38";
    QTest::newRow("large amount") << "1000" << "99999.99" << "99999.99" << "99999990.00";
}

void TestCustomerList::moneyElements()
{
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    add(customer("Ann", quantity, price));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(0).ok());
    QTEST(m_list->details()[13], "itemPrice");
    QTEST(m_list->details()[14], "totalSpent");
}

void TestCustomerList::searchFindsWholeNamesInTurn()
{
    for (const char* name : {"Ann", "Bob", "ann"})
        add(customer(name));
    QVERIFY(m_list->RefreshList().ok());

    CustomerList::SearchOutcome outcome = m_list->search("ANN");
    QVERIFY(outcome.found);
    QCOMPARE(m_list->selectedPosition(), 0);
    QCOMPARE(m_list->nextSearchStart(), 1);

    outcome = m_list->search("ANN");
    QVERIFY(outcome.found);
    QVERIFY(outcome.selection.ok());
    QCOMPARE(m_list->selectedPosition(), 2);
    QCOMPARE(m_list->details()[0], QStringLiteral("ann"));
    QCOMPARE(m_list->nextSearchStart(), 3);
}

void TestCustomerList::searchThatFindsNothing()
{
    for (const char* name : {"Ann", "Bob", "ann"})
        add(customer(name));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->search("Bob").found);
    QCOMPARE(m_list->nextSearchStart(), 2);

    // A part of a name is no match; the selection stays, the next start resets.
    QVERIFY(!m_list->search("An").found);
    QCOMPARE(m_list->selectedPosition(), 1);
    QCOMPARE(m_list->details()[0], QStringLiteral("Bob"));
    QCOMPARE(m_list->nextSearchStart(), 0);

    // Past the last match the search starts over from the top next time.
    QVERIFY(m_list->search("ann").found);
    QVERIFY(m_list->search("ann").found);
    QVERIFY(!m_list->search("ann").found);
    QVERIFY(m_list->search("ann").found);
    QCOMPARE(m_list->selectedPosition(), 0);
}

void TestCustomerList::deleteSelectedCustomer()
{
    add(customer("Ann"));
    add(customer("Bob", "1", "1", "f", "1"));
    add(customer("Cid"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(1).ok());

    QVERIFY(m_list->deleteSelected().ok());
    QCOMPARE(m_list->names(), QStringList({"Ann", "Cid"}));
    for (const QString& element : m_list->details())
        QCOMPARE(element, QStringLiteral("."));
    // The payment holders keep the deleted customer's values.
    QCOMPARE(m_list->paid(), QStringLiteral("1"));
    QCOMPARE(m_list->sex(), QStringLiteral("f"));
    QVERIFY(!m_list->hasSelection());

    // The former second customer is now at position 0 after deleting the first.
    QVERIFY(m_list->select(0).ok());
    QVERIFY(m_list->deleteSelected().ok());
    QCOMPARE(m_list->names(), QStringList({"Cid"}));
}

void TestCustomerList::deleteWithoutSelectionDoesNothing()
{
    add(customer("Ann"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->deleteSelected().ok());
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), QStringList({"Ann"}));
}

void TestCustomerList::editReachesTheSelectedRowOnly()
{
    for (const char* name : {"Ann", "Bob", "Cid"})
        add(customer(name));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(2).ok());
    const RowId cid = m_list->selectedRow();

    // Ann goes while Cid's edit form is open: Cid moves to position 1.
    QVERIFY(m_list->select(0).ok());
    const RowId ann = m_list->selectedRow();
    QVERIFY(m_list->deleteSelected().ok());

    QVERIFY(m_list->EditUser(cid, customer("Cyd", "2", "3")).ok());
    // Ann's row is gone: editing it is an error, never a write elsewhere.
    QVERIFY(!m_list->EditUser(ann, customer("Eve")).ok());
    QVERIFY(!m_list->EditUser(NoRow, customer("Eve")).ok());
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), QStringList({"Bob", "Cyd"}));
}

QTEST_GUILESS_MAIN(TestCustomerList)
#include "tst_customerlist.moc"
