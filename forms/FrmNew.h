#pragma once

#include "CustomerWizard.h"

#include <QDate>

#include <functional>

class CustomerEntryTarget;

// "Add New User": the wizard for one new customer and the purchase that
// goes with it. Whenever it closes, the main window's list is shown afresh.
class FrmNew : public CustomerWizard
{
    Q_OBJECT

public:
    using Today = std::function<QDate()>;

    FrmNew(CustomerEntryTarget& target, Today today, QWidget* parent = nullptr);

    // Starts afresh: empty boxes, quantity, price and discount "0", "M",
    // today's date, page 1.
    void load();

    // "Save Customer To Database": stores the customer and closes. When
    // the customer cannot be stored, the form stays open with what was
    // typed, so that nothing is lost.
    void save() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CustomerEntryTarget& m_target;
    Today m_today;
};
