#include "ChangeLog.h"

ChangeLog::ChangeLog(Clock clock)
{
    setClock(std::move(clock));
}

void ChangeLog::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); };
}

Result ChangeLog::bringBack(qint64 deletedId, const PutBack& putBack, RowId* row)
{
    DeletedCustomer deleted;
    Result result = takeDeleted(deletedId, &deleted);
    if (result.ok())
        result = putBack(deleted, row);
    return result.ok() ? write(ChangeKind::BringBack, *row, nullptr, &deleted.record) : result;
}
