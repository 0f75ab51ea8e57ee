#include "PgCustomerStore.h"

#include "FindText.h"
#include "NumberText.h"
#include "Utf8Text.h"

#include <QSet>

#include <libpq-fe.h>

namespace {

using Field = CustomerRecord::Field;

// Each column's text as it was read: a NULL written by another program
// reads as the empty text, as it shows.
QByteArray storedColumns()
{
    QByteArray list;
    for (Field field : CustomerRecord::AllFields) {
        if (!list.isEmpty())
            list += ", ";
        list += "coalesce(\"" + QByteArray(CustomerRecord::columnName(field).data()) + "\", '')";
    }
    return list;
}

QByteArray placeholders(int first, int count)
{
    QByteArray list;
    for (int number = first; number < first + count; ++number)
        list += (list.isEmpty() ? "$" : ", $") + QByteArray::number(number);
    return list;
}

QByteArray assignments()
{
    QByteArray list;
    int number = 1;
    for (Field field : CustomerRecord::AllFields) {
        if (!list.isEmpty())
            list += ", ";
        list += '"' + QByteArray(CustomerRecord::columnName(field).data()) + "\" = $" + QByteArray::number(number++);
    }
    return list;
}

QByteArray createTableSql()
{
    return "CREATE TABLE IF NOT EXISTS \"Info\" (" + CustomerRecord::quotedColumns(" text")
        + ", id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY)";
}

QString text(pg_result* result, int row, int column)
{
    return textFromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
}

double number(pg_result* result, int row, int column)
{
    return numberFromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
}

CustomerSummary::Sex sex(pg_result* result, int row, int column)
{
    const QByteArrayView value(PQgetvalue(result, row, column), PQgetlength(result, row, column));
    if (value == "m")
        return CustomerSummary::Sex::Male;
    return value == "f" ? CustomerSummary::Sex::Female : CustomerSummary::Sex::Other;
}

// The sixteen texts from `first` on.
CustomerRecord recordOf(pg_result* result, int row, int first)
{
    CustomerRecord record;
    for (Field field : CustomerRecord::AllFields)
        record.setValue(field, text(result, row, first + int(field)));
    return record;
}

void appendTexts(PgConnection::Parameters* parameters, const CustomerRecord::Utf8Texts& texts)
{
    for (const QByteArrayView value : texts)
        parameters->push_back(value);
}

QString relationKind(const QString& kind)
{
    if (kind == QLatin1String("v"))
        return QStringLiteral("view");
    if (kind == QLatin1String("m"))
        return QStringLiteral("materialized view");
    return kind == QLatin1String("f") ? QStringLiteral("foreign table") : QStringLiteral("database object");
}

RowId rowIdOf(pg_result* result, int row, int column)
{
    return QByteArrayView(PQgetvalue(result, row, column), PQgetlength(result, row, column)).toLongLong();
}

const QString kRead = QStringLiteral("could not be read");
const QString kSave = QStringLiteral("could not be saved");

// Each table's own channel, so that counters on another schema of the
// same database are not disturbed.
const char* const kNotifying =
    "CREATE OR REPLACE FUNCTION tallyvane_notify() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
    "IF current_setting('tallyvane.bulk', true) = 'on' THEN RETURN NULL; END IF; "
    "PERFORM pg_notify('tallyvane ' || TG_TABLE_SCHEMA, (CASE WHEN TG_OP = 'DELETE' THEN OLD.id ELSE NEW.id END)::text); "
    "RETURN NULL; END $$;"
    "CREATE OR REPLACE TRIGGER \"InfoNotify\" AFTER INSERT OR UPDATE OR DELETE ON \"Info\" "
    "FOR EACH ROW EXECUTE FUNCTION tallyvane_notify();";

// What a change of every customer at once notifies.
const QByteArray kEveryRow = "every row";

} // namespace

PgCustomerStore::PgCustomerStore(const QString& uri) : m_uri(uri) {}

