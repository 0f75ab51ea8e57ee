#pragma once

#include <QStringList>

class QTableWidget;
class QWidget;

// The read-only tables of the History, Recently deleted and Automatic
// Backups windows: whole rows selected, one of them at a time.
namespace RowsTable {

// `stretched` is the column that takes the room left.
QTableWidget* create(QWidget* parent, const QStringList& headings, int stretched, const QString& accessibleName);

// Shows one row of texts per entry; the columns from `rightAlignedFrom`
// on (figures) stand at the right.
void fill(QTableWidget* table, const QList<QStringList>& rows, int stretched, int rightAlignedFrom = -1);

} // namespace RowsTable
