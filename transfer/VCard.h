#pragma once

#include "CustomerRecord.h"
#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Customers as electronic business cards (vCard), for address books. Only
// the contact fields travel; the purchase fields stay behind, except the
// sex, which is the card's GENDER. Columns State to Email hold other data
// than their names say: State is the postal code, Zip the telephone, Phone
// the fax, FAX the e-mail address and Email the state or region.
namespace VCard {

// vCard 4.0 text, one card per customer: UTF-8, CR LF line ends, lines
// folded at 75 octets between whole characters. Any line break in a value
// (CR LF, LF or CR) is written as "\n", so it reads back as LF.
QByteArray write(const QList<CustomerRecord>& customers);

// A card that was read but gives no customer.
struct Refused
{
    qint64 line;    // physical line, counted from 1, where the card begins
    QString reason;
};

// Reads vCard 3.0 and 4.0 text (and the CHARSET and QUOTED-PRINTABLE
// parameters older programs write) into new customers, replacing the
// contents of both lists. A card without a name is refused. Text that is
// not a sequence of cards fails with a message naming its line, and then
// both lists are left as they were. Either list may be null.
Result read(const QByteArray& text, QList<CustomerRecord>* customers, QList<Refused>* refused);

} // namespace VCard
