#pragma once

#include "CustomerRecord.h"

#include <QDateTime>
#include <QString>
#include <QSysInfo>

#include <optional>

using RowId = qint64;
constexpr RowId NoRow = -1;

// Who makes the changes a store writes down in its history.
struct ChangeActor
{
    QString role = QStringLiteral("administrator"); // or "clerk"
    QString computer = QSysInfo::machineHostName();
};

enum class ChangeKind { Add, Edit, Delete, Import, Restore, BringBack };

// The word a history row keeps for the kind ("add", "edit", ...), and back.
QString changeKindName(ChangeKind kind);
std::optional<ChangeKind> changeKindNamed(const QString& name);

// Times as the history keeps them: UTC, ISO 8601 with milliseconds, so
// that they sort as texts.
QString historyTimeText(const QDateTime& at);
QDateTime historyTimeFrom(const QString& text);
// A customer's texts as one JSON array: one column, readable in any tool.
QByteArray textsJson(const CustomerRecord& record);
std::optional<CustomerRecord> recordFromJson(const QString& json);

// One change as the history keeps it: when (UTC), by whom, and the
// customer's texts before and after (none for an add's before, a delete's
// after, or a change of many customers, which says what it did in `note`).
struct HistoryEntry
{
    qint64 id = 0;
    QDateTime at;
    QString role;
    QString computer;
    ChangeKind kind = ChangeKind::Add;
    RowId customer = NoRow;
    std::optional<CustomerRecord> before;
    std::optional<CustomerRecord> after;
    QString note;
};

// Which history rows to read, newest first; an empty bound does not bound.
struct HistoryFilter
{
    RowId customer = NoRow; // NoRow: the whole shop
    QDateTime from;
    QDateTime to;
    std::optional<ChangeKind> kind;
    int limit = 5000;
};

// A deleted customer kept so it can be brought back.
struct DeletedCustomer
{
    qint64 id = 0;
    RowId row = NoRow; // where it stood
    QDateTime at;
    QString role;
    CustomerRecord record;
};
