#include "ChangeLog.h"

namespace {

// What a batch's history row says it did ("12 customers imported, 3
// replaced from ...").
QString importNote(qint64 imported, qint64 replaced, const QString& from)
{
    QString note = QStringLiteral("%1 customers imported").arg(imported);
    if (replaced > 0)
        note += QStringLiteral(", %1 replaced").arg(replaced);
    return from.isEmpty() ? note : note + QStringLiteral(" from %1").arg(from);
}

} // namespace

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

Result BatchTally::write(bool replacing, const std::function<Result()>& work)
{
    if (!m_failed.ok())
        return m_failed;
    const Result written = work();
    if (written.ok())
        ++(replacing ? m_replaced : m_added);
    else
        m_failed = written;
    return written;
}

Result BatchTally::finish(const Result& filled, ChangeLog& log, const QString& from)
{
    if (!filled.ok() || !m_failed.ok())
        return filled.ok() ? m_failed : filled;
    if (m_added + m_replaced == 0)
        return filled;
    return log.write(ChangeKind::Import, NoRow, nullptr, nullptr, importNote(m_added, m_replaced, from));
}
