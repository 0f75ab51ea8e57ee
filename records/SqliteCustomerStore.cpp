#include "SqliteCustomerStore.h"

#include "NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

namespace {

constexpr int kBusyTimeoutMs = 2000;

// The sixteen quoted column names, each followed by `suffix`, comma separated.
QByteArray columnList(const char* suffix = "")
{
    QByteArray list;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        if (field > 0)
            list += ", ";
        list += '"' + QByteArray(CustomerRecord::columnName(field).data()) + '"' + suffix;
    }
    return list;
}

QByteArray createTableSql()
{
    return "CREATE TABLE IF NOT EXISTS Info (" + columnList(" TEXT") + ")";
}

QByteArray insertSql()
{
    QByteArray placeholders = "?";
    placeholders += QByteArray(", ?").repeated(CustomerRecord::FieldCount - 1);
    return "INSERT INTO Info (" + columnList() + ") VALUES (" + placeholders + ")";
}

QByteArray updateSql()
{
    return "UPDATE Info SET " + columnList(" = ?") + " WHERE rowid = ?";
}

// A text column's UTF-8 bytes. Reading them as a blob spares SQLite the
// terminated copy that sqlite3_column_text makes of each value, which the
// list rebuild would pay four times per row.
QByteArrayView columnUtf8(sqlite3_stmt* statement, int column, bool utf8Database)
{
    const void* data = utf8Database ? sqlite3_column_blob(statement, column)
                                    : sqlite3_column_text(statement, column);
    if (!data)
        return QByteArrayView();
    return QByteArrayView(static_cast<const char*>(data), sqlite3_column_bytes(statement, column));
}

// A number column as the totals read it: stored numbers as they are, texts
// by the system's rules, anything else as 0.
double columnNumber(sqlite3_stmt* statement, int column, bool utf8Database)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT: {
        const QByteArrayView text = columnUtf8(statement, column, utf8Database);
        return numberFromUtf8(text.data(), text.size());
    }
    default:
        return 0;
    }
}

CustomerSummary::Sex columnSex(sqlite3_stmt* statement, int column, bool utf8Database)
{
    const QByteArrayView text = columnUtf8(statement, column, utf8Database);
    if (text.size() != 1)
        return CustomerSummary::Sex::Other;
    if (text.front() == 'm')
        return CustomerSummary::Sex::Male;
    if (text.front() == 'f')
        return CustomerSummary::Sex::Female;
    return CustomerSummary::Sex::Other;
}

} // namespace

SqliteCustomerStore::SqliteCustomerStore(const QString& path) : m_path(path) {}

SqliteCustomerStore::~SqliteCustomerStore()
{
    close();
}

QString SqliteCustomerStore::defaultPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Other/Tallyvane DB.mdb");
}

Result SqliteCustomerStore::open()
{
    close();
    Result result = openFile();
    if (result.ok())
        result = ensureTable();
    if (result.ok())
        result = prepareStatements();
    if (!result.ok())
        close();
    return result;
}

Result SqliteCustomerStore::openFile()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const int code = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be opened"));
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // A rollback journal keeps the database one file; FULL makes each
    // saved customer survive a power cut.
    if (sqlite3_exec(m_db, "PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be opened"));

    SqliteStatement encoding;
    if (encoding.prepare(m_db, "PRAGMA encoding") != SQLITE_OK
        || sqlite3_step(encoding.handle()) != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be opened"));
    m_utf8 = encoding.text(0) == QLatin1String("UTF-8");
    return Result::success();
}

