#pragma once

#include "ChangeHistory.h"

#include <QDialog>

class CustomerStore;
class Dialogs;
class QPushButton;
class QTableWidget;

// "Recently deleted": the deleted customers the database keeps, newest
// first, each of which can be brought back.
class DeletedWindow : public QDialog
{
    Q_OBJECT

public:
    DeletedWindow(CustomerStore& store, Dialogs& dialogs, bool mayBringBack, QWidget* parent = nullptr);

    void showDeleted();
    // Brings back the customer selected in the table.
    void bringBackSelected();

    QTableWidget* table() const { return m_table; }
    QPushButton* bringBackButton() const { return m_bringBack; }

signals:
    // The customer now stands in `row` again.
    void broughtBack(RowId row);

private:
    CustomerStore& m_store;
    Dialogs& m_dialogs;
    bool m_mayBringBack;
    QList<DeletedCustomer> m_deleted;
    QTableWidget* m_table;
    QPushButton* m_bringBack;
};
