#pragma once

#include "ChangeHistory.h"
#include "CustomerStore.h"
#include "FinderQueue.h"
#include "Result.h"
#include "SqliteStatement.h"

#include <QStringList>
#include <QVector>


struct sqlite3;

// Find in every field, backed by an FTS5 trigram index (table Finder) of
// each customer's folded texts. The folding is this program's own, so the
// file's triggers only queue the rows a write touched (FinderPending, plain
// SQL that any program writing Info runs too) and the index catches up
// from the queue: in the same transaction after a small change, in steps
// with progress after a large one or on an older file.
class SqliteFinder : public FinderQueue
{
public:
    SqliteFinder() : FinderQueue(StepRows) {}

    void attach(sqlite3* db);
    // The transaction prepareWrite() ran in was rolled back.
    void rolledBack() { m_made = false; }

    // Inside a write transaction: makes the tables and triggers when
    // absent, queueing every stored row.
    Result prepareWrite();

    // Whether the file has the index yet, and whether an earlier version
    // laid it out (it is then made again).
    bool isMade() { return tablesExist(); }
    bool isOutdated();
    Result backlog(qint64* rows) override;
    // The rows of `slice` holding every word, in the natural order.
    Result find(const QStringList& words, const FindSlice& slice, QVector<RowId>* rows);
    // Whether the index finds the first customer it holds by a piece of
    // its own text: a damaged index finds nothing, without an error.
    Result looksSound(bool* sound);
    // Drops a damaged index and queues every row to build it again.
    Result rebuild();

    // Rows indexed in one step of catchUp().
    static constexpr int StepRows = 5000;

private:
    bool tablesExist();
    Result indexQueued(int limit, int* done) override;
    Result begin() override;
    Result commit() override;
    void rollBack() override;
    Result failure(const QString& what) const;

    Result prepareIndexing();

    sqlite3* m_db = nullptr;
    bool m_made = false; // the tables were seen on this connection
    bool m_outdated = false;
    // Prepared once a connection: every write indexes its rows.
    SqliteStatement m_queued, m_read, m_drop, m_insert, m_dequeue, m_count;
};
