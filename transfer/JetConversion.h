#pragma once

#include "CustomerImport.h"
#include "JetFile.h"

// A Jet file of the program's layout copied where the program keeps its
// own database (a shop that kept its customers in a Jet file does that)
// becomes a database of the program's own: the Jet file is kept unchanged
// beside it, and a table's customers are copied into a new database.
namespace JetConversion {

// Where the original is kept: "Tallyvane DB (Jet original).mdb", or with
// a number when that name is taken.
QString keptOriginalPath(const QString& databaseFile);

// The table to convert without asking: "Info" when the file has one.
std::optional<QString> ownTable(const QList<JetFile::Table>& tables);

struct Outcome
{
    QString keptAs;
    CustomerImport::Report report;
};

// Reads `table` whole, writes the new database beside the file, and only
// then moves the Jet file aside and the new database into its place. A
// failure leaves the Jet file where and as it was.
Result convert(const QString& databaseFile, const QString& table, Outcome* outcome);

} // namespace JetConversion
