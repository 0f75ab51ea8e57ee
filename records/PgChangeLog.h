#pragma once

#include "ChangeHistory.h"
#include "PgConnection.h"

#include <functional>

// The tables History and Deleted beside Info on the server, laid out as in
// the local file so that a backup copies them as they are. They are made
// when the store opens; every call that writes runs inside the caller's
// transaction, so a failure here fails the change itself.
class PgChangeLog
{
public:
    using Clock = std::function<QDateTime()>;

    explicit PgChangeLog(PgConnection& server);

    void setActor(const ChangeActor& actor) { m_actor = actor; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Makes the tables when absent and forgets what is older than kept.
    Result prepare();

    Result write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                 const QString& note = {});
    Result keepDeleted(RowId row, const CustomerRecord& record);
    // Takes a kept customer out of Deleted, telling what it was.
    Result takeDeleted(qint64 id, DeletedCustomer* deleted);

    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries);
    Result deletedCustomers(QList<DeletedCustomer>* deleted);

    static constexpr int KeptYears = 2;

private:
    PgConnection& m_server;
    Clock m_clock;
    ChangeActor m_actor;
};
