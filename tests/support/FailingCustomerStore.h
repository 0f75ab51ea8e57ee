#pragma once

#include "CustomerStore.h"

#include <set>

// A customer store whose operations fail on demand: it hands every call on
// to a real store, except the operations told to fail, which touch nothing
// and report failureMessage(). Stands in for a busy lock, a vanished file
// or a full disk.
class FailingCustomerStore : public CustomerStore
{
public:
    enum class Operation { Open, Count, Scan, Read, Append, Update, Remove };

    explicit FailingCustomerStore(CustomerStore& store) : m_store(store) {}

    void setFailing(Operation operation, bool failing = true);
    static QString failureMessage(Operation operation);

    Result open() override;
    void close() override { m_store.close(); }
    bool isOpen() const override { return m_store.isOpen(); }
    QString version() const override { return m_store.version(); }
    Result rowCount(qint64* count) override;
    Result scanSummaries(const SummaryVisitor& visit) override;
    Result scanRecords(const RecordVisitor& visit) override;
    Result read(RowId row, CustomerRecord* record) override;
    Result append(const CustomerRecord& record, RowId* row = nullptr) override;
    Result appendAll(const BatchFill& fill, qint64* appended = nullptr, const QString& from = {}) override;
    Result update(const StoredCustomer& stored, const CustomerRecord& record) override;
    Result remove(const StoredCustomer& stored) override;
    Result findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same) override
    {
        return m_store.findDuplicates(record, same);
    }
    Result findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows) override
    {
        return m_store.findCustomers(typed, slice, rows);
    }
    Result findBacklog(qint64* rows) override { return m_store.findBacklog(rows); }
    Result buildFindIndex(const FindProgress& progress) override { return m_store.buildFindIndex(progress); }
    void setActor(const ChangeActor& actor) override { m_store.setActor(actor); }
    Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) override
    {
        return m_store.history(filter, entries);
    }
    Result deletedCustomers(QList<DeletedCustomer>* deleted) override { return m_store.deletedCustomers(deleted); }
    Result bringBack(qint64 deletedId, RowId* row = nullptr) override { return m_store.bringBack(deletedId, row); }
    Result noteChange(ChangeKind kind, const QString& note) override { return m_store.noteChange(kind, note); }

private:
    bool fails(Operation operation) const { return m_failing.count(operation) > 0; }

    CustomerStore& m_store;
    std::set<Operation> m_failing;
};
