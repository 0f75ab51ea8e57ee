#include "SqliteCustomerStore.h"

#include "FindText.h"

#include <sqlite3.h>

// Find in every field, through the index the store keeps beside Info.

Result SqliteCustomerStore::findBacklog(qint64* rows)
{
    if (!isOpen())
        return notOpen();
    // An index laid out by an earlier version is made again, queueing
    // every row, so the window shows it being built.
    if (m_finder.isOutdated()) {
        if (const Result rebuilt = m_finder.rebuild(); !rebuilt.ok())
            return rebuilt;
    }
    return m_finder.backlog(rows);
}

Result SqliteCustomerStore::buildFindIndex(const FindProgress& progress)
{
    // An older file gets its index (and the rest of the safety net) here.
    Result result = inTransaction([] { return Result::success(); });
    return result.ok() ? m_finder.catchUp(progress) : result;
}

Result SqliteCustomerStore::findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows)
{
    rows->clear();
    const QStringList words = searchWords(typed);
    if (words.isEmpty())
        return Result::success();
    qint64 waiting = 0;
    if (const Result counted = findBacklog(&waiting); !counted.ok())
        return counted;
    if (!m_finder.isMade() || waiting > 0) {
        if (const Result built = buildFindIndex({}); !built.ok())
            return built;
    }
    bool sound = true;
    if (!m_findProbed) {
        if (const Result probed = m_finder.looksSound(&sound); !probed.ok())
            return probed;
        m_findProbed = sound;
    }
    const Result found = sound ? m_finder.find(words, slice, rows) : Result::failure(QString());
    if (found.ok())
        return found;
    if (sound && (sqlite3_extended_errcode(m_db) & 0xff) != SQLITE_CORRUPT)
        return found;
    // A damaged index is made again from Info; the customers lose nothing.
    const Result rebuilt = m_finder.rebuild();
    return Result::failure(rebuilt.ok() ? QStringLiteral("The index for finding customers was damaged and has been "
                                                         "built again. Please type the search once more.")
                                        : rebuilt.message());
}
