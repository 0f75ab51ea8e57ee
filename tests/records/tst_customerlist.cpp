#include "CustomerList.h"
#include "FailingCustomerStore.h"
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
    void totalsBeyondRangeNeverReadAsZero_data();
    void totalsBeyondRangeNeverReadAsZero();
    void foreignRowsDoNotStopTheRebuild();
    void selectionFillsTheDetails();
    void failedSelectionKeepsTheShownCustomer_data();
    void failedSelectionKeepsTheShownCustomer();
    void moneyElements_data();
    void moneyElements();
    void searchFindsWholeNamesInTurn();
    void searchThatFindsNothing();
    void deleteSelectedCustomer();
    void deleteWithoutSelectionDoesNothing();
    void editReachesTheSelectedRowOnly();
    void staleSelectionWritesNothing_data();
    void staleSelectionWritesNothing();
    void undoTakesBackDeletesAndEdits_data();
    void undoTakesBackDeletesAndEdits();

private:
    void add(const CustomerRecord& record);

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<SqliteCustomerStore> m_store;
    std::unique_ptr<FailingCustomerStore> m_failing;
    std::unique_ptr<CustomerList> m_list;
};

void TestCustomerList::init()
{
    m_database = std::make_unique<TestDatabase>();
    m_store = std::make_unique<SqliteCustomerStore>(m_database->path());
    QVERIFY(m_store->open().ok());
    m_failing = std::make_unique<FailingCustomerStore>(*m_store);
    m_list = std::make_unique<CustomerList>(*m_failing);
}

void TestCustomerList::cleanup()
{
    m_list.reset();
    m_failing.reset();
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
    QCOMPARE(m_list->details()[CustomerList::ItemPrice], QStringLiteral("0"));
    QCOMPARE(m_list->paid(), QStringLiteral("0"));
    QCOMPARE(m_list->earnings(), 0.0);
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
    QCOMPARE(m_list->details()[CustomerList::TotalSpent], QStringLiteral("50000.00"));
}

void TestCustomerList::totalsBeyondRangeNeverReadAsZero_data()
{
    QTest::addColumn<QStringList>("quantities");
    QTest::addColumn<QStringList>("prices");
    QTest::addColumn<QString>("productsSold");
    QTest::addColumn<QString>("earnings");
    QTest::addColumn<QString>("firstTotalSpent");
    const QString beyond = QStringLiteral("Too large to show");
    QTest::newRow("products sold") << QStringList{"1e308", "1e308"} << QStringList{"0", "0"}
                                   << beyond << "0" << "0.00";
    QTest::newRow("one customer's amount") << QStringList{"1e308", "1"} << QStringList{"10", "2"}
                                           << "1E+308" << beyond << beyond;
    QTest::newRow("amounts of both signs") << QStringList{"1e308", "1e308"} << QStringList{"10", "-10"}
                                           << beyond << beyond << beyond;
}

void TestCustomerList::totalsBeyondRangeNeverReadAsZero()
{
    QFETCH(QStringList, quantities);
    QFETCH(QStringList, prices);
    QFETCH(QString, earnings);
    for (int i = 0; i < quantities.size(); ++i)
        add(customer(QString::number(i), quantities[i], prices[i]));
    QVERIFY(m_list->RefreshList().ok());

    QTEST(m_list->productsSoldText(), "productsSold");
    QCOMPARE(m_list->earningsText(), earnings);
    // The charts divide by the earnings: they get no number rather than infinity.
    QCOMPARE(m_list->earnings().has_value(), earnings == QLatin1String("0"));
    QVERIFY(m_list->select(0).ok());
    QTEST(m_list->details()[CustomerList::TotalSpent], "firstTotalSpent");
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
    QCOMPARE(m_list->details()[CustomerList::ItemPrice], QStringLiteral("0.00"));
    QCOMPARE(m_list->details()[CustomerList::TotalSpent], QStringLiteral("0.00"));
}

