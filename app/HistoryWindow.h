#pragma once

#include "ChangeHistory.h"

#include <QDialog>

class CustomerStore;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

// "History": who changed what and when, for one customer or the whole
// shop, filtered by date and kind. Only reads: a clerk may look, and
// nobody changes the history here.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // `customer` NoRow opens on the whole shop.
    HistoryWindow(CustomerStore& store, RowId customer, const QString& customerName, QWidget* parent = nullptr);

    // Reads the history again with the filters as they are set.
    void showEntries();

    // One line for the change: what an edit changed field by field, the
    // customer an add or delete concerned, what an import or restore did.
    static QString whatChanged(const HistoryEntry& entry);

    QComboBox* scopeBox() const { return m_scope; }
    QComboBox* kindBox() const { return m_kind; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QTableWidget* table() const { return m_table; }
    QLabel* statusLine() const { return m_status; }

private:
    void buildFilters();
    HistoryFilter filter() const;

    CustomerStore& m_store;
    RowId m_customer;
    QComboBox* m_scope;
    QComboBox* m_kind;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QTableWidget* m_table;
    QLabel* m_status;
};
