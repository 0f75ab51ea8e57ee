#include "FailingCustomerStore.h"

void FailingCustomerStore::setFailing(Operation operation, bool failing)
{
    if (failing)
        m_failing.insert(operation);
    else
        m_failing.erase(operation);
}

QString FailingCustomerStore::failureMessage(Operation operation)
{
    static const char* const names[] = {"open", "count", "scan", "read", "append", "update", "remove"};
    return QStringLiteral("The test made the store's %1 fail.").arg(QLatin1String(names[int(operation)]));
}

Result FailingCustomerStore::open()
{
    return fails(Operation::Open) ? Result::failure(failureMessage(Operation::Open)) : m_store.open();
}

Result FailingCustomerStore::rowCount(qint64* count)
{
    if (fails(Operation::Count))
        return Result::failure(failureMessage(Operation::Count));
    return m_store.rowCount(count);
}

Result FailingCustomerStore::scanSummaries(const SummaryVisitor& visit)
{
    if (fails(Operation::Scan))
        return Result::failure(failureMessage(Operation::Scan));
    return m_store.scanSummaries(visit);
}

Result FailingCustomerStore::read(RowId row, CustomerRecord* record)
{
    if (fails(Operation::Read))
        return Result::failure(failureMessage(Operation::Read));
    return m_store.read(row, record);
}

Result FailingCustomerStore::scanRecords(const RecordVisitor& visit)
{
    if (fails(Operation::Scan))
        return Result::failure(failureMessage(Operation::Scan));
    return m_store.scanRecords(visit);
}

Result FailingCustomerStore::append(const CustomerRecord& record, RowId* row)
{
    if (fails(Operation::Append))
        return Result::failure(failureMessage(Operation::Append));
    return m_store.append(record, row);
}

Result FailingCustomerStore::appendAll(const BatchFill& fill, qint64* appended, const QString& from)
{
    if (fails(Operation::Append))
        return Result::failure(failureMessage(Operation::Append));
    return m_store.appendAll(fill, appended, from);
}

Result FailingCustomerStore::update(const StoredCustomer& stored, const CustomerRecord& record)
{
    if (fails(Operation::Update))
        return Result::failure(failureMessage(Operation::Update));
    return m_store.update(stored, record);
}

Result FailingCustomerStore::remove(const StoredCustomer& stored)
{
    if (fails(Operation::Remove))
        return Result::failure(failureMessage(Operation::Remove));
    return m_store.remove(stored);
}
