#include "PgChangeLog.h"

#include "Utf8Text.h"

#include <libpq-fe.h>

namespace {

const char* const kCreateTables =
    "CREATE TABLE IF NOT EXISTS \"History\" (id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY, "
    "at text NOT NULL, role text NOT NULL, computer text NOT NULL, kind text NOT NULL, customer bigint, "
    "before text, after text, note text);"
    "CREATE INDEX IF NOT EXISTS \"HistoryByCustomer\" ON \"History\" (customer);"
    "CREATE TABLE IF NOT EXISTS \"Deleted\" (id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY, "
    "customer bigint NOT NULL, at text NOT NULL, role text NOT NULL, texts text NOT NULL);";

QString text(pg_result* result, int row, int column)
{
    return textFromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
}

qint64 number(pg_result* result, int row, int column)
{
    return QByteArrayView(PQgetvalue(result, row, column), PQgetlength(result, row, column)).toLongLong();
}

QByteArrayView orNull(const QByteArray& value, bool present)
{
    return present ? QByteArrayView(value) : PgConnection::null();
}

const QString kWriteHistory = QStringLiteral("could not write its history");
const QString kReadHistory = QStringLiteral("could not read its history");
const QString kDeleted = QStringLiteral("could not keep the deleted customer");
const QString kReadDeleted = QStringLiteral("could not read its deleted customers");

} // namespace

Result PgChangeLog::prepare()
{
    Result result = m_server.runScript(kCreateTables, kWriteHistory);
    const QByteArray oldest = historyTimeText(m_clock().addYears(-KeptYears)).toUtf8();
    for (const char* sql : {"DELETE FROM \"History\" WHERE at < $1", "DELETE FROM \"Deleted\" WHERE at < $1"}) {
        if (result.ok())
            result = m_server.run(sql, {oldest}, kWriteHistory);
    }
    return result;
}

Result PgChangeLog::write(ChangeKind kind, RowId customer, const CustomerRecord* before, const CustomerRecord* after,
                          const QString& note)
{
    const QByteArray at = historyTimeText(m_clock()).toUtf8();
    const QByteArray role = m_actor.role.toUtf8();
    const QByteArray computer = m_actor.computer.toUtf8();
    const QByteArray kindText = changeKindName(kind).toUtf8();
    const QByteArray row = QByteArray::number(customer);
    const QByteArray beforeText = before ? textsJson(*before) : QByteArray();
    const QByteArray afterText = after ? textsJson(*after) : QByteArray();
    const QByteArray noteText = note.toUtf8();
    return m_server.run("INSERT INTO \"History\" (at, role, computer, kind, customer, before, after, note) "
                        "VALUES ($1, $2, $3, $4, $5, $6, $7, $8)",
                        {at, role, computer, kindText, orNull(row, customer != NoRow), orNull(beforeText, before),
                         orNull(afterText, after), orNull(noteText, !note.isEmpty())},
                        kWriteHistory);
}

Result PgChangeLog::keepDeleted(RowId row, const CustomerRecord& record)
{
    const QByteArray customer = QByteArray::number(row);
    const QByteArray at = historyTimeText(m_clock()).toUtf8();
    const QByteArray role = m_actor.role.toUtf8();
    const QByteArray texts = textsJson(record);
    return m_server.run("INSERT INTO \"Deleted\" (customer, at, role, texts) VALUES ($1, $2, $3, $4)",
                        {customer, at, role, texts}, kDeleted);
}

Result PgChangeLog::takeDeleted(qint64 id, DeletedCustomer* deleted)
{
    PgResult taken;
    const QByteArray number = QByteArray::number(id);
    if (const Result result = m_server.run("DELETE FROM \"Deleted\" WHERE id = $1 RETURNING customer, at, role, texts",
                                           {number}, QStringLiteral("could not bring the customer back"), &taken);
        !result.ok())
        return result;
    if (PQntuples(taken.get()) == 0)
        return Result::failure(QStringLiteral("This customer is no longer kept among the deleted ones: "
                                              "it was brought back or forgotten already."));
    const std::optional<CustomerRecord> record = recordFromJson(text(taken.get(), 0, 3));
    if (!record)
        return Result::failure(QStringLiteral("The deleted customer could not be read: its texts are damaged."));
    *deleted = {id, ::number(taken.get(), 0, 0), historyTimeFrom(text(taken.get(), 0, 1)), text(taken.get(), 0, 2),
                *record};
    return Result::success();
}

Result PgChangeLog::history(const HistoryFilter& filter, QList<HistoryEntry>* entries)
{
    entries->clear();
    const QByteArray customer = QByteArray::number(filter.customer);
    const QByteArray from = filter.from.isValid() ? historyTimeText(filter.from).toUtf8() : QByteArray("");
    const QByteArray to = filter.to.isValid() ? historyTimeText(filter.to).toUtf8() : QByteArray("");
    const QByteArray kind = filter.kind ? changeKindName(*filter.kind).toUtf8() : QByteArray("");
    const QByteArray limit = QByteArray::number(filter.limit);
    PgResult read;
    if (const Result result = m_server.run(
            "SELECT id, at, role, computer, kind, customer, before, after, note FROM \"History\" "
            "WHERE ($1::bigint < 0 OR customer = $1::bigint) AND ($2 = '' OR at >= $2) AND ($3 = '' OR at < $3) "
            "AND ($4 = '' OR kind = $4) ORDER BY id DESC LIMIT $5",
            {customer, from, to, kind, limit}, kReadHistory, &read);
        !result.ok())
        return result;
    for (int row = 0; row < PQntuples(read.get()); ++row) {
        HistoryEntry entry;
        entry.id = number(read.get(), row, 0);
        entry.at = historyTimeFrom(text(read.get(), row, 1));
        entry.role = text(read.get(), row, 2);
        entry.computer = text(read.get(), row, 3);
        entry.kind = changeKindNamed(text(read.get(), row, 4)).value_or(ChangeKind::Edit);
        entry.customer = PQgetisnull(read.get(), row, 5) ? NoRow : number(read.get(), row, 5);
        entry.before = recordFromJson(text(read.get(), row, 6));
        entry.after = recordFromJson(text(read.get(), row, 7));
        entry.note = text(read.get(), row, 8);
        entries->append(entry);
    }
    return Result::success();
}

Result PgChangeLog::deletedCustomers(QList<DeletedCustomer>* deleted)
{
    deleted->clear();
    PgResult read;
    if (const Result result = m_server.run("SELECT id, customer, at, role, texts FROM \"Deleted\" ORDER BY id DESC",
                                           {}, kReadDeleted, &read);
        !result.ok())
        return result;
    for (int row = 0; row < PQntuples(read.get()); ++row) {
        if (const std::optional<CustomerRecord> record = recordFromJson(text(read.get(), row, 4)))
            deleted->append({number(read.get(), row, 0), number(read.get(), row, 1),
                             historyTimeFrom(text(read.get(), row, 2)), text(read.get(), row, 3), *record});
    }
    return Result::success();
}
