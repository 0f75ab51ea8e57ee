#include "PgFinder.h"

#include "CustomerKey.h"
#include "FindText.h"
#include "Utf8Text.h"

#include <libpq-fe.h>

namespace {

// pg_trgm goes into a schema of its own, which no shop's schema takes
// down with it, unless the server has it already somewhere.
const char* const kExtension =
    "CREATE SCHEMA IF NOT EXISTS tallyvane_extensions;"
    "CREATE EXTENSION IF NOT EXISTS pg_trgm SCHEMA tallyvane_extensions;";

const char* const kExtensionSchema =
    "SELECT quote_ident(n.nspname) FROM pg_extension e JOIN pg_namespace n ON n.oid = e.extnamespace "
    "WHERE e.extname = 'pg_trgm'";

const char* const kTables =
    "CREATE TABLE IF NOT EXISTS \"Finder\" (row bigint PRIMARY KEY, texts text NOT NULL, key text NOT NULL);"
    "CREATE INDEX IF NOT EXISTS \"FinderTrigrams\" ON \"Finder\" USING gin (texts %1.gin_trgm_ops);"
    "CREATE INDEX IF NOT EXISTS \"FinderKeys\" ON \"Finder\" (key);"
    "CREATE TABLE IF NOT EXISTS \"FinderPending\" (row bigint PRIMARY KEY);"
    "CREATE OR REPLACE FUNCTION tallyvane_finder_queue() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
    "IF TG_OP <> 'INSERT' THEN INSERT INTO \"FinderPending\" VALUES (OLD.id) ON CONFLICT DO NOTHING; END IF; "
    "IF TG_OP <> 'DELETE' THEN INSERT INTO \"FinderPending\" VALUES (NEW.id) ON CONFLICT DO NOTHING; END IF; "
    "RETURN NULL; END $$;"
    "CREATE OR REPLACE TRIGGER \"FinderQueue\" AFTER INSERT OR UPDATE OR DELETE ON \"Info\" "
    "FOR EACH ROW EXECUTE FUNCTION tallyvane_finder_queue();";

const QString kUpdate = QStringLiteral("could not update its index for finding customers");
const QString kSearch = QStringLiteral("could not search its index for finding customers");

// The key two customers share when their names and telephones agree.
QByteArray matchKey(const QString& name, const QString& telephone)
{
    return (foldedForMatch(name) + QLatin1Char('\n') + foldedForMatch(telephone)).toUtf8();
}

// A word as a LIKE pattern that finds it anywhere, its wildcards taken
// literally.
QByteArray anywhere(const QString& word)
{
    QByteArray escaped = word.toUtf8();
    escaped.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return '%' + escaped + '%';
}

QString text(pg_result* result, int row, int column)
{
    return textFromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
}

} // namespace

Result PgFinder::prepare()
{
    QByteArray existed;
    QByteArray extensions;
    Result result = m_server.value("SELECT to_regclass('\"Finder\"') IS NOT NULL", {}, kUpdate, &existed);
    if (result.ok())
        result = m_server.runScript(kExtension, kUpdate);
    if (result.ok())
        result = m_server.value(kExtensionSchema, {}, kUpdate, &extensions);
    if (result.ok())
        result = m_server.runScript(QByteArray(kTables).replace("%1", extensions), kUpdate);
    if (result.ok() && existed == "f")
        result = m_server.run("INSERT INTO \"FinderPending\" SELECT id FROM \"Info\" ON CONFLICT DO NOTHING", {},
                              kUpdate);
    return result;
}

Result PgFinder::backlog(qint64* rows)
{
    QByteArray counted;
    const Result result = m_server.value("SELECT count(*) FROM \"FinderPending\"", {}, kUpdate, &counted);
    *rows = result.ok() ? counted.toLongLong() : 0;
    return result;
}

Result PgFinder::begin()
{
    return m_server.run("BEGIN", {}, kUpdate);
}

Result PgFinder::commit()
{
    return m_server.run("COMMIT", {}, kUpdate);
}

