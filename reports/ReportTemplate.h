#pragma once

#include "CustomerList.h"
#include "Result.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>

class QTextDocument;

// The rich-text templates of the report generator and the quick notes:
// loading one, and putting values in place of its placeholder words.
namespace ReportTemplate {

// A literal word of the template and the text that takes its place.
struct Placeholder
{
    QString word;
    QString value;
};

// Placeholders in the order they are replaced.
using Placeholders = QVector<Placeholder>;

// Where the two templates lie below the program's folder.
QString reportFile(const QString& programFolder);
QString noteFile(const QString& programFolder);

// The report's values: the texts the detail panel shows under the matching
// captions, and the price with the currency text before it.
Placeholders reportValues(const CustomerList::DetailPanel& details, const QString& currency);

// The note's values: the date, the time and the operator's note.
Placeholders noteValues(const QDate& today, const QTime& now, const QString& notes);

// Replaces the document's content with the template at `path`. A missing
// or unreadable file leaves the document as it was and says why.
Result load(const QString& path, QTextDocument* document);

// Replaces every case-sensitive occurrence of each word, in the given
// order, by its value as plain text in the character format the word had.
// The filling is no step the operator can undo.
void fill(QTextDocument* document, const Placeholders& placeholders);

} // namespace ReportTemplate
