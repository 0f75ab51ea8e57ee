#include "SqliteFinder.h"

#include "FindText.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

// Without positions (detail = none) the index is a third of the size and
// faster to write; it only narrows the rows down, and each word is then
// looked for in the texts kept beside it.
const char* const kFinderTable =
    "CREATE VIRTUAL TABLE Finder USING fts5(texts, tokenize = 'trigram case_sensitive 1', detail = none, "
    "columnsize = 0)";

const char* const kQueueing =
    "CREATE TABLE IF NOT EXISTS FinderPending (row INTEGER PRIMARY KEY);"
    "CREATE TRIGGER IF NOT EXISTS FinderAdded AFTER INSERT ON Info BEGIN "
    "INSERT OR IGNORE INTO FinderPending VALUES (new.rowid); END;"
    "CREATE TRIGGER IF NOT EXISTS FinderChanged AFTER UPDATE ON Info BEGIN "
    "INSERT OR IGNORE INTO FinderPending VALUES (old.rowid); "
    "INSERT OR IGNORE INTO FinderPending VALUES (new.rowid); END;"
    "CREATE TRIGGER IF NOT EXISTS FinderRemoved AFTER DELETE ON Info BEGIN "
    "INSERT OR IGNORE INTO FinderPending VALUES (old.rowid); END;"
    "INSERT OR IGNORE INTO FinderPending SELECT rowid FROM Info;";

QByteArray createSql()
{
    return QByteArray(kFinderTable) + ';' + kQueueing;
}

// A trigram index serves words of three characters or more.
bool indexable(const QString& word)
{
    return word.toUcs4().size() >= 3;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The trigrams of the words the index serves, as one FTS5 query: every
// third one and the last cover each word, and a row must hold them all.
QByteArray indexQuery(const QStringList& words)
{
    QStringList trigrams;
    for (const QString& word : words) {
        const QList<uint> characters = word.toUcs4();
        const qsizetype last = characters.size() - 3;
        for (qsizetype start = 0; last >= 0; start += 3) {
            start = std::min(start, last);
            const QList<uint> trigram = characters.mid(start, 3);
            trigrams << quoted(QString::fromUcs4(reinterpret_cast<const char32_t*>(trigram.constData()), 3));
            if (start == last)
                break;
        }
    }
    trigrams.removeDuplicates();
    return trigrams.join(QStringLiteral(" AND ")).toUtf8();
}

// Parameters: 1 after, 2 through, 3 limit, 4 the index query when the
// index is used, then the words looked for in the texts.
QByteArray findSql(qsizetype checkedWords, bool useIndex)
{
    QByteArray where;
    int parameter = useIndex ? 5 : 4;
    for (qsizetype word = 0; word < checkedWords; ++word)
        where += " AND instr(texts, ?" + QByteArray::number(parameter++) + ") > 0";
    if (!useIndex)
        return "SELECT id FROM Finder_content WHERE id > ?1 AND id <= ?2" + where.replace("texts", "c0")
            + " ORDER BY id LIMIT ?3";
    return "SELECT rowid FROM Finder WHERE Finder MATCH ?4 AND rowid > ?1 AND rowid <= ?2" + where
        + " ORDER BY rowid LIMIT ?3";
}

} // namespace

void SqliteFinder::attach(sqlite3* db)
{
    for (SqliteStatement* statement : {&m_queued, &m_read, &m_drop, &m_insert, &m_dequeue, &m_count})
        statement->finalize();
    m_db = db;
    m_made = false;
}

bool SqliteFinder::tablesExist()
{
    if (m_made)
        return true;
    SqliteStatement tables;
    if (tables.prepare(m_db, "SELECT name, sql FROM sqlite_master WHERE name IN ('Finder', 'FinderPending')")
        != SQLITE_OK)
        return false;
    int found = 0;
    m_outdated = false;
    while (sqlite3_step(tables.handle()) == SQLITE_ROW) {
        ++found;
        if (tables.text(0) == QLatin1String("Finder"))
            m_outdated = tables.text(1) != QLatin1String(kFinderTable);
    }
    m_made = found == 2;
    return m_made;
}

bool SqliteFinder::isOutdated()
{
    return tablesExist() && m_outdated;
}

