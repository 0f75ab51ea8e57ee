#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writing customers as RFC 4180 CSV for spreadsheets: UTF-8, CR LF line
// ends, a field quoted when it holds a separator, a quote or a line break.
namespace CsvWriting {

// A value a spreadsheet would run as a formula (first character "=", "+",
// "-", "@", tab or CR) gets an apostrophe before it, so it opens as text;
// so does a value that already starts with an apostrophe before such a
// character, which keeps the guard reversible.
QString guarded(const QString& value);
// The value as it was before guarded(), from its UTF-8.
QByteArrayView unguarded(QByteArrayView utf8);

// One record: the guarded fields, quoted where needed, and CR LF.
QByteArray line(const QStringList& fields);

// What opens a file for spreadsheets that need to be told it is UTF-8.
inline const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace CsvWriting
