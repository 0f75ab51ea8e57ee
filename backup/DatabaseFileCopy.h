#pragma once

#include "Result.h"

#include <QString>

struct sqlite3;

// A complete copy of a database file put in the place of another file. The
// copy is written beside the file it replaces under a temporary name, and
// takes that file's place by one rename, so the destination is at every
// moment either as it was or the whole copy, also after a power cut.
// Whatever is left of a copy that did not take its place is removed with
// this object; what a killed copy left is removed by the next copy to the
// same destination, once it has lain unchanged for an hour.
class DatabaseFileCopy
{
public:
    explicit DatabaseFileCopy(const QString& destination);
    ~DatabaseFileCopy();
    DatabaseFileCopy(const DatabaseFileCopy&) = delete;
    DatabaseFileCopy& operator=(const DatabaseFileCopy&) = delete;

    // Copies `source` into the temporary file and flushes it to the disk.
    // The source is opened read-only and read in one consistent state,
    // even while another program writes it.
    Result write(const QString& source);

    // Puts the written copy in the destination's place.
    Result replaceDestination();

    // Renames `from` to `to`, replacing a file of that name in one step.
    static Result renameOver(const QString& from, const QString& to);

private:
    Result createTemporary();
    Result copyBytes(const QString& source, sqlite3* from);
    Result copyPages(const QString& source, sqlite3* from);
    Result cannotCopy(const QString& source, const QString& reason) const;

    QString m_destination;
    QString m_temporary;
};
