#include "RowsTable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace RowsTable {

QTableWidget* create(QWidget* parent, const QStringList& headings, int stretched, const QString& accessibleName)
{
    auto* table = new QTableWidget(0, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    table->setAccessibleName(accessibleName);
    return table;
}

void fill(QTableWidget* table, const QList<QStringList>& rows, int stretched, int rightAlignedFrom)
{
    table->setRowCount(0);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            auto* item = new QTableWidgetItem(rows.at(row).at(column));
            if (rightAlignedFrom >= 0 && column >= rightAlignedFrom)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
}

} // namespace RowsTable
