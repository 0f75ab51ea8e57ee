#pragma once

#include "CustomerRecord.h"

#include <QString>

#include <array>

// What the operator typed into an entry form, as text, before the form
// fills in its defaults.
struct CustomerEntry
{
    // Name to Product, in record order (the boxes under "State:" to
    // "E-Mail:" feed Email, State, Zip, Phone and FAX).
    std::array<QString, 10> details;
    QString quantity = QStringLiteral("0");
    QString price = QStringLiteral("0");
    QString discount = QStringLiteral("0"); // the new-customer form's only
    QString datePurchased;
    QString payment;
    bool notYetPaid = false;
    bool female = false;
};

// The record the new-customer form stores: empty texts become "N/A", an
// empty quantity "0", and the price is the price after the discount, in
// general number form.
CustomerRecord newCustomerRecord(const CustomerEntry& entry);

// The record the edit form stores: the same defaults, an empty price "0",
// and the price as typed.
CustomerRecord editedCustomerRecord(const CustomerEntry& entry);

// The entry an edit form opens with: the record's texts in their boxes, the
// paid tick when Paid reads as 1 and "F" only for Sex "f".
CustomerEntry entryFromRecord(const CustomerRecord& record);

// The price after `discount` percent off, from the two boxes' texts ("."
// as the point, an empty box as 0), in general number form.
QString netPriceText(const QString& price, const QString& discount);

// What the quantity, price and discount boxes let through: digits, ".",
// "/" and ":".
bool isNumberBoxCharacter(QChar character);
QString numberBoxText(const QString& text);
