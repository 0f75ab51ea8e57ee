#include "CustomerListModel.h"

#include "CustomerList.h"

CustomerListModel::CustomerListModel(const CustomerList& customers, QObject* parent)
    : QAbstractListModel(parent), m_customers(customers)
{
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_customers.count();
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_customers.count())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_customers.nameAt(index.row()).toString();
    return QVariant();
}
