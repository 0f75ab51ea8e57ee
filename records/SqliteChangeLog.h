#pragma once

#include "ChangeHistory.h"
#include "Result.h"
#include "SqliteStatement.h"

#include <functional>

struct sqlite3;

// The tables History and Deleted beside Info. They are made on the first
// write to a file that lacks them, inside that write's transaction, so an
// older file opens unchanged and a file with them still opens wherever
// only Info is known. Every call that writes runs inside the caller's
// transaction: a failure here fails the change itself.
class SqliteChangeLog
{
public:
    using Clock = std::function<QDateTime()>;

    explicit SqliteChangeLog(Clock clock = {});

    void attach(sqlite3* db);
    void setActor(const ChangeActor& actor) { m_actor = actor; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Within a write transaction, before anything else is written.
    Result prepareWrite();
    // The transaction prepareWrite() ran in was rolled back.
    void rolledBack() { m_ready = false; }

    Result write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                 const QString& note = {});
    Result keepDeleted(RowId row, const CustomerRecord& record);
    // Takes a kept customer out of Deleted, telling what it was.
    Result takeDeleted(qint64 id, DeletedCustomer* deleted);

    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries);
    Result deletedCustomers(QList<DeletedCustomer>* deleted);

    // How long the history and the deleted customers are kept.
    static constexpr int KeptYears = 2;

private:
    bool tablesExist();
    Result failure(const QString& what) const;

    Clock m_clock;
    sqlite3* m_db = nullptr;
    bool m_ready = false;
    SqliteStatement m_insert; // prepared once a connection: every change writes one row
    ChangeActor m_actor;
};
