#pragma once

#include "ChangeHistory.h"
#include "Result.h"

#include <functional>

// What a store keeps beside Info: the history of its changes and the
// customers deleted, to be brought back. Every call that writes runs
// inside the store's transaction, so a failure here fails the change.
class ChangeLog
{
public:
    using Clock = std::function<QDateTime()>;

    virtual ~ChangeLog() = default;

    void setActor(const ChangeActor& actor) { m_actor = actor; }
    void setClock(Clock clock);

    virtual Result write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                         const QString& note = {}) = 0;
    virtual Result keepDeleted(RowId row, const CustomerRecord& record) = 0;
    // Takes a kept customer out of Deleted, telling what it was.
    virtual Result takeDeleted(qint64 id, DeletedCustomer* deleted) = 0;

    virtual Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) = 0;
    virtual Result deletedCustomers(QList<DeletedCustomer>* deleted) = 0;

    // Takes a kept customer out of Deleted, has `putBack` store it again
    // and writes that down; `row` tells where it went.
    using PutBack = std::function<Result(const DeletedCustomer& deleted, RowId* row)>;
    Result bringBack(qint64 deletedId, const PutBack& putBack, RowId* row);

    // How long the history and the deleted customers are kept.
    static constexpr int KeptYears = 2;

protected:
    explicit ChangeLog(Clock clock = {});

    Clock m_clock;
    ChangeActor m_actor;
};

// The bookkeeping of a batch of writes: the rows added and replaced, and
// the first failure, which fails the whole batch even when its filler went
// on; at the end one history row says what the batch did.
class BatchTally
{
public:
    // Runs one row's write unless an earlier one failed, and counts it.
    Result write(bool replacing, const std::function<Result()>& work);
    // `filled`, or the first failure, after the history row of the batch.
    Result finish(const Result& filled, ChangeLog& log, const QString& from);
    qint64 added() const { return m_added; }

private:
    qint64 m_added = 0;
    qint64 m_replaced = 0;
    Result m_failed = Result::success();
};
