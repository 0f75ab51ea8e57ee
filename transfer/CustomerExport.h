#pragma once

#include "CustomerStore.h"
#include "Result.h"

#include <functional>

// The customers given out to a file for spreadsheets and other programs.
namespace CustomerExport {

struct CsvOptions
{
    bool byteOrderMark = false; // for spreadsheets that need telling it is UTF-8
    // Which customers: all when empty, else those it accepts (the list's).
    std::function<bool(RowId)> include;
};

// A header of the sixteen captions, then one line per customer. The file
// is replaced only when it is written whole.
Result writeCsv(CustomerStore& store, const QString& path, const CsvOptions& options, qint64* written);

// One vCard 4.0 per customer `include` accepts (all when empty), for
// address books and telephones.
Result writeVCards(CustomerStore& store, const QString& path, const std::function<bool(RowId)>& include,
                   qint64* written);

} // namespace CustomerExport
