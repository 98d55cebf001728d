#pragma once

#include <cmath>
#include <cstdint>

#include "settings/time_of_day.h"

namespace ostrevin {

// Every time of day the program builds is a whole number of milliseconds, but
// a time reached by adding minutes to another one can differ in its last bits
// from the same moment encoded directly (08:30 plus 45 minutes against 09:15).
// The clock compares times at the millisecond, so two values that name the
// same moment compare equal, while a start time carrying seconds still never
// equals a whole minute. Values past midnight keep their day count.
inline std::int64_t WholeMilliseconds(TimeOfDay time) {
  constexpr double kMillisecondsPerDay = 86'400'000.0;
  return std::llround(time * kMillisecondsPerDay);
}

}  // namespace ostrevin
