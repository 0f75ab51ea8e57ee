#pragma once

#include "CustomerStore.h"
#include "Result.h"

#include <QMultiHash>

// The stored customers by name and telephone, to tell which customers
// brought in are already there. Only a hash of the two is held per row
// (a million customers stay a few megabytes); a hit is read back and
// compared before it counts.
class StoredCustomers
{
public:
    explicit StoredCustomers(CustomerStore& store) : m_store(store) {}

    Result load();
    bool isEmpty() const { return m_rows.isEmpty(); }

    // The stored customer with the record's name and telephone (compared
    // without case, spaces and punctuation), if any.
    std::optional<StoredCustomer> match(const CustomerRecord& record) const;

    // Two customers are one when these are equal.
    static QString key(const CustomerRecord& record);

private:
    CustomerStore& m_store;
    QMultiHash<size_t, RowId> m_rows;
};
