#include "StoredCustomers.h"

#include "CustomerKey.h"


QString StoredCustomers::key(const CustomerRecord& record)
{
    using Field = CustomerRecord::Field;
    return foldedForMatch(record.value(Field::Name)) + QChar(0x1f) + foldedForMatch(record.value(Field::Zip));
}

Result StoredCustomers::load()
{
    m_rows.clear();
    return m_store.scanRecords([this](RowId row, const CustomerRecord& record) {
        m_rows.insert(qHash(key(record)), row);
        return true;
    });
}

std::optional<StoredCustomer> StoredCustomers::match(const CustomerRecord& record) const
{
    const QString wanted = key(record);
    for (auto it = m_rows.find(qHash(wanted)); it != m_rows.end() && it.key() == qHash(wanted); ++it) {
        StoredCustomer stored{it.value(), {}};
        if (m_store.read(stored.row, &stored.record).ok() && key(stored.record) == wanted)
            return stored;
    }
    return std::nullopt;
}
