#pragma once

#include "ChangeLog.h"
#include "CustomerStore.h"

// The part of the safety net every store shares: its change log keeps the
// history and the deleted customers, and a deleted one comes back in one
// transaction of the store with the history row that says so.
class LoggedCustomerStore : public CustomerStore
{
public:
    void setActor(const ChangeActor& actor) override { changeLog().setActor(actor); }
    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) override;
    Result deletedCustomers(QList<DeletedCustomer>* deleted) override;
    Result bringBack(qint64 deletedId, RowId* row = nullptr) override;
    Result noteChange(ChangeKind kind, const QString& note) override;

    // For tests of what the history keeps and forgets.
    void setClock(ChangeLog::Clock clock) { changeLog().setClock(std::move(clock)); }

protected:
    virtual ChangeLog& changeLog() = 0;
    // Runs `work` in one write transaction: all of it or nothing.
    virtual Result inTransaction(const std::function<Result()>& work) = 0;
    // Stores a deleted customer again, inside the transaction; `row` tells where.
    virtual Result putBack(const DeletedCustomer& deleted, RowId* row) = 0;
    virtual Result notOpen() const = 0;
};
