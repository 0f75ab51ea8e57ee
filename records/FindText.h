#pragma once

#include "CustomerRecord.h"

#include <QString>
#include <QStringList>

// Text as the finder compares it: case, accents and the marks on letters
// aside ("MÜLLER" and "Muller" are both "muller"), so a typed word finds a
// customer however either was spelled.
QString foldedForSearch(QStringView text);

// The fields a find looks in, folded, one per line: name, address,
// country, town, postcode, telephone, fax, e-mail, state, product, date
// and payment. A typed word never holds a line break, so it never matches
// across two fields.
QString searchTextOf(const CustomerRecord& record);

// The typed words, folded; every one must be found.
QStringList searchWords(const QString& typed);
