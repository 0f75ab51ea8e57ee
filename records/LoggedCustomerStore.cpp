#include "LoggedCustomerStore.h"

Result LoggedCustomerStore::history(const HistoryFilter& filter, QList<HistoryEntry>* entries)
{
    entries->clear();
    return isOpen() ? changeLog().history(filter, entries) : notOpen();
}

Result LoggedCustomerStore::deletedCustomers(QList<DeletedCustomer>* deleted)
{
    deleted->clear();
    return isOpen() ? changeLog().deletedCustomers(deleted) : notOpen();
}

Result LoggedCustomerStore::bringBack(qint64 deletedId, RowId* row)
{
    RowId placed = NoRow;
    const Result result = inTransaction([&] {
        return changeLog().bringBack(
            deletedId, [this](const DeletedCustomer& deleted, RowId* at) { return putBack(deleted, at); }, &placed);
    });
    if (result.ok() && row)
        *row = placed;
    return result;
}

Result LoggedCustomerStore::noteChange(ChangeKind kind, const QString& note)
{
    return inTransaction([&] { return changeLog().write(kind, NoRow, nullptr, nullptr, note); });
}
