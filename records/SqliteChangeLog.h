#pragma once

#include "ChangeLog.h"
#include "SqliteStatement.h"

#include <functional>

struct sqlite3;

// The tables History and Deleted beside Info. They are made on the first
// write to a file that lacks them, inside that write's transaction, so an
// older file opens unchanged and a file with them still opens wherever
// only Info is known. Every call that writes runs inside the caller's
// transaction: a failure here fails the change itself.
class SqliteChangeLog : public ChangeLog
{
public:
    explicit SqliteChangeLog(Clock clock = {}) : ChangeLog(std::move(clock)) {}

    void attach(sqlite3* db);

    // Within a write transaction, before anything else is written.
    Result prepareWrite();
    // The transaction prepareWrite() ran in was rolled back.
    void rolledBack() { m_ready = false; }

    Result write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                 const QString& note = {}) override;
    Result keepDeleted(RowId row, const CustomerRecord& record) override;
    Result takeDeleted(qint64 id, DeletedCustomer* deleted) override;

    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) override;
    Result deletedCustomers(QList<DeletedCustomer>* deleted) override;

private:
    bool tablesExist();
    Result failure(const QString& what) const;

    sqlite3* m_db = nullptr;
    bool m_ready = false;
    SqliteStatement m_insert; // prepared once a connection: every change writes one row
};
