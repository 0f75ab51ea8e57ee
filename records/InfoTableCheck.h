#pragma once

#include "Result.h"

#include <QString>

struct sqlite3;

// Looks at a database file before the store changes anything in it: the
// file must hold a usable table Info, or no tables at all (a new database).
// Only reads, so a refused file stays exactly as it was.
class InfoTableCheck
{
public:
    InfoTableCheck(sqlite3* db, const QString& path) : m_db(db), m_path(path) {}

    // Success when the store can use the file; `tableMissing` tells that the
    // file holds no tables yet and Info is still to be made.
    Result run(bool* tableMissing);

private:
    Result checkSchema(bool* tableMissing);
    Result checkColumns();
    Result checkRowIds();
    Result refuse(const QString& reason) const;
    Result unreadable() const;

    sqlite3* m_db;
    QString m_path;
};
