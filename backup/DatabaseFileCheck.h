#pragma once

#include "Result.h"

#include <QString>

// Whether the file at `path` can stand in for the customer database: SQLite
// opens it, the engine's own integrity check finds nothing wrong, and it
// holds a usable table Info with the sixteen text columns. Only reads, so
// the file stays exactly as it was.
Result checkCustomerDatabase(const QString& path);
