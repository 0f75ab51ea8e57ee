#include "CustomerFields.h"

#include "CustomerRecord.h"

#include <array>

namespace CustomerFields {

namespace {

// What each field's column may be called elsewhere, lower case with
// spaces, dashes, dots and underscores removed; the caption comes first.
const std::array<QStringList, CustomerRecord::FieldCount>& knownNames()
{
    static const std::array<QStringList, CustomerRecord::FieldCount> names{{
        {"name", "namesurname", "customer", "customername", "fullname", "contactname", "companyname", "fn"},
        {"address", "street", "streetaddress", "address1", "adr"},
        {"country", "countryregion", "nation"},
        {"city", "town", "locality"},
        {"zip", "zipcode", "postalcode", "postcode", "plz", "postal"},
        {"phone", "telephone", "tel", "phonenumber", "mobile"},
        {"fax", "faxnumber"},
        {"email", "mail", "emailaddress"},
        {"state", "region", "county", "province", "stateregion"},
        {"productpurchased", "product", "item", "productname"},
        {"quantitypurchased", "quantity", "qty", "amount"},
        {"itemprice", "productprice", "price", "unitprice"},
        {"dateofpurchase", "date", "purchasedate", "datepur"},
        {"paymentmethod", "payment"},
        {"paid", "paymentpending", "notyetpaid"},
        {"sex", "gender"},
    }};
    return names;
}

QString normalised(const QString& name)
{
    QString key;
    for (const QChar c : name.toLower())
        if (c.isLetterOrNumber())
            key += c;
    return key;
}

bool isOwnTableLayout(const QStringList& columns)
{
    if (columns.size() != CustomerRecord::FieldCount)
        return false;
    for (CustomerRecord::Field field : CustomerRecord::AllFields)
        if (columns.at(int(field)).compare(CustomerRecord::columnName(field), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

} // namespace

const QStringList& captions()
{
    static const QStringList list{"Name", "Address", "Country", "City", "Zip", "Phone", "Fax", "E-Mail",
                                  "State", "Product Purchased", "Quantity Purchased", "Item Price",
                                  "Date Of Purchase", "Payment Method", "Paid", "Sex"};
    return list;
}

Mapping propose(const QStringList& sourceColumns)
{
    Mapping mapping(CustomerRecord::FieldCount, -1);
    if (isOwnTableLayout(sourceColumns)) {
        for (int field = 0; field < CustomerRecord::FieldCount; ++field)
            mapping[field] = field;
        return mapping;
    }
    QStringList keys;
    for (const QString& column : sourceColumns)
        keys << normalised(column);
    // Earlier names are surer: every field takes its best free column.
    for (int rank = 0; rank < 8; ++rank) {
        for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
            const QStringList& names = knownNames()[std::size_t(field)];
            if (mapping[field] >= 0 || rank >= names.size())
                continue;
            const int column = int(keys.indexOf(names.at(rank)));
            if (column >= 0 && !mapping.contains(column))
                mapping[field] = column;
        }
    }
    return mapping;
}

bool looksLikeHeader(const QStringList& firstRecord)
{
    const Mapping mapping = propose(firstRecord);
    return std::count_if(mapping.begin(), mapping.end(), [](int column) { return column >= 0; }) >= 2;
}

} // namespace CustomerFields
