#pragma once

#include "CustomerFields.h"
#include "CustomerStore.h"
#include "Result.h"
#include "SourceRow.h"
#include "StoredCustomers.h"

#include <QByteArray>
#include <QList>

#include <functional>

// A file's customers taken into the store in one transaction: every
// source record becomes a customer by the mapping, or is refused with its
// reason and line; a cancel or a failure stores nothing.
namespace CustomerImport {

struct Refused
{
    qint64 line;
    QString reason;
};

struct Report
{
    qint64 imported = 0; // new customers
    qint64 replaced = 0;
    qint64 skipped = 0;
    QList<Refused> refused;
};

// What becomes of a customer whose name and telephone match a stored one;
// asked once for the whole import.
enum class Duplicates { KeepBoth, Skip, Replace };

// The rows of a file, each with the line an operator finds it on (the
// physical line of a text file, the row number of a table).
struct Source
{
    using RowVisitor = std::function<bool(const SourceRow& fields, qint64 line)>;
    std::function<Result(const RowVisitor&)> visit;
    qint64 total = 0; // the last line, for progress
    QList<Refused> refusedBefore; // rows the file's own reader gave up
};

Source tableSource(const QList<QStringList>& rows);

// Called with the line reached and the source's total; false cancels.
using Progress = std::function<bool(qint64 done, qint64 total)>;

struct Plan
{
    CustomerFields::Mapping mapping;
    Duplicates duplicates = Duplicates::KeepBoth;
    // The stored customers the duplicates are matched against; none: no
    // customer counts as a duplicate.
    const StoredCustomers* stored = nullptr;
    // What the history names as the customers' source (the file's name).
    QString from;
};

// How many of the source's customers match a stored one.
Result countDuplicates(const Source& source, const Plan& plan, qint64* count);

// Stores the source's customers in one transaction: all, or nothing on a
// cancel or a failure. Rows that make no customer are refused with their
// reason and line; the import still goes through.
Result importRows(CustomerStore& store, const Source& source, const Plan& plan, const Progress& progress,
                  Report* report);

// The record a source row gives, or the reason it is refused. Paid and
// Sex are taken in their usual spellings ("yes", "Male", ...) and stored
// as the program's codes.
// The texts point into `source` or at constants.
std::optional<QString> recordFrom(const SourceRow& source, const CustomerFields::Mapping& mapping,
                                  CustomerRecord::Utf8Texts* texts);

struct CsvOptions
{
    QString encoding;          // a name TextEncoding::toUtf8 takes
    qsizetype markLength = 0;
    char separator = ',';
    bool header = true;
    CustomerFields::Mapping mapping;
};

// What a CSV file is, as found: the options to import it with, the
// columns (the header's texts, or "Column 1", ...) and the first rows.
struct CsvPreview
{
    CsvOptions options;
    QStringList columns;
    QList<QStringList> rows;
};
Result previewCsv(const QByteArray& file, int rows, CsvPreview* preview);
// The same with the operator's options; the mapping is kept while the
// columns stay those `preview` already shows.
Result previewCsv(const QByteArray& file, const CsvOptions& options, int rows, CsvPreview* preview);

// The CSV file's rows as its options read them.
Source csvSource(const QByteArray& file, const CsvOptions& options, Result* decoded);

Result importCsv(CustomerStore& store, const QByteArray& file, const CsvOptions& options,
                 const Progress& progress, Report* report);

} // namespace CustomerImport
