#pragma once

#include <QAbstractListModel>

class CustomerList;

// The customer names of the main window's list, straight from the list
// logic: one row per customer shown (all, or those a find holds) in table
// order, no copy of the names.
class CustomerListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit CustomerListModel(const CustomerList& customers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Call around every change of the list logic's names.
    void beginRebuild() { beginResetModel(); }
    void endRebuild() { endResetModel(); }
    // Around the rows a find adds at the end.
    void beginAppend(int first, int last) { beginInsertRows(QModelIndex(), first, last); }
    void endAppend() { endInsertRows(); }

private:
    const CustomerList& m_customers;
};
