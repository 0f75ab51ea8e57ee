#pragma once

#include "Result.h"

#include <QtGlobal>

#include <functional>

// The queue an index for finding customers catches up from: the rows a
// write touched wait there until their entries are made anew. A short
// queue is indexed inside the write that made it; a long one in steps of
// their own transactions, with progress.
class FinderQueue
{
public:
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    virtual ~FinderQueue() = default;

    virtual Result backlog(qint64* rows) = 0;
    // Inside a write transaction, after the write: indexes a short queue.
    Result catchUpSmall();
    // Indexes the whole queue; false from `progress` stops after the step
    // it is in.
    Result catchUp(const Progress& progress);

    // A queue this short is indexed inside the write that made it.
    static constexpr int SmallQueue = 64;

protected:
    explicit FinderQueue(int stepRows) : m_stepRows(stepRows) {}

    // Indexes up to `limit` queued rows inside the current transaction.
    virtual Result indexQueued(int limit, int* done) = 0;
    // One step's transaction.
    virtual Result begin() = 0;
    virtual Result commit() = 0;
    virtual void rollBack() = 0;

private:
    int m_stepRows;
};
