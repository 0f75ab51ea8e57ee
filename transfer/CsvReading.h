#pragma once

#include "Result.h"
#include "SourceRow.h"

#include <QByteArray>

#include <functional>

// Reads CSV (RFC 4180, with any one-byte separator) from UTF-8 text with
// libcsv. Each record comes with the physical line it starts on, quoted
// line breaks counted, so messages can name the line an operator sees.
class CsvReading
{
public:
    // One record and its first line (1-based); false stops the reading.
    // The record is the reader's own, valid during the call.
    using RecordVisitor = std::function<bool(const SourceRow& fields, qint64 line)>;

    // The separator the first lines use most consistently: comma,
    // semicolon or tab (comma when none stands out).
    static char detectSeparator(const QByteArray& utf8);

    // Reads every record; a malformed one (a quote that never closes, a
    // stray quote inside a quoted field) fails naming its line. Reading
    // stopped by the visitor succeeds.
    static Result read(const QByteArray& utf8, char separator, const RecordVisitor& visit);
};
