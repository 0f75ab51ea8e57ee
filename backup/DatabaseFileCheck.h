#pragma once

#include "Result.h"

#include <QString>

// How closely the engine looks: Full also matches every index against its
// table; Quick reads every page and its structure, enough for a copy the
// engine has just written page for page from a checked database.
enum class EngineCheck { Full, Quick };

// Whether the file at `path` can stand in for the customer database: SQLite
// opens it, the engine's own integrity check finds nothing wrong, and it
// holds a usable table Info with the sixteen text columns. Only reads, so
// the file stays exactly as it was.
Result checkCustomerDatabase(const QString& path, EngineCheck depth = EngineCheck::Full);
