#pragma once

#include "LoggedCustomerStore.h"
#include "PgChangeLog.h"
#include "PgConnection.h"
#include "PgFinder.h"

// The customer table on a PostgreSQL server that several copies of the
// program share. Table Info holds the sixteen texts and an identity column
// `id`, which gives the natural order and tells rows apart. Every write is
// one transaction; an edit or delete goes through only while the row still
// holds what was read, so one counter never overwrites another's change.
class PgCustomerStore : public LoggedCustomerStore
{
public:
    explicit PgCustomerStore(const QString& uri);

    Result open() override;
    void close() override { m_server.close(); }
    bool isOpen() const override { return m_server.isOpen(); }
    QString version() const override { return m_server.serverVersion(); }

    Result rowCount(qint64* count) override;
    Result scanSummaries(const SummaryVisitor& visit) override;
    Result scanRecords(const RecordVisitor& visit) override;
    Result read(RowId row, CustomerRecord* record) override;
    Result append(const CustomerRecord& record, RowId* row = nullptr) override;
    Result appendAll(const BatchFill& fill, qint64* appended = nullptr, const QString& from = {}) override;
    Result update(const StoredCustomer& stored, const CustomerRecord& record) override;
    Result remove(const StoredCustomer& stored) override;


    Result findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same) override;
    Result findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows) override;
    Result findBacklog(qint64* rows) override;
    Result buildFindIndex(const FindProgress& progress) override;

    // Runs `work` on one consistent state of the server's tables
    // (repeatable read, read only), as a backup takes it.
    Result inSnapshot(const std::function<Result()>& work);
    // Puts what `fill` writes in the place of every customer, in one
    // transaction: the rows stay as they were until it commits, and the
    // other counters are told to read the list whole.
    Result replaceAll(const BatchFill& fill, const QString& from);

    // Every write to Info, by any program, is notified with the row's id;
    // the mark moves with the rows taken. NoRow among them stands for
    // every row.
    std::optional<qint64> outsideChangeMark() override;
    std::optional<QVector<RowId>> takeRowsChangedElsewhere() override;
    bool rowsChangedElsewhereWaiting() override;


private:
    Result prepareTables();
    Result checkTable(bool* missing);
    Result prepareStatements();
    Result listen();
    void hear();
    Result insert(const CustomerRecord::Utf8Texts& texts, RowId* row);
    Result writeIfUnchanged(const StoredCustomer& stored, const CustomerRecord* record);
    ChangeLog& changeLog() override { return m_changes; }
    Result putBack(const DeletedCustomer& deleted, RowId* row) override;
    Result notOpen() const override;
    Result inTransaction(const std::function<Result()>& work) override;
    Result catchUpFinder();
    Result refuse(const QString& reason) const;

    QString m_uri;
    qint64 m_openings = 0;
    qint64 m_rowsTaken = 0;
    QByteArray m_channel;
    QVector<RowId> m_heard; // notified, not taken yet
    PgConnection m_server;
    PgChangeLog m_changes{m_server};
    PgFinder m_finder{m_server};
};