Result SqliteCustomerStore::ensureTable()
{
    if (sqlite3_exec(m_db, createTableSql().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return engineFailure(QStringLiteral("has no usable customer table"));

    SqliteStatement columns;
    if (columns.prepare(m_db, "SELECT name FROM pragma_table_info('Info')") != SQLITE_OK)
        return engineFailure(QStringLiteral("has no usable customer table"));
    QSet<QString> present;
    while (sqlite3_step(columns.handle()) == SQLITE_ROW)
        present.insert(columns.text(0).toLower());
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        const QString column = CustomerRecord::columnName(field);
        if (!present.contains(column.toLower()))
            return Result::failure(
                QStringLiteral("The customer database \"%1\" cannot be used: its table Info "
                               "has no column \"%2\".").arg(QDir::toNativeSeparators(m_path), column));
    }
    return Result::success();
}

Result SqliteCustomerStore::prepareStatements()
{
    const QByteArray columns = columnList();
    const QByteArray scan = "SELECT rowid, name, Quantity, Price, Sex FROM Info ORDER BY rowid";
    const QByteArray read = "SELECT " + columns + " FROM Info WHERE rowid = ?";
    const bool prepared = m_scan.prepare(m_db, scan.constData()) == SQLITE_OK
        && m_read.prepare(m_db, read.constData()) == SQLITE_OK
        && m_insert.prepare(m_db, insertSql().constData()) == SQLITE_OK
        && m_update.prepare(m_db, updateSql().constData()) == SQLITE_OK
        && m_delete.prepare(m_db, "DELETE FROM Info WHERE rowid = ?") == SQLITE_OK
        && m_count.prepare(m_db, "SELECT count(*) FROM Info") == SQLITE_OK;
    return prepared ? Result::success()
                    : engineFailure(QStringLiteral("has no usable customer table"));
}

void SqliteCustomerStore::close()
{
    for (SqliteStatement* statement : {&m_scan, &m_read, &m_insert, &m_update, &m_delete, &m_count})
        statement->finalize();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

QString SqliteCustomerStore::version() const
{
    return QString::fromLatin1(sqlite3_libversion());
}

Result SqliteCustomerStore::rowCount(qint64* count)
{
    if (!isOpen())
        return notOpen();
    sqlite3_stmt* statement = m_count.fresh();
    if (sqlite3_step(statement) != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be counted"));
    *count = sqlite3_column_int64(statement, 0);
    sqlite3_reset(statement);
    return Result::success();
}

Result SqliteCustomerStore::scanSummaries(const SummaryVisitor& visit)
{
    if (!isOpen())
        return notOpen();
    sqlite3_stmt* statement = m_scan.fresh();
    CustomerSummary summary;
    int code;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
        summary.rowId = sqlite3_column_int64(statement, 0);
        const QByteArrayView name = columnUtf8(statement, 1, m_utf8);
        summary.name = QString::fromUtf8(name.data(), name.size());
        summary.quantity = columnNumber(statement, 2, m_utf8);
        summary.price = columnNumber(statement, 3, m_utf8);
        summary.sex = columnSex(statement, 4, m_utf8);
        visit(summary);
    }
    sqlite3_reset(statement);
    return code == SQLITE_DONE ? Result::success()
                               : engineFailure(QStringLiteral("could not be read"));
}

Result SqliteCustomerStore::read(RowId row, CustomerRecord* record)
{
    if (!isOpen())
        return notOpen();
    sqlite3_stmt* statement = m_read.fresh();
    m_read.bindRowId(1, row);
    const int code = sqlite3_step(statement);
    if (code == SQLITE_DONE)
        return Result::failure(QStringLiteral("This customer is no longer in the database."));
    if (code != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be read"));
    for (int field = 0; field < CustomerRecord::FieldCount; ++field)
        record->setValue(field, m_read.text(field));
    sqlite3_reset(statement);
    return Result::success();
}

Result SqliteCustomerStore::append(const CustomerRecord& record, RowId* row)
{
    Result result = runWrite(m_insert, NoRow, &record);
    if (result.ok() && row)
        *row = sqlite3_last_insert_rowid(m_db);
    return result;
}

Result SqliteCustomerStore::update(RowId row, const CustomerRecord& record)
{
    return runWrite(m_update, row, &record);
}

Result SqliteCustomerStore::remove(RowId row)
{
    return runWrite(m_delete, row, nullptr);
}

// Binds the record's texts (if any) and then the row (if any) and runs one
// write; a write that touched no row means the row is gone.
Result SqliteCustomerStore::runWrite(SqliteStatement& statement, RowId row,
                                     const CustomerRecord* record)
{
    if (!isOpen())
        return notOpen();
    statement.fresh();
    if (record) {
        Result bound = bindRecord(statement, *record);
        if (!bound.ok())
            return bound;
    }
    if (row != NoRow)
        statement.bindRowId(record ? CustomerRecord::FieldCount + 1 : 1, row);

    const int code = sqlite3_step(statement.handle());
    sqlite3_reset(statement.handle());
    if (code != SQLITE_DONE)
        return engineFailure(QStringLiteral("could not be saved"));
    if (row != NoRow && sqlite3_changes(m_db) == 0)
        return Result::failure(QStringLiteral("This customer is no longer in the database."));
    return Result::success();
}

Result SqliteCustomerStore::bindRecord(SqliteStatement& statement, const CustomerRecord& record)
{
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        if (statement.bindText(field + 1, record.value(field)) != SQLITE_OK)
            return engineFailure(QStringLiteral("could not be saved"));
    }
    return Result::success();
}

Result SqliteCustomerStore::notOpen() const
{
    return Result::failure(QStringLiteral("The customer database \"%1\" is not open.")
                               .arg(QDir::toNativeSeparators(m_path)));
}

Result SqliteCustomerStore::engineFailure(const QString& what) const
{
    const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                : QStringLiteral("out of memory");
    return Result::failure(QStringLiteral("The customer database \"%1\" %2: %3.")
                               .arg(QDir::toNativeSeparators(m_path), what, reason));
}