// The table is looked at before anything changes: a server whose Info is
// not this program's is refused and left as it was.
Result PgCustomerStore::open()
{
    ++m_openings;
    m_heard.clear();
    Result result = m_server.open(m_uri);
    if (result.ok())
        result = prepareTables();
    if (result.ok())
        result = prepareStatements();
    if (!result.ok())
        close();
    return result;
}

// In one transaction under a lock of the whole database, so that counters
// opening at once never make the same table or extension twice, and a
// refused table leaves nothing changed.
Result PgCustomerStore::prepareTables()
{
    const QString what = QStringLiteral("could not be prepared");
    Result result = m_server.run("BEGIN", {}, what);
    if (result.ok())
        result = m_server.run("SELECT pg_advisory_xact_lock(hashtext('tallyvane tables'))", {}, what);
    bool missing = false;
    if (result.ok())
        result = checkTable(&missing);
    if (result.ok() && missing)
        result = m_server.run(createTableSql(), {}, QStringLiteral("could not make its customer table"));
    if (result.ok() && missing)
        result = checkTable(&missing);
    if (result.ok())
        result = m_changes.prepare();
    if (result.ok())
        result = m_finder.prepare();
    if (result.ok())
        result = listen();
    if (result.ok())
        result = m_server.run("COMMIT", {}, what);
    if (!result.ok())
        m_server.run("ROLLBACK", {}, what);
    return result;
}

Result PgCustomerStore::checkTable(bool* missing)
{
    PgResult columns;
    const QByteArray sql =
        "SELECT a.attname, format_type(a.atttypid, a.atttypmod), a.attidentity, a.attgenerated, c.relkind, "
        "EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = c.oid AND i.indisprimary "
        "AND i.indkey::text = a.attnum::text) "
        "FROM pg_class c LEFT JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped "
        "WHERE c.oid = to_regclass('\"Info\"') ORDER BY a.attnum";
    if (const Result read = m_server.run(sql, {}, QStringLiteral("could not be looked at"), &columns); !read.ok())
        return read;
    *missing = PQntuples(columns.get()) == 0;
    if (*missing)
        return Result::success();
    const QString kind = text(columns.get(), 0, 4);
    if (kind != QLatin1String("r") && kind != QLatin1String("p"))
        return refuse(QStringLiteral("its Info is a %1, not a table.").arg(relationKind(kind)));
    QSet<QString> expected;
    for (Field field : CustomerRecord::AllFields)
        expected.insert(CustomerRecord::columnName(field));
    bool identity = false;
    for (int row = 0; row < PQntuples(columns.get()); ++row) {
        const QString name = text(columns.get(), row, 0);
        const QString type = text(columns.get(), row, 1);
        const bool plain = PQgetlength(columns.get(), row, 2) == 0 && PQgetlength(columns.get(), row, 3) == 0;
        if (name == QLatin1String("id")) {
            identity = type == QLatin1String("bigint") && text(columns.get(), row, 2) == QLatin1String("a")
                && text(columns.get(), row, 5) == QLatin1String("t");
        } else if (!expected.remove(name)) {
            return refuse(QStringLiteral("its table Info has a column \"%1\" that is not one of a customer's.")
                              .arg(name));
        } else if (type != QLatin1String("text") || !plain) {
            return refuse(QStringLiteral("the column \"%1\" of its table Info is not a text column (it is "
                                         "declared as \"%2\"), so texts would not be kept exactly as typed.")
                              .arg(name, type));
        }
    }
    if (!expected.isEmpty())
        return refuse(QStringLiteral("its table Info has no column \"%1\".").arg(*expected.begin()));
    if (!identity)
        return refuse(QStringLiteral("its table Info has no column \"id\" that numbers the customers "
                                     "(bigint generated always as identity, the primary key)."));
    return Result::success();
}

