#include "CustomerListModel.h"

#include "CustomerList.h"

CustomerListModel::CustomerListModel(const CustomerList& customers, QObject* parent)
    : QAbstractListModel(parent), m_customers(customers)
{
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_customers.shownCount();
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    const int position = index.isValid() ? m_customers.shownPosition(index.row()) : -1;
    if (position < 0 || position >= m_customers.count())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_customers.nameAt(position).toString();
    return QVariant();
}
