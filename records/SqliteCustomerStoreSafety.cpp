#include "SqliteCustomerStore.h"

#include <sqlite3.h>

// The store's safety net: the history it keeps and the deleted customers
// it brings back.

namespace {

QByteArray insertAtRowSql()
{
    QByteArray columns = "rowid";
    QByteArray placeholders = "?";
    for (CustomerRecord::Field field : CustomerRecord::AllFields) {
        columns += ", \"" + QByteArray(CustomerRecord::columnName(field).data()) + '"';
        placeholders += ", ?";
    }
    return "INSERT INTO Info (" + columns + ") VALUES (" + placeholders + ")";
}

} // namespace

Result SqliteCustomerStore::history(const HistoryFilter& filter, QList<HistoryEntry>* entries)
{
    if (!isOpen())
        return notOpen();
    return m_changes.history(filter, entries);
}

Result SqliteCustomerStore::deletedCustomers(QList<DeletedCustomer>* deleted)
{
    if (!isOpen())
        return notOpen();
    return m_changes.deletedCustomers(deleted);
}

Result SqliteCustomerStore::bringBack(qint64 deletedId, RowId* row)
{
    RowId placed = NoRow;
    const Result result = inTransaction([&] {
        DeletedCustomer deleted;
        Result taken = m_changes.takeDeleted(deletedId, &deleted);
        if (taken.ok())
            taken = putBack(deleted, &placed);
        return taken.ok() ? m_changes.write(ChangeKind::BringBack, placed, nullptr, &deleted.record) : taken;
    });
    if (result.ok() && row)
        *row = placed;
    return result;
}

// Where it stood while nobody took its number since, else at the end.
Result SqliteCustomerStore::putBack(const DeletedCustomer& deleted, RowId* row)
{
    CustomerRecord standing;
    const int code = readRow(deleted.row, &standing);
    if (code != SQLITE_DONE && code != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be read"));
    if (code == SQLITE_ROW) {
        Result appended = runWrite(m_insert, NoRow, &deleted.record);
        if (appended.ok() && sqlite3_changes(m_db) == 0)
            return tableFull();
        *row = sqlite3_last_insert_rowid(m_db);
        return appended;
    }
    SqliteStatement insert;
    if (insert.prepare(m_db, insertAtRowSql().constData()) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be saved"));
    insert.bindRowId(1, deleted.row);
    std::array<QByteArray, CustomerRecord::FieldCount> texts;
    for (CustomerRecord::Field field : CustomerRecord::AllFields) {
        texts[std::size_t(field)] = deleted.record.value(field).toUtf8();
        insert.bindText(int(field) + 2, texts[std::size_t(field)]);
    }
    if (sqlite3_step(insert.handle()) != SQLITE_DONE)
        return engineFailure(QStringLiteral("could not be saved"));
    *row = deleted.row;
    return Result::success();
}

Result SqliteCustomerStore::noteChange(ChangeKind kind, const QString& note)
{
    return inTransaction([&] { return m_changes.write(kind, NoRow, nullptr, nullptr, note); });
}
