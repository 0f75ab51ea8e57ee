#include "FrmNew.h"

#include "CustomerEntryTarget.h"

FrmNew::FrmNew(CustomerEntryTarget& target, Today today, QWidget* parent)
    : CustomerWizard(Captions{QStringLiteral("Add New User"), QStringLiteral("Save Customer To Database"),
                              QStringLiteral("Product Price:"), true},
                     parent),
      m_target(target), m_today(std::move(today))
{
    load();
}

void FrmNew::load()
{
    start(CustomerEntry(), m_today());
}

void FrmNew::save()
{
    if (m_target.AddUser(newCustomerRecord(entry())))
        close();
}

void FrmNew::closeEvent(QCloseEvent* event)
{
    CustomerWizard::closeEvent(event);
    m_target.RefreshList();
}
