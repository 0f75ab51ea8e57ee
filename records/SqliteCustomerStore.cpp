#include "SqliteCustomerStore.h"

#include "InfoTableCheck.h"
#include "NumberText.h"
#include "Utf8Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

constexpr int kBusyTimeoutMs = 2000;

QByteArray createTableSql()
{
    return "CREATE TABLE Info (" + CustomerRecord::quotedColumns(" TEXT") + ")";
}

// A row at the largest row number would make SQLite put the next one at a
// random free number, in the middle of the list; then nothing is added.
QByteArray insertSql()
{
    QByteArray placeholders = "?";
    placeholders += QByteArray(", ?").repeated(CustomerRecord::FieldCount - 1);
    return "INSERT INTO Info (" + CustomerRecord::quotedColumns() + ") SELECT " + placeholders
        + " WHERE coalesce((SELECT max(rowid) FROM Info), 0) < 9223372036854775807";
}

// For a batch, whose rows are checked to go to the end as they are written.
QByteArray batchInsertSql()
{
    QByteArray placeholders = "?";
    placeholders += QByteArray(", ?").repeated(CustomerRecord::FieldCount - 1);
    return "INSERT INTO Info (" + CustomerRecord::quotedColumns() + ") VALUES (" + placeholders + ")";
}

QByteArray updateSql()
{
    return "UPDATE Info SET " + CustomerRecord::quotedColumns(" = ?") + " WHERE rowid = ?";
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

// The file is looked at before anything in it changes: a refused file
// stays exactly as it was, its journal mode included.
Result SqliteCustomerStore::open()
{
    close();
    ++m_openings;
    bool tableMissing = false;
    Result result = openFile();
    if (result.ok())
        result = InfoTableCheck(m_db, m_path).run(&tableMissing);
    if (result.ok())
        result = configure();
    if (result.ok() && tableMissing)
        result = createTable();
    if (result.ok())
        result = prepareStatements();
    if (!result.ok())
        close();
    m_changes.attach(m_db);
    m_finder.attach(m_db);
    m_findProbed = false;
    return result;
}

Result SqliteCustomerStore::openFile()
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (!QFileInfo::exists(m_path)) {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        flags |= SQLITE_OPEN_CREATE;
    }
    if (sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db, flags, nullptr) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be opened"));
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    return Result::success();
}

