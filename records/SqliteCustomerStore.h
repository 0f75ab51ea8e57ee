#pragma once

#include "LoggedCustomerStore.h"
#include "SqliteChangeLog.h"
#include "SqliteFinder.h"
#include "SqliteStatement.h"

struct sqlite3;

// The customer table in one SQLite file. Each write is its own durable
// transaction (synchronous=FULL) with a rollback journal, so the database
// stays one file that a copy takes whole. Another program may write the
// same file: an edit or delete checks, in the same transaction, that the
// row still holds what was read.
class SqliteCustomerStore : public LoggedCustomerStore
{
public:
    explicit SqliteCustomerStore(const QString& path);
    ~SqliteCustomerStore() override;

    // "Other/Tallyvane DB.mdb" below the program folder.
    static QString defaultPath();

    const QString& path() const { return m_path; }

    Result open() override;
    void close() override;
    bool isOpen() const override { return m_db != nullptr; }
    QString version() const override;

    Result rowCount(qint64* count) override;
    Result scanSummaries(const SummaryVisitor& visit) override;
    Result read(RowId row, CustomerRecord* record) override;
    Result scanRecords(const RecordVisitor& visit) override;
    Result append(const CustomerRecord& record, RowId* row = nullptr) override;
    Result appendAll(const BatchFill& fill, qint64* appended = nullptr, const QString& from = {}) override;
    Result update(const StoredCustomer& stored, const CustomerRecord& record) override;
    Result remove(const StoredCustomer& stored) override;
    Result findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same) override;
    Result findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows) override;
    Result findBacklog(qint64* rows) override;
    Result buildFindIndex(const FindProgress& progress) override;
    std::optional<qint64> outsideChangeMark() override;


private:
    enum class Write { Update, Remove };

    Result openFile();
    Result configure();
    Result createTable();
    Result prepareStatements();
    int readRow(RowId row, CustomerRecord* record);
    Result inTransaction(const std::function<Result()>& work) override;
    Result replaceInBatch(const StoredCustomer& replacing, const CustomerRecord::Utf8Texts& texts);
    ChangeLog& changeLog() override { return m_changes; }
    Result putBack(const DeletedCustomer& deleted, RowId* row) override;
    Result writeIfUnchanged(const StoredCustomer& stored, Write write, const CustomerRecord* record);
    Result checkUnchanged(const StoredCustomer& stored, Write write);
    Result runWrite(SqliteStatement& statement, RowId row, const CustomerRecord* record);
    Result runWrite(SqliteStatement& statement, RowId row, const CustomerRecord::Utf8Texts* texts);
    Result notOpen() const override;
    Result tableFull() const;
    RowId lastRowId() const;
    Result engineFailure(const QString& what) const;

    QString m_path;
    sqlite3* m_db = nullptr;
    bool m_utf8 = true; // texts can be read as raw bytes
    SqliteStatement m_scan;
    SqliteStatement m_read;
    SqliteStatement m_scanRecords;
    SqliteStatement m_insert;
    SqliteStatement m_batchInsert;
    SqliteStatement m_update;
    SqliteStatement m_delete;
    SqliteStatement m_count;
    SqliteStatement m_dataVersion;
    SqliteChangeLog m_changes;
    SqliteFinder m_finder;
    bool m_findProbed = false; // the index was seen sound since the opening
    qint64 m_openings = 0; // each opening is a new connection with marks of its own
};
