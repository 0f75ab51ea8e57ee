#pragma once

#include "CustomerRecord.h"
#include "Result.h"

class CustomerStore;
class SettingsStore;

// A dozen varied customers and the settings of a shop that has finished
// its setup, for pictures that look like a shop's real day.
namespace TourSample {

Result seed(CustomerStore& store, SettingsStore& settings);

// A customer with long texts and the largest amounts a shop will meet, so
// that the values show their longest everyday forms.
CustomerRecord longestCustomer();

} // namespace TourSample
