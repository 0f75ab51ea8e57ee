#pragma once

#include "ChangeHistory.h"
#include "CustomerRecord.h"
#include "Result.h"

#include <QString>
#include <QVector>

#include <functional>
#include <limits>
#include <optional>

// RowId, the identity of a stored customer row: positions change when rows
// before it are deleted, the identity does not. Another writer can hand a
// freed identity to a new customer, so a write never trusts it alone.

// A row as it was read: its identity and the sixteen texts it held then.
// A write through it goes through only while the row still holds exactly
// those texts, so it never reaches a customer that took the row's place.
struct StoredCustomer
{
    RowId row = NoRow;
    CustomerRecord record;
};

// The part of the table one step of a find reads: the rows after `after`
// up to and including `through`, at most `limit` of them. A large find
// goes in steps, so that the first customers show before the last are read.
// `common` tells that the last step found the words in many rows, so that
// reading every row is faster than an index.
struct FindSlice
{
    RowId after = 0;
    RowId through = std::numeric_limits<RowId>::max();
    int limit = std::numeric_limits<int>::max();
    bool common = false;
};

// What the customer list needs of each row: its name and the figures that
// make up the shop's totals.
struct CustomerSummary
{
    enum class Sex : quint8 { Male, Female, Other };

    RowId rowId = NoRow;
    QString name;
    double quantity = 0; // a text that is not a number counts as 0
    double price = 0;
    Sex sex = Sex::Other;
};

// The customer table: rows of sixteen texts kept in a stable insertion
// order. Every failure comes back as a Result with a message for the
// operator; a store never shows anything itself, and a failed write
// changes nothing. Texts are stored exactly as given; a missing value
// reads back as the empty text.
class CustomerStore
{
public:
    // The visitor may move the texts out of the summary it is given.
    using SummaryVisitor = std::function<void(CustomerSummary&)>;
    // One whole row in the natural order; false stops the scan.
    using RecordVisitor = std::function<bool(RowId row, const CustomerRecord& record)>;
    // Appends one record of a batch or, given the row it replaces,
    // overwrites that row while it still holds what was read; a failure
    // ends the batch.
    using BatchWriter =
        std::function<Result(const CustomerRecord::Utf8Texts& texts, const StoredCustomer* replacing)>;
    // Writes a batch through the writer it is given; its failure (a
    // cancel, a bad source) gives the whole batch up.
    using BatchFill = std::function<Result(const BatchWriter&)>;

    virtual ~CustomerStore() = default;

    // Opens the table, creating it (and its file) when absent. A file that
    // is not a customer database is refused and left as it was.
    virtual Result open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The engine's version text.
    virtual QString version() const = 0;

    virtual Result rowCount(qint64* count) = 0;

    // Visits every row in the table's natural order.
    virtual Result scanSummaries(const SummaryVisitor& visit) = 0;

    // Visits every row with all sixteen texts, in the natural order.
    virtual Result scanRecords(const RecordVisitor& visit) = 0;
    virtual Result read(RowId row, CustomerRecord* record) = 0;
    // Appends a row at the end of the natural order.
    virtual Result append(const CustomerRecord& record, RowId* row = nullptr) = 0;
    // Runs `fill` in one transaction and stores what it writes: all of
    // it, or nothing when a write or `fill` itself fails. `appended`
    // counts the new rows; the history names `from` as their source.
    virtual Result appendAll(const BatchFill& fill, qint64* appended = nullptr, const QString& from = {}) = 0;
    // Overwrites all sixteen texts of the row; an error, writing nothing,
    // when the row no longer holds what was read.
    virtual Result update(const StoredCustomer& stored, const CustomerRecord& record) = 0;
    // Removes the row; an error, removing nothing, when the row no longer
    // holds what was read.
    virtual Result remove(const StoredCustomer& stored) = 0;

    // The stored customers a new one would repeat: the same name and
    // telephone (see foldedForMatch), or the same e-mail address.
    virtual Result findDuplicates(const CustomerRecord& record, QList<StoredCustomer>* same) = 0;

    // Find in every field: the rows of `slice` whose texts hold every word
    // of `typed` (see searchWords), in the natural order. Rows written
    // since the index last caught up are indexed first; findBacklog() tells
    // how many wait, so that a window can show buildFindIndex() progressing.
    using FindProgress = std::function<bool(qint64 done, qint64 total)>;
    virtual Result findCustomers(const QString& typed, const FindSlice& slice, QVector<RowId>* rows) = 0;
    virtual Result findBacklog(qint64* rows) = 0;
    virtual Result buildFindIndex(const FindProgress& progress) = 0;

    // The safety net. Every write above also goes into the history, in its
    // own transaction, and a removed customer is kept to be brought back.
    virtual void setActor(const ChangeActor& actor) = 0;
    virtual Result history(const HistoryFilter& filter, QList<HistoryEntry>* entries) = 0;
    // Newest first.
    virtual Result deletedCustomers(QList<DeletedCustomer>* deleted) = 0;
    // Puts a kept customer back where it stood, or at the end when another
    // customer stands there now; it is no longer kept as deleted.
    virtual Result bringBack(qint64 deletedId, RowId* row = nullptr) = 0;
    // A change of the whole database (a restore) written into the history.
    virtual Result noteChange(ChangeKind kind, const QString& note) = 0;

    // A mark that moves whenever the table may have changed other than
    // through this store's own writes (another program, or the store
    // opened anew). Nothing when the store cannot tell; callers then read
    // the table again.
    virtual std::optional<qint64> outsideChangeMark() { return std::nullopt; }
    // The rows other programs added, changed or removed since the last
    // call, for a store that hears of each one (a server's notifications);
    // taking them moves the mark. Nothing when the store cannot tell which;
    // NoRow among them when every row changed at once.
    virtual std::optional<QVector<RowId>> takeRowsChangedElsewhere() { return std::nullopt; }
    // Whether such rows wait to be taken; asks without waiting.
    virtual bool rowsChangedElsewhereWaiting() { return false; }

    // What read() says of a row that is gone.
    static Result gone() { return Result::failure(goneText()); }
    static bool isGone(const Result& result) { return !result.ok() && result.message() == goneText(); }

private:
    static QString goneText() { return QStringLiteral("This customer is no longer in the database."); }
};
