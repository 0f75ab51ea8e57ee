#include "CustomerEntry.h"

#include "NumberText.h"

#include <algorithm>

namespace {

using Field = CustomerRecord::Field;

const QString kNotAvailable = QStringLiteral("N/A");
const QString kZero = QStringLiteral("0");

QString orDefault(const QString& text, const QString& fallback)
{
    return text.isEmpty() ? fallback : text;
}

// Everything but the price, with the defaults both forms fill in.
CustomerRecord recordWithoutPrice(const CustomerEntry& entry)
{
    CustomerRecord record;
    for (std::size_t field = 0; field < entry.details.size(); ++field)
        record.setValue(CustomerRecord::AllFields[field], orDefault(entry.details[field], kNotAvailable));
    record.setValue(Field::Quantity, orDefault(entry.quantity, kZero));
    record.setValue(Field::DatePur, orDefault(entry.datePurchased, kNotAvailable));
    record.setValue(Field::Payment, orDefault(entry.payment, kNotAvailable));
    record.setValue(Field::Paid, entry.notYetPaid ? QStringLiteral("1") : kZero);
    record.setValue(Field::Sex, entry.female ? QStringLiteral("f") : QStringLiteral("m"));
    return record;
}

} // namespace

QString netPriceText(const QString& price, const QString& discount)
{
    const double gross = leadingNumber(price);
    const double net = gross - gross * leadingNumber(discount) / 100;
    // 0 - 0 stays 0, never "-0".
    return generalNumberText(net == 0 ? 0.0 : net);
}

CustomerRecord newCustomerRecord(const CustomerEntry& entry)
{
    CustomerRecord record = recordWithoutPrice(entry);
    record.setValue(Field::Price, netPriceText(entry.price, entry.discount));
    return record;
}

CustomerRecord editedCustomerRecord(const CustomerEntry& entry)
{
    CustomerRecord record = recordWithoutPrice(entry);
    record.setValue(Field::Price, orDefault(entry.price, kZero));
    return record;
}

CustomerEntry entryFromRecord(const CustomerRecord& record)
{
    CustomerEntry entry;
    for (std::size_t field = 0; field < entry.details.size(); ++field)
        entry.details[field] = record.value(CustomerRecord::AllFields[field]);
    entry.quantity = record.value(Field::Quantity);
    entry.price = record.value(Field::Price);
    entry.discount.clear();
    entry.datePurchased = record.value(Field::DatePur);
    entry.payment = record.value(Field::Payment);
    const std::optional<double> paid = tryNumberFromText(record.value(Field::Paid));
    entry.notYetPaid = paid && *paid == 1;
    entry.female = record.value(Field::Sex) == QLatin1String("f");
    return entry;
}

bool isNumberBoxCharacter(QChar character)
{
    const char16_t code = character.unicode();
    return code == u'.' || (code >= u'/' && code <= u':');
}

QString numberBoxText(const QString& text)
{
    QString kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), isNumberBoxCharacter);
    return kept;
}
