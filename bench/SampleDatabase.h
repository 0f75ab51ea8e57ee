#pragma once

#include "CustomerRecord.h"

#include <QString>

// Realistic generated customers for the benchmarks.
namespace SampleDatabase {

// Creates the customer database at `path` with `count` customers, written
// in one transaction; false when it could not.
bool generate(const QString& path, int count);

// One more customer like the generated ones.
CustomerRecord customer(int number);

} // namespace SampleDatabase