Result PgCustomerStore::listen()
{
    const QString what = QStringLiteral("could not tell of other counters' changes");
    QByteArray schema;
    Result result = m_server.runScript(kNotifying, what);
    if (result.ok())
        result = m_server.value("SELECT current_schema()", {}, what, &schema);
    if (result.ok())
        m_channel = "tallyvane " + schema;
    if (result.ok())
        result = m_server.runScript("LISTEN \"" + QByteArray(m_channel).replace('"', "\"\"") + '"', what);
    return result;
}

std::optional<qint64> PgCustomerStore::outsideChangeMark()
{
    if (!isOpen())
        return std::nullopt;
    return (m_openings << 32) + m_rowsTaken;
}

void PgCustomerStore::hear()
{
    for (const QByteArray& payload : m_server.takeNotifications())
        m_heard << (payload == kEveryRow ? NoRow : payload.toLongLong());
}

bool PgCustomerStore::rowsChangedElsewhereWaiting()
{
    hear();
    return !m_heard.isEmpty();
}

std::optional<QVector<RowId>> PgCustomerStore::takeRowsChangedElsewhere()
{
    if (!isOpen())
        return std::nullopt;
    hear();
    m_rowsTaken += m_heard.size();
    return std::exchange(m_heard, {});
}

Result PgCustomerStore::prepareStatements()
{
    const QByteArray columns = CustomerRecord::quotedColumns();
    const QByteArray unchanged = " AND (" + storedColumns() + ") IS NOT DISTINCT FROM (";
    const std::pair<const char*, QByteArray> statements[] = {
        {"scan", "SELECT id, \"name\", \"Quantity\", \"Price\", \"Sex\" FROM \"Info\" ORDER BY id"},
        {"scanRecords", "SELECT id, " + storedColumns() + " FROM \"Info\" ORDER BY id"},
        {"read", "SELECT " + storedColumns() + " FROM \"Info\" WHERE id = $1"},
        {"insert", "INSERT INTO \"Info\" (" + columns + ") VALUES (" + placeholders(1, 16) + ") RETURNING id"},
        {"update", "UPDATE \"Info\" SET " + assignments() + " WHERE id = $17" + unchanged + placeholders(18, 16)
                       + ")"},
        {"delete", "DELETE FROM \"Info\" WHERE id = $1" + unchanged + placeholders(2, 16) + ")"},
        {"insertAt", "INSERT INTO \"Info\" (id, " + columns + ") OVERRIDING SYSTEM VALUE VALUES ($1, "
                         + placeholders(2, 16) + ") ON CONFLICT (id) DO NOTHING"},
    };
    for (const auto& [name, sql] : statements) {
        if (const Result prepared = m_server.prepare(name, sql, QStringLiteral("has no usable customer table"));
            !prepared.ok())
            return prepared;
    }
    return Result::success();
}

Result PgCustomerStore::rowCount(qint64* count)
{
    QByteArray counted;
    const Result result = m_server.value("SELECT count(*) FROM \"Info\"", {}, QStringLiteral("could not be counted"),
                                         &counted);
    if (result.ok())
        *count = counted.toLongLong();
    return result;
}

Result PgCustomerStore::scanSummaries(const SummaryVisitor& visit)
{
    CustomerSummary summary;
    return m_server.streamPrepared("scan", {}, kRead, [&](pg_result* row) {
        summary.rowId = rowIdOf(row, 0, 0);
        summary.name = text(row, 0, 1);
        summary.quantity = number(row, 0, 2);
        summary.price = number(row, 0, 3);
        summary.sex = sex(row, 0, 4);
        visit(summary);
        return true;
    });
}

Result PgCustomerStore::scanRecords(const RecordVisitor& visit)
{
    return m_server.streamPrepared("scanRecords", {}, kRead,
                                   [&](pg_result* row) { return visit(rowIdOf(row, 0, 0), recordOf(row, 0, 1)); });
}

