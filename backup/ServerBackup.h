#pragma once

#include "Result.h"

#include <QString>

class PgCustomerStore;

// Backup and restore of the customers on a database server, through
// customer files like those a local backup writes, so that every backup
// opens anywhere and a local backup restores onto the server.
class ServerBackup
{
public:
    explicit ServerBackup(PgCustomerStore& server) : m_server(server) {}

    // Writes the customers of one consistent state of the server into a
    // new customer file at `target`, checked before it takes that place.
    // On failure a file already at `target` stays as it was.
    Result backUp(const QString& target);

    // Puts the customers of the customer file `source` in the place of the
    // server's, after the check a local restore makes, in one transaction:
    // on failure the server's customers stay as they were. `source` is
    // only read.
    Result restore(const QString& source);

private:
    PgCustomerStore& m_server;
};
