#pragma once

#include "CustomerStore.h"

// The main window as the entry forms reach it: its public procedures for
// storing a customer and showing the list again.
class CustomerEntryTarget
{
public:
    virtual ~CustomerEntryTarget() = default;

    // Each reports its own failure to the operator and returns whether it
    // stored the customer.
    virtual bool AddUser(const CustomerRecord& record) = 0;
    // Overwrites `customer` only while it still holds what was read.
    virtual bool EditUser(const StoredCustomer& customer, const CustomerRecord& record) = 0;
    virtual void RefreshList() = 0;
    // Selects the customer stored in `row`, wherever the list now shows it.
    virtual void selectCustomer(RowId row) = 0;
};