Result PgCustomerStore::read(RowId row, CustomerRecord* record)
{
    PgResult found;
    const QByteArray id = QByteArray::number(row);
    if (const Result result = m_server.runPrepared("read", {id}, kRead, &found); !result.ok())
        return result;
    if (PQntuples(found.get()) == 0)
        return gone();
    *record = recordOf(found.get(), 0, 0);
    return Result::success();
}

Result PgCustomerStore::append(const CustomerRecord& record, RowId* row)
{
    RowId added = NoRow;
    const Result result = inTransaction([&] {
        const Result written = insert(CustomerRecord::Utf8Copy(record).texts, &added);
        return written.ok() ? m_changes.write(ChangeKind::Add, added, nullptr, &record) : written;
    });
    if (result.ok() && row)
        *row = added;
    return result;
}

Result PgCustomerStore::insert(const CustomerRecord::Utf8Texts& texts, RowId* row)
{
    PgConnection::Parameters parameters;
    appendTexts(&parameters, texts);
    PgResult added;
    const Result result = m_server.runPrepared("insert", parameters, kSave, &added);
    if (result.ok())
        *row = rowIdOf(added.get(), 0, 0);
    return result;
}

Result PgCustomerStore::appendAll(const BatchFill& fill, qint64* appended, const QString& from)
{
    BatchTally tally;
    const Result result = inTransaction([&] {
        const Result filled = fill([&](const CustomerRecord::Utf8Texts& texts, const StoredCustomer* replacing) {
            return tally.write(replacing, [&] {
                if (!replacing) {
                    RowId row = NoRow;
                    return insert(texts, &row);
                }
                const CustomerRecord after = CustomerRecord::fromUtf8(texts);
                const Result written = writeIfUnchanged(*replacing, &after);
                return written.ok() ? m_changes.write(ChangeKind::Edit, replacing->row, &replacing->record, &after)
                                    : written;
            });
        });
        return tally.finish(filled, m_changes, from);
    });
    if (appended)
        *appended = result.ok() ? tally.added() : 0;
    return result;
}

Result PgCustomerStore::update(const StoredCustomer& stored, const CustomerRecord& record)
{
    return inTransaction([&] {
        const Result written = writeIfUnchanged(stored, &record);
        return written.ok() ? m_changes.write(ChangeKind::Edit, stored.row, &stored.record, &record) : written;
    });
}

Result PgCustomerStore::remove(const StoredCustomer& stored)
{
    return inTransaction([&] {
        Result written = writeIfUnchanged(stored, nullptr);
        if (written.ok())
            written = m_changes.keepDeleted(stored.row, stored.record);
        return written.ok() ? m_changes.write(ChangeKind::Delete, stored.row, &stored.record, nullptr) : written;
    });
}

// The check and the write are one statement: no other counter's change
// can come in between.
Result PgCustomerStore::writeIfUnchanged(const StoredCustomer& stored, const CustomerRecord* record)
{
    const CustomerRecord::Utf8Copy before(stored.record);
    const CustomerRecord::Utf8Copy after(record ? *record : CustomerRecord());
    const QByteArray id = QByteArray::number(stored.row);
    PgConnection::Parameters parameters;
    if (record)
        appendTexts(&parameters, after.texts);
    parameters.push_back(id);
    appendTexts(&parameters, before.texts);
    PgResult written;
    if (const Result result = m_server.runPrepared(record ? "update" : "delete", parameters, kSave, &written);
        !result.ok())
        return result;
    if (QByteArrayView(PQcmdTuples(written.get())) != "0")
        return Result::success();
    return Result::failure(
        QStringLiteral("This customer was changed or removed elsewhere since it was selected, "
                       "perhaps at another counter. %1; select the customer again to "
                       "see what the database holds now.")
            .arg(record ? QStringLiteral("Nothing has been saved") : QStringLiteral("Nothing has been deleted")));
}

