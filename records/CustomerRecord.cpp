#include "CustomerRecord.h"

#include "Utf8Text.h"

QLatin1String CustomerRecord::columnName(Field field)
{
    static const char* const names[FieldCount] = {
        "name", "Address", "Country", "City", "State", "Zip", "Phone", "FAX", "Email",
        "Product", "Quantity", "Price", "DatePur", "Payment", "Paid", "Sex",
    };
    return QLatin1String(names[index(field)]);
}

QByteArray CustomerRecord::quotedColumns(const char* suffix)
{
    QByteArray list;
    for (Field field : AllFields) {
        if (!list.isEmpty())
            list += ", ";
        list += '"' + QByteArray(columnName(field).data()) + '"' + suffix;
    }
    return list;
}

CustomerRecord::Utf8Copy::Utf8Copy(const CustomerRecord& record)
{
    for (std::size_t field = 0; field < FieldCount; ++field) {
        bytes[field] = record.m_values[field].toUtf8();
        texts[field] = bytes[field];
    }
}

CustomerRecord CustomerRecord::fromList(const QStringList& values)
{
    CustomerRecord record;
    for (int field = 0; field < FieldCount && field < values.size(); ++field)
        record.m_values[field] = values.at(field);
    return record;
}

QStringList CustomerRecord::toList() const
{
    return QStringList(m_values.begin(), m_values.end());
}

CustomerRecord CustomerRecord::fromUtf8(const Utf8Texts& texts)
{
    CustomerRecord record;
    for (int field = 0; field < FieldCount; ++field)
        record.m_values[field] = textFromUtf8(texts[field].data(), texts[field].size());
    return record;
}
