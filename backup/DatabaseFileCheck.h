#pragma once

#include "Result.h"

#include <QString>

// How closely the file is looked at: Full is the engine's own integrity
// check; TablePages counts the rows of every table, which reads each page
// of it, enough for a copy just written page for page from the live file.
enum class EngineCheck { Full, TablePages };

// Whether the file at `path` can stand in for the customer database: SQLite
// opens it, the engine's own integrity check finds nothing wrong, and it
// holds a usable table Info with the sixteen text columns. Only reads, so
// the file stays exactly as it was.
Result checkCustomerDatabase(const QString& path, EngineCheck depth = EngineCheck::Full);
