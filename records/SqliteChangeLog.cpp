#include "SqliteChangeLog.h"

#include <sqlite3.h>

namespace {

const char* const kCreateTables =
    "CREATE TABLE IF NOT EXISTS History (id INTEGER PRIMARY KEY, at TEXT NOT NULL, role TEXT NOT NULL, "
    "computer TEXT NOT NULL, kind TEXT NOT NULL, customer INTEGER, before TEXT, after TEXT, note TEXT);"
    "CREATE INDEX IF NOT EXISTS HistoryByCustomer ON History (customer);"
    "CREATE TABLE IF NOT EXISTS Deleted (id INTEGER PRIMARY KEY, customer INTEGER NOT NULL, "
    "at TEXT NOT NULL, role TEXT NOT NULL, texts TEXT NOT NULL);";

} // namespace

void SqliteChangeLog::attach(sqlite3* db)
{
    m_insert.finalize();
    m_db = db;
    m_ready = false;
}

bool SqliteChangeLog::tablesExist()
{
    SqliteStatement count;
    if (count.prepare(m_db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                            "AND name IN ('History', 'Deleted')") != SQLITE_OK
        || sqlite3_step(count.handle()) != SQLITE_ROW)
        return false;
    return sqlite3_column_int(count.handle(), 0) == 2;
}

Result SqliteChangeLog::prepareWrite()
{
    if (m_ready)
        return Result::success();
    if (sqlite3_exec(m_db, kCreateTables, nullptr, nullptr, nullptr) != SQLITE_OK)
        return failure(QStringLiteral("could not keep its history"));
    // Once a session is enough to forget what is older than kept.
    const QByteArray oldest = historyTimeText(m_clock().addYears(-KeptYears)).toUtf8();
    for (const char* sql : {"DELETE FROM History WHERE at < ?", "DELETE FROM Deleted WHERE at < ?"}) {
        SqliteStatement prune;
        if (prune.prepare(m_db, sql) != SQLITE_OK || prune.bindText(1, oldest) != SQLITE_OK
            || sqlite3_step(prune.handle()) != SQLITE_DONE)
            return failure(QStringLiteral("could not keep its history"));
    }
    m_ready = true;
    return Result::success();
}

Result SqliteChangeLog::write(ChangeKind kind, RowId customer, const CustomerRecord* before,
                              const CustomerRecord* after, const QString& note)
{
    SqliteStatement& insert = m_insert;
    if (!insert.handle()
        && insert.prepare(m_db, "INSERT INTO History (at, role, computer, kind, customer, before, after, note) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)") != SQLITE_OK)
        return failure(QStringLiteral("could not write its history"));
    insert.fresh();
    const std::array<QByteArray, 3> who = {historyTimeText(m_clock()).toUtf8(), m_actor.role.toUtf8(),
                                           m_actor.computer.toUtf8()};
    const QByteArray kindText = changeKindName(kind).toUtf8();
    const QByteArray beforeText = before ? textsJson(*before) : QByteArray();
    const QByteArray afterText = after ? textsJson(*after) : QByteArray();
    const QByteArray noteText = note.toUtf8();
    for (int index = 0; index < 3; ++index)
        insert.bindText(index + 1, who[std::size_t(index)]);
    insert.bindText(4, kindText);
    if (customer != NoRow)
        insert.bindRowId(5, customer);
    if (before)
        insert.bindText(6, beforeText);
    if (after)
        insert.bindText(7, afterText);
    if (!note.isEmpty())
        insert.bindText(8, noteText);
    if (sqlite3_step(insert.handle()) != SQLITE_DONE)
        return failure(QStringLiteral("could not write its history"));
    return Result::success();
}

Result SqliteChangeLog::keepDeleted(RowId row, const CustomerRecord& record)
{
    SqliteStatement insert;
    const QByteArray at = historyTimeText(m_clock()).toUtf8();
    const QByteArray role = m_actor.role.toUtf8();
    const QByteArray texts = textsJson(record);
    if (insert.prepare(m_db, "INSERT INTO Deleted (customer, at, role, texts) VALUES (?, ?, ?, ?)") != SQLITE_OK
        || insert.bindRowId(1, row) != SQLITE_OK || insert.bindText(2, at) != SQLITE_OK
        || insert.bindText(3, role) != SQLITE_OK || insert.bindText(4, texts) != SQLITE_OK
        || sqlite3_step(insert.handle()) != SQLITE_DONE)
        return failure(QStringLiteral("could not keep the deleted customer"));
    return Result::success();
}

