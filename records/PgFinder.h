#pragma once

#include "CustomerStore.h"
#include "FinderQueue.h"
#include "PgConnection.h"

// Find in every field on the server: table Finder holds each customer's
// folded texts (see searchTextOf) under a pg_trgm index, and the key two
// repeated customers share (see foldedForMatch). The folding is this
// program's own, so a trigger on Info only queues the rows any program's
// write touched (FinderPending), and the index catches up from the queue:
// in the same transaction after a small change, in steps with progress
// after a large one.
class PgFinder : public FinderQueue
{
public:
    explicit PgFinder(PgConnection& server) : FinderQueue(StepRows), m_server(server) {}

    // Makes the tables, the trigger and the index when absent, queueing
    // every stored row the first time.
    Result prepare();
    Result backlog(qint64* rows) override;
    // The rows of `slice` holding every word, in the natural order.
    Result find(const QStringList& words, const FindSlice& slice, QVector<RowId>* rows);
    // The rows whose name and telephone fold to those of `record`, or that
    // have its e-mail address.
    Result duplicates(const CustomerRecord& record, QVector<RowId>* rows);

    // Rows indexed in one step of catchUp().
    static constexpr int StepRows = 2000;

private:
    Result indexQueued(int limit, int* done) override;
    Result begin() override;
    Result commit() override;
    void rollBack() override;

    PgConnection& m_server;
};