void TestCustomerList::selectionFillsTheDetails()
{
    add(customer("Ann"));
    add(customer("Bob", "3", "2.5", "f", "1"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(1).ok());

    const CustomerRecord bob = customer("Bob", "3", "2.5", "f", "1");
    const CustomerList::DetailPanel& details = m_list->details();
    using Field = CustomerRecord::Field;
    const Field shown[] = {
        Field::Name, Field::Address, Field::Country, Field::City, Field::State, Field::Zip,
        Field::Phone, Field::FAX, Field::Email, Field::Product, Field::Quantity, Field::DatePur,
        Field::Payment,
    };
    for (int element = 0; element < CustomerList::ItemPrice; ++element)
        QCOMPARE(details[element], bob.value(shown[element]));
    QCOMPARE(details[CustomerList::ItemPrice], QStringLiteral("2.50"));
    QCOMPARE(details[CustomerList::TotalSpent], QStringLiteral("7.50"));
    QCOMPARE(m_list->paid(), QStringLiteral("1"));
    QCOMPARE(m_list->sex(), QStringLiteral("f"));
    QCOMPARE(m_list->selectedPosition(), 1);
}

void TestCustomerList::failedSelectionKeepsTheShownCustomer_data()
{
    QTest::addColumn<bool>("removedElsewhere");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read fails")
        << false << FailingCustomerStore::failureMessage(FailingCustomerStore::Operation::Read);
    QTest::newRow("row removed elsewhere") << true << "This customer is no longer in the database.";
}

// Delete and edit act on the selection: after a failed read it must still be
// the customer the panel shows, not the one the operator tried to reach.
void TestCustomerList::failedSelectionKeepsTheShownCustomer()
{
    QFETCH(bool, removedElsewhere);
    for (const char* name : {"Ann", "Bob", "Cid"})
        add(customer(name, "2", "3", "f", "1"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(0).ok());
    const CustomerList::DetailPanel shown = m_list->details();

    if (removedElsewhere) {
        SqliteCustomerStore other(m_database->path());
        QVERIFY(other.open().ok());
        StoredCustomer cid{m_list->rowAt(2), customer("Cid", "2", "3", "f", "1")};
        QVERIFY(other.remove(cid).ok());
    } else {
        m_failing->setFailing(FailingCustomerStore::Operation::Read);
    }
    const Result selected = m_list->select(2);
    QVERIFY(!selected.ok());
    QTEST(selected.message(), "reason");
    QCOMPARE(m_list->selectedPosition(), 0);
    QCOMPARE(m_list->selectedRow().row, m_list->rowAt(0));
    QCOMPARE(m_list->details(), shown);
    QCOMPARE(m_list->paid(), QStringLiteral("1"));
    QCOMPARE(m_list->sex(), QStringLiteral("f"));

    m_failing->setFailing(FailingCustomerStore::Operation::Read, false);
    QVERIFY(m_list->deleteSelected().ok());
    QCOMPARE(m_list->names(), removedElsewhere ? QStringList({"Bob"}) : QStringList({"Bob", "Cid"}));
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
    QTEST(m_list->details()[CustomerList::ItemPrice], "itemPrice");
    QTEST(m_list->details()[CustomerList::TotalSpent], "totalSpent");
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
    const StoredCustomer cid = m_list->selectedRow();

    // Ann goes while Cid's edit form is open: Cid moves to position 1.
    QVERIFY(m_list->select(0).ok());
    const StoredCustomer ann = m_list->selectedRow();
    QVERIFY(m_list->deleteSelected().ok());

    QVERIFY(m_list->EditUser(cid, customer("Cyd", "2", "3")).ok());
    // Ann's row is gone: editing it is an error, never a write elsewhere.
    QVERIFY(m_list->EditUser(ann, customer("Eve")).message().contains(
        QStringLiteral("changed or removed elsewhere")));
    QCOMPARE(m_list->EditUser(StoredCustomer(), customer("Eve")).message(),
             QStringLiteral("No customer is selected."));
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), QStringList({"Bob", "Cyd"}));
}

void TestCustomerList::staleSelectionWritesNothing_data()
{
    QTest::addColumn<bool>("edit");
    QTest::newRow("edit") << true;
    QTest::newRow("delete") << false;
}

// Another copy of the program deletes the last customer and adds a new one,
// who takes the freed row number; this copy still shows the old customer.
void TestCustomerList::staleSelectionWritesNothing()
{
    QFETCH(bool, edit);
    add(customer("Ann"));
    add(customer("Bob"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(m_list->select(1).ok());

    SqliteCustomerStore other(m_database->path());
    QVERIFY(other.open().ok());
    QVERIFY(other.remove(m_list->selectedRow()).ok());
    QVERIFY(other.append(customer("Newcomer")).ok());

    const Result result = edit ? m_list->EditUser(m_list->selectedRow(), customer("Eve"))
                               : m_list->deleteSelected();
    QVERIFY2(result.message().contains(QStringLiteral("changed or removed elsewhere")),
             qPrintable(result.message()));
    CustomerRecord newcomer;
    QVERIFY(other.read(m_list->rowAt(1), &newcomer).ok());
    QCOMPARE(newcomer, customer("Newcomer"));
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), QStringList({"Ann", "Newcomer"}));
}

void TestCustomerList::undoTakesBackDeletesAndEdits_data()
{
    QTest::addColumn<bool>("changedSince");
    QTest::newRow("nothing changed since") << false;
    QTest::newRow("edited elsewhere since") << true;
}

// Ctrl+Z after a delete and then an edit: the edit goes first, then the
// deleted customer comes back where it stood. An edit made elsewhere in
// between is never overwritten.
void TestCustomerList::undoTakesBackDeletesAndEdits()
{
    QFETCH(bool, changedSince);
    add(customer("Ann"));
    add(customer("Bob", "2", "3"));
    add(customer("Cid"));
    QVERIFY(m_list->RefreshList().ok());
    QVERIFY(!m_list->canUndo());
    QVERIFY(m_list->select(1).ok());
    QVERIFY(m_list->deleteSelected().ok());
    QVERIFY(m_list->select(1).ok());
    const StoredCustomer cid = m_list->selectedRow();
    CustomerRecord renamed = cid.record;
    renamed.setValue(CustomerRecord::Field::Name, QStringLiteral("Cyd"));
    QVERIFY(m_list->EditUser(cid, renamed).ok());
    if (changedSince)
        QVERIFY(m_database->execute(QStringLiteral("UPDATE Info SET name = 'Cy' WHERE name = 'Cyd'")));

    RowId row = NoRow;
    const Result undoneEdit = m_list->undoLast(&row);
    QCOMPARE(undoneEdit.ok(), !changedSince);
    QVERIFY(m_list->RefreshList().ok());
    QCOMPARE(m_list->names(), (QStringList{"Ann", changedSince ? "Cy" : "Cid"}));
    QVERIFY(m_list->undoLast(&row).ok());
    QCOMPARE(m_list->names(), (QStringList{"Ann", "Bob", changedSince ? "Cy" : "Cid"}));
    QCOMPARE(m_list->positionOf(row), 1);
    QCOMPARE(m_list->productsSoldText(), QStringLiteral("4"));
    QVERIFY(!m_list->canUndo());
    QVERIFY(!m_list->undoLast().ok());
}

QTEST_GUILESS_MAIN(TestCustomerList)
#include "tst_customerlist.moc"
