#pragma once

#include "CustomerStore.h"
#include "CustomerWizard.h"

#include <QDate>

#include <functional>

class CustomerEntryTarget;

// "Edit Current User": the wizard filled from one stored customer. It saves
// to that customer, whichever customer the main window shows meanwhile;
// closing it without saving changes nothing.
class FrmEdit : public CustomerWizard
{
    Q_OBJECT

public:
    using Today = std::function<QDate()>;

    FrmEdit(CustomerEntryTarget& target, Today today, QWidget* parent = nullptr);

    // Fills the form from `customer` and starts at page 1. The date picker
    // starts at the purchase date when it reads as a date, else at today.
    void load(const StoredCustomer& customer);
    const StoredCustomer& customer() const { return m_customer; }

    // "Edit Customer Details": stores the changes, shows the list afresh
    // with the customer selected again, and closes. When the customer
    // cannot be stored (it was deleted meanwhile, say), the form stays
    // open with what was typed.
    void save() override;

protected:
    // The stored purchase date stays exactly as it was unless the
    // operator picks a date.
    QString datePurchased() const override;

private:
    CustomerEntryTarget& m_target;
    Today m_today;
    StoredCustomer m_customer;
    bool m_datePicked = false;
};