Result SqliteChangeLog::takeDeleted(qint64 id, DeletedCustomer* deleted)
{
    SqliteStatement read;
    if (read.prepare(m_db, "SELECT customer, at, role, texts FROM Deleted WHERE id = ?") != SQLITE_OK
        || read.bindRowId(1, id) != SQLITE_OK)
        return failure(QStringLiteral("could not read its deleted customers"));
    const int code = sqlite3_step(read.handle());
    if (code == SQLITE_DONE)
        return Result::failure(QStringLiteral("This customer is no longer kept among the deleted ones: "
                                              "it was brought back or forgotten already."));
    const std::optional<CustomerRecord> record = code == SQLITE_ROW ? recordFromJson(read.text(3)) : std::nullopt;
    if (!record)
        return failure(QStringLiteral("could not read its deleted customers"));
    *deleted = {id, sqlite3_column_int64(read.handle(), 0), historyTimeFrom(read.text(1)), read.text(2), *record};
    read.finalize();
    SqliteStatement drop;
    if (drop.prepare(m_db, "DELETE FROM Deleted WHERE id = ?") != SQLITE_OK || drop.bindRowId(1, id) != SQLITE_OK
        || sqlite3_step(drop.handle()) != SQLITE_DONE)
        return failure(QStringLiteral("could not bring the customer back"));
    return Result::success();
}

Result SqliteChangeLog::history(const HistoryFilter& filter, QList<HistoryEntry>* entries)
{
    entries->clear();
    if (!tablesExist())
        return Result::success();
    SqliteStatement read;
    if (read.prepare(m_db, "SELECT id, at, role, computer, kind, customer, before, after, note FROM History "
                           "WHERE (?1 < 0 OR customer = ?1) AND (?2 = '' OR at >= ?2) AND (?3 = '' OR at < ?3) "
                           "AND (?4 = '' OR kind = ?4) ORDER BY id DESC LIMIT ?5") != SQLITE_OK)
        return failure(QStringLiteral("could not read its history"));
    const QByteArray from = filter.from.isValid() ? historyTimeText(filter.from).toUtf8() : QByteArray("");
    const QByteArray to = filter.to.isValid() ? historyTimeText(filter.to).toUtf8() : QByteArray("");
    const QByteArray kind = filter.kind ? changeKindName(*filter.kind).toUtf8() : QByteArray("");
    read.bindRowId(1, filter.customer);
    read.bindText(2, from);
    read.bindText(3, to);
    read.bindText(4, kind);
    read.bindRowId(5, filter.limit);
    int code;
    while ((code = sqlite3_step(read.handle())) == SQLITE_ROW) {
        HistoryEntry entry;
        entry.id = sqlite3_column_int64(read.handle(), 0);
        entry.at = historyTimeFrom(read.text(1));
        entry.role = read.text(2);
        entry.computer = read.text(3);
        entry.kind = changeKindNamed(read.text(4)).value_or(ChangeKind::Edit);
        entry.customer = sqlite3_column_type(read.handle(), 5) == SQLITE_NULL ? NoRow
                                                                              : sqlite3_column_int64(read.handle(), 5);
        entry.before = recordFromJson(read.text(6));
        entry.after = recordFromJson(read.text(7));
        entry.note = read.text(8);
        entries->append(entry);
    }
    return code == SQLITE_DONE ? Result::success() : failure(QStringLiteral("could not read its history"));
}

Result SqliteChangeLog::deletedCustomers(QList<DeletedCustomer>* deleted)
{
    deleted->clear();
    if (!tablesExist())
        return Result::success();
    SqliteStatement read;
    if (read.prepare(m_db, "SELECT id, customer, at, role, texts FROM Deleted ORDER BY id DESC") != SQLITE_OK)
        return failure(QStringLiteral("could not read its deleted customers"));
    int code;
    while ((code = sqlite3_step(read.handle())) == SQLITE_ROW) {
        const std::optional<CustomerRecord> record = recordFromJson(read.text(4));
        if (record)
            deleted->append({sqlite3_column_int64(read.handle(), 0), sqlite3_column_int64(read.handle(), 1),
                             historyTimeFrom(read.text(2)), read.text(3), *record});
    }
    return code == SQLITE_DONE ? Result::success() : failure(QStringLiteral("could not read its deleted customers"));
}

Result SqliteChangeLog::failure(const QString& what) const
{
    return Result::failure(QStringLiteral("The customer database %1: %2. Nothing has been changed.")
                               .arg(what, QString::fromUtf8(sqlite3_errmsg(m_db))));
}
