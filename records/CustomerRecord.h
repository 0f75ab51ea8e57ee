#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>

// One row of table Info: a customer together with one purchase, sixteen
// texts in the fixed column order. Columns State to Email hold other data
// than their names say (postal code, telephone, fax, e-mail, state); every
// screen pairs them with the captions that match their contents.
class CustomerRecord
{
public:
    enum Field {
        Name, Address, Country, City, State, Zip, Phone, FAX, Email,
        Product, Quantity, Price, DatePur, Payment, Paid, Sex,
    };
    static constexpr int FieldCount = 16;

    // The column name in table Info, spelled exactly ("name", "FAX", ...).
    static QLatin1String columnName(int field);

    CustomerRecord() = default;

    // The sixteen texts in column order; missing ones are empty.
    static CustomerRecord fromList(const QStringList& values);
    QStringList toList() const;

    const QString& value(int field) const { return m_values[field]; }
    void setValue(int field, const QString& text) { m_values[field] = text; }

    bool operator==(const CustomerRecord& other) const { return m_values == other.m_values; }
    bool operator!=(const CustomerRecord& other) const { return !(*this == other); }

private:
    std::array<QString, FieldCount> m_values;
};
