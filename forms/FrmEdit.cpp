#include "FrmEdit.h"

#include "CustomerEntryTarget.h"
#include "DateTimeText.h"

#include <QDateEdit>
#include <QSignalBlocker>

FrmEdit::FrmEdit(CustomerEntryTarget& target, Today today, QWidget* parent)
    : CustomerWizard(Captions{QStringLiteral("Edit Current User"), QStringLiteral("Edit Customer Details"),
                              QStringLiteral("Item Price:"), false},
                     parent),
      m_target(target), m_today(std::move(today))
{
    connect(ui.DTPicker1, &QDateEdit::dateChanged, this, [this] { m_datePicked = true; });
}

void FrmEdit::load(const StoredCustomer& customer)
{
    m_customer = customer;
    const CustomerEntry stored = entryFromRecord(customer.record);
    const QSignalBlocker quiet(ui.DTPicker1);
    start(stored, dateFromText(stored.datePurchased).value_or(m_today()));
    m_datePicked = false;
}

QString FrmEdit::datePurchased() const
{
    return m_datePicked ? CustomerWizard::datePurchased()
                        : m_customer.record.value(CustomerRecord::Field::DatePur);
}

void FrmEdit::save()
{
    if (!m_target.EditUser(m_customer, editedCustomerRecord(entry())))
        return;
    m_target.RefreshList();
    m_target.selectCustomer(m_customer.row);
    close();
}
