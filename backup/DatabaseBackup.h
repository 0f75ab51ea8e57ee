#pragma once

#include "Result.h"

#include <QString>

class CustomerStore;

// Whole-file copies of the customer database: a backup to a file of the
// operator's choice, and a restore of such a file over the database in
// use. The store is closed around each copy and open again after every
// outcome. Nothing here shows anything: every failure comes back as a
// Result whose message names the file and the reason.
class DatabaseBackup
{
public:
    DatabaseBackup(CustomerStore& store, const QString& liveFile);

    // Writes a complete, consistent copy of the database to `target`. On
    // failure a file already at `target` stays as it was.
    Result backUp(const QString& target);

    // Puts a copy of `source` in the place of the database in use, after
    // checking that it is a sound customer database. `source` itself is
    // only read. On failure the database in use stays as it was.
    Result restore(const QString& source);

    // The copy of the database that was in use until the last restore,
    // kept beside it; empty before a restore and after one that failed.
    const QString& keptPrevious() const { return m_keptPrevious; }

    // A sentence for the operator that names keptPrevious() and how it
    // undoes the restore; empty when there is none.
    QString keptPreviousNote() const;

private:
    Result checkTarget(const QString& target) const;
    Result checkSource(const QString& source) const;
    Result replaceLiveFile(const QString& source);
    Result openRestored(const QString& source);
    Result keepPrevious();
    void dropPrevious();
    Result reopenAfter(const Result& outcome);

    CustomerStore& m_store;
    QString m_liveFile;
    QString m_keptPrevious;
};