Result SqliteFinder::prepareWrite()
{
    if (tablesExist())
        return Result::success();
    if (sqlite3_exec(m_db, createSql().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return failure(QStringLiteral("could not make its index for finding customers"));
    return Result::success();
}

Result SqliteFinder::backlog(qint64* rows)
{
    *rows = 0;
    if (!tablesExist())
        return Result::success();
    if (const Result prepared = prepareIndexing(); !prepared.ok())
        return prepared;
    m_count.fresh();
    if (sqlite3_step(m_count.handle()) != SQLITE_ROW)
        return failure(QStringLiteral("could not read its index for finding customers"));
    *rows = sqlite3_column_int64(m_count.handle(), 0);
    m_count.fresh();
    return Result::success();
}

Result SqliteFinder::begin()
{
    return sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK
        ? Result::success()
        : failure(QStringLiteral("could not build its index for finding customers"));
}

Result SqliteFinder::commit()
{
    return sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK
        ? Result::success()
        : failure(QStringLiteral("could not build its index for finding customers"));
}

void SqliteFinder::rollBack()
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

// Each queued row's entry in the index made anew from what Info holds
// now, or dropped when the row is gone.
Result SqliteFinder::prepareIndexing()
{
    if (m_count.handle())
        return Result::success();
    const QByteArray columns = CustomerRecord::quotedColumns();
    if (m_queued.prepare(m_db, "SELECT row FROM FinderPending ORDER BY row LIMIT ?") != SQLITE_OK
        || m_read.prepare(m_db, "SELECT " + columns + " FROM Info WHERE rowid = ?") != SQLITE_OK
        || m_drop.prepare(m_db, "DELETE FROM Finder WHERE rowid = ?") != SQLITE_OK
        || m_insert.prepare(m_db, "INSERT INTO Finder (rowid, texts) VALUES (?, ?)") != SQLITE_OK
        || m_dequeue.prepare(m_db, "DELETE FROM FinderPending WHERE row = ?") != SQLITE_OK
        || m_count.prepare(m_db, "SELECT count(*) FROM FinderPending") != SQLITE_OK) {
        const Result failed = failure(QStringLiteral("could not update its index for finding customers"));
        for (SqliteStatement* statement : {&m_queued, &m_read, &m_drop, &m_insert, &m_dequeue, &m_count})
            statement->finalize();
        return failed;
    }
    return Result::success();
}

Result SqliteFinder::indexQueued(int limit, int* done)
{
    *done = 0;
    if (const Result prepared = prepareIndexing(); !prepared.ok())
        return prepared;
    SqliteStatement &queued = m_queued, &read = m_read, &drop = m_drop, &insert = m_insert, &dequeue = m_dequeue;
    queued.fresh();
    QVector<RowId> rows;
    queued.bindRowId(1, limit);
    while (sqlite3_step(queued.handle()) == SQLITE_ROW)
        rows.append(sqlite3_column_int64(queued.handle(), 0));
    queued.fresh();
    for (const RowId row : rows) {
        for (SqliteStatement* statement : {&read, &drop, &insert, &dequeue})
            statement->fresh();
        read.bindRowId(1, row);
        drop.bindRowId(1, row);
        dequeue.bindRowId(1, row);
        const int code = sqlite3_step(read.handle());
        bool ok = (code == SQLITE_ROW || code == SQLITE_DONE) && sqlite3_step(drop.handle()) == SQLITE_DONE;
        if (ok && code == SQLITE_ROW) {
            CustomerRecord record;
            for (CustomerRecord::Field field : CustomerRecord::AllFields)
                record.setValue(field, read.text(int(field)));
            const QByteArray text = searchTextOf(record).toUtf8();
            ok = insert.bindRowId(1, row) == SQLITE_OK && insert.bindText(2, text) == SQLITE_OK
                && sqlite3_step(insert.handle()) == SQLITE_DONE;
        }
        if (!ok || sqlite3_step(dequeue.handle()) != SQLITE_DONE)
            return failure(QStringLiteral("could not update its index for finding customers"));
        ++*done;
    }
    for (SqliteStatement* statement : {&read, &drop, &insert, &dequeue})
        statement->fresh();
    return Result::success();
}

Result SqliteFinder::find(const QStringList& words, const FindSlice& slice, QVector<RowId>* rows)
{
    rows->clear();
    const QByteArray query = indexQuery(words);
    // Short words, and words most rows hold, read fastest from the plain
    // texts; a word of three characters is one trigram, which the index
    // holds exactly.
    const bool useIndex = !query.isEmpty() && !slice.common;
    QList<QByteArray> checked;
    for (const QString& word : words) {
        if (!useIndex || word.toUcs4().size() != 3)
            checked << word.toUtf8();
    }
    SqliteStatement find;
    if (find.prepare(m_db, findSql(checked.size(), useIndex).constData()) != SQLITE_OK)
        return failure(QStringLiteral("could not search its index for finding customers"));
    find.bindRowId(1, slice.after);
    find.bindRowId(2, slice.through);
    find.bindRowId(3, slice.limit);
    int parameter = 4;
    if (useIndex)
        find.bindText(parameter++, query);
    for (const QByteArray& word : checked)
        find.bindText(parameter++, word);
    int code;
    while ((code = sqlite3_step(find.handle())) == SQLITE_ROW)
        rows->append(sqlite3_column_int64(find.handle(), 0));
    return code == SQLITE_DONE ? Result::success()
                               : failure(QStringLiteral("could not search its index for finding customers"));
}

Result SqliteFinder::looksSound(bool* sound)
{
    *sound = true;
    SqliteStatement first;
    if (first.prepare(m_db, "SELECT id, c0 FROM Finder_content ORDER BY id LIMIT 1") != SQLITE_OK)
        return failure(QStringLiteral("could not read its index for finding customers"));
    if (sqlite3_step(first.handle()) != SQLITE_ROW)
        return Result::success();
    const RowId row = sqlite3_column_int64(first.handle(), 0);
    const QStringList lines = first.text(1).split(QLatin1Char('\n'));
    const auto piece = std::find_if(lines.begin(), lines.end(), [](const QString& line) { return indexable(line); });
    if (piece == lines.end())
        return Result::success();
    QVector<RowId> rows;
    const Result found = find({*piece}, {}, &rows);
    *sound = found.ok() && rows.contains(row);
    return Result::success();
}

Result SqliteFinder::rebuild()
{
    attach(m_db);
    const char* const again = "BEGIN IMMEDIATE; DROP TABLE IF EXISTS Finder; DROP TABLE IF EXISTS FinderPending;";
    if (sqlite3_exec(m_db, again, nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_exec(m_db, createSql().constData(), nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return failure(QStringLiteral("could not build its index for finding customers again"));
    }
    return Result::success();
}

Result SqliteFinder::failure(const QString& what) const
{
    return Result::failure(QStringLiteral("The customer database %1: %2.")
                               .arg(what, QString::fromUtf8(sqlite3_errmsg(m_db))));
}
