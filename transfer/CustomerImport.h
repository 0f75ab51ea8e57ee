#pragma once

#include "CustomerFields.h"
#include "CustomerStore.h"
#include "Result.h"

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
    qint64 imported = 0;
    QList<Refused> refused;
};

// The record a source row gives, or the reason it is refused. Paid and
// Sex are taken in their usual spellings ("yes", "Male", ...) and stored
// as the program's codes.
std::optional<QString> recordFrom(const QStringList& source, const CustomerFields::Mapping& mapping,
                                  CustomerRecord* record);

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

// Called with the bytes read so far; false cancels the import.
using Progress = std::function<bool(qint64 done, qint64 total)>;

Result importCsv(CustomerStore& store, const QByteArray& file, const CsvOptions& options,
                 const Progress& progress, Report* report);

} // namespace CustomerImport