// Where it stood while its number is free, else at the end.
Result PgCustomerStore::putBack(const DeletedCustomer& deleted, RowId* row)
{
    const CustomerRecord::Utf8Copy texts(deleted.record);
    const QByteArray id = QByteArray::number(deleted.row);
    PgConnection::Parameters parameters{id};
    appendTexts(&parameters, texts.texts);
    PgResult placed;
    if (const Result result = m_server.runPrepared("insertAt", parameters, kSave, &placed); !result.ok())
        return result;
    if (QByteArrayView(PQcmdTuples(placed.get())) == "0")
        return insert(texts.texts, row);
    *row = deleted.row;
    return Result::success();
}

Result PgCustomerStore::inSnapshot(const std::function<Result()>& work)
{
    Result result = m_server.run("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY", {}, kRead);
    if (result.ok())
        result = work();
    if (result.ok())
        result = m_server.run("COMMIT", {}, kRead);
    if (!result.ok())
        m_server.run("ROLLBACK", {}, kRead);
    return result;
}

// Rows are not notified one by one: the other counters read the list whole.
Result PgCustomerStore::replaceAll(const BatchFill& fill, const QString& from)
{
    return inTransaction([&] {
        Result result = m_server.runScript("SET LOCAL tallyvane.bulk = 'on'; DELETE FROM \"Info\"", kSave);
        qint64 count = 0;
        if (result.ok())
            result = fill([&](const CustomerRecord::Utf8Texts& texts, const StoredCustomer*) {
                RowId row = NoRow;
                const Result written = insert(texts, &row);
                count += written.ok() ? 1 : 0;
                return written;
            });
        if (result.ok())
            result = m_changes.write(ChangeKind::Restore, NoRow, nullptr, nullptr,
                                     QStringLiteral("%1 customers restored from %2").arg(count).arg(from));
        if (result.ok())
            result = m_server.run("SELECT pg_notify($1, $2)", {m_channel, kEveryRow}, kSave);
        return result;
    });
}

Result PgCustomerStore::inTransaction(const std::function<Result()>& work)
{
    Result result = m_server.run("BEGIN", {}, kSave);
    if (result.ok())
        result = work();
    if (result.ok())
        result = m_finder.catchUpSmall();
    if (result.ok())
        result = m_server.run("COMMIT", {}, kSave);
    if (!result.ok())
        m_server.run("ROLLBACK", {}, kSave);
    return result;
}

Result PgCustomerStore::findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same)
{
    same->clear();
    QVector<RowId> rows;
    Result result = catchUpFinder();
    if (result.ok())
        result = m_finder.duplicates(record, &rows);
    for (const RowId row : std::as_const(rows)) {
        StoredCustomer found{row, {}};
        // One removed since the index was read is no repeat.
        if (read(row, &found.record).ok())
            same->append(found);
    }
    return result;
}

Result PgCustomerStore::findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows)
{
    rows->clear();
    const QStringList words = searchWords(typed);
    if (words.isEmpty())
        return Result::success();
    const Result caughtUp = catchUpFinder();
    return caughtUp.ok() ? m_finder.find(words, slice, rows) : caughtUp;
}

Result PgCustomerStore::findBacklog(qint64* rows)
{
    return m_finder.backlog(rows);
}

Result PgCustomerStore::buildFindIndex(const FindProgress& progress)
{
    return m_finder.catchUp(progress);
}

// Rows another program wrote since the index last caught up are indexed
// before it is read.
Result PgCustomerStore::catchUpFinder()
{
    qint64 waiting = 0;
    const Result counted = m_finder.backlog(&waiting);
    return !counted.ok() || waiting == 0 ? counted : m_finder.catchUp({});
}

Result PgCustomerStore::refuse(const QString& reason) const
{
    return Result::failure(
        QStringLiteral("The customer database %1 cannot be used: %2").arg(m_server.serverName(), reason));
}


Result PgCustomerStore::notOpen() const
{
    return m_server.failure(QString());
}
