#include "CustomerList.h"
#include "SqliteCustomerStore.h"

#include <QCoreApplication>
#include <QTextStream>

// Until the windows exist, the program opens the customer database and
// reports what it holds.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SqliteCustomerStore store(SqliteCustomerStore::defaultPath());
    Result opened = store.open();
    if (!opened.ok()) {
        err << opened.message() << Qt::endl;
        return 1;
    }
    CustomerList list(store);
    Result refreshed = list.RefreshList();
    if (!refreshed.ok()) {
        err << refreshed.message() << Qt::endl;
        return 1;
    }
    out << "Database: " << store.path() << " (SQLite " << store.version() << ")\n"
        << "Records Stored : " << list.count() << " Records\n"
        << "Total Products Sold : " << list.productsSoldText() << " Products Sold\n"
        << "Earnings From Sales : " << list.earningsText() << '\n'
        << "Male customers: " << list.maleCountText() << '\n'
        << "Female customers: " << list.femaleCountText() << Qt::endl;
    return 0;
}
