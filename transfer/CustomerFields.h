#pragma once

#include <QStringList>
#include <QVector>

// The sixteen fields as the windows caption them, and which column of a
// file brought in feeds each. Columns State to Email hold other data than
// their names say, so a mapping matches what a column holds (its caption
// or a common name for it), not the stored column names; only a file laid
// out as the program's own table maps by column name.
namespace CustomerFields {

// In record order: "Name", "Address", "Country", "City", "Zip", "Phone",
// "Fax", "E-Mail", "State", "Product Purchased", ...
const QStringList& captions();

// For each field, the source column that feeds it, or -1.
using Mapping = QVector<int>;

Mapping propose(const QStringList& sourceColumns);

// True when the first record names at least two fields: it is a header.
bool looksLikeHeader(const QStringList& firstRecord);

} // namespace CustomerFields
