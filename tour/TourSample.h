#pragma once

#include "Result.h"

class CustomerStore;
class SettingsStore;

// A dozen varied customers and the settings of a shop that has finished
// its setup, for pictures that look like a shop's real day.
namespace TourSample {

Result seed(CustomerStore& store, SettingsStore& settings);

} // namespace TourSample