void PgFinder::rollBack()
{
    m_server.run("ROLLBACK", {}, kUpdate);
}

// Each queued row's entry made anew from what Info holds now, or dropped
// when the row is gone. Rows another counter is indexing are left to it.
Result PgFinder::indexQueued(int limit, int* done)
{
    *done = 0;
    PgResult queued;
    const QByteArray count = QByteArray::number(limit);
    Result result = m_server.run("SELECT p.row, i.id IS NOT NULL, " + CustomerRecord::quotedColumns()
                                     + " FROM \"FinderPending\" p LEFT JOIN \"Info\" i ON i.id = p.row "
                                       "ORDER BY p.row LIMIT $1 FOR UPDATE OF p SKIP LOCKED",
                                 {count}, kUpdate, &queued);
    for (int row = 0; result.ok() && row < PQntuples(queued.get()); ++row) {
        const QByteArray id(PQgetvalue(queued.get(), row, 0));
        if (QByteArrayView(PQgetvalue(queued.get(), row, 1)) == "t") {
            CustomerRecord record;
            for (CustomerRecord::Field field : CustomerRecord::AllFields)
                record.setValue(field, text(queued.get(), row, 2 + int(field)));
            const QByteArray texts = searchTextOf(record).toUtf8();
            const QByteArray key = matchKey(record.value(CustomerRecord::Field::Name),
                                            record.value(CustomerRecord::Field::Zip));
            result = m_server.run("INSERT INTO \"Finder\" (row, texts, key) VALUES ($1, $2, $3) ON CONFLICT (row) "
                                  "DO UPDATE SET texts = excluded.texts, key = excluded.key",
                                  {id, texts, key}, kUpdate);
        } else {
            result = m_server.run("DELETE FROM \"Finder\" WHERE row = $1", {id}, kUpdate);
        }
        if (result.ok())
            result = m_server.run("DELETE FROM \"FinderPending\" WHERE row = $1", {id}, kUpdate);
        *done += result.ok() ? 1 : 0;
    }
    return result;
}

Result PgFinder::find(const QStringList& words, const FindSlice& slice, QVector<RowId>* rows)
{
    rows->clear();
    const QByteArray after = QByteArray::number(slice.after);
    const QByteArray through = QByteArray::number(slice.through);
    const QByteArray limit = QByteArray::number(slice.limit);
    PgConnection::Parameters parameters{after, through, limit};
    QList<QByteArray> patterns;
    QByteArray sql = "SELECT row FROM \"Finder\" WHERE row > $1 AND row <= $2";
    for (const QString& word : words) {
        patterns << anywhere(word);
        sql += " AND texts LIKE $" + QByteArray::number(3 + patterns.size());
    }
    for (const QByteArray& pattern : std::as_const(patterns))
        parameters.push_back(pattern);
    PgResult found;
    const Result result = m_server.run(sql + " ORDER BY row LIMIT $3", parameters, kSearch, &found);
    for (int row = 0; result.ok() && row < PQntuples(found.get()); ++row)
        rows->append(QByteArrayView(PQgetvalue(found.get(), row, 0)).toLongLong());
    return result;
}

Result PgFinder::duplicates(const CustomerRecord& record, QVector<RowId>* rows)
{
    rows->clear();
    const QByteArray key = matchKey(record.value(CustomerRecord::Field::Name), record.value(CustomerRecord::Field::Zip));
    const QByteArray email = record.value(CustomerRecord::Field::FAX).trimmed().toUtf8();
    PgResult found;
    const Result result = m_server.run(
        "SELECT f.row FROM \"Finder\" f WHERE f.key = $1 UNION SELECT i.id FROM \"Info\" i "
        "WHERE $2 <> '' AND lower(trim(i.\"FAX\")) = lower($2) ORDER BY 1",
        {key, email}, kSearch, &found);
    for (int row = 0; result.ok() && row < PQntuples(found.get()); ++row)
        rows->append(QByteArrayView(PQgetvalue(found.get(), row, 0)).toLongLong());
    return result;
}