Result SqliteCustomerStore::configure()
{
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

Result SqliteCustomerStore::createTable()
{
    if (sqlite3_exec(m_db, createTableSql().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not make its customer table"));
    return Result::success();
}

Result SqliteCustomerStore::prepareStatements()
{
    const QByteArray columns = CustomerRecord::quotedColumns();
    const QByteArray scan = "SELECT rowid, name, Quantity, Price, Sex FROM Info ORDER BY rowid";
    const QByteArray read = "SELECT " + columns + " FROM Info WHERE rowid = ?";
    const QByteArray scanRecords = "SELECT rowid, " + columns + " FROM Info ORDER BY rowid";
    const bool prepared = m_scan.prepare(m_db, scan.constData()) == SQLITE_OK
        && m_read.prepare(m_db, read.constData()) == SQLITE_OK
        && m_scanRecords.prepare(m_db, scanRecords.constData()) == SQLITE_OK
        && m_insert.prepare(m_db, insertSql().constData()) == SQLITE_OK
        && m_batchInsert.prepare(m_db, batchInsertSql().constData()) == SQLITE_OK
        && m_update.prepare(m_db, updateSql().constData()) == SQLITE_OK
        && m_delete.prepare(m_db, "DELETE FROM Info WHERE rowid = ?") == SQLITE_OK
        && m_count.prepare(m_db, "SELECT count(*) FROM Info") == SQLITE_OK
        && m_dataVersion.prepare(m_db, "PRAGMA data_version") == SQLITE_OK;
    return prepared ? Result::success()
                    : engineFailure(QStringLiteral("has no usable customer table"));
}

void SqliteCustomerStore::close()
{
    for (SqliteStatement* statement :
         {&m_scan, &m_read, &m_scanRecords, &m_insert, &m_batchInsert, &m_update, &m_delete, &m_count, &m_dataVersion})
        statement->finalize();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

std::optional<qint64> SqliteCustomerStore::outsideChangeMark()
{
    if (!isOpen())
        return std::nullopt;
    // data_version moves when another connection commits; this connection's
    // own writes leave it as it is.
    sqlite3_stmt* statement = m_dataVersion.fresh();
    const bool read = sqlite3_step(statement) == SQLITE_ROW;
    const qint64 version = read ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_reset(statement); // holds no read transaction open between calls
    if (!read)
        return std::nullopt;
    return (m_openings << 32) + version;
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
        summary.name = textFromUtf8(name.data(), name.size());
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
    const int code = readRow(row, record);
    if (code == SQLITE_DONE)
        return gone();
    if (code != SQLITE_ROW)
        return engineFailure(QStringLiteral("could not be read"));
    return Result::success();
}

// SQLITE_ROW with the record filled, SQLITE_DONE when the row is gone, or
// the engine's error code.
Result SqliteCustomerStore::scanRecords(const RecordVisitor& visit)
{
    if (!isOpen())
        return notOpen();
    sqlite3_stmt* statement = m_scanRecords.fresh();
    CustomerRecord record;
    int code;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
        for (CustomerRecord::Field field : CustomerRecord::AllFields)
            record.setValue(field, m_scanRecords.text(int(field) + 1));
        if (!visit(sqlite3_column_int64(statement, 0), record)) {
            code = SQLITE_DONE;
            break;
        }
    }
    sqlite3_reset(statement);
    return code == SQLITE_DONE ? Result::success()
                               : engineFailure(QStringLiteral("could not be read"));
}

int SqliteCustomerStore::readRow(RowId row, CustomerRecord* record)
{
    sqlite3_stmt* statement = m_read.fresh();
    m_read.bindRowId(1, row);
    const int code = sqlite3_step(statement);
    if (code == SQLITE_ROW) {
        for (CustomerRecord::Field field : CustomerRecord::AllFields)
            record->setValue(field, m_read.text(int(field)));
    }
    sqlite3_reset(statement);
    return code;
}

Result SqliteCustomerStore::append(const CustomerRecord& record, RowId* row)
{
    RowId added = NoRow;
    const Result result = inTransaction([&] {
        Result written = runWrite(m_insert, NoRow, &record);
        if (written.ok() && sqlite3_changes(m_db) == 0)
            return tableFull();
        added = sqlite3_last_insert_rowid(m_db);
        return written.ok() ? m_changes.write(ChangeKind::Add, added, nullptr, &record) : written;
    });
    if (result.ok() && row)
        *row = added;
    return result;
}

RowId SqliteCustomerStore::lastRowId() const
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, "SELECT coalesce(max(rowid), 0) FROM Info", -1, &statement, nullptr);
    const RowId last = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    return last;
}

Result SqliteCustomerStore::tableFull() const
{
    return Result::failure(
        QStringLiteral("The customer database \"%1\" cannot take another customer: its last "
                       "customer already has the largest row number there is, so a new one "
                       "could not go to the end of the list. Nothing has been saved.")
            .arg(QDir::toNativeSeparators(m_path)));
}

Result SqliteCustomerStore::appendAll(const BatchFill& fill, qint64* appended, const QString& from)
{
    BatchTally tally;
    const Result result = inTransaction([&] {
        // Each row must take the number after the last: past the largest one
        // the engine would put it anywhere.
        RowId last = lastRowId();
        const Result filled = fill([&](const CustomerRecord::Utf8Texts& texts, const StoredCustomer* replacing) {
            return tally.write(replacing, [&] {
                if (replacing)
                    return replaceInBatch(*replacing, texts);
                Result written = runWrite(m_batchInsert, NoRow, &texts);
                if (written.ok() && sqlite3_last_insert_rowid(m_db) != ++last)
                    written = tableFull();
                return written;
            });
        });
        return tally.finish(filled, m_changes, from);
    });
    if (appended)
        *appended = result.ok() ? tally.added() : 0;
    return result;
}

Result SqliteCustomerStore::replaceInBatch(const StoredCustomer& replacing, const CustomerRecord::Utf8Texts& texts)
{
    Result written = checkUnchanged(replacing, Write::Update);
    if (written.ok())
        written = runWrite(m_update, replacing.row, &texts);
    if (!written.ok())
        return written;
    const CustomerRecord after = CustomerRecord::fromUtf8(texts);
    return m_changes.write(ChangeKind::Edit, replacing.row, &replacing.record, &after);
}

// Runs `work` in one transaction that holds the write lock from the start;
// the change log gets its tables in the same transaction.
Result SqliteCustomerStore::inTransaction(const std::function<Result()>& work)
{
    if (!isOpen())
        return notOpen();
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return engineFailure(QStringLiteral("could not be saved"));
    Result result = m_changes.prepareWrite();
    if (result.ok())
        result = m_finder.prepareWrite();
    if (result.ok())
        result = work();
    if (result.ok())
        result = m_finder.catchUpSmall();
    if (result.ok() && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        result = engineFailure(QStringLiteral("could not be saved"));
    if (!result.ok()) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        m_changes.rolledBack();
        m_finder.rolledBack();
    }
    return result;
}

Result SqliteCustomerStore::update(const StoredCustomer& stored, const CustomerRecord& record)
{
    return writeIfUnchanged(stored, Write::Update, &record);
}

Result SqliteCustomerStore::remove(const StoredCustomer& stored)
{
    return writeIfUnchanged(stored, Write::Remove, nullptr);
}

// The check and the write share one transaction that holds the write
// lock, so no other program can change the row in between.
Result SqliteCustomerStore::writeIfUnchanged(const StoredCustomer& stored, Write write,
                                             const CustomerRecord* record)
{
    return inTransaction([&] {
        Result result = checkUnchanged(stored, write);
        if (result.ok())
            result = runWrite(write == Write::Update ? m_update : m_delete, stored.row, record);
        if (result.ok() && write == Write::Update)
            return m_changes.write(ChangeKind::Edit, stored.row, &stored.record, record);
        if (result.ok())
            result = m_changes.keepDeleted(stored.row, stored.record);
        return result.ok() ? m_changes.write(ChangeKind::Delete, stored.row, &stored.record, nullptr) : result;
    });
}

// Another copy of the program may have removed the row, changed it, or
// removed it and given its number to a new customer since it was read.
Result SqliteCustomerStore::checkUnchanged(const StoredCustomer& stored, Write write)
{
    CustomerRecord current;
    const int code = readRow(stored.row, &current);
    if (code != SQLITE_ROW && code != SQLITE_DONE)
        return engineFailure(QStringLiteral("could not be read"));
    if (code == SQLITE_ROW && current == stored.record)
        return Result::success();
    const QString nothingDone = write == Write::Update ? QStringLiteral("Nothing has been saved")
                                                       : QStringLiteral("Nothing has been deleted");
    return Result::failure(
        QStringLiteral("This customer was changed or removed elsewhere since it was selected, "
                       "perhaps in another copy of Tallyvane. %1; select the customer again to "
                       "see what the database holds now.").arg(nothingDone));
}

Result SqliteCustomerStore::runWrite(SqliteStatement& statement, RowId row, const CustomerRecord* record)
{
    if (!record)
        return runWrite(statement, row, static_cast<const CustomerRecord::Utf8Texts*>(nullptr));
    const CustomerRecord::Utf8Copy encoded(*record);
    return runWrite(statement, row, &encoded.texts);
}

// Binds the texts (if any) and then the row (if any) and runs one write.
Result SqliteCustomerStore::runWrite(SqliteStatement& statement, RowId row, const CustomerRecord::Utf8Texts* texts)
{
    statement.fresh();
    for (int field = 0; texts && field < CustomerRecord::FieldCount; ++field) {
        if (statement.bindText(field + 1, (*texts)[std::size_t(field)]) != SQLITE_OK)
            return engineFailure(QStringLiteral("could not be saved"));
    }
    if (row != NoRow)
        statement.bindRowId(texts ? CustomerRecord::FieldCount + 1 : 1, row);

    const int code = sqlite3_step(statement.handle());
    sqlite3_reset(statement.handle());
    if (code != SQLITE_DONE)
        return engineFailure(QStringLiteral("could not be saved"));
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
