#pragma once

#include "ChangeLog.h"
#include "PgConnection.h"

// The tables History and Deleted beside Info on the server, laid out as in
// the local file so that a backup copies them as they are. They are made
// when the store opens; every call that writes runs inside the caller's
// transaction, so a failure here fails the change itself.
class PgChangeLog : public ChangeLog
{
public:
    explicit PgChangeLog(PgConnection& server) : m_server(server) {}

    // Makes the tables when absent and forgets what is older than kept.
    Result prepare();

    Result write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                 const QString& note = {}) override;
    Result keepDeleted(RowId row, const CustomerRecord& record) override;
    Result takeDeleted(qint64 id, DeletedCustomer* deleted) override;

    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) override;
    Result deletedCustomers(QList<DeletedCustomer>* deleted) override;

private:
    PgConnection& m_server;
};
